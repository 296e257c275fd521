// The firewall prompt as the library's dialogs open it, run in this process.
#pragma once

#include <filesystem>

namespace kova::demo {

// Builds the form manager against the registered installation with a host context
// whose application context reports every call on standard output, shows the prompt,
// saves it as `shot` once it is revealed and presses its Accept button with the mouse.
// Answers the process exit code.
int RunFirewallPrompt(const std::filesystem::path& shot);

}  // namespace kova::demo
