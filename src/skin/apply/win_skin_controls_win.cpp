#include "skin/apply/win_skin_controls_win.h"

#include <algorithm>
#include <string>

#include "forms/classes/collection.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/skin_properties.h"
#include "skin/apply/win_skin_bit_button_win.h"
#include "skin/apply/win_skin_box_win.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/apply/win_skin_check_box_win.h"
#include "skin/apply/win_skin_combo_box_win.h"
#include "skin/apply/win_skin_edit_win.h"
#include "skin/apply/win_skin_form_win.h"
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
#include "skin/apply/win_skin_group_box_win.h"
#include "skin/apply/win_skin_obj_image_win.h"
#include "skin/data/skin_class_map.h"
#include "skin/data/system_colors.h"

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

uint32_t WindowStyle(const TControl* control) {
  const auto* win = dynamic_cast<const TWinControl*>(control);
  return win != nullptr && win->HandleAllocated()
             ? static_cast<uint32_t>(GetWindowLongW(win->WindowHandle(), GWL_STYLE))
             : 0;
}

// The windowed descendants of a container in tab order, each followed by its own.
void AppendTabOrder(TWinControl* container, std::vector<TWinControl*>& out) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(container->Controls(i))) {
      out.push_back(child);
      AppendTabOrder(child, out);
    }
  }
}

}  // namespace

TSkinControls::~TSkinControls() {
  DeleteControls();
}

MatchContext TSkinControls::Context() const {
  MatchContext context;
  if (data_ != nullptr) {
    context.families = data_->SkinControls();
    const TDataSkinObject* tabs = data_->FindObject("Tabs");
    context.skin_has_tabs = tabs != nullptr && !tabs->Map.Empty();
  }
  context.frame_skinned = frame_skinned_;
  return context;
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
    case SkinControlKind::kToolbar:
      return std::make_unique<TSkinBoxH>(nullptr);
    case SkinControlKind::kBox:
      return std::make_unique<TSkinBox>(nullptr);
    case SkinControlKind::kGroupBox:
      return std::make_unique<TSkinGroupBox>(nullptr);
    case SkinControlKind::kBitButton:
    case SkinControlKind::kPngBitButton: {
      auto made = std::make_unique<TSkinBitButton>(nullptr);
      made->SetPngGlyph(kind == SkinControlKind::kPngBitButton);
      return made;
    }
    case SkinControlKind::kSpeedButton:
    case SkinControlKind::kPngSpeedButton: {
      auto made = std::make_unique<TSkinSpeedButton>(nullptr);
      made->SetPngGlyph(kind == SkinControlKind::kPngSpeedButton);
      return made;
    }
    case SkinControlKind::kMenuButton:
      return std::make_unique<TSkinMenuButton>(nullptr);
    case SkinControlKind::kObjImageCheck:
      return std::make_unique<TSkinObjImage>(nullptr, 1);
    case SkinControlKind::kObjImageRadio:
      return std::make_unique<TSkinObjImage>(nullptr, 2);
    case SkinControlKind::kObjImageCheck3:
      return std::make_unique<TSkinObjImage>(nullptr, 3);
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
  const SkinControlKind kind = PlainControlKind(NarrowClassName(wnd), style, data_->SkinControls());
  if (kind == SkinControlKind::kFormColor) {
    if (TControl* behind = FindControl(wnd)) {
      behind->SetColor(data_->Color(TShemeColor::csButtonFace));
    }
    return nullptr;
  }
  std::unique_ptr<TSkinControl> made = Make(kind, true);
  if (!made) {
    return nullptr;
  }
  TSkinControl* control = made.get();
  controls_.push_back(std::move(made));
  control->Inithwnd(wnd, data_, canvas_, this);
  return control;
}

void TSkinControls::InitControls(TWinControl* form) {
  if (form == nullptr) {
    return;
  }
  PurgeDestroyed();
  // A copy: matching may make components (a rule never frees any).
  const std::vector<TComponent*> components = form->Components();
  for (TComponent* component : components) {
    if (auto* control = dynamic_cast<TControl*>(component)) {
      AddComp(control);
    }
  }
  // The form's popup menus are drawn by the skin as well.
  auto* entry = dynamic_cast<TWinSkinForm*>(entry_);
  if (entry != nullptr && data_->SkinControls().Has(TSkinControlType::xcPopupMenu)) {
    entry->InitPopMenu(form, data_, true);
  }
  // Controls the form does not own (made by other controls, or with no owner).
  std::vector<TWinControl*> tab_order;
  AppendTabOrder(form, tab_order);
  for (TWinControl* control : tab_order) {
    if (!Skinned(control)) {
      AddComp(control);
    }
  }
}

