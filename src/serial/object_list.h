// CTarnSerializableList: an ordered list of objects of any registered class. The list
// holds its own copies (made through the class factory), one reference each.
#pragma once

#include <vector>

#include "serial/ref_counted.h"

namespace kova {

class CTarnSerializableList final : public TarnRefCounted<ITarnSerializableList> {
 public:
  CTarnSerializableList() = default;

  // ITarnInterface. Views come with a reference.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // ITarnSerializable
  const char16_t* GetClassName() override;
  // The count of non-null elements, then each of them as an object. A null element
  // (left by loading a class no one registered) is skipped, count included, so the
  // stored list always reads back in step.
  void Store(ITarnArchive* archive) override;
  // Appends the stored objects; an object of unknown class is appended as null. Stops
  // at the first element whose class name cannot be read.
  void Load(ITarnArchive* archive) override;
  void CopyFrom(ITarnSerializable* other) override;

  // ITarnSerializableList
  TarnULong GetCount() override { return static_cast<TarnULong>(Items.size()); }
  // Appends a fresh copy of `item`; an unregistered class adds nothing.
  void Add(ITarnSerializable* item) override;
  TarnResult GetAt(TarnULong index, ITarnSerializable** out) override;
  TarnResult RemoveAt(TarnULong index) override;
  void RemoveAll() override;

 private:
  ~CTarnSerializableList() override { RemoveAll(); }

  std::vector<ITarnSerializable*> Items;
};

// A new object of the same class as `item` holding a copy of its value, or null when
// the class is not registered.
ITarnSerializable* TarnCloneObject(ITarnSerializable* item);

}  // namespace kova
