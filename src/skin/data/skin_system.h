// What the skin engine knows about the system it runs on, recorded once when the
// library starts.
#pragma once

#include <cstdint>

namespace kova {

// The system is of the NT family: wide-character text drawing is native.
extern bool Win32PlatformIsUnicode;
// Vista or later: the major version is 6 or above.
extern bool IsVista;
// The code page of 8-bit text.
extern uint32_t DefaultUserCodePage;
// The system's version word as GetVersion answers it: major version in the low byte,
// minor in the next, build in the high word, the top bit set on the 9x platform.
extern uint32_t WinVersion;

// Records WinVersion again (the skin manager does so when it installs its hooks).
void RecordWinVersion();

}  // namespace kova
