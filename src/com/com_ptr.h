// TComInterface: an owning pointer to one COM interface. It releases the interface when
// it goes, and binding it to another object asks that object for the wrapper's
// interface. Misuse (an empty wrapper used, a full one bound again, no interface ID)
// and a failed QueryInterface are reported as com_report.h describes.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <utility>

#include "com/com_report.h"
#include "com/product_interfaces.h"

namespace kova {

template <typename T, const IID* Iid>
class TComInterface {
 public:
  TComInterface() = default;
  // Binds to `source` through QueryInterface; empty when it does not support T.
  explicit TComInterface(IUnknown* source) { Bind(source); }
  ~TComInterface() { Reset(); }

  TComInterface(const TComInterface& other) : interface_(other.interface_) {
    if (interface_ != nullptr) {
      interface_->AddRef();
    }
  }
  TComInterface& operator=(const TComInterface& other) {
    TComInterface copy(other);
    Swap(copy);
    return *this;
  }
  TComInterface(TComInterface&& other) noexcept
      : interface_(std::exchange(other.interface_, nullptr)) {}
  TComInterface& operator=(TComInterface&& other) noexcept {
    TComInterface moved(std::move(other));
    Swap(moved);
    return *this;
  }

  // Asks `source` for T. A null source leaves the wrapper empty without a report; a
  // failed QueryInterface is reported and leaves it empty.
  HRESULT Bind(IUnknown* source) {
    KOVA_COM_ASSERT(interface_ == nullptr);
    KOVA_COM_ASSERT(Iid != nullptr);
    Reset();
    if (Iid == nullptr) {
      return E_INVALIDARG;
    }
    if (source == nullptr) {
      return E_POINTER;
    }
    void* raw = nullptr;
    const HRESULT result = KOVA_HRCHECK(source->QueryInterface(*Iid, &raw));
    if (FAILED(result)) {
      return result;
    }
    interface_ = static_cast<T*>(raw);
    return result;
  }

  // Takes over a reference the caller already holds.
  void Attach(T* object) {
    KOVA_COM_ASSERT(interface_ == nullptr);
    Reset();
    interface_ = object;
  }

  // For an out argument that hands over a reference; the wrapper must be empty.
  T** Receive() {
    KOVA_COM_ASSERT(interface_ == nullptr);
    Reset();
    return &interface_;
  }

  // Access for calls; reports an empty wrapper (and then answers null).
  T* operator->() const {
    KOVA_COM_ASSERT(interface_ != nullptr);
    return interface_;
  }

  T* Get() const { return interface_; }
  explicit operator bool() const { return interface_ != nullptr; }

  void Reset() {
    if (T* old = std::exchange(interface_, nullptr)) {
      old->Release();
    }
  }

  void Swap(TComInterface& other) noexcept { std::swap(interface_, other.interface_); }

 private:
  T* interface_ = nullptr;
};

using IVMKApplicationContextPtr =
    TComInterface<IVMKApplicationContext, &IID_IVMKApplicationContext>;
using IVKGUIFirewallPtr = TComInterface<IVKGUIFirewall, &IID_IVKGUIFirewall>;
using IDispatchPtr = TComInterface<IDispatch, &IID_IDispatch>;
using IUnknownPtr = TComInterface<IUnknown, &IID_IUnknown>;

}  // namespace kova
