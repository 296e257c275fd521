#include "forms/graphics/image_list.h"

namespace kova {

void TImageList::Draw(HDC dc, int x, int y, int index) const {
  StretchDraw(dc, RECT{x, y, x + width_, y + height_}, index);
}

void TImageList::StretchDraw(HDC dc, const RECT& rect, int index) const {
  if (const TGraphic* graphic = GetGraphic(index); graphic != nullptr && !graphic->Empty()) {
    graphic->Draw(dc, rect);
  }
}

}  // namespace kova
