// The installation settings that the product's setup records in the registry.
#pragma once

#include "base/text.h"

namespace kova {

// HKEY_LOCAL_MACHINE key written by the setup program.
inline constexpr char16_t kSetupKey[] = u"SOFTWARE\\Orvane Software\\Setup";

// "Path": the installation folder, ending in a backslash; empty when missing.
WideString GetSetupPath();
// "Language": the installed language, also the name of its folder under "Lang".
WideString GetSetupLanguage();

}  // namespace kova
