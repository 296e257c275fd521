#include "skin/apply/win_skin_controls_win.h"

#include <algorithm>
#include <string>

#include "skin/apply/skin_messages.h"
#include "skin/data/skin_class_map.h"
#include "skin/apply/win_skin_box_win.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/apply/win_skin_check_box_win.h"
#include "skin/apply/win_skin_combo_box_win.h"
#include "skin/apply/win_skin_edit_win.h"
#include "skin/apply/win_skin_header_win.h"
#include "skin/apply/win_skin_list_view_win.h"
#include "skin/apply/win_skin_progress_win.h"
#include "skin/apply/win_skin_scrollbar_win.h"
#include "skin/apply/win_skin_sizer_win.h"
#include "skin/apply/win_skin_date_time_win.h"
#include "skin/apply/win_skin_status_bar_win.h"
#include "skin/apply/win_skin_tab_set_win.h"
#include "skin/apply/win_skin_tab_sheet_win.h"
#include "skin/apply/win_skin_tab_win.h"
#include "skin/apply/win_skin_track_bar_win.h"
#include "skin/apply/win_skin_up_down_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"

namespace kova {

namespace {

std::string NarrowClassName(HWND wnd) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(wnd, name, 256);
  std::string out;
  for (int i = 0; i < length; ++i) {
    out += name[i] < 0x80 ? static_cast<char>(name[i]) : '?';
  }
  return out;
}

bool AnswersSkinned(HWND wnd) {
  return SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1;
}

}  // namespace

TSkinControls::~TSkinControls() {
  DeleteControls();
}

std::unique_ptr<TSkinControl> TSkinControls::Make(SkinControlKind kind, bool plain_window) const {
  switch (kind) {
    case SkinControlKind::kButton:
      return std::make_unique<TSkinButton>(nullptr);
    case SkinControlKind::kCheckBox:
      return std::make_unique<TSkinCheckBox>(nullptr);
    case SkinControlKind::kRadioButton:
      return std::make_unique<TSkinRadioButton>(nullptr);
    case SkinControlKind::kScrollbar:
      return std::make_unique<TSkinScControl>(nullptr);
    case SkinControlKind::kNestedDialog:
      return std::make_unique<TSkinBoxH>(nullptr);
    case SkinControlKind::kSizer:
      return std::make_unique<TSkinSizer>(nullptr);
    case SkinControlKind::kEdit:
      return std::make_unique<TSkinEdit>(nullptr);
    case SkinControlKind::kProgress:
      return std::make_unique<TSkinProgress>(nullptr);
    case SkinControlKind::kTab:
      return std::make_unique<TSkinTab>(nullptr);
    case SkinControlKind::kTabControl: {
      auto tab = std::make_unique<TSkinTab>(nullptr);
      tab->SetTabControlMode();
      return tab;
    }
    case SkinControlKind::kTab31:
      return std::make_unique<TSkinTab31>(nullptr);
    case SkinControlKind::kTabButtons:
      return std::make_unique<TSkinTabBtn>(nullptr);
    case SkinControlKind::kAdvPage:
      return std::make_unique<TSkinAdvPage>(nullptr);
    case SkinControlKind::kTabSheet:
      return std::make_unique<TSkinTabSheet>(nullptr);
    case SkinControlKind::kTrackBar:
      return std::make_unique<TSkinTrackBar>(nullptr);
    case SkinControlKind::kUpDown:
      return std::make_unique<TSkinUpDown>(nullptr);
    case SkinControlKind::kStatusBar:
      return std::make_unique<TSkinStatusBar>(nullptr);
    case SkinControlKind::kDateTime:
      return std::make_unique<TSkinDateTime>(nullptr);
    case SkinControlKind::kScrollingControl:
      return std::make_unique<TSkinScrollbar>(nullptr);
    case SkinControlKind::kSingleScrollbar: {
      auto single = std::make_unique<TSkinScrollbar>(nullptr);
      single->SetSingleMode();
      return single;
    }
    case SkinControlKind::kPlainScrollbars:
      return std::make_unique<TSkinScrollbarH>(nullptr);
    case SkinControlKind::kListView:
      return std::make_unique<TSkinListView>(nullptr);
    case SkinControlKind::kHeader:
      return std::make_unique<TSkinHeader>(nullptr);
    case SkinControlKind::kComboBox:
      return std::make_unique<TSkinComBox>(nullptr);
    default:
      (void)plain_window;
      // The other families are not painted from the skin yet: those controls keep
      // their own look.
      return nullptr;
  }
}

