// How each value kind of the wire format is written, read and shown as text; shared by
// the single-value and value-list classes.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "base/text.h"
#include "serial/value_io.h"

namespace kova::value_kind {

inline void Write(ITarnArchive& a, std::uint32_t v) {
  TarnWriteULong(a, v);
}
inline void Write(ITarnArchive& a, bool v) {
  TarnWriteBool(a, v);
}
inline void Write(ITarnArchive& a, std::int32_t v) {
  TarnWriteInt(a, v);
}
inline void Write(ITarnArchive& a, double v) {
  TarnWriteDouble(a, v);
}
inline void Write(ITarnArchive& a, std::uint8_t v) {
  TarnWriteByte(a, v);
}
inline void Write(ITarnArchive& a, std::uint64_t v) {
  TarnWriteUInt64(a, v);
}
inline void Write(ITarnArchive& a, const WideString& v) {
  TarnWriteString(a, WideStringView(v));
}

inline bool Read(ITarnArchive& a, std::uint32_t& v) {
  return TarnReadULong(a, v);
}
inline bool Read(ITarnArchive& a, bool& v) {
  return TarnReadBool(a, v);
}
inline bool Read(ITarnArchive& a, std::int32_t& v) {
  return TarnReadInt(a, v);
}
inline bool Read(ITarnArchive& a, double& v) {
  return TarnReadDouble(a, v);
}
inline bool Read(ITarnArchive& a, std::uint8_t& v) {
  return TarnReadByte(a, v);
}
inline bool Read(ITarnArchive& a, std::uint64_t& v) {
  return TarnReadUInt64(a, v);
}
inline bool Read(ITarnArchive& a, WideString& v) {
  return TarnReadString(a, v);
}

// The fewest bytes one element can take on the wire (a string has its count and at
// least the terminator).
template <typename T>
constexpr std::uint64_t kMinWireSize = std::is_same_v<T, WideString> ? 6 : sizeof(T);

// Default stream formatting, as a wide string stream would give it.
template <typename T>
WideString ToText(const T& value) {
  if constexpr (std::is_same_v<T, WideString>) {
    return value;
  } else {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, bool>) {
      stream << static_cast<int>(value);
    } else {
      stream << value;
    }
    return Latin1ToWide(stream.str());
  }
}

}  // namespace kova::value_kind
