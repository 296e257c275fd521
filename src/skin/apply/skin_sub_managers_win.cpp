// Managers of other modules of the process that share this one's registries.
#include <algorithm>

#include "skin/apply/skin_manage_win.h"

namespace kova {

void TSkinManage::AssignData(TSkinManage* parent) {
  if (parent != nullptr) {
    registries_ = parent->registries_;
    FDefaultData = parent->FDefaultData;
    FActive = parent->FActive;
    FParent = parent;
    FState = static_cast<int32_t>(SkinManagerState::kRunning);
    parent->FSubManagers.push_back(this);
    return;
  }
  // Detached: nothing of the former parent's is shared any more.
  registries_ = std::make_shared<SkinRegistries>();
  FDefaultData = nullptr;
  FActive = false;
  FState = static_cast<int32_t>(SkinManagerState::kShuttingDown);
  FParent = nullptr;
  cbt_hook_.Reset();
}

void TSkinManage::PassOnToSubManagers(SkinAction action, TSkinData* data) {
  if (!OwnsRegistries()) {
    return;
  }
  for (TSkinManage* sub : FSubManagers) {
    sub->FActionData = data;
    if (action == SkinAction::kActivate) {
      sub->FActive = true;
      sub->SetAction(SkinAction::kActivate, 300);
    } else if (action == SkinAction::kDeactivate) {
      sub->FActive = false;
    }
  }
}

}  // namespace kova
