// Switching the product's firewall through its GUI utilities component, which the
// host's application context creates for us.
#pragma once

#include "ipc/host_interfaces.h"

namespace kova {

// Asks the host context for the application context, creates the firewall object and
// calls Activate (activate) or KeepInactive; true when that call succeeded. Every
// object it obtains is released before it returns. A null context answers false.
bool SetFirewallState(IHostContext* context, bool activate);

}  // namespace kova
