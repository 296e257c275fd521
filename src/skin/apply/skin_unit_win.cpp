// The module's one manager and what the skin engine keeps per module.
#include <memory>

#include "forms/controls/control.h"
#include "forms/controls/forms.h"
#include "skin/data/application_window_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_window_util_win.h"

namespace kova {

namespace {

// Owns the module's manager; freeing it unhooks the module's threads.
std::unique_ptr<TSkinManage>& ManagerSlot() {
  static std::unique_ptr<TSkinManage> manager;
  return manager;
}

SkinManagerLink* CreateLink() {
  return CreateSkinManager();
}
SkinManagerLink* CurrentLink() {
  return SkinManager();
}

}  // namespace

void UseSkinManager() {
  static const bool registered = [] {
    SetSkinManagerFactory(&CreateLink, &CurrentLink);
    // Skinned title bars show the framework application's icon.
    SetApplicationWindowSource([]() -> HWND { return Application().Handle(); });
    return true;
  }();
  (void)registered;
}

TSkinManage* SkinManager() {
  return ManagerSlot().get();
}

TSkinManage* CreateSkinManager() {
  if (!ManagerSlot()) {
    ManagerSlot() = std::make_unique<TSkinManage>(false);
  }
  return ManagerSlot().get();
}

void FreeSkinManager() {
  // Taken out of the slot first: while it goes, the module has no manager to report to.
  std::unique_ptr<TSkinManage> doomed = std::move(ManagerSlot());
}

TSkinManage* SkinDll(TSkinManage* parent) {
  if (!ManagerSlot()) {
    ManagerSlot() = std::make_unique<TSkinManage>(true);
  }
  TSkinManage* manager = ManagerSlot().get();
  manager->AssignData(parent);
  manager->InstallHook();
  manager->SetState(manager->State() + 1);
  return manager;
}

HINSTANCE myinstance() {
  return ModuleInstance();
}

TComponent* FindControlx(HWND wnd) {
  return FindControl(wnd);
}

WideString GetWindowClassname(HWND wnd) {
  wchar_t name[101] = {};
  GetClassNameW(wnd, name, 101);
  return WideFromWin(name);
}

WideString LowerAscii(WideString text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c + 32);
    }
  }
  return text;
}

TForm* ScreenForm(HWND wnd) {
  if (wnd == nullptr) {
    return nullptr;
  }
  for (TForm* form : Screen().Forms()) {
    if (form->HandleAllocated() && form->WindowHandle() == wnd) {
      return form;
    }
  }
  return nullptr;
}

}  // namespace kova
