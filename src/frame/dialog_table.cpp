#include "frame/modal_dialog.h"

#ifdef _WIN32
#include "dialogs/product_info_form_win.h"
#include "dialogs/uninstall_form_win.h"
#endif

namespace kova {

DialogFactory FindDialogFactory(std::uint32_t form_id) {
#ifdef _WIN32
  constexpr std::uint32_t kUninstallWizard = 3;
  constexpr std::uint32_t kLastFormId = 4;
  if (form_id == kUninstallWizard) {
    return &CreateUninstallDialog;
  }
  // The other identifiers name dialogs of other product modules; the host still meets
  // a real dialog that runs modally and closes.
  if (form_id <= kLastFormId) {
    return &CreateProductInfoDialog;
  }
#endif
  (void)form_id;
  return nullptr;
}

}  // namespace kova
