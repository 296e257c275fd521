#include "frame/modal_dialog.h"

namespace kova {

DialogFactory FindDialogFactory(std::uint32_t /*form_id*/) {
  // Dialog classes register here as they are built.
  return nullptr;
}

}  // namespace kova
