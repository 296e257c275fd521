#include "forms/controls/stdctrls.h"

namespace kova {

namespace {

TForm* ParentForm(TControl* control) {
  for (TControl* c = control; c != nullptr; c = c->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(c)) {
      return form;
    }
  }
  return nullptr;
}

}  // namespace

// --- TButton ---

const ClassInfo& TButton::StaticClass() {
  static const ClassInfo info(
      "TButton", &TWinControl::StaticClass(),
      PropertyListBuilder<TButton>()
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
          .Boolean("Default", &TButton::Default, &TButton::SetDefault)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
          .Build());
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  tab_stop_ = true;
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"BUTTON";
  params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED) {
    Click();
  }
}

void TButton::Click() {
  if (TForm* form = ParentForm(this); form != nullptr && modal_result_ != mrNone) {
    form->SetModalResult(modal_result_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGKEY &&
      ((m.WParam == VK_RETURN && default_) || (m.WParam == VK_ESCAPE && cancel_))) {
    Click();
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

// --- TButtonControl, TCheckBox, TRadioButton ---

const ClassInfo& TButtonControl::StaticClass() {
  static const ClassInfo info(
      "TButtonControl", &TWinControl::StaticClass(),
      PropertyListBuilder<TButtonControl>()
          .Boolean("Checked", &TButtonControl::Checked, &TButtonControl::SetChecked)
          .Build());
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 113, 17);
  tab_stop_ = true;
}

bool TButtonControl::Checked() const {
  if (HandleAllocated()) {
    return SendMessageW(WindowHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  return checked_;
}

void TButtonControl::SetChecked(bool checked) {
  const bool changed = checked != Checked();
  checked_ = checked;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (changed && checked) {
    Click();
  }
}

void TButtonControl::CreateWindowHandle() {
  SendMessageW(WindowHandle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TButtonControl::CommandNotify(WORD code) {
  if (code == BN_CLICKED) {
    checked_ = Checked();
    Click();
  }
}

const EnumTypeInfo kCheckBoxStateInfo{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

const ClassInfo& TCheckBox::StaticClass() {
  static const ClassInfo info(
      "TCheckBox", &TButtonControl::StaticClass(),
      PropertyListBuilder<TCheckBox>()
          .Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
          .Enum("State", kCheckBoxStateInfo, &TCheckBox::State, &TCheckBox::SetState)
          .Build());
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {}

void TCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.system_class = L"BUTTON";
  params.style |= allow_grayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWindowHandle() {
  SendMessageW(WindowHandle(), BM_SETCHECK,
               grayed_    ? BST_INDETERMINATE
               : checked_ ? BST_CHECKED
                          : BST_UNCHECKED,
               0);
}

TCheckBoxState TCheckBox::State() const {
  if (HandleAllocated()) {
    switch (SendMessageW(WindowHandle(), BM_GETCHECK, 0, 0)) {
      case BST_CHECKED:
        return TCheckBoxState::cbChecked;
      case BST_INDETERMINATE:
        return TCheckBoxState::cbGrayed;
      default:
        return TCheckBoxState::cbUnchecked;
    }
  }
  return grayed_    ? TCheckBoxState::cbGrayed
         : checked_ ? TCheckBoxState::cbChecked
                    : TCheckBoxState::cbUnchecked;
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == TCheckBoxState::cbGrayed) {
    grayed_ = true;
    checked_ = false;
    if (HandleAllocated()) {
      SendMessageW(WindowHandle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    }
    return;
  }
  SetChecked(state == TCheckBoxState::cbChecked);
}

void TCheckBox::SetChecked(bool checked) {
  grayed_ = false;
  TButtonControl::SetChecked(checked);
}

void TCheckBox::SetAllowGrayed(bool allow) {
  if (allow != allow_grayed_) {
    allow_grayed_ = allow;
    RecreateWnd();
  }
}

const ClassInfo& TRadioButton::StaticClass() {
  static const ClassInfo info("TRadioButton", &TButtonControl::StaticClass(), {});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.system_class = L"BUTTON";
  params.style |= BS_RADIOBUTTON;
}

void TRadioButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED && !Checked()) {
    SetChecked(true);  // unchecks the siblings and runs OnClick
    return;
  }
  TButtonControl::CommandNotify(code);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other != nullptr && other != this && other->Checked()) {
        other->TButtonControl::SetChecked(false);
      }
    }
  }
  TButtonControl::SetChecked(checked);
}

// --- TEdit and TMemo ---

const ClassInfo& TEdit::StaticClass() {
  static const ClassInfo info("TEdit", &TWinControl::StaticClass(),
                              PropertyListBuilder<TEdit>()
                                  .Boolean("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
                                  .String("Text", &TEdit::GetText, &TEdit::SetText)
                                  .Build());
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  Font().SetColor(clWindowText);
  tab_stop_ = true;
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"EDIT";
  params.style |= ES_AUTOHSCROLL | (read_only_ ? ES_READONLY : 0);
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TEdit::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), EM_SETREADONLY, read_only, 0);
  }
}

void TEdit::CommandNotify(WORD code) {
  if (code == EN_CHANGE && OnChange) {
    OnChange(this);
  }
}

const ClassInfo& TMemo::StaticClass() {
  static const ClassInfo info("TMemo", &TEdit::StaticClass(), {});
  return info;
}

TMemo::TMemo(TComponent* owner) : TEdit(owner) {
  SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  params.style = (params.style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
}

std::unique_ptr<TStringList> TMemo::Lines() const {
  auto lines = std::make_unique<TStringList>();
  lines->SetText(GetText());
  return lines;
}

void TMemo::SetLines(const TStrings& lines) {
  WideString text = lines.Text();
  if (text.size() >= 2) {
    text.resize(text.size() - 2);  // no line break after the last line
  }
  SetText(text);
}

// --- TListBox and TComboBox ---

const ClassInfo& TListBox::StaticClass() {
  static const ClassInfo info(
      "TListBox", &TWinControl::StaticClass(),
      PropertyListBuilder<TListBox>()
          .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
          .Object<TStrings>(
              "Items", [](const TListBox& l) { return static_cast<TStrings*>(l.items_.get()); })
          .Build());
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  Font().SetColor(clWindowText);
  tab_stop_ = true;
  items_->OnChange = [this](TObject*) { FillWindow(); };
}

TListBox::~TListBox() {
  items_->OnChange = nullptr;
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"LISTBOX";
  params.style |= LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWindowHandle() {
  FillWindow();
}

void TListBox::FillWindow() {
  if (item_index_ >= items_->Count()) {
    item_index_ = -1;
  }
  if (!HandleAllocated()) {
    return;
  }
  SendMessageW(WindowHandle(), ResetMessage(), 0, 0);
  for (int i = 0; i < items_->Count(); ++i) {
    const WideString line = items_->Get(i);
    SendMessageW(WindowHandle(), AddMessage(), 0, reinterpret_cast<LPARAM>(AsWin(line)));
  }
  SendMessageW(WindowHandle(), SetIndexMessage(), static_cast<WPARAM>(item_index_), 0);
}

int TListBox::ItemIndex() const {
  if (HandleAllocated()) {
    return static_cast<int>(SendMessageW(WindowHandle(), GetIndexMessage(), 0, 0));
  }
  return item_index_;
}

void TListBox::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < items_->Count() ? index : -1;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), SetIndexMessage(), static_cast<WPARAM>(item_index_), 0);
  }
}

void TListBox::CommandNotify(WORD code) {
  if (code == LBN_SELCHANGE) {
    item_index_ = ItemIndex();
    Click();
  }
}

const ClassInfo& TComboBox::StaticClass() {
  static const ClassInfo info("TComboBox", &TListBox::StaticClass(), {});
  return info;
}

TComboBox::TComboBox(TComponent* owner) : TListBox(owner) {
  SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"COMBOBOX";
  params.style |= CBS_DROPDOWNLIST | WS_VSCROLL;
  params.height = std::max(params.height, 200);  // room for the drop-down list
}

void TComboBox::CommandNotify(WORD code) {
  if (code == CBN_SELCHANGE) {
    item_index_ = ItemIndex();
    Click();
  }
}

}  // namespace kova
