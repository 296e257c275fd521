// The thread CBT hooks that tell the manager about window creation, activation and
// destruction. Hook procedures run inside the window system: nothing may unwind
// through them, and the event is always passed on.
#include <algorithm>

#include "forms/win/platform_boundary_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_window_util_win.h"

namespace kova {

namespace {

constexpr LRESULT kCancelCreation = 10;

// The manager that hooks see: none once it is shutting down.
TSkinManage* ListeningManager() {
  TSkinManage* manager = SkinManager();
  return manager != nullptr && !manager->IsShuttingDown() ? manager : nullptr;
}

constexpr LONG kSizeGripStyle = 0x10;  // SBS_SIZEGRIP

// Popup-menu windows are made by class atom, so the name comes from the window itself.
bool IsPopupMenuWindow(HWND wnd) {
  return GetWindowClassname(wnd) == u"#32768";
}

void NoteActivation(TSkinManage& manager, HWND wnd) {
  if (manager.FState == static_cast<int32_t>(SkinManagerState::kIdle)) {
    manager.FState = static_cast<int32_t>(SkinManagerState::kRunning);
  }
  manager.AddForm(wnd);
}

// The hook of the manager's own thread.
LRESULT CALLBACK SkinHookCBT(int code, WPARAM wparam, LPARAM lparam) {
  if (TSkinManage* manager = ListeningManager(); manager != nullptr && code >= 0) {
    RunAtPlatformBoundary([&] {
      HWND wnd = reinterpret_cast<HWND>(wparam);
      switch (code) {
        case HCBT_CREATEWND: {
          const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
          if (!(cs->style & WS_CHILD) && manager->FModuleInstance == nullptr &&
              IsPopupMenuWindow(wnd)) {
            manager->AddMenu(wnd);
          } else if (cs->dwExStyle & WS_EX_MDICHILD) {
            manager->AddForm(wnd);
          } else if ((cs->style & kSizeGripStyle) != 0 &&
                     LowerAscii(GetWindowClassname(wnd)) == u"scrollbar") {
            if (TWinSkinForm* parent = manager->FindSkinForm(cs->hwndParent)) {
              parent->AddControlh(wnd);
            }
          }
          break;
        }
        case HCBT_DESTROYWND:
          manager->DeleteMenu(wnd);
          break;
        case HCBT_ACTIVATE:
          NoteActivation(*manager, wnd);
          break;
        default:
          break;
      }
    });
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The hook of the other threads the skin data asked for.
LRESULT CALLBACK SkinHookCBT2(int code, WPARAM wparam, LPARAM lparam) {
  bool cancel = false;
  if (TSkinManage* manager = ListeningManager(); manager != nullptr && code >= 0) {
    RunAtPlatformBoundary([&] {
      HWND wnd = reinterpret_cast<HWND>(wparam);
      if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        const WideString cls = LowerAscii(GetWindowClassname(wnd));
        if (cls == u"scrollbar" && manager->FindSkinForm(cs->hwndParent) != nullptr) {
          cancel = true;  // the skinned frame draws its scroll bars itself
        } else if (cls == u"#32768") {
          manager->AddMenu(wnd);
        }
      } else if (code == HCBT_DESTROYWND) {
        manager->DeleteMenu(wnd);
        manager->DeleteForm(wnd);
      } else if (code == HCBT_ACTIVATE) {
        NoteActivation(*manager, wnd);
      }
    });
  }
  const LRESULT next = CallNextHookEx(nullptr, code, wparam, lparam);
  return cancel ? kCancelCreation : next;
}

}  // namespace

void TSkinManage::InstallHook() {
  if (!cbt_hook_) {
    cbt_hook_.Reset(SetWindowsHookExW(WH_CBT, &SkinHookCBT, nullptr, GetCurrentThreadId()));
  }
}

void TSkinManage::InstallThread(uint32_t thread_id) {
  auto& threads = registries_->threads;
  if (std::any_of(threads.begin(), threads.end(),
                  [&](const TSkinThread& t) { return t.FThreadID == thread_id; })) {
    return;
  }
  UniqueHook hook(SetWindowsHookExW(WH_CBT, &SkinHookCBT2, nullptr, thread_id));
  if (hook) {
    threads.push_back({std::move(hook), thread_id});
  }
}

void TSkinManage::UnInstallThread(uint32_t thread_id) {
  auto& threads = registries_->threads;
  threads.erase(std::remove_if(threads.begin(), threads.end(),
                               [&](const TSkinThread& t) { return t.FThreadID == thread_id; }),
                threads.end());
}

void TSkinManage::DeleteAllThreads() {
  registries_->threads.clear();
}

}  // namespace kova
