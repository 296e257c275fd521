#include "forms/graphics/icon.h"

namespace kova {

const ClassInfo& TIcon::StaticClass() {
  static const ClassInfo info("TIcon", &TGraphic::StaticClass(), {});
  return info;
}

int TIcon::Width() const {
  return icon_ ? GetSystemMetrics(SM_CXICON) : 0;
}
int TIcon::Height() const {
  return icon_ ? GetSystemMetrics(SM_CYICON) : 0;
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  if (icon_) {
    copy->SetHandle(CopyIcon(icon_.Get()));
  }
  return copy;
}

void TIcon::Draw(HDC dc, const RECT& rect) const {
  if (icon_) {
    DrawIconEx(dc, rect.left, rect.top, icon_.Get(), rect.right - rect.left, rect.bottom - rect.top,
               0, nullptr, DI_NORMAL);
  }
}

bool TIcon::LoadFromResourceID(HMODULE module, int id) {
  HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
  SetHandle(static_cast<HICON>(icon));
  return icon != nullptr;
}

void TIcon::SetHandle(HICON icon) {
  icon_.Reset(icon);
  Changed();
}

}  // namespace kova
