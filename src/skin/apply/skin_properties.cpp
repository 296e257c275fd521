#include "skin/apply/skin_properties.h"

#include <cctype>
#include <charconv>

#include "forms/classes/typinfo.h"

namespace kova {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

const PropertyInfo* Find(const TObject* object, std::string_view name) {
  return object != nullptr ? FindPropInfo(*object, name) : nullptr;
}

}  // namespace

bool HasProperty(const TObject* object, std::string_view name) {
  return Find(object, name) != nullptr;
}

WideString GetProperty(const TObject* object, std::string_view name) {
  const PropertyInfo* p = Find(object, name);
  if (p == nullptr) {
    return {};
  }
  switch (p->kind) {
    case PropertyKind::kEnumeration:
      return Latin1ToWide(p->enum_type->NameOf(p->get_ordinal(*object)));
    case PropertyKind::kInteger:
      return Latin1ToWide(std::to_string(p->get_ordinal(*object)));
    default:
      return {};
  }
}

int64_t GetIntProperty(const TObject* object, std::string_view name) {
  const PropertyInfo* p = Find(object, name);
  if (p == nullptr ||
      (p->kind != PropertyKind::kInteger && p->kind != PropertyKind::kEnumeration)) {
    return 0;
  }
  return p->get_ordinal(*object);
}

std::string GetEnumProperty(const TObject* object, std::string_view name) {
  const PropertyInfo* p = Find(object, name);
  if (p == nullptr || p->kind != PropertyKind::kEnumeration) {
    return {};
  }
  return std::string(p->enum_type->NameOf(p->get_ordinal(*object)));
}

WideString GetStringProp(const TObject* object, std::string_view name) {
  const PropertyInfo* p = Find(object, name);
  if (p == nullptr || p->kind != PropertyKind::kString) {
    return {};
  }
  return p->get_string(*object);
}

std::any GetObjMethod(const TObject* object, std::string_view name) {
  return object != nullptr ? GetMethodProp(*object, name) : std::any();
}

TObject* GetObjProp(const TObject* object, std::string_view name, const ClassInfo* of_class) {
  return object != nullptr ? GetObjectProp(*object, name, of_class) : nullptr;
}

bool SetProperty(TObject* object, std::string_view name, const WideString& value) {
  const PropertyInfo* p = Find(object, name);
  if (p == nullptr) {
    return false;
  }
  switch (p->kind) {
    case PropertyKind::kEnumeration:
      return SetEnumProp(*object, name, WideToLatin1(value));
    case PropertyKind::kInteger: {
      const std::string text = WideToLatin1(value);
      int64_t number = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
      if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return false;
      }
      return SetOrdProp(*object, name, number);
    }
    case PropertyKind::kString:
      if (p->string_kind == StringKind::kUnicode) {
        return false;
      }
      return SetStrProp(*object, name, value);
    default:
      return false;
  }
}

bool InheritsFromName(const TObject& object, std::string_view class_name) {
  for (const ClassInfo* c = &object.ClassType(); c != nullptr; c = c->Parent()) {
    if (EqualsIgnoringCase(c->Name(), class_name)) {
      return true;
    }
  }
  return false;
}

}  // namespace kova
