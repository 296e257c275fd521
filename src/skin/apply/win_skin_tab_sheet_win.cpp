#include "skin/apply/win_skin_tab_sheet_win.h"

#include "skin/data/system_colors.h"

namespace kova {

const ClassInfo& TSkinTabSheet::StaticClass() {
  static const ClassInfo info("TSkinTabSheet", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinTabSheet::Init(TSkinControls* list, TWinControl* control, TSkinData* data,
                         TCanvas* canvas, bool /*set_color*/) {
  // A framework page paints itself in its own colour: the skin's form colour replaces it
  // while skinned.
  TSkinControl::Init(list, control, data, canvas, /*set_color=*/true);
  MakeBrush();
}

void TSkinTabSheet::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  skin_data_ = data;
  MakeBrush();
  TSkinControl::Inithwnd(wnd, data, canvas, list);
}

void TSkinTabSheet::MakeBrush() {
  if (skin_data_ != nullptr) {
    brush_.Reset(CreateSolidBrush(
        static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonFace)))));
  }
}

bool TSkinTabSheet::BeforeProc(TMessage& message) {
  if (!brush_) {
    return TSkinControl::BeforeProc(message);
  }
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(handle_, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush_.Get());
      message.Result = 1;
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      if (!is_hwnd_) {
        break;  // a framework page answers its children itself, in its own colour
      }
      {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetBkColor(
            dc, static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonFace))));
        SetTextColor(dc,
                     static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csText))));
        message.Result = reinterpret_cast<LRESULT>(brush_.Get());
        return false;
      }
    default:
      break;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTabSheet::SkinChange() {
  MakeBrush();
  TSkinControl::SkinChange();
}

}  // namespace kova
