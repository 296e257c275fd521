#include "serial/factory.h"

#include <array>
#include <iterator>

#include "serial/basic_serializable.h"
#include "serial/message_base.h"
#include "serial/messages/msg_config.h"
#include "serial/messages/msg_mod_av_system_actions.h"
#include "serial/object_list.h"
#include "serial/object_map.h"
#include "serial/simple_serializable.h"
#include "serial/simple_serializable_list.h"
#include "serial/wire_names.h"

namespace kova {

namespace {

template <typename T>
ITarnSerializable* Create() {
  return new T();
}

struct Registration {
  const char16_t* name;
  TarnCreator creator;
};

// Every class that may appear on the wire, under its fixed wire name.
constexpr Registration kRegistrations[] = {
    {wire_name::kWideString, &Create<CSimpleString>},
    {wire_name::kWideStringList, &Create<CSimpleStringList>},
    {wire_name::kObjectList, &Create<CTarnSerializableList>},
    {wire_name::kObjectMap, &Create<CTarnSerializableMap>},
    {wire_name::kBasic, &Create<CBasicSerializable>},
    {wire_name::kULong, &Create<CSimpleULong>},
    {wire_name::kBool, &Create<CSimpleBool>},
    {wire_name::kInt, &Create<CSimpleInt>},
    {wire_name::kDouble, &Create<CSimpleDouble>},
    {wire_name::kByte, &Create<CSimpleByte>},
    {wire_name::kUInt64, &Create<CSimpleUInt64>},
    {wire_name::kULongList, &Create<CSimpleULongList>},
    {wire_name::kBoolList, &Create<CSimpleBoolList>},
    {wire_name::kMessageBase, &Create<CTarnMessageBase>},
    {wire_name::kMsgConfig, &Create<CMsgConfig>},
    {wire_name::kMsgModAvSystemActions, &Create<CMsgModAvSystemActions>},
};

const char16_t* const* RegisteredNames() {
  static const auto names = [] {
    std::array<const char16_t*, std::size(kRegistrations)> result{};
    for (std::size_t i = 0; i < result.size(); ++i)
      result[i] = kRegistrations[i].name;
    return result;
  }();
  return names.data();
}

// Fills the factory while the module loads, before any reply can arrive.
[[maybe_unused]] ITarnFactory* const kFactoryAtLoad = GetTarnFactory();

}  // namespace

void CTarnFactory::Register(const char16_t* class_name, TarnCreator creator) {
  if (class_name == nullptr)
    return;
  TarnFactoryData[WideString(class_name)] = creator;
}

TarnCreator CTarnFactory::FindCreator(const char16_t* class_name) {
  if (class_name == nullptr)
    return nullptr;
  const auto it = TarnFactoryData.find(WideStringView(class_name));
  return it == TarnFactoryData.end() ? nullptr : it->second;
}

ITarnFactory* GetTarnFactory() {
  // Destroyed with the module's other statics when it is unloaded.
  static CTarnFactory factory;
  static const bool registered = [] {
    for (const Registration& registration : kRegistrations)
      factory.Register(registration.name, registration.creator);
    return true;
  }();
  (void)registered;
  return &factory;
}

const char16_t* const* TarnRegisteredClassNames(std::size_t* count) {
  if (count != nullptr)
    *count = std::size(kRegistrations);
  return RegisteredNames();
}

}  // namespace kova
