// Owning wrappers for every GDI and USER object the framework makes. Each kind keeps
// a process-wide count of live objects, so tests can prove that creating and
// destroying forms leaves nothing behind (the platform's own counters are not
// available everywhere we run).
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
  kCount
};

int64_t LiveHandles(HandleKind kind);
// Bitmaps, fonts, brushes, pens, regions and device contexts.
int64_t LiveGdiObjects();
// Windows, menus, icons and image lists.
int64_t LiveUserObjects();

namespace detail {
void CountHandle(HandleKind kind, int delta);
}

template <class H, HandleKind Kind, BOOL(WINAPI* Close)(H)>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  // Takes ownership of a handle just made by the platform (null is allowed).
  explicit UniqueHandle(H handle) : handle_(handle) {
    if (handle_ != nullptr) {
      detail::CountHandle(Kind, +1);
    }
  }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void Reset(H handle = nullptr) {
    if (handle_ != nullptr) {
      Close(handle_);
      detail::CountHandle(Kind, -1);
    }
    handle_ = handle;
    if (handle_ != nullptr) {
      detail::CountHandle(Kind, +1);
    }
  }
  // Hands the object to a new owner outside the framework (for example a region given
  // to SetWindowRgn, which the system then frees).
  [[nodiscard]] H Release() {
    if (handle_ != nullptr) {
      detail::CountHandle(Kind, -1);
    }
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

namespace detail {
template <class H>
BOOL WINAPI DeleteTyped(H object) {
  return DeleteObject(object);
}
inline BOOL WINAPI DestroyImageList(HIMAGELIST list) {
  return ImageList_Destroy(list);
}
}  // namespace detail

using UniqueBitmap = UniqueHandle<HBITMAP, HandleKind::kBitmap, detail::DeleteTyped<HBITMAP>>;
using UniqueFont = UniqueHandle<HFONT, HandleKind::kFont, detail::DeleteTyped<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, HandleKind::kBrush, detail::DeleteTyped<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, HandleKind::kPen, detail::DeleteTyped<HPEN>>;
using UniqueRegion = UniqueHandle<HRGN, HandleKind::kRegion, detail::DeleteTyped<HRGN>>;
using UniqueMemoryDC = UniqueHandle<HDC, HandleKind::kMemoryDC, DeleteDC>;
using UniqueWindow = UniqueHandle<HWND, HandleKind::kWindow, DestroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, HandleKind::kMenu, DestroyMenu>;
using UniqueIcon = UniqueHandle<HICON, HandleKind::kIcon, DestroyIcon>;
using UniqueImageList = UniqueHandle<HIMAGELIST, HandleKind::kImageList, detail::DestroyImageList>;

// A window's device context from GetDC (null window: the screen), released on scope end.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window);
  ~ScopedGetDC();
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
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
