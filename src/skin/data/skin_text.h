// Text helpers of the skin engine.
#pragma once

#include "base/text.h"

namespace kova {

// The first |length| characters of the zero-terminated buffer |chars|, or all of it when
// |length| is -1; never reads past the terminator. Empty for a null buffer or another
// negative length.
WideString _WStr(const char16_t* chars, int length);

}  // namespace kova
