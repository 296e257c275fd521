// Which windows the manager skins, and registering them.
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/skin_window_util_win.h"

namespace kova {

namespace {

// Windows of other libraries that must keep their own look.
bool IsExcludedClass(const WideString& class_name) {
  return class_name.find(u"TcxPopupEditPopupWindow") != WideString::npos ||
         class_name.find(u"TTERenderWindow") != WideString::npos || class_name == u"TApplication";
}

bool HasArea(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return int64_t{r.right - r.left} * (r.bottom - r.top) != 0;
}

}  // namespace

TWinSkinForm* TSkinManage::FindSkinForm(HWND wnd) const {
  return FormRegistry().Find(wnd);
}

TComponent* TSkinManage::FindTForm(HWND wnd) const {
  if (TForm* form = ScreenForm(wnd)) {
    return form;
  }
  return FindControlx(wnd);
}

bool TSkinManage::NestedForm(HWND wnd) const {
  if (!(WindowStyle(wnd) & WS_CHILD) || (WindowExStyle(wnd) & WS_EX_MDICHILD)) {
    return false;
  }
  return LowerAscii(GetWindowClassname(GetParent(wnd))) != u"mdiclient";
}

bool TSkinManage::OnBeforeSkin(HWND wnd, const WideString& class_name) {
  // Without a main-form skin, a window whose form brings its own skin is still judged,
  // by that skin: the dialogs load and switch on a skin of their own and nothing else.
  TSkinData* judge = FDefaultData != nullptr ? FDefaultData : FindOwnSkindata(wnd);
  if (judge == nullptr) {
    return false;
  }
  const WideString lower = LowerAscii(class_name);
  if (!judge->Options().Has(TSkinOption::xoPreview) && lower.find(u"preview") != WideString::npos) {
    return false;
  }
  if (class_name == u"#32770" && (WindowStyle(wnd) & 0x200)) {
    return false;
  }
  if (lower == u"tpopupdbtreeview") {
    return false;
  }
  bool skin = true;
  judge->DoFormSkin(wnd, class_name, skin);
  return skin;
}

bool TSkinManage::AddForm(HWND wnd) {
  if (!FActive || wnd == nullptr || !IsWindow(wnd)) {
    return false;
  }
  DeleteDeleted();
  if (SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1 || FindSkinForm(wnd) != nullptr) {
    return false;
  }
  TComponent* form = FindTForm(wnd);
  if (!FSweeping && NestedForm(wnd)) {
    return false;
  }
  const WideString class_name = GetWindowClassname(wnd);
  if (form == nullptr &&
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(wnd, GWLP_HINSTANCE)) != myinstance() &&
      class_name != u"#32770") {
    return false;
  }
  if (!HasArea(wnd) && !(WindowExStyle(wnd) & WS_EX_MDICHILD)) {
    return false;
  }
  // The tag that keeps a form unskinned is the skin's to choose.
  const TSkinData* tag_source = FDefaultData != nullptr ? FDefaultData : FindOwnSkindata(wnd);
  if (form != nullptr && tag_source != nullptr && form->Tag() == tag_source->DisableTag()) {
    return false;
  }
  if (IsExcludedClass(class_name) || !OnBeforeSkin(wnd, class_name)) {
    return false;
  }
  TSkinData* data = FindSkindata(wnd, class_name);
  if (data == nullptr || data->Empty()) {
    return false;
  }
  TWinSkinForm* entry = nullptr;
  std::unique_ptr<TWinSkinForm> plain;
  if (form != nullptr) {
    entry = new TWinSkinForm(form, this);  // the form owns it from here on
    FormRegistry().AddOwnedByForm(*entry);
  } else {
    plain = std::make_unique<TWinSkinForm>(nullptr, this);
    entry = plain.get();
    FormRegistry().AddPlain(std::move(plain));
  }
  entry->SetHandle(wnd);
  entry->SetModuleInstance(FModuleInstance);
  entry->SetClassName(class_name);
  if (form != nullptr) {
    entry->InitTform(data, form);
  } else {
    entry->InitDlg(data);
  }
  PostMessageW(wnd, kMsgFinishSetup, 0, kFinishSetupParam);
  return true;
}

void TSkinManage::ActiveForm(TForm* form) {
  if (form->Visible() && form->HandleAllocated() &&
      !(WindowStyle(form->WindowHandle()) & WS_CHILD)) {
    AddForm(form->WindowHandle());
  }
}

}  // namespace kova
