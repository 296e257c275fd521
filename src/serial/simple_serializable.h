// CSimpleSerializable<T>: one value of a fixed kind that travels as an object. The
// library instantiates it for the seven kinds of the wire format: unsigned long
// (std::uint32_t), bool, int (std::int32_t), double, unsigned char (std::uint8_t),
// unsigned __int64 (std::uint64_t) and wide strings (WideString).
#pragma once

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

template <typename T>
class CSimpleSerializable final
    : public TarnRefCounted<ITarnSerializable, ISimpleSerializable, ITarnSerializableStringData> {
 public:
  CSimpleSerializable() : Value() {}
  explicit CSimpleSerializable(T value) : Value(std::move(value)) {}

  const T& GetValue() const { return Value; }
  void SetValue(T value) { Value = std::move(value); }

  // ITarnInterface. The two extra views are handed out without a reference.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // ITarnSerializable
  const char16_t* GetClassName() override;
  void Store(ITarnArchive* archive) override;
  // A failed read keeps the old value.
  void Load(ITarnArchive* archive) override;
  // Takes the value of another object of the same kind (one whose data has the size
  // of this kind); anything else changes nothing.
  void CopyFrom(ITarnSerializable* other) override;

  // ISimpleSerializable: the value's bytes (for the string its units and terminator).
  const void* GetData() override;
  TarnULong GetSize() override;

  // ITarnSerializableStringData: the value as a standard stream formats it by default
  // ("42", "3.14159", "1" for true, "65" for the byte 65); the text itself for strings.
  bool GetStringData(char16_t* buffer, TarnULong* length) override;

 private:
  ~CSimpleSerializable() override = default;

  T Value;
};

using CSimpleULong = CSimpleSerializable<std::uint32_t>;
using CSimpleBool = CSimpleSerializable<bool>;
using CSimpleInt = CSimpleSerializable<std::int32_t>;
using CSimpleDouble = CSimpleSerializable<double>;
using CSimpleByte = CSimpleSerializable<std::uint8_t>;
using CSimpleUInt64 = CSimpleSerializable<std::uint64_t>;
using CSimpleString = CSimpleSerializable<WideString>;

extern template class CSimpleSerializable<std::uint32_t>;
extern template class CSimpleSerializable<bool>;
extern template class CSimpleSerializable<std::int32_t>;
extern template class CSimpleSerializable<double>;
extern template class CSimpleSerializable<std::uint8_t>;
extern template class CSimpleSerializable<std::uint64_t>;
extern template class CSimpleSerializable<WideString>;

}  // namespace kova
