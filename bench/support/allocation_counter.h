// Bytes held through the global operator new, counted by the benchmark program's own
// replacement of it, so that a benchmark can report the peak of one operation.
#pragma once

#include <cstddef>

namespace kova::bench {

// Starts a new measurement: the peak restarts at what is held now.
void ResetPeakAllocation();
// The most bytes held at once since the last reset, beyond what was held then.
size_t PeakAllocation();

}  // namespace kova::bench
