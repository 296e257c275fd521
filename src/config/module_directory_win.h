// Where this library lives: the product's other modules, the dictionary, the skin and
// the setup program are found relative to it.
#pragma once

#include <windows.h>

#include "base/text.h"

namespace kova {

// The module that contains this code (KOVAMsg.dll in the product).
HMODULE ThisModule();

// The module's file name cut at its last backslash (no trailing backslash); empty when
// the name cannot be read or has no backslash.
WideString ModuleDirectory(HMODULE module);

}  // namespace kova
