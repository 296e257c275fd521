// Check boxes and radio buttons of other vendors' libraries, painted from the skin's
// check and radio images like the framework's own: kind 1 a check box, 2 a radio
// button, 3 a second check box family. Their check state is read from their published
// properties, since their windows do not answer the system's check query.
#pragma once

#include "skin/apply/win_skin_check_box_win.h"

namespace kova {

class TSkinObjImage : public TSkinCheckBox {
  KOVA_DECLARE_CLASS(TSkinObjImage)

 public:
  TSkinObjImage(TComponent* owner, int kind) : TSkinCheckBox(owner), kind_(kind) {}
  int Kind() const { return kind_; }

 protected:
  bool Radio() const override { return kind_ == 2; }

 private:
  int kind_;
};

}  // namespace kova
