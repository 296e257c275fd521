// Several skin files carried inside an application's own form data: a component owning
// a collection of named items, each holding the bytes of one skin file.
#pragma once

#include <filesystem>

#include "forms/classes/collection.h"
#include "forms/classes/component.h"
#include "forms/classes/filer.h"
#include "base/streams.h"

namespace kova {

class TSkinCollectionItem : public TCollectionItem {
  KOVA_DECLARE_CLASS(TSkinCollectionItem)

 public:
  explicit TSkinCollectionItem(TCollection* collection);

  const WideString& Name() const { return name_; }
  // Raises EFrameworkError "The name X is already used." when another item of the
  // collection has that name; the same name again is accepted.
  void SetName(const WideString& name);
  WideString GetDisplayName() const { return name_; }

  TMemoryStream& Data() { return data_; }
  const TMemoryStream& Data() const { return data_; }
  int32_t DataSize() const { return static_cast<int32_t>(data_.Data().size()); }
  // The design-time handle of the "load a skin file" action.
  WideString SkinData() const { return u"Load Skin"; }
  void SetSkinData(const WideString&) {}

  void LoadFromFile(const std::filesystem::path& file_name);
  // Appends all of Data to `dest`; Data's position is kept.
  void CopyData(TStream& dest) const;
  void Assign(const TPersistent* source) override;

  // The "DataStream" binary property: the bytes of Data, with no length of their own.
  // Always stored, so an empty item reads back empty.
  void ReadDataStream(TStream& stream);
  void WriteDataStream(TStream& stream) const;
  void DefineProperties(TFiler& filer) override;

 private:
  WideString name_;
  TMemoryStream data_;
};

class TSkinCollection : public TCollection {
  KOVA_DECLARE_CLASS(TSkinCollection)

 public:
  explicit TSkinCollection(TPersistent* owner);
  TSkinCollectionItem* Add() { return static_cast<TSkinCollectionItem*>(TCollection::Add()); }
  TSkinCollectionItem* Item(int index) const {
    return static_cast<TSkinCollectionItem*>(Items(index));
  }
};

class TSkinStore : public TComponent {
  KOVA_DECLARE_CLASS(TSkinStore)

 public:
  explicit TSkinStore(TComponent* owner);
  TSkinCollection* Store() const { return store_.get(); }
  // Copies the items of `store`; null is ignored.
  void SetStore(TSkinCollection* store);

 private:
  std::unique_ptr<TSkinCollection> store_;
};

}  // namespace kova
