// Without a window system the skin engine takes the values of a current desktop.
#include "skin/data/skin_system.h"

namespace kova {

namespace {
constexpr uint32_t kDesktopVersion = 0x1DB10106;  // 6.1, build 7601
}

bool Win32PlatformIsUnicode = true;
bool IsVista = true;
uint32_t DefaultUserCodePage = 1252;
uint32_t WinVersion = kDesktopVersion;

void RecordWinVersion() {
  WinVersion = kDesktopVersion;
}

}  // namespace kova
