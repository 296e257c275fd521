#include "forms/kovactrl/kova_border.h"

#include <algorithm>

#include "base/streams.h"

namespace kova {

const ClassInfo& TKOVABorder::StaticClass() {
  static const ClassInfo info("TKOVABorder", &TComponent::StaticClass(), {});
  return info;
}

TKOVABorder::TKOVABorder(TComponent* owner) : TComponent(owner) {}

TKOVABorder::~TKOVABorder() {
  if (TForm* form = Form(); form != nullptr && !form->IsDestroying()) {
    form->OnPaintOver = nullptr;
    form->SetBorderWidth(0);
  }
}

TForm* TKOVABorder::Form() const {
  return dynamic_cast<TForm*>(Owner());
}

int TKOVABorder::SetResources(HMODULE module, std::span<const int> ids, const wchar_t* type) {
  int loaded = 0;
  for (size_t i = 0; i < pieces_.size(); ++i) {
    pieces_[i].reset();
    if (i >= ids.size() || module == nullptr) {
      continue;
    }
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(ids[i]), type);
    HGLOBAL data = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = data != nullptr ? LockResource(data) : nullptr;
    if (bytes == nullptr) {
      continue;
    }
    const auto* begin = static_cast<const uint8_t*>(bytes);
    TMemoryStream stream(std::vector<uint8_t>(begin, begin + SizeofResource(module, found)));
    auto png = std::make_unique<TPngImage>();
    if (png->LoadFromStream(stream)) {
      pieces_[i] = std::move(png);
      ++loaded;
    }
  }
  if (TForm* form = Form()) {
    form->SetBorderWidth(Thickness());
    form->OnPaintOver = [this](HDC dc) { PaintFrame(dc); };
    form->Invalidate();
  }
  return loaded;
}

void TKOVABorder::SetAlphaBlendValue(int value) {
  if (TForm* form = Form()) {
    form->SetAlphaBlendValue(value);
    form->Invalidate();
  }
}

int TKOVABorder::Thickness() const {
  return pieces_[kLeft] ? pieces_[kLeft]->Width() : 0;
}

void TKOVABorder::PaintFrame(HDC dc) const {
  const TForm* form = Form();
  if (form == nullptr) {
    return;
  }
  const RECT c = form->ClientRect();
  const auto size = [&](Piece p) {
    return pieces_[p] ? SIZE{pieces_[p]->Width(), pieces_[p]->Height()} : SIZE{0, 0};
  };
  const auto draw = [&](Piece p, RECT r) {
    if (pieces_[p] && r.right > r.left && r.bottom > r.top) {
      pieces_[p]->Draw(dc, r);
    }
  };
  const SIZE tl = size(kTopLeft), tr = size(kTopRight), bl = size(kBottomLeft),
             br = size(kBottomRight);
  draw(kTop, RECT{c.left + tl.cx, c.top, c.right - tr.cx, c.top + size(kTop).cy});
  draw(kBottom, RECT{c.left + bl.cx, c.bottom - size(kBottom).cy, c.right - br.cx, c.bottom});
  draw(kLeft, RECT{c.left, c.top + tl.cy, c.left + size(kLeft).cx, c.bottom - bl.cy});
  draw(kRight, RECT{c.right - size(kRight).cx, c.top + tr.cy, c.right, c.bottom - br.cy});
  draw(kTopLeft, RECT{c.left, c.top, c.left + tl.cx, c.top + tl.cy});
  draw(kTopRight, RECT{c.right - tr.cx, c.top, c.right, c.top + tr.cy});
  draw(kBottomLeft, RECT{c.left, c.bottom - bl.cy, c.left + bl.cx, c.bottom});
  draw(kBottomRight, RECT{c.right - br.cx, c.bottom - br.cy, c.right, c.bottom});
}

}  // namespace kova
