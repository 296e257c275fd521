// The action machine: the skin data's requests run once, from the manager's timer, out of
// the requester's call stack; the last request within the interval wins.
#include "skin/apply/skin_manage_win.h"

namespace kova {

namespace {

bool IsOnlyThisForm(const TSkinData& data) {
  return data.SkinFormtype() == TSkinFormType::sfOnlyThisForm;
}

}  // namespace

void TSkinManage::SetAction(SkinAction action, int interval) {
  FAction = action;
  FTimer->SetInterval(interval);
  if (FState == static_cast<int32_t>(SkinManagerState::kIdle)) {
    if (action == SkinAction::kActivate) {
      FActive = true;
    } else if (action == SkinAction::kDeactivate) {
      FActive = false;
    }
    return;
  }
  PassOnToSubManagers(action, FActionData);
  // A new request restarts the interval.
  FTimer->SetEnabled(false);
  FTimer->SetEnabled(true);
}

void TSkinManage::ActivateAll(TSkinData& data) {
  FActive = true;
  FSweeping = true;
  const std::vector<TForm*> screen = Screen().Forms();
  if (IsOnlyThisForm(data)) {
    for (auto it = screen.rbegin(); it != screen.rend(); ++it) {
      if (*it == data.Owner()) {
        ActiveForm(*it);
        break;
      }
    }
    FSweeping = false;
    return;
  }
  DeleteDeleted();
  for (auto it = screen.rbegin(); it != screen.rend(); ++it) {
    ActiveForm(*it);
  }
  FSweeping = false;
  PassOnToSubManagers(SkinAction::kActivate, &data);
}

void TSkinManage::DeactivateAll(TSkinData& data) {
  FActive = false;
  DeleteDeleted();
  if (IsOnlyThisForm(data)) {
    const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      if ((*it)->SkinData() == &data) {
        (*it)->UnSubclass();
        (*it)->RePaint();
        FormRegistry().Free(**it);
        break;
      }
    }
    return;
  }
  while (!FormRegistry().Empty()) {
    TWinSkinForm* entry = FormRegistry().Entries().front();
    entry->UnSubclass();
    entry->RePaint();
    FormRegistry().Free(*entry);
  }
  for (TSkinManage* sub : FSubManagers) {
    sub->FActive = false;
  }
}

void TSkinManage::ApplyChangedSkin(TSkinData& data) {
  DeleteDeleted();
  const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
  for (TWinSkinForm* entry : entries) {
    if (entry->SkinData() == &data) {
      entry->DeleteSysbtn();
      entry->InitSkinData();
      if (IsOnlyThisForm(data)) {
        entry->SkinChange();
        return;
      }
    }
  }
  for (TWinSkinForm* entry : entries) {
    if (FormRegistry().Contains(entry) && entry->SkinData() == &data) {
      entry->SkinChange();
    }
  }
}

void TSkinManage::OnTimer() {
  FTimer->SetEnabled(false);  // each request runs once
  TSkinData* data = FActionData;
  if (data == nullptr) {
    return;
  }
  switch (FAction) {
    case SkinAction::kActivate:
      ActivateAll(*data);
      break;
    case SkinAction::kDeactivate:
      DeactivateAll(*data);
      break;
    case SkinAction::kSkinChanged:
      ApplyChangedSkin(*data);
      break;
    case SkinAction::kPurge:
      DeleteForm3();
      break;
    case SkinAction::kReskinWindow:
      if (IsOnlyThisForm(*data)) {
        break;
      }
      if (TWinSkinForm* entry = FindSkinForm(FActionWnd)) {
        entry->UnSubclass();
        entry->SetState(SkinFormState::kDeleted);
        DeleteDeleted();
        AddForm(FActionWnd);
      }
      return;  // the requester stays set and is not told
    case SkinAction::kNone:
      break;
  }
  data->DoSkinChanged();
  FActionData = nullptr;
}

}  // namespace kova
