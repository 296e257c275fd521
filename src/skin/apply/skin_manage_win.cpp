// The manager's life: what it makes at construction and gives back at destruction.
#include "skin/apply/skin_manage_win.h"

#include <algorithm>

namespace kova {

namespace {
constexpr int kTimerInterval = 100;
}  // namespace

TSkinManage::TSkinManage(bool is_sub_manager) : registries_(std::make_shared<SkinRegistries>()) {
  if (is_sub_manager) {
    FModuleInstance = myinstance();
  }
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kTimerInterval);
  FTimer->SetOnTimer([this](TObject*) { OnTimer(); });
}

TSkinManage::~TSkinManage() {
  FState = static_cast<int32_t>(SkinManagerState::kShuttingDown);
  FActive = false;
  FTimer.reset();
  if (!OwnsRegistries()) {
    if (cbt_hook_ && FParent != nullptr) {
      auto& subs = FParent->FSubManagers;
      subs.erase(std::remove(subs.begin(), subs.end(), this), subs.end());
      FParent->DeleteSubForm(FModuleInstance);
    }
  } else {
    DeleteAllThreads();
    if (!FormRegistry().Empty() || !FSubManagers.empty()) {
      DeleteAllForms();
    }
    registries_->menus.clear();
    registries_->skin_datas.clear();
    for (TSkinManage* sub : std::vector<TSkinManage*>(FSubManagers)) {
      sub->AssignData(nullptr);
    }
    FSubManagers.clear();
  }
  cbt_hook_.Reset();
}

}  // namespace kova
