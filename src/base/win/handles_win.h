// One owning wrapper for every handle the library makes: GDI objects, device contexts,
// regions, icons, windows, menus, image lists, hooks, registry keys, kernel handles,
// atoms and LocalAlloc memory. Each kind keeps a process-wide count of live handles, so
// tests can prove that creating and destroying forms leaves nothing behind (the
// platform's own counters are not available everywhere we run). Nothing outside this
// file calls a release function by hand.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <utility>

namespace kova {

enum class HandleKind {
  kBitmap,
  kFont,
  kBrush,
  kPen,
  kRegion,
  kMemoryDC,
  kWindowDC,
  kWindow,
  kMenu,
  kIcon,
  kImageList,
  kHook,
  kRegistryKey,
  kKernelHandle,
  kAtom,
  kLocalMemory,
  kCount
};

int64_t LiveHandles(HandleKind kind);
// Bitmaps, fonts, brushes, pens, regions and device contexts.
int64_t LiveGdiObjects();
// Windows, menus, icons and image lists.
int64_t LiveUserObjects();
// Every kind together.
int64_t LiveHandlesOfAllKinds();

namespace detail {
void CountHandle(HandleKind kind, int delta);
}

// What a wrapper needs to know about one kind of handle. |Close| may have any
// signature that accepts the handle (its result is ignored); |Invalid| is the value the
// platform answers when it made nothing.
template <class H, HandleKind Kind, auto CloseFunction, H (*Invalid)() = nullptr>
struct HandleTraits {
  using Handle = H;
  static constexpr HandleKind kKind = Kind;
  static H InvalidValue() {
    if constexpr (Invalid != nullptr) {
      return Invalid();
    } else {
      return H{};
    }
  }
  static void Close(H handle) { CloseFunction(handle); }
};

// Owns one handle. |Traits| gives the handle type, its kind, its invalid value and how
// it is closed; traits that carry state (a device context's window) are stored beside
// the handle.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  // Takes ownership of a handle just made by the platform (the invalid value is allowed).
  explicit UniqueHandle(Handle handle, Traits traits = Traits{})
      : handle_(handle), traits_(std::move(traits)) {
    Count(+1);
  }
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::InvalidValue())),
        traits_(std::move(other.traits_)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::InvalidValue());
      traits_ = std::move(other.traits_);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  bool IsValid() const { return handle_ != Traits::InvalidValue(); }
  explicit operator bool() const { return IsValid(); }

  // Closes the handle held so far and takes |handle|.
  void Reset(Handle handle = Traits::InvalidValue()) {
    if (IsValid()) {
      traits_.Close(handle_);
      Count(-1);
    }
    handle_ = handle;
    Count(+1);
  }
  // Where the platform writes a handle through an out-parameter:
  // RegOpenKeyExW(..., key.Receive()). The handle held so far is closed first, and the
  // written one is taken (and counted) at the end of the full expression.
  class Receiver {
   public:
    explicit Receiver(UniqueHandle& owner) : owner_(owner) {}
    ~Receiver() { owner_.Reset(value_); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;
    operator Handle*() { return &value_; }

   private:
    UniqueHandle& owner_;
    Handle value_ = Traits::InvalidValue();
  };
  [[nodiscard]] Receiver Receive() {
    Reset();
    return Receiver(*this);
  }
  // Hands the object to a new owner outside the framework (for example a region given
  // to SetWindowRgn, which the system then frees).
  [[nodiscard]] Handle Release() {
    Count(-1);
    return std::exchange(handle_, Traits::InvalidValue());
  }

 private:
  void Count(int delta) const {
    if (IsValid()) {
      detail::CountHandle(Traits::kKind, delta);
    }
  }

  Handle handle_ = Traits::InvalidValue();
  [[no_unique_address]] Traits traits_{};
};

namespace detail {
inline HANDLE InvalidFileHandle() {
  return INVALID_HANDLE_VALUE;
}

// A device context from GetDC or GetWindowDC goes back to the window it came from.
struct WindowDCTraits {
  using Handle = HDC;
  static constexpr HandleKind kKind = HandleKind::kWindowDC;
  static HDC InvalidValue() { return nullptr; }
  void Close(HDC dc) const { ReleaseDC(window, dc); }
  HWND window = nullptr;
};
}  // namespace detail

