// Starting companion programs of the product: the setup program, once the user has
// confirmed the uninstallation.
#pragma once

#include "base/text.h"

namespace kova {

// Directory of the module that contains this code (the library itself when linked
// into it), without the trailing backslash; empty when it cannot be determined.
WideString GetModuleDirectory();

// Starts `program` with the command line `"program" parameters` and returns at once;
// true when the process was created. Handles are not inherited and the new process
// gets the default error mode.
bool LaunchProcess(WideStringView parameters, WideStringView program);

enum class SetupLaunchResult {
  kStarted,
  kWrongArgumentCount,  // the host was not started with exactly two arguments
  kNoModuleDirectory,   // our own directory is unknown: nothing safe to start
  kStartFailed,         // the setup program is missing or could not be started
};

// When the host process was started with exactly two arguments, starts "Setup.exe"
// from our own directory with "/Confirmed" and the host's last argument. Callers may
// ignore the result: nothing is shown on failure.
SetupLaunchResult LaunchSetupConfirmed();

// The same decision for a given directory and host command line.
SetupLaunchResult LaunchSetupConfirmed(WideStringView module_directory,
                                       WideStringView host_command_line);

}  // namespace kova
