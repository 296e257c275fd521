// Diagnostic lines for the engineers: written to standard error when the environment
// variable KOVA_TRACE is set, silent otherwise.
#pragma once

#include "base/text.h"

namespace kova {

void Trace(const WideString& line);

}  // namespace kova
