// The product's application context for the host program. The host's
// IHostContext::GetApplicationContext answers with kova::host::GetApplicationContext:
//
//   HostResult HostContext::GetApplicationContext(void** out, std::int32_t) {
//     return kova::host::GetApplicationContext(app_context_options_, log_, out);
//   }
//
// The object handed out carries one reference for the caller, who releases it.
// Through it, CreateObject("VESKGUIUtils.Firewall") yields the firewall object.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kova::host {

// Which step of the chain fails, so hosts and tests can walk every road.
struct AppContextOptions {
  bool refuse_context = false;        // GetApplicationContext answers E_FAIL
  bool fail_create_object = false;    // CreateObject answers E_FAIL
  bool fail_firewall_query = false;   // the firewall object does not give IVKGUIFirewall
  bool fail_firewall_method = false;  // Activate and KeepInactive answer E_FAIL
};

// Receives one line per call, e.g. "firewall: Activate(0) -> 0x00000000".
using AppContextLog = std::function<void(const std::string&)>;

// Creates an application context (one reference, for the caller) in *out.
HRESULT GetApplicationContext(const AppContextOptions& options, AppContextLog log, void** out);

// Application contexts and firewall objects alive in this process.
long LiveAppContextObjects();

}  // namespace kova::host
