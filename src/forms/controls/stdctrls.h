// The standard controls over the system's window classes: TButton, TCheckBox,
// TRadioButton, TEdit, TMemo, TListBox and TComboBox. Their windows are named after
// the framework class and behave as the system class they take on.
#pragma once

#include <memory>

#include "forms/classes/strings.h"
#include "forms/controls/control.h"
#include "forms/controls/forms.h"

namespace kova {

class TButton : public TWinControl {
  KOVA_DECLARE_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // Runs OnClick, then gives the form this button's modal result.
  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CommandNotify(WORD code) override;

 private:
  TModalResult modal_result_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// Check boxes and radio buttons: a check state kept by the control, so it holds
// before the window exists.
class TButtonControl : public TWinControl {
  KOVA_DECLARE_CLASS(TButtonControl)

 public:
  explicit TButtonControl(TComponent* owner);
  bool Checked() const;
  virtual void SetChecked(bool checked);

 protected:
  void CreateWindowHandle() override;
  void CommandNotify(WORD code) override;
  bool checked_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const EnumTypeInfo kCheckBoxStateInfo;

// A check box; with AllowGrayed a click also reaches the grayed (mixed) state.
class TCheckBox : public TButtonControl {
  KOVA_DECLARE_CLASS(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner);
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool allow);
  void SetChecked(bool checked) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

 private:
  bool allow_grayed_ = false;
  bool grayed_ = false;
};

class TRadioButton : public TButtonControl {
  KOVA_DECLARE_CLASS(TRadioButton)

 public:
  explicit TRadioButton(TComponent* owner);
  // Checking one radio button unchecks its siblings.
  void SetChecked(bool checked) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // A click on the button selects it, as for an automatic radio button.
  void CommandNotify(WORD code) override;
};

class TEdit : public TWinControl {
  KOVA_DECLARE_CLASS(TEdit)

 public:
  explicit TEdit(TComponent* owner);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CommandNotify(WORD code) override;
  bool read_only_ = false;
};

class TMemo : public TEdit {
  KOVA_DECLARE_CLASS(TMemo)

 public:
  explicit TMemo(TComponent* owner);
  // The lines of the text (a copy); SetLines replaces the text.
  std::unique_ptr<TStringList> Lines() const;
  void SetLines(const TStrings& lines);

 protected:
  void CreateParams(TCreateParams& params) override;
};

// List controls keep their items in a TStringList and mirror it into the window.
class TListBox : public TWinControl {
  KOVA_DECLARE_CLASS(TListBox)

 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;
  TStringList& Items() { return *items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void CommandNotify(WORD code) override;
  virtual UINT AddMessage() const { return LB_ADDSTRING; }
  virtual UINT ResetMessage() const { return LB_RESETCONTENT; }
  virtual UINT GetIndexMessage() const { return LB_GETCURSEL; }
  virtual UINT SetIndexMessage() const { return LB_SETCURSEL; }
  void FillWindow();

  std::unique_ptr<TStringList> items_;
  int item_index_ = -1;
};

class TComboBox : public TListBox {
  KOVA_DECLARE_CLASS(TComboBox)

 public:
  explicit TComboBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CommandNotify(WORD code) override;
  UINT AddMessage() const override { return CB_ADDSTRING; }
  UINT ResetMessage() const override { return CB_RESETCONTENT; }
  UINT GetIndexMessage() const override { return CB_GETCURSEL; }
  UINT SetIndexMessage() const override { return CB_SETCURSEL; }
};

}  // namespace kova