void TSkinControls::InitHwndControls(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) != 0) {
      AddControlh(child);
    }
  }
}

TSkinControl* TSkinControls::AddControlh(HWND wnd) {
  if (wnd == nullptr || data_ == nullptr || Find(wnd) != nullptr || AnswersSkinned(wnd)) {
    return nullptr;
  }
  const auto style = static_cast<uint32_t>(GetWindowLongW(wnd, GWL_STYLE));
  std::unique_ptr<TSkinControl> made =
      Make(PlainControlKind(NarrowClassName(wnd), style, data_->SkinControls()), true);
  if (!made) {
    return nullptr;
  }
  TSkinControl* control = made.get();
  controls_.push_back(std::move(made));
  control->Inithwnd(wnd, data_, canvas_, this);
  return control;
}

void TSkinControls::InitChildCtrl(TWinControl* container) {
  if (container == nullptr) {
    return;
  }
  for (int i = 0; i < container->ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(container->Controls(i))) {
      if (AddComp(child) == nullptr) {
        InitChildCtrl(child);
      }
    }
  }
}

TSkinControl* TSkinControls::AddComp(TWinControl* control) {
  if (control == nullptr || data_ == nullptr || control->Parent() == nullptr) {
    return nullptr;
  }
  if (control->Tag() == data_->DisableTag()) {
    return nullptr;
  }
  if (Find(control) != nullptr ||
      (control->HandleAllocated() && AnswersSkinned(control->WindowHandle()))) {
    return nullptr;
  }
  // The skin's class map comes before the built-in rules.
  const std::optional<SkinControlKind> mapped = Skin3rdControlKind(
      FindSkin3rdKind(data_->Skin3rd(), Utf8ToWide(control->ClassName())), data_->SkinControls());
  const SkinControlKind kind =
      mapped.value_or(FrameworkControlKind(control->ClassName(), data_->SkinControls()));
  std::unique_ptr<TSkinControl> made = Make(kind, false);
  if (!made) {
    return nullptr;
  }
  control->Handle();  // a windowed control without a window gets one now
  TSkinControl* skin = made.get();
  controls_.push_back(std::move(made));
  skin->Init(this, control, data_, canvas_, false);
  return skin;
}

void TSkinControls::PurgeDestroyed() {
  std::vector<std::unique_ptr<TSkinControl>> destroyed;
  for (auto& control : controls_) {
    if (control->State() == SkinControlState::kDestroyed) {
      destroyed.push_back(std::move(control));
    }
  }
  std::erase(controls_, nullptr);
  destroyed.clear();  // frees them once the list no longer holds them
}

void TSkinControls::DeleteControls() {
  std::vector<std::unique_ptr<TSkinControl>> all = std::move(controls_);
  controls_.clear();
  for (auto& control : all) {
    if (control->State() != SkinControlState::kDestroyed) {
      control->Unsubclass();
    }
  }
  all.clear();
}

void TSkinControls::SkinChange() {
  for (const auto& control : controls_) {
    if (control && control->State() != SkinControlState::kDestroyed) {
      control->SkinChange();
    }
  }
}

TSkinControl* TSkinControls::Find(HWND wnd) const {
  for (const auto& control : controls_) {
    if (control && control->Handle() == wnd && control->State() != SkinControlState::kDestroyed) {
      return control.get();
    }
  }
  return nullptr;
}

TSkinControl* TSkinControls::Find(const TWinControl* control) const {
  for (const auto& skin : controls_) {
    if (skin && skin->Control() == control && skin->State() != SkinControlState::kDestroyed) {
      return skin.get();
    }
  }
  return nullptr;
}

void TSkinControls::Forget(TSkinControl* control) {
  for (auto& entry : controls_) {
    if (entry.get() == control) {
      (void)entry.release();  // being freed by its other owner
    }
  }
  std::erase(controls_, nullptr);
}

}  // namespace kova
