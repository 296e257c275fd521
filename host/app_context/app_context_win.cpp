#include "app_context/app_context.h"

#include <oleauto.h>

#include <atomic>

#include "app_context/objects_win.h"
#include "base/text.h"

namespace kova::host {

namespace {

// The product's application context: creates product components by ProgID.
class ApplicationContext final : public IVMKApplicationContext {
 public:
  ApplicationContext(const AppContextOptions& options, AppContextLog log)
      : options_(options), log_(std::move(log)) {
    CountObject(1);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
        !IsEqualIID(iid, IID_IVMKApplicationContext)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<IVMKApplicationContext*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }

  // Late binding is not offered: callers use the vtable.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) {
      *info = nullptr;
    }
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE ReservedSlot7() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ReservedSlot8() override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE CreateObject(BSTR prog_id, IDispatch** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    *object = nullptr;
    const std::wstring name =
        prog_id != nullptr ? std::wstring(prog_id, SysStringLen(prog_id)) : std::wstring();
    HRESULT result = S_OK;
    if (options_.fail_create_object) {
      result = E_FAIL;
    } else if (_wcsicmp(name.c_str(), kFirewallProgId) != 0) {
      result = REGDB_E_CLASSNOTREG;
    } else {
      // The new object's first reference goes to the caller.
      *object = new FirewallObject(options_, log_);
    }
    log_("application context: CreateObject(\"" +
         WideToUtf8(WideStringView(FromWin(name.c_str()), name.size())) + "\") -> " +
         HexResult(result));
    return result;
  }

 private:
  ~ApplicationContext() {
    CountObject(-1);
    log_("application context: released");
  }

  std::atomic<ULONG> references_{1};
  AppContextOptions options_;
  AppContextLog log_;
};

}  // namespace

HRESULT GetApplicationContext(const AppContextOptions& options, AppContextLog log, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (!log) {
    log = [](const std::string&) {};
  }
  if (options.refuse_context) {
    log("application context: refused -> " + HexResult(E_FAIL));
    return E_FAIL;
  }
  *out = static_cast<IVMKApplicationContext*>(new ApplicationContext(options, log));
  log("application context: handed out -> " + HexResult(S_OK));
  return S_OK;
}

}  // namespace kova::host