void TSkinControls::InitChildCtrl(TWinControl* container) {
  if (container == nullptr) {
    return;
  }
  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) {
    children.push_back(container->Controls(i));
  }
  for (TControl* child : children) {
    AddComp(child);
  }
}

void TSkinControls::InitControlA(TComponent* container) {
  if (container == nullptr) {
    return;
  }
  const std::vector<TComponent*> components = container->Components();
  for (TComponent* component : components) {
    if (auto* control = dynamic_cast<TControl*>(component)) {
      AddComp(control);
    }
  }
}

bool TSkinControls::Skinned(const TControl* control) const {
  if (Find(control) != nullptr) {
    return true;
  }
  const auto* win = dynamic_cast<const TWinControl*>(control);
  return win != nullptr && win->HandleAllocated() && AnswersSkinned(win->WindowHandle());
}

TSkinControl* TSkinControls::AddComp(TControl* control) {
  // A control that is not placed anywhere has nothing to paint on.
  if (control == nullptr || data_ == nullptr || control->Parent() == nullptr) {
    return nullptr;
  }
  const std::string_view class_name = control->ClassName();
  if (control->Tag() == data_->DisableTag()) {
    auto* group = dynamic_cast<TWinControl*>(control);
    if (group != nullptr && PassesDisableTag(class_name)) {
      for (int i = 0; i < group->ControlCount(); ++i) {
        group->Controls(i)->SetTag(control->Tag());
      }
    }
    return nullptr;
  }
  if (Skinned(control)) {
    return nullptr;
  }
  auto* win = dynamic_cast<TWinControl*>(control);
  if (win != nullptr) {
    win->Handle();  // a windowed control without a window gets one now
  }
  WideString upper = Latin1ToWide(class_name);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') {
      c = static_cast<char16_t>(c - u'a' + u'A');
    }
  }
  if (data_->OnSkinControl) {
    if (TSkinControl* chosen = AskOnSkinControl(control, upper)) {
      return chosen;
    }
  }
  const MatchContext context = Context();
  const std::optional<ControlMatch> mapped = Find3rdControl(
      FindSkin3rdKind(data_->Skin3rd(), Latin1ToWide(class_name)), class_name, *control, context);
  if (mapped.has_value()) {
    return Apply(control, *mapped);
  }
  if (NeverSkinnedClass(class_name)) {
    return nullptr;
  }
  return Apply(control,
               MatchFrameworkControl(*control, win != nullptr, WindowStyle(control), context));
}

TSkinControl* TSkinControls::AskOnSkinControl(TControl* control, const WideString& class_name) {
  std::unique_ptr<TComponent> result;
  data_->OnSkinControl(data_, entry_, control, class_name, result);
  if (dynamic_cast<TSkinControl*>(result.get()) == nullptr) {
    return nullptr;  // nothing, or not a skinning object: the rules decide
  }
  std::unique_ptr<TSkinControl> chosen(static_cast<TSkinControl*>(result.release()));
  TSkinControl* skin = chosen.get();
  controls_.push_back(std::move(chosen));
  auto* win = dynamic_cast<TWinControl*>(control);
  if (auto* graphic = dynamic_cast<TGraphicControl*>(control)) {
    skin->InitGraphic(this, graphic, data_, canvas_);
  } else if (win != nullptr) {
    skin->Init(this, win, data_, canvas_, skin->SetColor());
  }
  if (win != nullptr &&
      (InheritsFromName(*control, "TCustomPanel") || InheritsFromName(*control, "TPanel"))) {
    InitChildCtrl(win);
  }
  return skin;
}

