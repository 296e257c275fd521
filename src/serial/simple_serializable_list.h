// CSimpleSerializableList<T>: a list of values of one kind that travels as an object.
// The library instantiates it for bool, unsigned long (std::uint32_t) and wide strings.
#pragma once

#include <vector>

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

template <typename T>
class CSimpleSerializableList final
    : public TarnRefCounted<ITarnSerializable, ISimpleSerializable, ISimpleSerializableList<T>> {
 public:
  CSimpleSerializableList() = default;

  // ITarnInterface. Both views are handed out without a reference.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // ITarnSerializable
  const char16_t* GetClassName() override;
  // The count, then each element in its kind's format (bool: one byte each).
  void Store(ITarnArchive* archive) override;
  // Appends the stored elements (the list is not emptied first). A count that the
  // remaining bytes cannot hold, or any element that cannot be read, appends nothing.
  void Load(ITarnArchive* archive) override;
  // Replaces the elements with those of another list of the same kind.
  void CopyFrom(ITarnSerializable* other) override;

  // ISimpleSerializableList<T>
  TarnULong GetCount() override;
  void Add(T value) override;
  TarnResult GetAt(TarnULong index, T* out) override;
  TarnResult RemoveAt(TarnULong index) override;
  void RemoveAll() override;

  // ISimpleSerializable: a contiguous copy of the elements, made on demand (4 bytes
  // per unsigned long, one byte per bool, each string's units with its terminator);
  // null and 0 for an empty list.
  const void* GetData() override;
  TarnULong GetSize() override;

 private:
  ~CSimpleSerializableList() override = default;
  void RebuildFlatCopy();

  std::vector<T> Items;
  std::vector<std::uint8_t> FlatCopy;
};

using CSimpleBoolList = CSimpleSerializableList<bool>;
using CSimpleULongList = CSimpleSerializableList<std::uint32_t>;
using CSimpleStringList = CSimpleSerializableList<WideString>;

extern template class CSimpleSerializableList<bool>;
extern template class CSimpleSerializableList<std::uint32_t>;
extern template class CSimpleSerializableList<WideString>;

}  // namespace kova
