// TImageList: a strip of same-sized pictures addressed by index. Pictures are stored
// as copies of what was added; changing the image size empties the strip, as the
// images no longer fit it.
#pragma once

#include <memory>
#include <vector>

#include "forms/classes/component.h"
#include "forms/graphics/graphic.h"

namespace kova {

class TImageList : public TComponent {
  KOVA_DECLARE_CLASS(TImageList)

 public:
  explicit TImageList(TComponent* owner = nullptr);
  ~TImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Stores a copy of graphic and answers its index, or -1 for null.
  int Add(const TGraphic* graphic);
  void Delete(int index);
  void Clear();
  // Null for an index outside the strip.
  const TGraphic* GetGraphic(int index) const;

#ifdef _WIN32
  // Draws image index at (x, y) in the strip's image size, or stretched to rect.
  void Draw(HDC dc, int x, int y, int index) const;
  void StretchDraw(HDC dc, const RECT& rect, int index) const;
#endif

  TNotifyEvent OnChange;

 private:
  void Changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<std::unique_ptr<TGraphic>> images_;
};

}  // namespace kova
