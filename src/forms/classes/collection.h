// TCollection: an owned, ordered list of items of one item class; each
// TCollectionItem knows its collection and its index.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "forms/classes/component.h"

namespace kova {

class TCollection;

class TCollectionItem : public TPersistent {
  KOVA_DECLARE_CLASS(TCollectionItem)

 public:
  // Adds the new item to collection (when given), which then owns it.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);
  int ID() const { return id_; }

 protected:
  // Tells the collection that this item changed (all: the whole list must refresh).
  void Changed(bool all);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

class TCollection : public TPersistent {
  KOVA_DECLARE_CLASS(TCollection)

 public:
  using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

  // The factory makes one item of the collection's item class (the item adds itself).
  explicit TCollection(ItemFactory factory, TPersistent* owner = nullptr);
  ~TCollection() override;

  TPersistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;

  void BeginUpdate() { ++update_count_; }
  void EndUpdate();

  void Assign(const TPersistent* source) override;

  // Called with the changed item, or null when the whole collection changed.
  std::function<void(TCollectionItem*)> OnUpdate;

 protected:
  virtual void Update(TCollectionItem* item);

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void Changed(TCollectionItem* item);

  ItemFactory factory_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;  // owned
  int next_id_ = 0;
  int update_count_ = 0;
};

}  // namespace kova
