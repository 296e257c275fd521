// The product information dialog: the product's name and a line about it, with a Close
// button. The form identifiers of dialogs that belong to other product modules show it,
// so the host always meets a real dialog that runs modally and closes.
#pragma once

#include <memory>

#include "dialogs/dialog_frame_win.h"
#include "frame/modal_dialog.h"

namespace kova {

class TProductInfoForm : public TKovaDialog {
 public:
  TProductInfoForm(TComponent* owner, CMsg& manager);

  void KOVAButtonCloseClick();
};

// The information dialog as the form manager runs it.
std::unique_ptr<IModalDialog> CreateProductInfoDialog(CMsg& manager);

}  // namespace kova
