#include "frame/modal_dialog.h"

#ifdef _WIN32
#include "dialogs/uninstall_form_win.h"
#endif

namespace kova {

DialogFactory FindDialogFactory(std::uint32_t form_id) {
#ifdef _WIN32
  constexpr std::uint32_t kUninstallWizard = 3;
  if (form_id == kUninstallWizard) {
    return &CreateUninstallDialog;
  }
#endif
  // The other identifiers belong to dialogs of other product modules.
  (void)form_id;
  return nullptr;
}

}  // namespace kova
