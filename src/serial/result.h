// Result codes and the fixed-width integer types of the serialization library. Every
// operation answers one of these codes instead of throwing.
#pragma once

#include <cstdint>

namespace kova {

// An "unsigned long" of the 32-bit wire format and of the Windows host's ABI.
using TarnULong = std::uint32_t;
using TarnResult = std::uint32_t;

inline constexpr TarnResult TARN_S_OK = 0;
inline constexpr TarnResult TARN_E_FAIL = 0x80000000u;
inline constexpr TarnResult TARN_E_INVALIDARG = 0x80000101u;
inline constexpr TarnResult TARN_E_NOINTERFACE = 0x80000103u;

}  // namespace kova
