// The firewall activation prompt: asks whether the product's firewall is switched on
// now (the system's own firewall is then switched off) and hands the answer to the
// product's GUI utilities component.
#pragma once

#include "dialogs/dialog_frame_win.h"

namespace kova {

class TFirewallActivateForm : public TKovaDialog {
 public:
  TFirewallActivateForm(TComponent* owner, CMsg& manager);

  void BtnEnterClick();
};

}  // namespace kova
