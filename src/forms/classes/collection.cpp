#include "forms/classes/collection.h"

#include <algorithm>
#include <string>

namespace kova {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info("TCollectionItem", &TPersistent::StaticClass(), {});
  return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
  SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
  SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == collection_) {
    return;
  }
  if (collection_ != nullptr) {
    collection_->RemoveItem(this);
  }
  if (collection != nullptr) {
    collection->InsertItem(this);
  }
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) {
    return -1;
  }
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index < 0 || index == current) {
    return;
  }
  auto& items = collection_->items_;
  index = std::min(index, static_cast<int>(items.size()) - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

void TCollectionItem::Changed(bool all) {
  if (collection_ != nullptr) {
    collection_->Changed(all ? nullptr : this);
  }
}

const ClassInfo& TCollection::StaticClass() {
  static const ClassInfo info("TCollection", &TPersistent::StaticClass(), {});
  return info;
}

TCollection::TCollection(ItemFactory factory, TPersistent* owner)
    : factory_(std::move(factory)), owner_(owner) {}

TCollection::~TCollection() {
  update_count_ = 1;  // no change events while going away
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EFrameworkError("List index out of bounds (" + std::to_string(index) + ")");
  }
  return items_[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = factory_(this);
  if (item->collection_ != this) {
    item->SetCollection(this);
  }
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  delete Items(index);
}

void TCollection::Clear() {
  if (items_.empty()) {
    return;
  }
  BeginUpdate();
  while (!items_.empty()) {
    delete items_.back();
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : items_) {
    if (item->id_ == id) {
      return item;
    }
  }
  return nullptr;
}

void TCollection::EndUpdate() {
  if (update_count_ > 0 && --update_count_ == 0) {
    Changed(nullptr);
  }
}

void TCollection::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TCollection*>(source)) {
    if (other == this) {
      return;
    }
    BeginUpdate();
    Clear();
    for (const TCollectionItem* item : other->items_) {
      Add()->Assign(item);
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

void TCollection::Update(TCollectionItem* item) {
  if (OnUpdate) {
    OnUpdate(item);
  }
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = next_id_++;
  Changed(nullptr);
}

void TCollection::RemoveItem(TCollectionItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->collection_ = nullptr;
  Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (update_count_ == 0) {
    Update(item);
  }
}

}  // namespace kova
