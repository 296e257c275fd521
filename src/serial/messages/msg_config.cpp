#include "serial/messages/msg_config.h"

#include <vector>

#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

namespace {

// The fewest bytes an entry takes: key, type and an empty string; key, value and the
// shortest class name.
constexpr std::uint64_t kMinSettingBytes = 4 + 4 + 6;
constexpr std::uint64_t kMinObjectBytes = 4 + 4 + 6;

}  // namespace

void CMsgConfig::SetSetting(TarnULong key, TarnULong type, WideString value) {
  Settings_[key] = pairTypeValue{type, std::move(value)};
}

void CMsgConfig::SetObject(TarnULong key, TarnULong value, ITarnSerializable* object) {
  if (object != nullptr)
    object->AddRef();
  auto [it, inserted] = Objects_.try_emplace(key, value, object);
  if (!inserted) {
    ITarnSerializable* old = it->second.second;
    it->second = ObjectEntry(value, object);
    if (old != nullptr)
      old->Release();
  }
}

TarnResult CMsgConfig::QueryInterface(const TarnIid& /*iid*/, void** out) {
  if (out != nullptr)
    *out = nullptr;
  return TARN_E_FAIL;
}

const char16_t* CMsgConfig::GetClassName() {
  return wire_name::kMsgConfig;
}

void CMsgConfig::Store(ITarnArchive* archive) {
  TarnWriteInt(*archive, Header1);
  TarnWriteULong(*archive, Header2);
  TarnWriteULong(*archive, Header3);
  TarnWriteULong(*archive, Header4);
  TarnWriteULong(*archive, Header5);

  TarnWriteULong(*archive, static_cast<TarnULong>(Settings_.size()));
  for (const auto& [key, setting] : Settings_) {
    TarnWriteULong(*archive, key);
    TarnWriteULong(*archive, setting.Type);
    TarnWriteString(*archive, WideStringView(setting.Value));
  }

  TarnULong written = 0;
  for (const auto& [key, entry] : Objects_)
    written += entry.second != nullptr ? 1 : 0;
  TarnWriteULong(*archive, written);
  // Objects follow inline: the archive stays open for the entries after each one, and
  // a memory archive adds no bytes between openings.
  for (const auto& [key, entry] : Objects_) {
    if (entry.second == nullptr)
      continue;
    TarnWriteULong(*archive, key);
    TarnWriteULong(*archive, entry.first);
    TarnWriteObject(*archive, entry.second);
  }
}

void CMsgConfig::Load(ITarnArchive* archive) {
  std::int32_t h1 = 0;
  TarnULong h2 = 0, h3 = 0, h4 = 0, h5 = 0;
  if (!TarnReadInt(*archive, h1) || !TarnReadULong(*archive, h2) || !TarnReadULong(*archive, h3) ||
      !TarnReadULong(*archive, h4) || !TarnReadULong(*archive, h5))
    return;
  Header1 = h1;
  Header2 = h2;
  Header3 = h3;
  Header4 = h4;
  Header5 = h5;

  TarnULong settings = 0;
  if (!TarnReadULong(*archive, settings))
    return;
  if (settings > 0) {
    archive->Status = TARN_E_FAIL;
    if (!archive->CheckReadable(settings * kMinSettingBytes))
      return;
    std::map<TarnULong, pairTypeValue> loaded;
    for (TarnULong i = 0; i < settings; ++i) {
      TarnULong key = 0;
      pairTypeValue setting;
      if (!TarnReadULong(*archive, key) || !TarnReadULong(*archive, setting.Type) ||
          !TarnReadString(*archive, setting.Value))
        return;
      loaded[key] = std::move(setting);
    }
    Settings_ = std::move(loaded);
  }

  TarnULong objects = 0;
  if (!TarnReadULong(*archive, objects))
    return;
  if (objects == 0)
    return;
  archive->Status = TARN_E_FAIL;
  if (!archive->CheckReadable(objects * kMinObjectBytes))
    return;
  std::map<TarnULong, ObjectEntry> loaded;
  bool complete = true;
  for (TarnULong i = 0; i < objects && complete; ++i) {
    TarnULong key = 0, value = 0;
    ITarnSerializable* object = nullptr;
    complete = TarnReadULong(*archive, key) && TarnReadULong(*archive, value) &&
               TarnReadObjectChecked(*archive, &object);
    if (!complete)
      break;
    auto [it, inserted] = loaded.try_emplace(key, value, object);
    if (!inserted) {
      if (it->second.second != nullptr)
        it->second.second->Release();
      it->second = ObjectEntry(value, object);
    }
  }
  if (!complete) {
    for (auto& [key, entry] : loaded) {
      if (entry.second != nullptr)
        entry.second->Release();
    }
    archive->Status = TARN_E_FAIL;
    return;
  }
  ReleaseObjects();
  Objects_ = std::move(loaded);
}

void CMsgConfig::CopyFrom(ITarnSerializable* other) {
  auto* config = dynamic_cast<CMsgConfig*>(other);
  if (config == nullptr || config == this)
    return;
  Header1 = config->Header1;
  Header2 = config->Header2;
  Header4 = config->Header4;
  Settings_ = config->Settings_;
}

void CMsgConfig::ReleaseObjects() {
  std::map<TarnULong, ObjectEntry> objects;
  objects.swap(Objects_);
  for (auto& [key, entry] : objects) {
    if (entry.second != nullptr)
      entry.second->Release();
  }
}

}  // namespace kova
