#include "skin/apply/skin_manage_win.h"

#include <algorithm>
#include <cstdio>

#include "skin/apply/skin_messages.h"

namespace kova {

namespace {

TSkinManage* g_manager = nullptr;
HHOOK g_cbt_hook = nullptr;
bool g_closing = false;

constexpr int32_t kStateShuttingDown = 4;
constexpr int32_t kNoSkinTag = 99;
constexpr int kTimerInterval = 100;

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

struct UnitState {
  WideString prop_name;
  UINT message = 0;
  HINSTANCE instance = nullptr;
  ATOM atom = 0;
  UnitState() {
    instance = ThisModule();
    wchar_t text[64];
    std::swprintf(text, 64, L"ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(instance)),
                  static_cast<unsigned>(GetCurrentThreadId()));
    prop_name = WideFromWin(text);
    message = RegisterWindowMessageW(text);
    atom = GlobalAddAtomW(text);
  }
  ~UnitState() {
    FreeSkinManager();
    if (atom != 0) {
      GlobalDeleteAtom(atom);
    }
  }
};

UnitState& Unit() {
  static UnitState state;
  return state;
}

WideString Lower(WideString text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c + 32);
    }
  }
  return text;
}

LONG_PTR Style(HWND wnd) {
  return GetWindowLongPtrW(wnd, GWL_STYLE);
}
LONG_PTR ExStyle(HWND wnd) {
  return GetWindowLongPtrW(wnd, GWL_EXSTYLE);
}

// The screen's form whose window is `wnd`, or null.
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

