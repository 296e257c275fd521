// Building Windows command lines. Windows programs split their command line with the
// CommandLineToArgvW rules, so every argument we hand on must be written so that those
// rules give it back unchanged.
#pragma once

#include "base/text.h"

namespace kova {

// The argument as one token of a command line: unchanged when it needs no quoting,
// otherwise in double quotes with embedded quotes and the backslashes before them
// escaped.
WideString QuoteArgument(WideStringView argument);

// The command line of a process started from `program`: the program path in double
// quotes, one space, then `parameters` as they are.
WideString ProcessCommandLine(WideStringView program, WideStringView parameters);

// The directory part of a module path: everything before its last backslash, or empty
// when there is no backslash.
WideString DirectoryOfPath(WideStringView path);

// The setup program beside the library: directory, backslash, "Setup.exe".
WideString SetupProgramPath(WideStringView module_directory);

// What the setup program is started with once the user has confirmed: its own path in
// double quotes, "/Confirmed", then the host's last argument as one token.
WideString ConfirmedSetupParameters(WideStringView setup_path, WideStringView last_argument);

}  // namespace kova
