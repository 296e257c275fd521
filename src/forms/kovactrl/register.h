// Makes the control package's classes known to form descriptions.
#pragma once

namespace kova {

void RegisterKOVACtrlClasses();

}  // namespace kova
