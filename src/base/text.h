// UTF-16 text helpers shared by every subsystem. Text is UTF-16 on the wire and at
// the Win32 boundary; wchar_t is 2 bytes on Windows and 4 on Linux, so portable code
// holds UTF-16 as std::u16string and converts only at the edges.
#pragma once

#include <string>
#include <string_view>

namespace kova {

using WideString = std::u16string;
using WideStringView = std::u16string_view;

// UTF-8 <-> UTF-16. Invalid input sequences become U+FFFD.
WideString Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(WideStringView wide);

// Latin-1 bytes (8-bit skin names and INI text) to UTF-16 and back; characters above
// U+00FF become '?'.
WideString Latin1ToWide(std::string_view bytes);
std::string WideToLatin1(WideStringView wide);

// Length of a NUL-terminated UTF-16 string.
size_t WideLength(const char16_t* text);

#ifdef _WIN32
// wchar_t is UTF-16 on Windows: views across the Win32 boundary without copying.
inline const wchar_t* AsWin(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* AsWin(char16_t* text) {
  return reinterpret_cast<wchar_t*>(text);
}
inline const wchar_t* AsWin(const WideString& text) {
  return AsWin(text.c_str());
}
inline const char16_t* FromWin(const wchar_t* text) {
  return reinterpret_cast<const char16_t*>(text);
}
inline char16_t* FromWin(wchar_t* text) {
  return reinterpret_cast<char16_t*>(text);
}
inline WideString WideFromWin(const wchar_t* text) {
  return text ? WideString(FromWin(text)) : WideString();
}
#endif

}  // namespace kova
