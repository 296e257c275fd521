// Framework objects of any class name and ancestry, publishing the enumeration, integer
// and object properties a test gives them: the matching rules see a control only through
// its class names and published properties.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/classes/component.h"

namespace kova::testing {

struct FakeProperty {
  std::string_view name;
  const EnumTypeInfo* enum_type = nullptr;  // null: an integer property
  int64_t value = 0;                        // the ordinal or the integer
};

class TFakeObject : public TComponent {
 public:
  explicit TFakeObject(const ClassInfo& info) : TComponent(nullptr), info_(&info) {}
  const ClassInfo& ClassType() const override { return *info_; }
  std::map<std::string, int64_t, std::less<>> values;
  TObject* object = nullptr;  // what every object property holds

 private:
  const ClassInfo* info_;
};

// The class chain TComponent → lineage[0] → ... → lineage.back(); the last class
// publishes `properties` (and "ActivePage" when `with_active_page`).
inline const ClassInfo& FakeClass(std::vector<std::string> lineage,
                                  const std::vector<FakeProperty>& properties = {},
                                  bool with_active_page = false) {
  static std::deque<std::string> names;
  static std::deque<ClassInfo> classes;
  const ClassInfo* parent = &TComponent::StaticClass();
  for (size_t i = 0; i < lineage.size(); ++i) {
    names.push_back(lineage[i]);
    std::vector<PropertyInfo> published;
    if (i + 1 == lineage.size()) {
      for (const FakeProperty& p : properties) {
        PropertyInfo info;
        info.name = p.name;
        info.kind = p.enum_type != nullptr ? PropertyKind::kEnumeration : PropertyKind::kInteger;
        info.enum_type = p.enum_type;
        const std::string key(p.name);
        info.get_ordinal = [key](const TObject& o) {
          const auto& values = static_cast<const TFakeObject&>(o).values;
          const auto it = values.find(key);
          return it != values.end() ? it->second : 0;
        };
        info.set_ordinal = [key](TObject& o, int64_t v) {
          static_cast<TFakeObject&>(o).values[key] = v;
        };
        published.push_back(std::move(info));
      }
      if (with_active_page) {
        PropertyInfo info;
        info.name = "ActivePage";
        info.kind = PropertyKind::kObject;
        info.object_class = &TObject::StaticClass();
        info.get_object = [](const TObject& o) {
          return static_cast<const TFakeObject&>(o).object;
        };
        published.push_back(std::move(info));
      }
    }
    classes.emplace_back(names.back(), parent, std::move(published));
    parent = &classes.back();
  }
  return *parent;
}

// An object of the fake class, its properties set to their given values.
inline std::unique_ptr<TFakeObject> MakeFake(const ClassInfo& info,
                                             const std::vector<FakeProperty>& properties = {}) {
  auto object = std::make_unique<TFakeObject>(info);
  for (const FakeProperty& p : properties) {
    object->values[std::string(p.name)] = p.value;
  }
  return object;
}

}  // namespace kova::testing
