// A control whose window was made again gets a fresh scroll-bar object: the old one
// covered the bars of a window that is gone.
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_list_view_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"

namespace kova {

TSkinControl* TSkinControls::AddControlList(std::unique_ptr<TSkinControl> control) {
  if (!control) {
    return nullptr;
  }
  for (const auto& listed : controls_) {
    if (listed.get() == control.get()) {
      return listed.get();
    }
  }
  controls_.push_back(std::move(control));
  return controls_.back().get();
}

void TSkinControls::ReCreateWnd(HWND wnd) {
  if (wnd == nullptr) {
    return;
  }
  // The object of the window, or of the framework control that has the window now; a
  // live one before one whose window was destroyed.
  auto found = controls_.end();
  for (auto it = controls_.begin(); it != controls_.end(); ++it) {
    const TSkinControl* object = it->get();
    const bool same = object->Handle() == wnd ||
                      (object->Control() != nullptr && object->Control()->WindowHandle() == wnd);
    if (same && dynamic_cast<const TSkinScrollbar*>(object) != nullptr &&
        (found == controls_.end() || object->State() != SkinControlState::kDestroyed)) {
      found = it;
    }
  }
  if (found == controls_.end()) {
    return;
  }
  std::unique_ptr<TSkinControl> old = std::move(*found);
  controls_.erase(found);
  TWinControl* control = old->Control();
  const bool plain = old->IsHwnd();
  const int mode = old->Mode();
  std::unique_ptr<TSkinControl> made;
  if (dynamic_cast<const TSkinListView*>(old.get()) != nullptr) {
    made = std::make_unique<TSkinListView>(nullptr);
  } else {
    auto bars = std::make_unique<TSkinScrollbar>(nullptr);
    if (mode == 1) {
      bars->SetSingleMode();
    }
    made = std::move(bars);
  }
  // The old object lets go of the window first, so the new one follows the control's own
  // procedure and not the old object's.
  if (old->State() != SkinControlState::kDestroyed) {
    old->Unsubclass();
  }
  old.reset();
  TSkinControl* fresh = AddControlList(std::move(made));
  if (plain) {
    fresh->Inithwnd(wnd, data_, canvas_, this);
  } else {
    fresh->Init(this, control, data_, canvas_, false);
  }
}

}  // namespace kova
