#include "skin/data/skin_system_win.h"

namespace kova {

GetScrollBarInfoFunction pGetScrollBarInfo = nullptr;
TrackMouseEventFunction pTrackMouseEvent = nullptr;
GetComboBoxInfoFunction pGetComboBoxInfo = nullptr;
DisableProcessWindowsGhostingFunction pDisableProcessWindowsGhosting = nullptr;

bool Win32PlatformIsUnicode = false;
bool IsVista = false;
uint32_t DefaultUserCodePage = CP_ACP;
uint32_t WinVersion = 0;

namespace {

constexpr DWORD kWin9xBit = 0x80000000u;
constexpr DWORD kVistaMajorVersion = 6;

template <class F>
F Lookup(HMODULE module, const char* name) {
  return module != nullptr
             ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
             : nullptr;
}

// Fills the globals when the library is loaded. user32 is linked into the library, so
// it stays loaded for as long as we are and the functions found in it stay valid.
class SkinSystemStart {
 public:
  SkinSystemStart() {
    RecordWinVersion();
    Win32PlatformIsUnicode = (WinVersion & kWin9xBit) == 0;
    IsVista = (WinVersion & 0xFF) >= kVistaMajorVersion;
    DefaultUserCodePage = GetACP();
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    pGetScrollBarInfo = Lookup<GetScrollBarInfoFunction>(user32, "GetScrollBarInfo");
    pTrackMouseEvent = Lookup<TrackMouseEventFunction>(user32, "TrackMouseEvent");
    pGetComboBoxInfo = Lookup<GetComboBoxInfoFunction>(user32, "GetComboBoxInfo");
    pDisableProcessWindowsGhosting =
        Lookup<DisableProcessWindowsGhostingFunction>(user32, "DisableProcessWindowsGhosting");
  }
};

const SkinSystemStart g_start;

}  // namespace

void RecordWinVersion() {
  WinVersion = GetVersion();
}

bool DoTrackMouse(HWND window) {
  if (pTrackMouseEvent == nullptr) {
    return false;
  }
  TRACKMOUSEEVENT request{};
  // The structure's own size: 16 bytes in 32-bit processes, more in 64-bit ones, where
  // the system refuses a shorter one.
  request.cbSize = sizeof(request);
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = window;
  return pTrackMouseEvent(&request) != FALSE;
}

}  // namespace kova
