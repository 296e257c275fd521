#include "serial/simple_serializable_list.h"

#include <cstring>

#include "serial/value_kind.h"
#include "serial/wire_names.h"

namespace kova {

namespace {

template <typename T>
constexpr const char16_t* ListWireName();
template <>
constexpr const char16_t* ListWireName<bool>() {
  return wire_name::kBoolList;
}
template <>
constexpr const char16_t* ListWireName<std::uint32_t>() {
  return wire_name::kULongList;
}
template <>
constexpr const char16_t* ListWireName<WideString>() {
  return wire_name::kWideStringList;
}

}  // namespace

template <typename T>
TarnResult CSimpleSerializableList<T>::QueryInterface(const TarnIid& iid, void** out) {
  if (out == nullptr)
    return TARN_E_INVALIDARG;
  if (iid == IID_ISimpleSerializable) {
    *out = static_cast<ISimpleSerializable*>(this);
    return TARN_S_OK;
  }
  if (iid == IID_ISimpleSerializableList) {
    *out = static_cast<ISimpleSerializableList<T>*>(this);
    return TARN_S_OK;
  }
  *out = nullptr;
  return TARN_E_NOINTERFACE;
}

template <typename T>
const char16_t* CSimpleSerializableList<T>::GetClassName() {
  return ListWireName<T>();
}

template <typename T>
void CSimpleSerializableList<T>::Store(ITarnArchive* archive) {
  TarnWriteULong(*archive, static_cast<TarnULong>(Items.size()));
  for (const T& item : Items)
    value_kind::Write(*archive, T(item));
}

template <typename T>
void CSimpleSerializableList<T>::Load(ITarnArchive* archive) {
  TarnULong count = 0;
  if (!TarnReadULong(*archive, count))
    return;
  if (count == 0)
    return;
  archive->Status = TARN_E_FAIL;
  if (!archive->CheckReadable(std::uint64_t{count} * value_kind::kMinWireSize<T>))
    return;
  std::vector<T> loaded;
  loaded.reserve(count);
  for (TarnULong i = 0; i < count; ++i) {
    T value{};
    if (!value_kind::Read(*archive, value))
      return;
    loaded.push_back(std::move(value));
  }
  Items.insert(Items.end(), loaded.begin(), loaded.end());
}

template <typename T>
void CSimpleSerializableList<T>::CopyFrom(ITarnSerializable* other) {
  Items.clear();
  if (other == nullptr)
    return;
  // The list interface shares one ID across element types, so make sure the other
  // list really holds this kind before treating it as one.
  if (WideStringView(other->GetClassName()) != ListWireName<T>())
    return;
  void* view = nullptr;
  if (other->QueryInterface(IID_ISimpleSerializableList, &view) != TARN_S_OK || view == nullptr)
    return;
  auto* list = static_cast<ISimpleSerializableList<T>*>(view);
  const TarnULong count = list->GetCount();
  for (TarnULong i = 0; i < count; ++i) {
    T value{};
    if (list->GetAt(i, &value) == TARN_S_OK)
      Items.push_back(std::move(value));
  }
}

template <typename T>
TarnULong CSimpleSerializableList<T>::GetCount() {
  return static_cast<TarnULong>(Items.size());
}

template <typename T>
void CSimpleSerializableList<T>::Add(T value) {
  Items.push_back(std::move(value));
}

template <typename T>
TarnResult CSimpleSerializableList<T>::GetAt(TarnULong index, T* out) {
  if (out == nullptr || index >= Items.size())
    return TARN_E_INVALIDARG;
  *out = Items[index];
  return TARN_S_OK;
}

template <typename T>
TarnResult CSimpleSerializableList<T>::RemoveAt(TarnULong index) {
  if (index >= Items.size())
    return TARN_E_INVALIDARG;
  Items.erase(Items.begin() + index);
  return TARN_S_OK;
}

template <typename T>
void CSimpleSerializableList<T>::RemoveAll() {
  Items.clear();
}

template <typename T>
void CSimpleSerializableList<T>::RebuildFlatCopy() {
  FlatCopy.clear();
  for (const T& item : Items) {
    if constexpr (std::is_same_v<T, bool>) {
      FlatCopy.push_back(item ? 1 : 0);
    } else if constexpr (std::is_same_v<T, std::uint32_t>) {
      for (int i = 0; i < 4; ++i)
        FlatCopy.push_back(static_cast<std::uint8_t>(item >> (8 * i)));
    } else {
      for (char16_t unit : item) {
        FlatCopy.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        FlatCopy.push_back(static_cast<std::uint8_t>(unit >> 8));
      }
      FlatCopy.push_back(0);
      FlatCopy.push_back(0);
    }
  }
}

template <typename T>
const void* CSimpleSerializableList<T>::GetData() {
  RebuildFlatCopy();
  return FlatCopy.empty() ? nullptr : FlatCopy.data();
}

template <typename T>
TarnULong CSimpleSerializableList<T>::GetSize() {
  RebuildFlatCopy();
  return static_cast<TarnULong>(FlatCopy.size());
}

template class CSimpleSerializableList<bool>;
template class CSimpleSerializableList<std::uint32_t>;
template class CSimpleSerializableList<WideString>;

}  // namespace kova
