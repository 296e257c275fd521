#include "forms/graphics/picture.h"

namespace kova {

const ClassInfo& TPicture::StaticClass() {
  static const ClassInfo info(
      "TPicture", &TPersistent::StaticClass(),
      PropertyListBuilder<TPicture>()
          .Object<TGraphic>("Graphic", &TPicture::Graphic,
                            [](TPicture& p, TGraphic* g) { p.SetGraphic(g); })
          .Build());
  return info;
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == graphic_.get()) {
    return;
  }
  graphic_ = graphic != nullptr ? graphic->Clone() : nullptr;
  if (graphic_) {
    // Animated pictures repaint their holder on each frame.
    graphic_->OnChange = [this](TObject*) { Changed(); };
  }
  Changed();
}

void TPicture::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    SetGraphic(picture->Graphic());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::Changed() {
  if (OnChange) {
    OnChange(this);
  }
}

}  // namespace kova
