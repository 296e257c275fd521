// What the form manager needs of a dialog: run it modally, destroy it.
#pragma once

#include <cstdint>
#include <memory>

namespace kova {

class CMsg;

class IModalDialog {
 public:
  virtual ~IModalDialog() = default;
  // Runs the dialog's modal loop; answers its modal result.
  virtual int ShowModal() = 0;
};

// A dialog form of the library run as a modal dialog; the form is made with the manager.
template <class Form>
class FormDialog final : public IModalDialog {
 public:
  explicit FormDialog(CMsg& manager) : form_(nullptr, manager) {}
  int ShowModal() override { return form_.ShowModal(); }

 private:
  Form form_;
};

using DialogFactory = std::unique_ptr<IModalDialog> (*)(CMsg& manager);

// The dialog class of a form identifier; null for identifiers this library has no
// dialog for.
DialogFactory FindDialogFactory(std::uint32_t form_id);

}  // namespace kova
