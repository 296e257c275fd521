#include "app_context/objects_win.h"

#include <oleauto.h>

#include <cstdio>

namespace kova::host {

namespace {

constexpr DISPID kActivateId = 1;
constexpr DISPID kKeepInactiveId = 2;

}  // namespace

std::string HexResult(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(result));
  return text;
}

namespace {
std::atomic<long> live_objects{0};
}  // namespace

void CountObject(long delta) {
  live_objects += delta;
}

long LiveAppContextObjects() {
  return live_objects.load();
}

FirewallObject::FirewallObject(const AppContextOptions& options, AppContextLog log)
    : options_(options), log_(std::move(log)) {
  CountObject(1);
}

FirewallObject::~FirewallObject() {
  CountObject(-1);
  log_("firewall: released");
}

HRESULT FirewallObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  *object = nullptr;
  if (IsEqualIID(iid, IID_IVKGUIFirewall)) {
    if (options_.fail_firewall_query) {
      log_("firewall: QueryInterface(IVKGUIFirewall) -> " + HexResult(E_NOINTERFACE));
      return E_NOINTERFACE;
    }
  } else if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
    return E_NOINTERFACE;
  }
  *object = static_cast<IVKGUIFirewall*>(this);
  AddRef();
  return S_OK;
}

ULONG FirewallObject::AddRef() {
  return ++references_;
}

ULONG FirewallObject::Release() {
  const ULONG left = --references_;
  if (left == 0) {
    delete this;
  }
  return left;
}

HRESULT FirewallObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) {
    return E_POINTER;
  }
  *count = 0;
  return S_OK;
}

HRESULT FirewallObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) {
    *info = nullptr;
  }
  return E_NOTIMPL;
}

HRESULT FirewallObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) {
    return E_INVALIDARG;
  }
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
  }
  if (_wcsicmp(names[0], L"Activate") == 0) {
    ids[0] = kActivateId;
  } else if (_wcsicmp(names[0], L"KeepInactive") == 0) {
    ids[0] = kKeepInactiveId;
  } else {
    result = DISP_E_UNKNOWNNAME;
  }
  // The methods have no named arguments.
  return count > 1 ? DISP_E_UNKNOWNNAME : result;
}

HRESULT FirewallObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO*, UINT* argument_error) {
  if (id != kActivateId && id != kKeepInactiveId) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if ((flags & DISPATCH_METHOD) == 0) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (parameters == nullptr || parameters->cArgs != 1) {
    return DISP_E_BADPARAMCOUNT;
  }
  if (parameters->cNamedArgs != 0) {
    return DISP_E_NONAMEDARGS;
  }
  VARIANT argument;
  VariantInit(&argument);
  if (FAILED(VariantChangeType(&argument, &parameters->rgvarg[0], 0, VT_I4))) {
    if (argument_error != nullptr) {
      *argument_error = 0;
    }
    return DISP_E_TYPEMISMATCH;
  }
  const HRESULT call = id == kActivateId ? Activate(argument.lVal) : KeepInactive(argument.lVal);
  if (result != nullptr) {
    VariantInit(result);
  }
  return call;
}

HRESULT FirewallObject::Activate(LONG flags) {
  return Record("Activate", flags);
}

HRESULT FirewallObject::KeepInactive(LONG flags) {
  return Record("KeepInactive", flags);
}

HRESULT FirewallObject::Record(const char* method, LONG flags) {
  const HRESULT result = options_.fail_firewall_method ? E_FAIL : S_OK;
  log_(std::string("firewall: ") + method + "(" + std::to_string(flags) + ") -> " +
       HexResult(result));
  return result;
}

}  // namespace kova::host