template <class H, HandleKind Kind, auto Close>
using UniqueHandleOf = UniqueHandle<HandleTraits<H, Kind, Close>>;

using UniqueBitmap = UniqueHandleOf<HBITMAP, HandleKind::kBitmap, DeleteObject>;
using UniqueFont = UniqueHandleOf<HFONT, HandleKind::kFont, DeleteObject>;
using UniqueBrush = UniqueHandleOf<HBRUSH, HandleKind::kBrush, DeleteObject>;
using UniquePen = UniqueHandleOf<HPEN, HandleKind::kPen, DeleteObject>;
using UniqueRegion = UniqueHandleOf<HRGN, HandleKind::kRegion, DeleteObject>;
using UniqueMemoryDC = UniqueHandleOf<HDC, HandleKind::kMemoryDC, DeleteDC>;
using UniqueWindow = UniqueHandleOf<HWND, HandleKind::kWindow, DestroyWindow>;
using UniqueMenu = UniqueHandleOf<HMENU, HandleKind::kMenu, DestroyMenu>;
using UniqueIcon = UniqueHandleOf<HICON, HandleKind::kIcon, DestroyIcon>;
using UniqueImageList = UniqueHandleOf<HIMAGELIST, HandleKind::kImageList, ImageList_Destroy>;
using UniqueHook = UniqueHandleOf<HHOOK, HandleKind::kHook, UnhookWindowsHookEx>;
using UniqueRegKey = UniqueHandleOf<HKEY, HandleKind::kRegistryKey, RegCloseKey>;
// Processes, threads, events, pipes: the platform answers null when it made none.
using UniqueKernelHandle = UniqueHandleOf<HANDLE, HandleKind::kKernelHandle, CloseHandle>;
// Files: the platform answers INVALID_HANDLE_VALUE when it opened none.
using UniqueFileHandle = UniqueHandle<
    HandleTraits<HANDLE, HandleKind::kKernelHandle, CloseHandle, detail::InvalidFileHandle>>;
using UniqueAtom = UniqueHandleOf<ATOM, HandleKind::kAtom, GlobalDeleteAtom>;
// Memory the platform allocated with LocalAlloc for the caller (CommandLineToArgvW,
// FormatMessageW with FORMAT_MESSAGE_ALLOCATE_BUFFER).
template <class T>
using UniqueLocalMemory = UniqueHandleOf<T*, HandleKind::kLocalMemory, LocalFree>;
using UniqueWindowDC = UniqueHandle<detail::WindowDCTraits>;

// The process and thread handles that CreateProcessW answers, closed together.
struct UniqueProcessHandles {
  UniqueProcessHandles() = default;
  explicit UniqueProcessHandles(const PROCESS_INFORMATION& started)
      : process(started.hProcess), thread(started.hThread) {}
  UniqueKernelHandle process;
  UniqueKernelHandle thread;
};

// The device context of a window's client area (GetDC; null window: the screen).
inline UniqueWindowDC TakeDC(HWND window) {
  return UniqueWindowDC(GetDC(window), detail::WindowDCTraits{window});
}
// The device context of a whole window, frame included (GetWindowDC).
inline UniqueWindowDC TakeWindowDC(HWND window) {
  return UniqueWindowDC(GetWindowDC(window), detail::WindowDCTraits{window});
}

// A window's device context from GetDC, released on scope end.
class ScopedGetDC : public UniqueWindowDC {
 public:
  explicit ScopedGetDC(HWND window) : UniqueWindowDC(TakeDC(window)) {}
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelectObject() {
    if (previous_ != nullptr) {
      SelectObject(dc_, previous_);
    }
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves a device context's state (selected objects, modes, clipping) and restores it.
class ScopedSaveDC {
 public:
  explicit ScopedSaveDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~ScopedSaveDC() { RestoreDC(dc_, saved_); }
  ScopedSaveDC(const ScopedSaveDC&) = delete;
  ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace kova
