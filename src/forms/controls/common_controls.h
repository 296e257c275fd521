// The platform's common control classes (tabs, bars, lists, pickers) are registered
// once, before the first window of one of them is made.
#pragma once

#include <windows.h>

namespace kova {

// `classes` is a set of ICC_* flags; each is registered once per process.
void InitCommonControlClasses(DWORD classes);

}  // namespace kova
