#include "forms/classes/component.h"

#include <algorithm>

namespace kova {

namespace {

bool SameTextAscii(WideStringView a, WideStringView b) {
  if (a.size() != b.size()) {
    return false;
  }
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

const ClassInfo& TPersistent::StaticClass() {
  static const ClassInfo info("TPersistent", &TObject::StaticClass(), {});
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source != nullptr) {
    source->AssignTo(this);
    return;
  }
  throw EFrameworkError("Cannot assign nil to a " + std::string(ClassName()));
}

void TPersistent::AssignTo(TPersistent* dest) const {
  throw EFrameworkError("Cannot assign a " + std::string(ClassName()) + " to a " +
                        std::string(dest->ClassName()));
}

const ClassInfo& TComponent::StaticClass() {
  static const ClassInfo info("TComponent", &TPersistent::StaticClass(),
                              PropertyListBuilder<TComponent>()
                                  .String("Name", &TComponent::Name, &TComponent::SetName)
                                  .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
                                  .Build());
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) {
    owner->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  Destroying();
  DestroyComponents();
  for (TComponent* other : free_notifies_) {
    Erase(other->free_notifies_, this);
  }
  free_notifies_.clear();
  if (owner_ != nullptr) {
    owner_->RemoveComponent(this);
  }
}

void TComponent::Destroying() {
  if (destroying_) {
    return;
  }
  destroying_ = true;
  // Those that asked to hear about our end may forget us now.
  const std::vector<TComponent*> listeners = free_notifies_;
  for (TComponent* other : listeners) {
    if (other != owner_) {
      other->Notification(this, TOperation::opRemove);
    }
  }
}

TComponent* TComponent::GetComponent(int index) const {
  if (index < 0 || index >= ComponentCount()) {
    return nullptr;
  }
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) {
    return -1;
  }
  const auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetName(const WideString& name) {
  name_ = name;
}

TComponent* TComponent::FindComponent(WideStringView name) const {
  if (name.empty()) {
    return nullptr;
  }
  for (TComponent* c : components_) {
    if (SameTextAscii(c->name_, name)) {
      return c;
    }
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_ != nullptr) {
    component->owner_->RemoveComponent(component);
  }
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this) {
    return;
  }
  Notification(component, TOperation::opRemove);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
  if (other == nullptr || other == this) {
    return;
  }
  if (std::find(other->free_notifies_.begin(), other->free_notifies_.end(), this) ==
      other->free_notifies_.end()) {
    other->free_notifies_.push_back(this);
    free_notifies_.push_back(other);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (other == nullptr) {
    return;
  }
  Erase(other->free_notifies_, this);
  Erase(free_notifies_, other);
}

void TComponent::EndLoading() {
  loading_ = false;
  Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TPersistent::DefineProperties(TFiler&) {}

void TComponent::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    delete last;
  }
}

}  // namespace kova
