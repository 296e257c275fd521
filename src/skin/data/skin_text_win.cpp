#include "skin/data/skin_text_win.h"

#include <climits>

#include "skin/data/skin_system.h"

namespace kova {

namespace {

// DT_MODIFYSTRING lets the drawing write up to four characters more than the text's
// length (an ellipsis and its terminator) into the buffer it was given.
constexpr size_t kModifyRoom = 4;

int ClampedLength(size_t length) {
  return length > static_cast<size_t>(INT_MAX / 2) ? INT_MAX / 2 : static_cast<int>(length);
}

}  // namespace

WideString StrToWideStr(std::string_view text) {
  if (text.empty()) {
    return WideString();
  }
  const int length = ClampedLength(text.size());
  const int needed = MultiByteToWideChar(DefaultUserCodePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) {
    return WideString();
  }
  WideString wide(static_cast<size_t>(needed), u'\0');
  MultiByteToWideChar(DefaultUserCodePage, 0, text.data(), length, AsWin(wide.data()), needed);
  return wide;
}

std::string WideStringToStringEx(WideStringView text) {
  if (text.empty()) {
    return std::string();
  }
  const int length = ClampedLength(text.size());
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int needed =
      WideCharToMultiByte(DefaultUserCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) {
    return std::string();
  }
  std::string narrow(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(DefaultUserCodePage, 0, wide, length, narrow.data(), needed, nullptr,
                      nullptr);
  return narrow;
}

int Tnt_DrawTextW(HDC dc, WideStringView text, RECT& rect, UINT flags) {
  if (Win32PlatformIsUnicode) {
    WideString buffer(text);
    const int length = ClampedLength(buffer.size());
    buffer.append(kModifyRoom, u'\0');
    return DrawTextW(dc, AsWin(buffer.data()), length, &rect, flags);
  }
  std::string narrow = WideStringToStringEx(text);
  narrow.append(kModifyRoom, '\0');
  return DrawTextA(dc, narrow.data(), -1, &rect, flags);
}

}  // namespace kova
