// The COM objects behind app_context.h.
#pragma once

#include <atomic>
#include <string>

#include "app_context/app_context.h"
#include "com/product_interfaces.h"

namespace kova::host {

std::string HexResult(HRESULT result);
void CountObject(long delta);

// A firewall object of the GUI utilities: records Activate and KeepInactive.
class FirewallObject final : public IVKGUIFirewall {
 public:
  FirewallObject(const AppContextOptions& options, AppContextLog log);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: "Activate" and "KeepInactive" by name, one integer argument.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO*, UINT* argument_error) override;
  // IVKGUIFirewall
  HRESULT STDMETHODCALLTYPE ReservedSlot7() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ReservedSlot8() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ReservedSlot9() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Activate(LONG flags) override;
  HRESULT STDMETHODCALLTYPE KeepInactive(LONG flags) override;

 private:
  ~FirewallObject();
  HRESULT Record(const char* method, LONG flags);

  std::atomic<ULONG> references_{1};
  AppContextOptions options_;
  AppContextLog log_;
};

}  // namespace kova::host
