// What every demo round of this program needs: lines for the script that drives it, and
// running this thread's messages while waiting for something to happen.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace kova::demo {

// Prints one line to standard output at once (the script reads it while this runs).
void Print(const std::string& line);

// Runs this thread's messages until `done` holds or `timeout` passes; answers `done()`.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
void PumpFor(std::chrono::milliseconds duration);

}  // namespace kova::demo
