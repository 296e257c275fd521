// CTarnSerializableMap: objects of any registered class under text keys, kept in key
// order (code unit by code unit). Keys cross the interface as text blocks
// (CBasicSerializable with tag 5); the map holds its own copies of the values.
#pragma once

#include <map>

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

class CTarnSerializableMap final : public TarnRefCounted<ITarnSerializableMap> {
 public:
  CTarnSerializableMap() = default;

  // ITarnInterface. Views come with a reference.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // ITarnSerializable
  const char16_t* GetClassName() override;
  // The count of entries with a value, then per entry in key order: the key as a
  // string, the value as an object. Entries whose value is null (an unknown class
  // when loading) are skipped, count included, so the map always reads back in step.
  void Store(ITarnArchive* archive) override;
  // Inserts the stored entries (a key already present keeps its value); a value of
  // unknown class is kept as null. Stops at the
  // first entry whose key or class name cannot be read.
  void Load(ITarnArchive* archive) override;
  void CopyFrom(ITarnSerializable* other) override;

  // ITarnSerializableMap. A key that is not a text block is refused with TARN_E_FAIL
  // (TARN_E_INVALIDARG for a null out-pointer).
  TarnULong GetCount() override { return static_cast<TarnULong>(Entries.size()); }
  TarnResult GetKeyAt(TarnULong index, IBasicTarnSerializable** key) override;
  TarnResult SetAt(IBasicTarnSerializable* key, ITarnSerializable* value) override;
  TarnResult Lookup(IBasicTarnSerializable* key, ITarnSerializable** value) override;
  TarnResult RemoveKey(IBasicTarnSerializable* key) override;
  void RemoveAll() override;

  // Conveniences over the same entries for callers that hold the key as text.
  TarnResult SetAt(WideStringView key, ITarnSerializable* value);
  TarnResult Lookup(WideStringView key, ITarnSerializable** value);

 private:
  ~CTarnSerializableMap() override { RemoveAll(); }

  std::map<WideString, ITarnSerializable*> Entries;
};

}  // namespace kova
