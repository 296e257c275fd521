#include "com/firewall.h"

#include <windows.h>
#include <oleauto.h>

#include "com/com_ptr.h"

namespace kova {

namespace {

class ScopedBstr {
 public:
  explicit ScopedBstr(const wchar_t* text) : bstr_(SysAllocString(text)) {}
  ~ScopedBstr() { SysFreeString(bstr_); }
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;

  BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

}  // namespace

bool SetFirewallState(IHostContext* context, bool activate) {
  if (context == nullptr) {
    return false;
  }
  // The host hands over a reference of its own; the wrappers keep ours.
  void* raw_context = nullptr;
  if (FAILED(context->GetApplicationContext(&raw_context, 0)) || raw_context == nullptr) {
    return false;
  }
  IUnknownPtr context_reference;
  context_reference.Attach(static_cast<IUnknown*>(raw_context));

  IVMKApplicationContextPtr application_context(context_reference.Get());
  if (!application_context) {
    return false;
  }

  IDispatchPtr dispatch;
  HRESULT result;
  {
    const ScopedBstr prog_id(kFirewallProgId);
    if (prog_id.get() == nullptr) {
      return false;
    }
    result = application_context->CreateObject(prog_id.get(), dispatch.Receive());
  }
  if (FAILED(result) || !dispatch) {
    return false;
  }

  IVKGUIFirewallPtr firewall(dispatch.Get());
  if (!firewall) {
    return false;
  }
  result = activate ? firewall->Activate(0) : firewall->KeepInactive(0);
  return SUCCEEDED(result);
}

}  // namespace kova
