#include "forms/graphics/image_list.h"

namespace kova {

const ClassInfo& TImageList::StaticClass() {
  static const ClassInfo info("TImageList", &TComponent::StaticClass(),
                              PropertyListBuilder<TImageList>()
                                  .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
                                  .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
                                  .Build());
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}
TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
  if (width != width_ && width > 0) {
    width_ = width;
    Clear();
  }
}

void TImageList::SetHeight(int height) {
  if (height != height_ && height > 0) {
    height_ = height;
    Clear();
  }
}

int TImageList::Add(const TGraphic* graphic) {
  if (graphic == nullptr) {
    return -1;
  }
  images_.push_back(graphic->Clone());
  Changed();
  return Count() - 1;
}

void TImageList::Delete(int index) {
  if (index >= 0 && index < Count()) {
    images_.erase(images_.begin() + index);
    Changed();
  }
}

void TImageList::Clear() {
  if (!images_.empty()) {
    images_.clear();
    Changed();
  }
}

const TGraphic* TImageList::GetGraphic(int index) const {
  return index >= 0 && index < Count() ? images_[static_cast<size_t>(index)].get() : nullptr;
}

void TImageList::Changed() {
  if (OnChange) {
    OnChange(this);
  }
}

}  // namespace kova
