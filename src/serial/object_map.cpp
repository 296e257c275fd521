#include "serial/object_map.h"

#include <iterator>

#include "serial/basic_serializable.h"
#include "serial/object_list.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

TarnResult CTarnSerializableMap::QueryInterface(const TarnIid& iid, void** out) {
  if (out == nullptr)
    return TARN_E_INVALIDARG;
  if (iid == IID_ITarnSerializableMap) {
    *out = static_cast<ITarnSerializableMap*>(this);
  } else if (iid == IID_ITarnSerializable) {
    *out = static_cast<ITarnSerializable*>(this);
  } else {
    *out = nullptr;
    return TARN_E_NOINTERFACE;
  }
  AddRef();
  return TARN_S_OK;
}

const char16_t* CTarnSerializableMap::GetClassName() {
  return wire_name::kObjectMap;
}

void CTarnSerializableMap::Store(ITarnArchive* archive) {
  TarnULong written = 0;
  for (const auto& [key, value] : Entries)
    written += value != nullptr ? 1 : 0;
  TarnWriteULong(*archive, written);
  for (const auto& [key, value] : Entries) {
    if (value == nullptr)
      continue;
    TarnWriteString(*archive, WideStringView(key));
    TarnWriteObject(*archive, value);
  }
}

void CTarnSerializableMap::Load(ITarnArchive* archive) {
  TarnULong count = 0;
  if (!TarnReadULong(*archive, count))
    return;
  for (TarnULong i = 0; i < count; ++i) {
    WideString key;
    ITarnSerializable* value = nullptr;
    if (!TarnReadString(*archive, key) || !TarnReadObjectChecked(*archive, &value)) {
      archive->Status = TARN_E_FAIL;
      return;
    }
    // A key that is already present keeps its first value.
    auto [it, inserted] = Entries.try_emplace(std::move(key), value);
    if (!inserted && value != nullptr)
      value->Release();
  }
}

void CTarnSerializableMap::CopyFrom(ITarnSerializable* other) {
  if (other == this)
    return;
  RemoveAll();
  if (other == nullptr)
    return;
  void* view = nullptr;
  if (other->QueryInterface(IID_ITarnSerializableMap, &view) != TARN_S_OK || view == nullptr)
    return;
  auto* map = static_cast<ITarnSerializableMap*>(view);
  const TarnULong count = map->GetCount();
  for (TarnULong i = 0; i < count; ++i) {
    IBasicTarnSerializable* key = nullptr;
    if (map->GetKeyAt(i, &key) != TARN_S_OK || key == nullptr)
      continue;
    ITarnSerializable* value = nullptr;
    if (map->Lookup(key, &value) == TARN_S_OK && value != nullptr) {
      SetAt(key, value);
      value->Release();
    }
    key->Release();
  }
  map->Release();
}

TarnResult CTarnSerializableMap::GetKeyAt(TarnULong index, IBasicTarnSerializable** key) {
  if (key == nullptr || index >= Entries.size())
    return TARN_E_INVALIDARG;
  *key = new CBasicSerializable(WideStringView(std::next(Entries.begin(), index)->first));
  return TARN_S_OK;
}

TarnResult CTarnSerializableMap::SetAt(IBasicTarnSerializable* key, ITarnSerializable* value) {
  WideString text;
  if (!TarnKeyText(key, &text))
    return TARN_E_FAIL;
  return SetAt(WideStringView(text), value);
}

TarnResult CTarnSerializableMap::SetAt(WideStringView key, ITarnSerializable* value) {
  WideString text(key);
  if (const auto it = Entries.find(text); it != Entries.end()) {
    ITarnSerializable* old = it->second;
    Entries.erase(it);
    if (old != nullptr)
      old->Release();
  }
  ITarnSerializable* copy = TarnCloneObject(value);
  if (copy == nullptr)
    return TARN_E_FAIL;
  Entries.emplace(std::move(text), copy);
  return TARN_S_OK;
}

TarnResult CTarnSerializableMap::Lookup(IBasicTarnSerializable* key, ITarnSerializable** value) {
  WideString text;
  if (!TarnKeyText(key, &text))
    return TARN_E_FAIL;
  return Lookup(WideStringView(text), value);
}

TarnResult CTarnSerializableMap::Lookup(WideStringView key, ITarnSerializable** value) {
  if (value == nullptr)
    return TARN_E_INVALIDARG;
  const auto it = Entries.find(WideString(key));
  if (it == Entries.end())
    return TARN_E_FAIL;
  *value = it->second;
  if (*value != nullptr)
    (*value)->AddRef();
  return TARN_S_OK;
}

TarnResult CTarnSerializableMap::RemoveKey(IBasicTarnSerializable* key) {
  WideString text;
  if (!TarnKeyText(key, &text))
    return TARN_E_FAIL;
  const auto it = Entries.find(text);
  if (it == Entries.end())
    return TARN_E_FAIL;
  ITarnSerializable* value = it->second;
  Entries.erase(it);
  if (value != nullptr)
    value->Release();
  return TARN_S_OK;
}

void CTarnSerializableMap::RemoveAll() {
  std::map<WideString, ITarnSerializable*> entries;
  entries.swap(Entries);
  for (auto& [key, value] : entries) {
    if (value != nullptr)
      value->Release();
  }
}

}  // namespace kova
