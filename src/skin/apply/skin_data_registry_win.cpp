// The skin data objects that registered with the manager, and which one a window takes.
#include <algorithm>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_window_util_win.h"

namespace kova {

void TSkinManage::AddSkinData(TSkinData* data) {
  auto& datas = registries_->skin_datas;
  if (std::find(datas.begin(), datas.end(), data) == datas.end()) {
    datas.push_back(data);
  }
  if (FDefaultData == nullptr && data->SkinFormtype() == TSkinFormType::sfMainform) {
    FDefaultData = data;
  }
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
  auto& datas = registries_->skin_datas;
  datas.erase(std::remove(datas.begin(), datas.end(), data), datas.end());
  if (FDefaultData == data) {
    FDefaultData = nullptr;
  }
  if (FActionData == data) {
    FActionData = nullptr;
  }
}

TSkinData* TSkinManage::FindOwnSkindata(HWND wnd) const {
  const auto& datas = registries_->skin_datas;
  for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
    if ((*it)->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
      const TComponent* owner = (*it)->Owner();
      if (owner != nullptr && FindTForm(wnd) == owner) {
        return *it;
      }
    }
  }
  return nullptr;
}

TSkinData* TSkinManage::FindSkindata(HWND wnd, const WideString& class_name) const {
  if (TSkinData* own = FindOwnSkindata(wnd)) {
    return own;
  }
  const auto& datas = registries_->skin_datas;
  auto last_of = [&](TSkinFormType type) -> TSkinData* {
    auto it = std::find_if(datas.rbegin(), datas.rend(),
                           [type](const TSkinData* d) { return d->SkinFormtype() == type; });
    return it != datas.rend() ? *it : nullptr;
  };
  const WideString lower = LowerAscii(class_name);
  if (lower == u"tmessageform" || lower == u"#32770") {
    if (TSkinData* dialog = last_of(TSkinFormType::sfDialog)) {
      return dialog;
    }
  }
  if (TSkinData* main = last_of(TSkinFormType::sfMainform)) {
    return main;
  }
  return datas.empty() ? nullptr : datas.front();
}

void TSkinManage::AddOwnerForm(TSkinData* data) {
  if (data->Owner() == nullptr) {
    return;
  }
  const std::vector<TForm*> forms = Screen().Forms();
  for (TForm* form : forms) {
    if (form == data->Owner() && form->HandleAllocated()) {
      adding_ = true;
      AddForm(form->WindowHandle());
      adding_ = false;
    }
  }
}

void TSkinManage::DeleteSysbtn() {
  for (TWinSkinForm* entry : FormRegistry().Entries()) {
    if (entry->SkinData() == FActionData) {
      entry->DeleteSysbtn();
    }
  }
}

}  // namespace kova
