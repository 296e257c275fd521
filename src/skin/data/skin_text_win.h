// Text conversions through the 8-bit code page and text drawing that works on both
// platform families.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/text.h"

namespace kova {

// 8-bit text in DefaultUserCodePage to wide text, and back.
WideString StrToWideStr(std::string_view text);
std::string WideStringToStringEx(WideStringView text);

// DrawTextW where the system draws wide text, else the text in 8 bits through DrawTextA;
// answers what the drawing answered. |rect| is updated as the drawing does (DT_CALCRECT).
int Tnt_DrawTextW(HDC dc, WideStringView text, RECT& rect, UINT flags);

}  // namespace kova
