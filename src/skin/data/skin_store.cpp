#include "skin/data/skin_store.h"

#include <string>

namespace kova {

const ClassInfo& TSkinCollectionItem::StaticClass() {
  static const ClassInfo info(
      "TSkinCollectionItem", &TCollectionItem::StaticClass(),
      PropertyListBuilder<TSkinCollectionItem>()
          .String("Name", &TSkinCollectionItem::Name, &TSkinCollectionItem::SetName)
          .String("SkinData", &TSkinCollectionItem::SkinData, &TSkinCollectionItem::SetSkinData)
          .Integer("DataSize", &TSkinCollectionItem::DataSize)
          .Build());
  return info;
}

TSkinCollectionItem::TSkinCollectionItem(TCollection* collection) : TCollectionItem(collection) {
  name_ = u"SkinItem" + Utf8ToWide(std::to_string(ID()));
}

void TSkinCollectionItem::SetName(const WideString& name) {
  if (name == name_) {
    return;
  }
  if (Collection() != nullptr) {
    for (int i = 0; i < Collection()->Count(); ++i) {
      auto* other = static_cast<const TSkinCollectionItem*>(Collection()->Items(i));
      if (other != this && other->name_ == name) {
        throw EFrameworkError("The name " + WideToUtf8(name) + " is already used.");
      }
    }
  }
  name_ = name;
  Changed(false);
}

void TSkinCollectionItem::LoadFromFile(const std::filesystem::path& file_name) {
  data_.Clear();
  data_.LoadFromFile(file_name);
}

void TSkinCollectionItem::CopyData(TStream& dest) const {
  if (!data_.Data().empty()) {
    dest.WriteBuffer(data_.Memory(), static_cast<int64_t>(data_.Data().size()));
  }
}

void TSkinCollectionItem::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TSkinCollectionItem*>(source)) {
    name_ = other->name_;
    data_ = TMemoryStream(other->data_.Data());
    return;
  }
  TCollectionItem::Assign(source);
}

void TSkinCollectionItem::ReadDataStream(TStream& stream) {
  data_.Clear();
  data_.LoadFromStream(stream);
}

void TSkinCollectionItem::WriteDataStream(TStream& stream) const {
  data_.SaveToStream(stream);
}

void TSkinCollectionItem::DefineProperties(TFiler& filer) {
  TCollectionItem::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "DataStream", [this](TStream& stream) { ReadDataStream(stream); },
      [this](TStream& stream) { WriteDataStream(stream); }, true);
}

const ClassInfo& TSkinCollection::StaticClass() {
  static const ClassInfo info("TSkinCollection", &TCollection::StaticClass(), {});
  return info;
}

TSkinCollection::TSkinCollection(TPersistent* owner)
    : TCollection([](TCollection* c) { return new TSkinCollectionItem(c); }, owner) {}

const ClassInfo& TSkinStore::StaticClass() {
  static const ClassInfo info(
      "TSkinStore", &TComponent::StaticClass(),
      PropertyListBuilder<TSkinStore>()
          .Object<TSkinCollection>("Store", &TSkinStore::Store, &TSkinStore::SetStore)
          .Build());
  return info;
}

TSkinStore::TSkinStore(TComponent* owner)
    : TComponent(owner), store_(std::make_unique<TSkinCollection>(this)) {}

void TSkinStore::SetStore(TSkinCollection* store) {
  if (store != nullptr) {
    store_->Assign(store);
  }
}

}  // namespace kova
