// TPicture: holds one picture of any graphic class, the way an image control shows it.
// Assigning a graphic stores a copy; OnChange fires when the picture or its frames
// change.
#pragma once

#include <memory>

#include "forms/graphics/graphic.h"

namespace kova {

class TPicture : public TPersistent {
  KOVA_DECLARE_CLASS(TPicture)

 public:
  TPicture() = default;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Stores a copy of graphic (null empties the picture).
  void SetGraphic(const TGraphic* graphic);
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace kova