TSkinControl* TSkinControls::Attach(TControl* control, SkinControlKind kind, bool set_color,
                                    bool plain_window) {
  std::unique_ptr<TSkinControl> made = Make(kind, plain_window);
  if (!made) {
    return nullptr;
  }
  TSkinControl* skin = made.get();
  if (auto* graphic = dynamic_cast<TGraphicControl*>(control)) {
    controls_.push_back(std::move(made));
    skin->InitGraphic(this, graphic, data_, canvas_);
    return skin;
  }
  auto* win = dynamic_cast<TWinControl*>(control);
  if (win == nullptr) {
    return nullptr;
  }
  HWND wnd = win->Handle();
  controls_.push_back(std::move(made));
  if (plain_window) {
    skin->Inithwnd(wnd, data_, canvas_, this);
  } else {
    skin->Init(this, win, data_, canvas_, set_color);
  }
  return skin;
}

void TSkinControls::MatchChildren(TWinControl* container, ChildrenStep step) {
  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) {
    children.push_back(container->Controls(i));
  }
  for (TControl* child : children) {
    if (child->Tag() == data_->DisableTag() || Skinned(child)) {
      continue;
    }
    const bool windowed = dynamic_cast<TWinControl*>(child) != nullptr;
    if (windowed) {
      static_cast<TWinControl*>(child)->Handle();
    }
    Attach(child, GroupItemKind(step, *child, windowed, WindowStyle(child)), false, false);
  }
}

void TSkinControls::Extra(TControl* control, MatchExtra extra) {
  switch (extra) {
    case MatchExtra::kToolBar:
      SetProperty(control, "Flat", u"True");
      // The tool bar's menu is drawn by the skin.
      if (auto* entry = dynamic_cast<TWinSkinForm*>(entry_)) {
        if (auto* menu = dynamic_cast<TMenu*>(GetObjProp(control, "Menu", &TMenu::StaticClass()))) {
          entry->InitToolbarMenu(menu->Items(), data_);
        }
      }
      break;
    case MatchExtra::kCoolBarBands:
      if (auto* bands = dynamic_cast<TCollection*>(GetObjProp(control, "Bands"))) {
        const WideString color =
            Latin1ToWide(std::to_string(data_->Color(TShemeColor::csButtonFace)));
        for (int i = 0; i < bands->Count(); ++i) {
          SetProperty(bands->Items(i), "Color", color);
        }
      }
      break;
    case MatchExtra::kToolButtonMenu:
      // The button's drop-down menu is drawn by the skin.
      if (auto* entry = dynamic_cast<TWinSkinForm*>(entry_)) {
        if (auto* menu = dynamic_cast<TPopupMenu*>(
                GetObjProp(control, "DropdownMenu", &TPopupMenu::StaticClass()))) {
          entry->InitToolbarMenu(menu->Items(), data_);
        }
      }
      break;
    case MatchExtra::kNone:
      break;
  }
}

TSkinControl* TSkinControls::Apply(TControl* control, const ControlMatch& match) {
  auto* win = dynamic_cast<TWinControl*>(control);
  switch (match.children) {
    case ChildrenStep::kMatchBefore:
      InitChildCtrl(win);
      break;
    case ChildrenStep::kRadioButtons:
    case ChildrenStep::kRadioItems:
    case ChildrenStep::kCheckItems:
      if (win != nullptr) {
        MatchChildren(win, match.children);
      }
      break;
    default:
      break;
  }
  Extra(control, match.extra);
  TSkinControl* skin = Attach(control, match.kind, match.set_color, match.plain_window);
  switch (match.children) {
    case ChildrenStep::kMatchAfter:
      InitChildCtrl(win);
      break;
    case ChildrenStep::kEmbedScrollbars:
      if (win != nullptr) {
        MatchChildren(win, match.children);
      }
      break;
    case ChildrenStep::kComponents:
      InitControlA(control);
      break;
    default:
      break;
  }
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
    if (control && control->Handle() == wnd && wnd != nullptr &&
        control->State() != SkinControlState::kDestroyed) {
      return control.get();
    }
  }
  return nullptr;
}

TSkinControl* TSkinControls::Find(const TControl* control) const {
  for (const auto& skin : controls_) {
    if (skin && control != nullptr &&
        (skin->Control() == control || skin->GraphicControl() == control) &&
        skin->State() != SkinControlState::kDestroyed) {
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
