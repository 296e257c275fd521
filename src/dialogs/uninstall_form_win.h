// The uninstall wizard: asks the user to confirm removing the product and, on Next,
// starts the setup program in its confirmed-uninstall mode, then closes.
#pragma once

#include "dialogs/dialog_frame_win.h"
#include "forms/controls/stdctrls.h"
#include "frame/modal_dialog.h"

namespace kova {

class TUninstallForm : public TKovaDialog {
 public:
  TUninstallForm(TComponent* owner, CMsg& manager);

  void RBtnUninstallClick();
  void HTMLabelUninstallClick();
  void KOVAButtonNextClick();
  void KOVAButtonCancelClick();
};

// The wizard as the form manager runs it.
std::unique_ptr<IModalDialog> CreateUninstallDialog(CMsg& manager);

}  // namespace kova
