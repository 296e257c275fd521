// The product's COM interfaces that this library calls. Their vtable layout is a
// binary contract with the product's components: never reorder or remove members.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace kova {

// The application context of the product's core API kit.
inline constexpr IID IID_IVMKApplicationContext = {
    0xADEB18AB, 0xF913, 0x4B4F, {0x8A, 0x37, 0xFF, 0xA7, 0x2C, 0x54, 0x08, 0x73}};

// The firewall object of the product's GUI utilities.
inline constexpr IID IID_IVKGUIFirewall = {
    0x51FA31B8, 0x4885, 0x4B2B, {0x87, 0x19, 0xA2, 0xC1, 0xD5, 0x1D, 0x5A, 0x8B}};

// ProgID of the firewall object, created through the application context.
inline constexpr wchar_t kFirewallProgId[] = L"VESKGUIUtils.Firewall";

// Dual interface; slots 0-6 are IUnknown and IDispatch.
struct IVMKApplicationContext : public IDispatch {
  // Slots 7 and 8 belong to the core API kit; this library does not call them.
  virtual HRESULT STDMETHODCALLTYPE ReservedSlot7() = 0;
  virtual HRESULT STDMETHODCALLTYPE ReservedSlot8() = 0;
  // Slot 9: creates a product component from its ProgID.
  virtual HRESULT STDMETHODCALLTYPE CreateObject(BSTR prog_id, IDispatch** object) = 0;
};

// Dual interface; slots 0-6 are IUnknown and IDispatch.
struct IVKGUIFirewall : public IDispatch {
  // Slots 7 to 9 belong to the GUI utilities; this library does not call them.
  virtual HRESULT STDMETHODCALLTYPE ReservedSlot7() = 0;
  virtual HRESULT STDMETHODCALLTYPE ReservedSlot8() = 0;
  virtual HRESULT STDMETHODCALLTYPE ReservedSlot9() = 0;
  // Slot 10: switches the product's firewall on. The argument is always 0.
  virtual HRESULT STDMETHODCALLTYPE Activate(LONG flags) = 0;
  // Slot 11: leaves the product's firewall off. The argument is always 0.
  virtual HRESULT STDMETHODCALLTYPE KeepInactive(LONG flags) = 0;
};

}  // namespace kova
