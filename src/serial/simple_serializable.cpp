#include "serial/simple_serializable.h"

#include <algorithm>
#include <cstring>

#include "serial/value_kind.h"
#include "serial/wire_names.h"

namespace kova {

namespace {

template <typename T>
constexpr const char16_t* WireName();
template <>
constexpr const char16_t* WireName<std::uint32_t>() {
  return wire_name::kULong;
}
template <>
constexpr const char16_t* WireName<bool>() {
  return wire_name::kBool;
}
template <>
constexpr const char16_t* WireName<std::int32_t>() {
  return wire_name::kInt;
}
template <>
constexpr const char16_t* WireName<double>() {
  return wire_name::kDouble;
}
template <>
constexpr const char16_t* WireName<std::uint8_t>() {
  return wire_name::kByte;
}
template <>
constexpr const char16_t* WireName<std::uint64_t>() {
  return wire_name::kUInt64;
}
template <>
constexpr const char16_t* WireName<WideString>() {
  return wire_name::kWideString;
}

}  // namespace

template <typename T>
TarnResult CSimpleSerializable<T>::QueryInterface(const TarnIid& iid, void** out) {
  if (out == nullptr)
    return TARN_E_INVALIDARG;
  if (iid == IID_ISimpleSerializable) {
    *out = static_cast<ISimpleSerializable*>(this);
    return TARN_S_OK;
  }
  if (iid == IID_ITarnSerializableStringData) {
    *out = static_cast<ITarnSerializableStringData*>(this);
    return TARN_S_OK;
  }
  *out = nullptr;
  return TARN_E_NOINTERFACE;
}

template <typename T>
const char16_t* CSimpleSerializable<T>::GetClassName() {
  return WireName<T>();
}

template <typename T>
void CSimpleSerializable<T>::Store(ITarnArchive* archive) {
  value_kind::Write(*archive, Value);
}

template <typename T>
void CSimpleSerializable<T>::Load(ITarnArchive* archive) {
  value_kind::Read(*archive, Value);
}

template <typename T>
void CSimpleSerializable<T>::CopyFrom(ITarnSerializable* other) {
  if (other == nullptr)
    return;
  void* view = nullptr;
  if (other->QueryInterface(IID_ISimpleSerializable, &view) != TARN_S_OK || view == nullptr)
    return;
  auto* simple = static_cast<ISimpleSerializable*>(view);
  const void* data = simple->GetData();
  if constexpr (std::is_same_v<T, WideString>) {
    // Another string object: its data is the text and its terminator.
    // Only another string object: the data of any other kind has no terminator to stop at.
    if (data != nullptr && WideStringView(other->GetClassName()) == WireName<T>())
      Value = static_cast<const char16_t*>(data);
  } else {
    // Only an object whose data has the size of this kind; never read past a
    // smaller value.
    if (data != nullptr && simple->GetSize() == sizeof(T))
      std::memcpy(&Value, data, sizeof(T));
  }
}

template <typename T>
const void* CSimpleSerializable<T>::GetData() {
  if constexpr (std::is_same_v<T, WideString>) {
    return Value.c_str();
  } else {
    return &Value;
  }
}

template <typename T>
TarnULong CSimpleSerializable<T>::GetSize() {
  if constexpr (std::is_same_v<T, WideString>) {
    return static_cast<TarnULong>((Value.size() + 1) * 2);
  } else {
    return sizeof(T);
  }
}

template <typename T>
bool CSimpleSerializable<T>::GetStringData(char16_t* buffer, TarnULong* length) {
  if (length == nullptr)
    return false;
  const WideString text = value_kind::ToText(Value);
  const std::uint64_t needed = std::uint64_t{text.size()} + 1;
  if (needed > *length || buffer == nullptr) {
    *length = static_cast<TarnULong>(needed);
    return false;
  }
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = u'\0';
  return true;
}

template class CSimpleSerializable<std::uint32_t>;
template class CSimpleSerializable<bool>;
template class CSimpleSerializable<std::int32_t>;
template class CSimpleSerializable<double>;
template class CSimpleSerializable<std::uint8_t>;
template class CSimpleSerializable<std::uint64_t>;
template class CSimpleSerializable<WideString>;

}  // namespace kova
