// Populated instances of every registered class, for round-trip tests and seeds.
#pragma once

#include "base/text.h"
#include "serial/auto_ptr.h"

namespace kova::testing {

// An object of the class with wire name `name` holding representative values
// (nested containers included); null for a name no class uses.
CAutoTarnPtr<ITarnSerializable> Sample(const WideString& name);

}  // namespace kova::testing
