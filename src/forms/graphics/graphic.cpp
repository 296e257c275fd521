#include "forms/graphics/graphic.h"

namespace kova {

const ClassInfo& TGraphic::StaticClass() {
  static const ClassInfo info("TGraphic", &TPersistent::StaticClass(), {});
  return info;
}

}  // namespace kova
