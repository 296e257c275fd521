#include "forms/classes/typinfo.h"

#include <charconv>

namespace kova {

namespace {

const PropertyInfo* FindOfKind(const TObject& object, std::string_view name, PropertyKind kind) {
  const PropertyInfo* p = FindPropInfo(object, name);
  return p != nullptr && p->kind == kind ? p : nullptr;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  int64_t value = 0;
  int base = 10;
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

const PropertyInfo* FindPropInfo(const TObject& object, std::string_view name) {
  return object.ClassType().FindProperty(name);
}

bool IsPublishedProp(const TObject& object, std::string_view name) {
  return FindPropInfo(object, name) != nullptr;
}

std::optional<PropertyKind> PropKind(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindPropInfo(object, name);
  if (p == nullptr) {
    return std::nullopt;
  }
  return p->kind;
}

WideString GetStrProp(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kString);
  return p != nullptr ? p->get_string(object) : WideString();
}

bool SetStrProp(TObject& object, std::string_view name, const WideString& value) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kString);
  if (p == nullptr || !p->set_string) {
    return false;
  }
  p->set_string(object, value);
  return true;
}

std::optional<int64_t> GetOrdProp(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindPropInfo(object, name);
  if (p == nullptr || !p->get_ordinal) {
    return std::nullopt;
  }
  return p->get_ordinal(object);
}

bool SetOrdProp(TObject& object, std::string_view name, int64_t value) {
  const PropertyInfo* p = FindPropInfo(object, name);
  if (p == nullptr || !p->set_ordinal) {
    return false;
  }
  if (p->kind == PropertyKind::kEnumeration && p->enum_type->NameOf(value).empty()) {
    return false;
  }
  p->set_ordinal(object, value);
  return true;
}

std::string GetEnumProp(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kEnumeration);
  return p != nullptr ? std::string(p->enum_type->NameOf(p->get_ordinal(object))) : std::string();
}

bool SetEnumProp(TObject& object, std::string_view name, std::string_view value_name) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kEnumeration);
  if (p == nullptr || !p->set_ordinal) {
    return false;
  }
  const int ordinal = p->enum_type->ValueOf(value_name);
  if (ordinal < 0) {
    return false;
  }
  p->set_ordinal(object, ordinal);
  return true;
}

std::string GetSetProp(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kSet);
  return p != nullptr ? p->enum_type->SetToString(p->get_ordinal(object)) : std::string();
}

bool SetSetProp(TObject& object, std::string_view name, std::string_view value) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kSet);
  int64_t mask = 0;
  if (p == nullptr || !p->set_ordinal || !p->enum_type->StringToSet(value, mask)) {
    return false;
  }
  p->set_ordinal(object, mask);
  return true;
}

TObject* GetObjectProp(const TObject& object, std::string_view name, const ClassInfo* of_class) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kObject);
  if (p == nullptr) {
    return nullptr;
  }
  TObject* value = p->get_object(object);
  if (value != nullptr && of_class != nullptr && !value->InheritsFrom(*of_class)) {
    return nullptr;
  }
  return value;
}

bool SetObjectProp(TObject& object, std::string_view name, TObject* value) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kObject);
  if (p == nullptr || !p->set_object) {
    return false;
  }
  if (value != nullptr && !value->InheritsFrom(*p->object_class)) {
    return false;
  }
  p->set_object(object, value);
  return true;
}

std::any GetMethodProp(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kMethod);
  return p != nullptr ? p->get_method(object) : std::any();
}

bool SetMethodProp(TObject& object, std::string_view name, const std::any& value) {
  const PropertyInfo* p = FindOfKind(object, name, PropertyKind::kMethod);
  if (p == nullptr || !p->set_method) {
    return false;
  }
  try {
    p->set_method(object, value);
  } catch (const std::bad_any_cast&) {
    return false;
  }
  return true;
}

std::optional<WideString> GetPropText(const TObject& object, std::string_view name) {
  const PropertyInfo* p = FindPropInfo(object, name);
  if (p == nullptr) {
    return std::nullopt;
  }
  switch (p->kind) {
    case PropertyKind::kString:
      return p->get_string(object);
    case PropertyKind::kInteger:
      return Utf8ToWide(std::to_string(p->get_ordinal(object)));
    case PropertyKind::kEnumeration:
      return Utf8ToWide(p->enum_type->NameOf(p->get_ordinal(object)));
    case PropertyKind::kSet:
      return Utf8ToWide(p->enum_type->SetToString(p->get_ordinal(object)));
    case PropertyKind::kObject:
    case PropertyKind::kMethod:
      break;
  }
  return std::nullopt;
}

bool SetPropText(TObject& object, std::string_view name, const WideString& text) {
  const PropertyInfo* p = FindPropInfo(object, name);
  if (p == nullptr) {
    return false;
  }
  const std::string narrow = WideToUtf8(text);
  switch (p->kind) {
    case PropertyKind::kString:
      return SetStrProp(object, name, text);
    case PropertyKind::kInteger: {
      const auto value = ParseInteger(narrow);
      return value.has_value() && SetOrdProp(object, name, *value);
    }
    case PropertyKind::kEnumeration:
      return SetEnumProp(object, name, narrow);
    case PropertyKind::kSet:
      return SetSetProp(object, name, narrow);
    case PropertyKind::kObject:
    case PropertyKind::kMethod:
      break;
  }
  return false;
}

}  // namespace kova
