#include "forms/classes/object.h"

#include <cctype>

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

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
    s.remove_prefix(1);
  }
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
    s.remove_suffix(1);
  }
  return s;
}

}  // namespace

const EnumTypeInfo kBooleanInfo{"Boolean", {"False", "True"}};

int EnumTypeInfo::ValueOf(std::string_view name) const {
  for (size_t i = 0; i < value_names.size(); ++i) {
    if (EqualsIgnoringCase(value_names[i], name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string_view EnumTypeInfo::NameOf(int64_t ordinal) const {
  if (ordinal < 0 || static_cast<uint64_t>(ordinal) >= value_names.size()) {
    return {};
  }
  return value_names[static_cast<size_t>(ordinal)];
}

std::string EnumTypeInfo::SetToString(int64_t mask) const {
  std::string out = "[";
  for (size_t i = 0; i < value_names.size() && i < 32; ++i) {
    if ((mask >> i) & 1) {
      if (out.size() > 1) {
        out += ',';
      }
      out += value_names[i];
    }
  }
  out += ']';
  return out;
}

bool EnumTypeInfo::StringToSet(std::string_view text, int64_t& mask) const {
  text = Trim(text);
  if (!text.empty() && text.front() == '[') {
    text.remove_prefix(1);
    if (text.empty() || text.back() != ']') {
      return false;
    }
    text.remove_suffix(1);
  }
  int64_t result = 0;
  while (!Trim(text).empty()) {
    const size_t comma = text.find(',');
    const std::string_view item = Trim(text.substr(0, comma));
    const int ordinal = ValueOf(item);
    if (ordinal < 0 || ordinal >= 32) {
      return false;
    }
    result |= int64_t{1} << ordinal;
    if (comma == std::string_view::npos) {
      break;
    }
    text.remove_prefix(comma + 1);
  }
  mask = result;
  return true;
}

ClassInfo::ClassInfo(std::string_view name, const ClassInfo* parent,
                     std::vector<PropertyInfo> properties)
    : name_(name), parent_(parent), properties_(std::move(properties)) {}

bool ClassInfo::InheritsFrom(const ClassInfo& ancestor) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->parent_) {
    if (c == &ancestor) {
      return true;
    }
  }
  return false;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->parent_) {
    for (const PropertyInfo& p : c->properties_) {
      if (EqualsIgnoringCase(p.name, name)) {
        return &p;
      }
    }
  }
  return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::AllProperties() const {
  std::vector<const PropertyInfo*> result;
  if (parent_ != nullptr) {
    result = parent_->AllProperties();
  }
  for (const PropertyInfo& p : properties_) {
    result.push_back(&p);
  }
  return result;
}

const ClassInfo& TObject::StaticClass() {
  static const ClassInfo info("TObject", nullptr, {});
  return info;
}

}  // namespace kova
