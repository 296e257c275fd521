// TPersistent (objects that can copy each other and publish properties) and
// TComponent: the owner tree of the framework. An owner holds its components in
// index order and destroys them (the last first) when it is destroyed; a component
// removes itself from its owner when it is destroyed first.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "forms/classes/object.h"

namespace kova {

class TComponent;
class TFiler;

using TNotifyEvent = std::function<void(TObject* sender)>;

class TPersistent : public TObject {
  KOVA_DECLARE_CLASS(TPersistent)

 public:
  // Copies source into this object; raises EFrameworkError when the classes do not
  // know each other (neither AssignTo nor Assign accepts).
  virtual void Assign(const TPersistent* source);

  // Names the stored properties that are not published, with their reader and writer
  // (filer.h). The base class has none.
  virtual void DefineProperties(TFiler& filer);

 protected:
  virtual void AssignTo(TPersistent* dest) const;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  KOVA_DECLARE_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* GetComponent(int index) const;
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentIndex() const;

  const WideString& Name() const { return name_; }
  virtual void SetName(const WideString& name);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  // Owned component by name (ASCII case-insensitive), or null.
  TComponent* FindComponent(WideStringView name) const;

  // Moves a component into (or out of) this component's ownership.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Asks to be told (through Notification) when other is destroyed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  bool IsDestroying() const { return destroying_; }
  bool IsLoading() const { return loading_; }
  // Bracket the application of a stored description; EndLoading calls Loaded.
  void BeginLoading() { loading_ = true; }
  void EndLoading();

  void DefineProperties(TFiler& filer) override;

 protected:
  // Called on the owner when a component is inserted or removed, and on every component
  // that asked for FreeNotification when another is destroyed.
  virtual void Notification(TComponent* component, TOperation operation);
  // Called once the stored properties of this component have been applied.
  virtual void Loaded() {}
  // Destroys every owned component, the last first. Destructors of classes whose
  // components refer back to them call this before their own members die.
  void DestroyComponents();
  // Marks the component as going away; notifies those that asked.
  void Destroying();

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  WideString name_;
  intptr_t tag_ = 0;
  bool destroying_ = false;
  bool loading_ = false;
};

}  // namespace kova