LRESULT CALLBACK SkinHookCBT(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = g_manager;
  if (!g_closing && manager != nullptr && code >= 0) {
    HWND wnd = reinterpret_cast<HWND>(wparam);
    switch (code) {
      case HCBT_CREATEWND: {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        const WideString cls = HIWORD(reinterpret_cast<uintptr_t>(cs->lpszClass)) != 0
                                   ? WideFromWin(cs->lpszClass)
                                   : WideString();
        if (cls == u"#32768" && !(cs->style & WS_CHILD) && manager->FModuleInstance == nullptr) {
          manager->AddMenu(wnd);
        } else if (cs->dwExStyle & WS_EX_MDICHILD) {
          manager->AddForm(wnd);
        }
        break;
      }
      case HCBT_DESTROYWND:
        manager->DeleteMenu(wnd);
        break;
      case HCBT_ACTIVATE:
        if (manager->FState == 0) {
          manager->FState = 1;
        }
        manager->AddForm(wnd);
        break;
      default:
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK SkinHookCBT2(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = g_manager;
  if (!g_closing && manager != nullptr && code >= 0) {
    HWND wnd = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
      const WideString cls = HIWORD(reinterpret_cast<uintptr_t>(cs->lpszClass)) != 0
                                 ? WideFromWin(cs->lpszClass)
                                 : WideString();
      if (Lower(cls) == u"scrollbar" && manager->FindSkinForm(cs->hwndParent) != nullptr) {
        return 10;  // the skinned frame draws its scroll bars itself
      }
      if (cls == u"#32768") {
        manager->AddMenu(wnd);
      }
    } else if (code == HCBT_DESTROYWND) {
      manager->DeleteMenu(wnd);
      manager->DeleteForm(wnd);
    } else if (code == HCBT_ACTIVATE) {
      if (manager->FState == 0) {
        manager->FState = 1;
      }
      manager->AddForm(wnd);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

SkinManagerLink* CreateLink() {
  return CreateSkinManager();
}
SkinManagerLink* CurrentLink() {
  return g_manager;
}

}  // namespace

void UseSkinManager() {
  static const bool registered = [] {
    SetSkinManagerFactory(&CreateLink, &CurrentLink);
    return true;
  }();
  (void)registered;
}

// ---- unit state ----

const WideString& PropName() {
  return Unit().prop_name;
}
UINT RM_GetObjectInstance() {
  return Unit().message;
}
HINSTANCE myinstance() {
  return Unit().instance;
}
ATOM ControlAtom() {
  return Unit().atom;
}

TComponent* FindControlx(HWND wnd) {
  return FindControl(wnd);
}

WideString GetWindowClassname(HWND wnd) {
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  return WideFromWin(name);
}

TSkinManage* SkinManager() {
  return g_manager;
}

TSkinManage* CreateSkinManager() {
  if (g_manager == nullptr) {
    Unit();
    g_closing = false;
    g_manager = new TSkinManage(false);
  }
  return g_manager;
}

void FreeSkinManager() {
  delete g_manager;
  g_manager = nullptr;
}

// ---- construction ----

TSkinManage::TSkinManage(bool is_sub_manager) {
  if (!is_sub_manager) {
    FForms = std::make_shared<std::vector<TWinSkinForm*>>();
    FMenus = std::make_shared<std::vector<std::unique_ptr<TWinSkinPopMenu>>>();
    FSkinDatas = std::make_shared<std::vector<TSkinData*>>();
    FThreads = std::make_shared<std::vector<TSkinThread>>();
  } else {
    FModuleInstance = myinstance();
  }
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kTimerInterval);
  FTimer->SetOnTimer([this](TObject*) { OnTimer(); });
}

TSkinManage::~TSkinManage() {
  FState = kStateShuttingDown;
  FActive = false;
  FTimer.reset();
  if (FModuleInstance != nullptr) {
    if (FParent != nullptr) {
      auto& subs = FParent->FSubManagers;
      subs.erase(std::remove(subs.begin(), subs.end(), this), subs.end());
      FParent->DeleteSubForm(FModuleInstance);
    }
  } else {
    DeleteAllThreads();
    if (FForms && (!FForms->empty() || !FSubManagers.empty())) {
      DeleteAllForms();
    }
    if (FMenus) {
      FMenus->clear();
    }
    for (TSkinManage* sub : FSubManagers) {
      sub->AssignData(nullptr);
    }
    FSubManagers.clear();
  }
  if (hook_installed_ && g_cbt_hook != nullptr) {
    UnhookWindowsHookEx(g_cbt_hook);
    g_cbt_hook = nullptr;
  }
  g_closing = true;
  if (g_manager == this) {
    g_manager = nullptr;
  }
}

// ---- hooks ----

void TSkinManage::InstallHook() {
  if (g_cbt_hook == nullptr) {
    g_cbt_hook = SetWindowsHookExW(WH_CBT, &SkinHookCBT, nullptr, GetCurrentThreadId());
    hook_installed_ = g_cbt_hook != nullptr;
  }
}

void TSkinManage::InstallThread(uint32_t thread_id) {
  if (!FThreads) {
    return;
  }
  for (const TSkinThread& t : *FThreads) {
    if (t.FThreadID == thread_id) {
      return;
    }
  }
  HHOOK hook = SetWindowsHookExW(WH_CBT, &SkinHookCBT2, nullptr, thread_id);
  if (hook != nullptr) {
    FThreads->push_back({hook, thread_id});
  }
}

void TSkinManage::UnInstallThread(uint32_t thread_id) {
  if (!FThreads) {
    return;
  }
  auto& threads = *FThreads;
  for (auto it = threads.begin(); it != threads.end(); ++it) {
    if (it->FThreadID == thread_id) {
      UnhookWindowsHookEx(it->FHook);
      threads.erase(it);
      return;
    }
  }
}

void TSkinManage::DeleteAllThreads() {
  if (!FThreads) {
    return;
  }
  for (const TSkinThread& t : *FThreads) {
    UnhookWindowsHookEx(t.FHook);
  }
  FThreads->clear();
}

// ---- form registry ----

TWinSkinForm* TSkinManage::FindSkinForm(HWND wnd) const {
  if (!FForms) {
    return nullptr;
  }
  for (TWinSkinForm* entry : *FForms) {
    if (entry->Handle() == wnd) {
      return entry;
    }
  }
  return nullptr;
}

TComponent* TSkinManage::FindTForm(HWND wnd) const {
  if (TForm* form = ScreenForm(wnd)) {
    return form;
  }
  return FindControlx(wnd);
}

bool TSkinManage::NestedForm(HWND wnd) const {
  if (!(Style(wnd) & WS_CHILD) || (ExStyle(wnd) & WS_EX_MDICHILD)) {
    return false;
  }
  return Lower(GetWindowClassname(GetParent(wnd))) != u"mdiclient";
}

bool TSkinManage::OnBeforeSkin(HWND wnd, const WideString& class_name) {
  // Without a main-form skin, a window whose form brings its own skin is still judged,
  // by that skin: the dialogs load and switch on a skin of their own and nothing else.
  TSkinData* judge = FDefaultData != nullptr ? FDefaultData : FindOwnSkindata(wnd);
  if (judge == nullptr) {
    return false;
  }
  const WideString lower = Lower(class_name);
  if (!judge->Options().Has(TSkinOption::xoPreview) && lower.find(u"preview") != WideString::npos) {
    return false;
  }
  if (class_name == u"#32770" && (Style(wnd) & 0x200)) {
    return false;
  }
  if (lower == u"tpopupdbtreeview") {
    return false;
  }
  bool skin = true;
  judge->DoFormSkin(wnd, class_name, skin);
  return skin;
}

TSkinData* TSkinManage::FindOwnSkindata(HWND wnd) const {
  const auto& datas = *FSkinDatas;
  for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
    if ((*it)->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
      const TComponent* owner = (*it)->Owner();
      if (owner != nullptr && (FindTForm(wnd) == owner)) {
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
  const auto& datas = *FSkinDatas;
  const WideString lower = Lower(class_name);
  if (lower == u"tmessageform" || lower == u"#32770") {
    for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
      if ((*it)->SkinFormtype() == TSkinFormType::sfDialog) {
        return *it;
      }
    }
  }
  for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
    if ((*it)->SkinFormtype() == TSkinFormType::sfMainform) {
      return *it;
    }
  }
  return datas.empty() ? nullptr : datas.front();
}

bool TSkinManage::AddForm(HWND wnd) {
  if (!FActive || !FForms || wnd == nullptr || !IsWindow(wnd)) {
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
  RECT r{};
  GetWindowRect(wnd, &r);
  if (int64_t{r.right - r.left} * (r.bottom - r.top) == 0 && !(ExStyle(wnd) & WS_EX_MDICHILD)) {
    return false;
  }
  if (form != nullptr && form->Tag() == kNoSkinTag) {
    return false;
  }
  if (class_name.find(u"TcxPopupEditPopupWindow") != WideString::npos ||
      class_name.find(u"TTERenderWindow") != WideString::npos || class_name == u"TApplication") {
    return false;
  }
  if (!OnBeforeSkin(wnd, class_name)) {
    return false;
  }
  TSkinData* data = FindSkindata(wnd, class_name);
  if (data == nullptr || data->Empty()) {
    return false;
  }
  auto* entry = new TWinSkinForm(form, this);
  entry->SetHandle(wnd);
  entry->SetModuleInstance(FModuleInstance);
  entry->SetClassName(class_name);
  if (form != nullptr) {
    entry->InitTform(data, form);
  } else {
    entry->InitDlg(data);
  }
  FForms->push_back(entry);
  PostMessageW(wnd, kMsgFinishSetup, 0, 1000);
  return true;
}

void TSkinManage::ActiveForm(TForm* form) {
  if (form->Visible() && form->HandleAllocated() && !(Style(form->WindowHandle()) & WS_CHILD)) {
    AddForm(form->WindowHandle());
  }
}

void TSkinManage::RemoveEntry(TWinSkinForm* entry) {
  if (FForms) {
    FForms->erase(std::remove(FForms->begin(), FForms->end(), entry), FForms->end());
  }
}

void TSkinManage::FreeEntry(TWinSkinForm* entry) {
  RemoveEntry(entry);
  delete entry;  // also leaves its owner form
}

bool TSkinManage::DeleteForm(HWND wnd) {
  if (FState == kStateShuttingDown) {
    return false;
  }
  TWinSkinForm* entry = FindSkinForm(wnd);
  if (entry == nullptr || entry->Form() == nullptr) {
    return false;
  }
  entry->SetState(SkinFormState::kRemoving);
  entry->UnSubclass();
  FreeEntry(entry);
  return true;
}

void TSkinManage::DeleteForm2(HWND wnd) {
  if (TWinSkinForm* entry = FindSkinForm(wnd)) {
    RemoveEntry(entry);
  }
}

void TSkinManage::DeleteDeleted() {
  if (FState == kStateShuttingDown || !FForms) {
    return;
  }
  // Entries leave the list in their destructor, so every listed entry is alive.
  for (size_t i = FForms->size(); i-- > 0;) {
    TWinSkinForm* entry = (*FForms)[i];
    if (entry->State() == SkinFormState::kDeleted && entry->ModuleInstance() == FModuleInstance) {
      FreeEntry(entry);
    }
  }
}

void TSkinManage::DeleteForm3() {
  if (FState == kStateShuttingDown || !FForms) {
    return;
  }
  for (size_t i = FForms->size(); i-- > 0;) {
    if ((*FForms)[i]->State() == SkinFormState::kDeleted) {
      FreeEntry((*FForms)[i]);
    }
  }
}

void TSkinManage::DeleteAllForms() {
  FActive = false;
  FreeEntriesOf(FModuleInstance);
}

void TSkinManage::DeleteSubForm(HINSTANCE module_instance) {
  FreeEntriesOf(module_instance);
}

void TSkinManage::FreeEntriesOf(HINSTANCE module_instance) {
  if (!FForms) {
    return;
  }
  // From the last entry to the first; freeing one may take others with it.
  for (size_t i = FForms->size(); i-- > 0;) {
    if (i >= FForms->size()) {
      continue;
    }
    TWinSkinForm* entry = (*FForms)[i];
    if (entry->ModuleInstance() == module_instance) {
      entry->UnSubclass3();
      FreeEntry(entry);
    }
  }
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
  if (!FForms) {
    return;
  }
  for (TWinSkinForm* entry : *FForms) {
    if (entry->SkinData() == FActionData) {
      entry->DeleteSysbtn();
    }
  }
}

// ---- menus ----

bool TSkinManage::FindSkinMenu(HWND wnd) const {
  if (!FMenus) {
    return false;
  }
  return std::any_of(FMenus->begin(), FMenus->end(),
                     [wnd](const auto& menu) { return menu->Handle() == wnd; });
}

void TSkinManage::AddMenu(HWND wnd) {
  if (!FActive || !FMenus || SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1 || FindSkinMenu(wnd)) {
    return;
  }
  TSkinData* data = FindSkindata(wnd, GetWindowClassname(wnd));
  if (data == nullptr || data->Empty()) {
    return;
  }
  const TSkinControlTypes controls = data->SkinControls();
  bool wanted = false;
  switch (FMenuKind) {
    case 0:
      wanted = controls.Has(TSkinControlType::xcPopupMenu);
      break;
    case 1:
      wanted =
          controls.Has(TSkinControlType::xcMainMenu) || controls.Has(TSkinControlType::xcMenuItem);
      break;
    case 2:
      wanted = controls.Has(TSkinControlType::xcSystemMenu);
      break;
    default:
      break;
  }
  if (!wanted) {
    return;
  }
  auto menu = std::make_unique<TWinSkinPopMenu>();
  menu->InitSkin(wnd, data);
  if (FPopupPending) {
    menu->SetFrameworkPopup(true);
  }
  FMenus->push_back(std::move(menu));
}

bool TSkinManage::DeleteMenu(HWND wnd) {
  if (!FMenus) {
    return false;
  }
  bool found = false;
  for (auto it = FMenus->begin(); it != FMenus->end(); ++it) {
    if ((*it)->Handle() == wnd) {
      (*it)->UnSubClass();
      FMenus->erase(it);
      found = true;
      break;
    }
  }
  if (FMenus->empty()) {
    FMenuKind = 0;
    FPopupPending = false;
  }
  return found;
}

void TSkinManage::FindPopupMenu(HMENU menu) {
  if (menu == nullptr) {
    return;
  }
  // Only menus that exist can be opening; asking must not build any.
  for (const TPopupMenu* popup : Screen().PopupMenus()) {
    if (popup->CurrentHandle() == menu) {
      FPopupPending = true;
      return;
    }
  }
}

void TSkinManage::SetPopMenu() {
  if (FMenus) {
    for (auto& menu : *FMenus) {
      menu->SetFrameworkPopup(true);
    }
  }
}

void TSkinManage::SetHMenu(HMENU menu) {
  if (!FMenus) {
    return;
  }
  for (auto it = FMenus->rbegin(); it != FMenus->rend(); ++it) {
    if ((*it)->Menu() == nullptr) {
      (*it)->SetMenu(menu);
      return;
    }
  }
}

void TSkinManage::DeleteAllMenus() {
  if (FMenus) {
    FMenus->clear();
  }
}

// ---- skin data ----

void TSkinManage::AddSkinData(TSkinData* data) {
  if (!FSkinDatas) {
    return;
  }
  if (std::find(FSkinDatas->begin(), FSkinDatas->end(), data) == FSkinDatas->end()) {
    FSkinDatas->push_back(data);
  }
  if (FDefaultData == nullptr && data->SkinFormtype() == TSkinFormType::sfMainform) {
    FDefaultData = data;
  }
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
  if (FSkinDatas) {
    FSkinDatas->erase(std::remove(FSkinDatas->begin(), FSkinDatas->end(), data), FSkinDatas->end());
  }
  if (FDefaultData == data) {
    FDefaultData = nullptr;
  }
  if (FActionData == data) {
    FActionData = nullptr;
  }
}

// ---- MDI ----

void TSkinManage::SetMDIMax(bool max) {
  if (max == FMDIMax) {
    return;
  }
  FMDIMax = max;
  if (FDefaultData != nullptr && FDefaultData->Options().Has(TSkinOption::xoMDIChildBorder)) {
    return;
  }
  VisitMDIChildren(max);
}

void TSkinManage::SetMDIMax2(bool max) {
  if (max == FMDIMax) {
    return;
  }
  FMDIMax = max;
  VisitMDIChildren(max);
}

void TSkinManage::VisitMDIChildren(bool max) {
  if (!FForms) {
    return;
  }
  // Regions change window positions, and with them run window procedures: walk a copy.
  const std::vector<TWinSkinForm*> entries = *FForms;
  for (TWinSkinForm* entry : entries) {
    if (std::find(FForms->begin(), FForms->end(), entry) == FForms->end() ||
        entry->FormStyle() != SkinFormStyle::kMDIChild) {
      continue;
    }
    if (max) {
      if (entry->Cropped()) {
        entry->Uncropwindow();
      }
    } else if (entry->WindowState() != SkinWindowState::kMinimized) {
      entry->SetWindowState(SkinWindowState::kNormal);
      entry->Cropwindow();
      if (!entry->Cropped()) {
        entry->Refresh();
      }
    }
  }
}

void TSkinManage::SetCaption() {
  if (!FForms) {
    return;
  }
  for (TWinSkinForm* entry : *FForms) {
    if (entry->FormStyle() == SkinFormStyle::kMDIChild && IsWindow(entry->Handle())) {
      SetWindowLongPtrW(entry->Handle(), GWL_STYLE, Style(entry->Handle()) | WS_CAPTION);
    }
  }
}

int TSkinManage::GetMDIChildNum() const {
  if (!FForms) {
    return 0;
  }
  return static_cast<int>(std::count_if(FForms->begin(), FForms->end(), [](TWinSkinForm* entry) {
    return entry->FormStyle() == SkinFormStyle::kMDIChild;
  }));
}

void TSkinManage::ForgetMDIFrame(HWND client) {
  if (FMDIClientWnd == client) {
    FMDIClientWnd = nullptr;
    FMDIForm = nullptr;
  }
}

// ---- sub-managers ----

void TSkinManage::AssignData(TSkinManage* parent) {
  if (parent != nullptr) {
    FForms = parent->FForms;
    FMenus = parent->FMenus;
    FSkinDatas = parent->FSkinDatas;
    FThreads = parent->FThreads;
    FDefaultData = parent->FDefaultData;
    FActive = parent->FActive;
    FParent = parent;
    FState = 1;
    parent->FSubManagers.push_back(this);
    return;
  }
  FForms.reset();
  FMenus.reset();
  FSkinDatas.reset();
  FThreads.reset();
  FDefaultData = nullptr;
  FActive = false;
  FState = kStateShuttingDown;
  FParent = nullptr;
  if (hook_installed_ && g_cbt_hook != nullptr) {
    UnhookWindowsHookEx(g_cbt_hook);
    g_cbt_hook = nullptr;
    hook_installed_ = false;
  }
}

// ---- the action machine ----

void TSkinManage::SetAction(int action, int interval) {
  FAction = action;
  FTimer->SetInterval(interval);
  if (FState == 0) {
    if (action == 1) {
      FActive = true;
    } else if (action == 2) {
      FActive = false;
    }
    return;
  }
  if (FModuleInstance == nullptr) {
    for (TSkinManage* sub : FSubManagers) {
      sub->FActionData = FActionData;
      if (action == 1) {
        sub->FActive = true;
        sub->SetAction(1, 300);
      } else if (action == 2) {
        sub->FActive = false;
      }
    }
  }
  // A new request restarts the interval; the last request within it is the one that runs.
  FTimer->SetEnabled(false);
  FTimer->SetEnabled(true);
}

void TSkinManage::OnTimer() {
  FTimer->SetEnabled(false);  // each request runs once
  TSkinData* data = FActionData;
  if (data == nullptr || !FForms) {
    return;
  }
  const bool only_this = data->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  const std::vector<TForm*> screen = Screen().Forms();
  switch (FAction) {
    case 1:
      FActive = true;
      FSweeping = true;
      if (only_this) {
        for (auto it = screen.rbegin(); it != screen.rend(); ++it) {
          if (*it == data->Owner()) {
            ActiveForm(*it);
            break;
          }
        }
      } else {
        DeleteDeleted();
        for (auto it = screen.rbegin(); it != screen.rend(); ++it) {
          ActiveForm(*it);
        }
      }
      FSweeping = false;
      if (!only_this && FModuleInstance == nullptr) {
        for (TSkinManage* sub : FSubManagers) {
          sub->FActionData = data;
          sub->FActive = true;
          sub->SetAction(1, 300);
        }
      }
      break;
    case 2:
      FActive = false;
      DeleteDeleted();
      if (only_this) {
        for (size_t i = FForms->size(); i-- > 0;) {
          TWinSkinForm* entry = (*FForms)[i];
          if (entry->SkinData() == data) {
            entry->UnSubclass();
            entry->RePaint();
            FreeEntry(entry);
            break;
          }
        }
      } else {
        while (!FForms->empty()) {
          TWinSkinForm* entry = FForms->front();
          entry->UnSubclass();
          entry->RePaint();
          FreeEntry(entry);
        }
        for (TSkinManage* sub : FSubManagers) {
          sub->FActive = false;
        }
      }
      break;
    case 3:
      DeleteDeleted();
      for (TWinSkinForm* entry : *FForms) {
        if (entry->SkinData() == data) {
          entry->DeleteSysbtn();
          entry->InitSkinData();
          if (only_this) {
            entry->SkinChange();
            break;
          }
        }
      }
      if (!only_this) {
        for (TWinSkinForm* entry : *FForms) {
          if (entry->SkinData() == data) {
            entry->SkinChange();
          }
        }
      }
      break;
    case 6:
      DeleteForm3();
      break;
    case 7:
      if (!only_this) {
        if (TWinSkinForm* entry = FindSkinForm(FActionWnd)) {
          entry->UnSubclass();
          entry->SetState(SkinFormState::kDeleted);
          DeleteDeleted();
          AddForm(FActionWnd);
        }
        return;  // the requester stays set and is not told
      }
      break;
    default:
      break;
  }
  data->DoSkinChanged();
  FActionData = nullptr;
}

}  // namespace kova
