// Byte-string helpers for the wire-format tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"

namespace kova::testing {

// "1F 00 0a" -> bytes; spaces are ignored.
inline std::string Hex(std::string_view text) {
  std::string bytes;
  int high = -1;
  for (char c : text) {
    int v;
    if (c >= '0' && c <= '9')
      v = c - '0';
    else if (c >= 'a' && c <= 'f')
      v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      v = c - 'A' + 10;
    else
      continue;
    if (high < 0) {
      high = v;
    } else {
      bytes.push_back(static_cast<char>(high << 4 | v));
      high = -1;
    }
  }
  return bytes;
}

inline std::string U32(std::uint32_t v) {
  std::string b;
  for (int i = 0; i < 4; ++i)
    b.push_back(static_cast<char>(v >> (8 * i)));
  return b;
}

// A wire string: count of units with terminator, then UTF-16LE units and 00 00.
inline std::string WireString(std::u16string_view text) {
  std::string b = U32(static_cast<std::uint32_t>(text.size() + 1));
  for (char16_t u : text) {
    b.push_back(static_cast<char>(u & 0xFF));
    b.push_back(static_cast<char>(u >> 8));
  }
  b.append(2, '\0');
  return b;
}

}  // namespace kova::testing
