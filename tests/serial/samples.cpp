#include "samples.h"

#include "serial/basic_serializable.h"
#include "serial/message_base.h"
#include "serial/messages/msg_config.h"
#include "serial/messages/msg_mod_av_system_actions.h"
#include "serial/object_list.h"
#include "serial/object_map.h"
#include "serial/simple_serializable.h"
#include "serial/simple_serializable_list.h"
#include "serial/wire_names.h"

namespace kova::testing {

namespace {

template <typename T>
ITarnSerializable* Raw(T* object) {
  return object;
}

}  // namespace

CAutoTarnPtr<ITarnSerializable> Sample(const WideString& name) {
  using P = CAutoTarnPtr<ITarnSerializable>;
  namespace w = wire_name;
  if (name == w::kWideString)
    return P(Raw(new CSimpleString(u"caf\u00e9 \u2603")));
  if (name == w::kULong)
    return P(Raw(new CSimpleULong(0xDEADBEEF)));
  if (name == w::kBool)
    return P(Raw(new CSimpleBool(true)));
  if (name == w::kInt)
    return P(Raw(new CSimpleInt(-5)));
  if (name == w::kDouble)
    return P(Raw(new CSimpleDouble(-0.1)));
  if (name == w::kByte)
    return P(Raw(new CSimpleByte(200)));
  if (name == w::kUInt64)
    return P(Raw(new CSimpleUInt64(0x0123456789ABCDEFull)));
  if (name == w::kBasic)
    return P(Raw(new CBasicSerializable("\x00\x01\xFF", 3, 9)));
  if (name == w::kWideStringList) {
    auto* list = new CSimpleStringList();
    list->Add(u"");
    list->Add(u"two");
    return P(Raw(list));
  }
  if (name == w::kULongList) {
    auto* list = new CSimpleULongList();
    list->Add(1);
    list->Add(0xFFFFFFFF);
    return P(Raw(list));
  }
  if (name == w::kBoolList) {
    auto* list = new CSimpleBoolList();
    list->Add(false);
    list->Add(true);
    return P(Raw(list));
  }
  if (name == w::kObjectList) {
    auto* list = new CTarnSerializableList();
    for (const char16_t* member : {w::kInt, w::kWideString, w::kObjectMap}) {
      auto item = Sample(member);
      list->Add(item.get());
    }
    return P(Raw(list));
  }
  if (name == w::kObjectMap) {
    auto* map = new CTarnSerializableMap();
    auto block = Sample(w::kBasic);
    auto numbers = Sample(w::kULongList);
    map->SetAt(u"block", block.get());
    map->SetAt(u"numbers", numbers.get());
    return P(Raw(map));
  }
  if (name == w::kMessageBase) {
    auto payload = Sample(w::kMsgConfig);
    return P(Raw(new CTarnMessageBase(12, 3, payload.get())));
  }
  if (name == w::kMsgConfig) {
    auto* config = new CMsgConfig();
    config->Header1 = -1;
    config->Header2 = 2;
    config->Header3 = 3;
    config->Header4 = 4;
    config->Header5 = 5;
    config->SetSetting(7, 101, u"1");
    config->SetSetting(2, 100, u"path\\to");
    auto list = Sample(w::kObjectList);
    auto text = Sample(w::kWideString);
    config->SetObject(9, 1, list.get());
    config->SetObject(3, 0, text.get());
    return P(Raw(config));
  }
  if (name == w::kMsgModAvSystemActions) {
    auto* actions = new CMsgModAvSystemActions();
    actions->Header = 4;
    actions->Actions[u"scan"] = u"now";
    actions->Actions[u"Update"] = u"";
    return P(Raw(actions));
  }
  return P();
}

}  // namespace kova::testing
