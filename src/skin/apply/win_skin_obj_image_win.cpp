#include "skin/apply/win_skin_obj_image_win.h"

namespace kova {

const ClassInfo& TSkinObjImage::StaticClass() {
  static const ClassInfo info("TSkinObjImage", &TSkinCheckBox::StaticClass(), {});
  return info;
}

}  // namespace kova
