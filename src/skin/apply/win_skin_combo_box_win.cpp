#include "skin/apply/win_skin_combo_box_win.h"

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/combo_header_paint.h"
#include "skin/apply/push_button_state.h"
#include "skin/data/skin_system_win.h"

namespace kova {

namespace {

// The item area and the button of a combo box, in its client coordinates. Without the
// system's answer the button is a scroll-bar's width at the right inside a 2-pixel edge.
bool ComboParts(HWND combo, COMBOBOXINFO& info) {
  info = {};
  info.cbSize = sizeof(info);
  if (pGetComboBoxInfo != nullptr && pGetComboBoxInfo(combo, &info) != FALSE) {
    return true;
  }
  RECT client{};
  GetClientRect(combo, &client);
  info.rcButton = {client.right - 2 - GetSystemMetrics(SM_CXVSCROLL), 2, client.right - 2,
                   client.bottom - 2};
  info.rcItem = {2, 2, info.rcButton.left, client.bottom - 2};
  return false;
}

}  // namespace

const ClassInfo& TSkinComBox::StaticClass() {
  static const ClassInfo info("TSkinComBox", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinComBox::Unsubclass() {
  if (drop_list_ && drop_list_->State() != SkinControlState::kDestroyed) {
    drop_list_->Unsubclass();
  }
  drop_list_.reset();
  TSkinControl::Unsubclass();
}

bool TSkinComBox::Dropped() const {
  return SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

int TSkinComBox::ButtonFrame() const {
  const PushButtonState state{hot_, Dropped()};
  return PushButtonFrame(state, PushButtonLook{IsWindowEnabled(handle_) != FALSE, false, false});
}

void TSkinComBox::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        DoTrackMouse(handle_);
        Repaint();
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case CB_SHOWDROPDOWN:
    case WM_CAPTURECHANGED:
      if (Dropped()) {
        SkinDropList();
      }
      Repaint();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinComBox::SkinDropList() {
  if (drop_list_ && drop_list_->State() != SkinControlState::kDestroyed) {
    return;
  }
  COMBOBOXINFO info{};
  if (!ComboParts(handle_, info) || info.hwndList == nullptr) {
    return;
  }
  drop_list_.reset();
  auto made = std::make_unique<TComboxScrollBar>(nullptr);
  // Not listed: the combo box's object owns it and releases it with itself.
  made->Inithwnd(info.hwndList, skin_data_, canvas_, nullptr);
  drop_list_ = std::move(made);
}

void TSkinComBox::Repaint() {
  PaintControl(nullptr);
}

void TSkinComBox::DrawControl(HDC dc, const RECT&) {
  if (dc == nullptr || skin_data_ == nullptr || !skin_data_->ComboButton ||
      skin_data_->ComboButton->Map.Empty()) {
    return;
  }
  RECT client{};
  GetClientRect(handle_, &client);
  const int width = client.right;
  const int height = client.bottom;
  COMBOBOXINFO parts{};
  ComboParts(handle_, parts);
  // A simple combo box shows its list all the time and has no button to paint.
  if (width <= 0 || height <= 0 || IsRectEmpty(&parts.rcButton)) {
    return;
  }
  // The skin goes over what the control drew: its item area shows through.
  TDibBitmap shown(width, height);
  HDC shown_dc = shown.Canvas().Handle();
  if (shown_dc == nullptr) {
    return;
  }
  BitBlt(shown_dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  TBitmap pixels = shown.ToPixels();
  ComboBoxLook look;
  look.frame = ButtonFrame();
  look.button = {parts.rcButton.left, parts.rcButton.top, parts.rcButton.right,
                 parts.rcButton.bottom};
  look.button_left = parts.rcButton.left < parts.rcItem.left;
  if (!ComposeComboBox(pixels, *skin_data_, look)) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, 0, 0, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
}

void TSkinComBox::SkinChange() {
  TSkinControl::SkinChange();
  if (drop_list_ && drop_list_->State() != SkinControlState::kDestroyed) {
    drop_list_->SkinChange();
  }
}

}  // namespace kova
