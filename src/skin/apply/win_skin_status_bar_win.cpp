#include "skin/apply/win_skin_status_bar_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_draw.h"
#include "skin/apply/skin_status_bar_paint.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

// The status bar's index of its single panel in simple mode.
constexpr int kSimplePanel = SB_SIMPLEID;

struct Panel {
  int index = 0;
  RECT rect{};
  WideString text;
  int type = 0;  // SBT_ bits
};

StatusPanelEdge EdgeOf(int type) {
  if ((type & SBT_NOBORDERS) != 0) {
    return StatusPanelEdge::kNone;
  }
  return (type & SBT_POPOUT) != 0 ? StatusPanelEdge::kRaised : StatusPanelEdge::kSunken;
}

Panel ReadPanel(HWND wnd, int index, const RECT& rect) {
  Panel panel;
  panel.index = index;
  panel.rect = rect;
  const auto info = static_cast<DWORD>(SendMessageW(wnd, SB_GETTEXTLENGTHW, index, 0));
  panel.type = HIWORD(info);
  if ((panel.type & SBT_OWNERDRAW) == 0) {
    std::vector<wchar_t> text(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
    SendMessageW(wnd, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    panel.text = WideFromWin(text.data());
  }
  return panel;
}

std::vector<Panel> ReadPanels(HWND wnd) {
  std::vector<Panel> panels;
  RECT client{};
  GetClientRect(wnd, &client);
  if (SendMessageW(wnd, SB_ISSIMPLE, 0, 0) != 0) {
    // Some bars keep the simple text under the first index only.
    const bool own_index = SendMessageW(wnd, SB_GETTEXTLENGTHW, kSimplePanel, 0) != 0;
    panels.push_back(ReadPanel(wnd, own_index ? kSimplePanel : 0, client));
    return panels;
  }
  const auto count = static_cast<int>(SendMessageW(wnd, SB_GETPARTS, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT rect{};
    if (SendMessageW(wnd, SB_GETRECT, i, reinterpret_cast<LPARAM>(&rect)) != 0) {
      panels.push_back(ReadPanel(wnd, i, rect));
    }
  }
  return panels;
}

// A panel's text: a leading tab centres it, two right-align it.
void DrawPanelText(HDC dc, const RECT& area, const WideString& text) {
  size_t tabs = 0;
  while (tabs < text.size() && tabs < 2 && text[tabs] == u'\t') {
    ++tabs;
  }
  const UINT align = tabs == 0 ? DT_LEFT : (tabs == 1 ? DT_CENTER : DT_RIGHT);
  RECT r = area;
  DrawTextW(dc, AsWin(text) + tabs, static_cast<int>(text.size() - tabs), &r,
            align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Three diagonal ridges in the bottom right corner, each a dark line under a light one.
void DrawGrip(TBitmap& pixels, int size, TColor light, TColor shadow) {
  const int width = pixels.Width();
  const int height = pixels.Height();
  for (int ridge = 0; ridge < 3; ++ridge) {
    const int start = size - 4 * (ridge + 1);
    for (int i = std::max(start, 0); i < size; ++i) {
      const int x = width - size + i;
      const int y = height - 1 - (i - start);
      for (const auto& [row, color] : {std::pair{y, shadow}, std::pair{y - 1, light}}) {
        if (x >= 0 && row >= 0 && row < height) {
          pixels.SetPixel(x, row, color);
        }
      }
    }
  }
}

}  // namespace

const ClassInfo& TSkinStatusBar::StaticClass() {
  static const ClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinStatusBar::HasEdges() const {
  return skin_data_ != nullptr && skin_data_->StatusBarEdges &&
         !skin_data_->StatusBarEdges->Map.Empty();
}

bool TSkinStatusBar::BeforeProc(TMessage& message) {
  if (HasEdges() && PaintEntirely(message)) {
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  if (!HasEdges()) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const std::vector<Panel> panels = ReadPanels(handle_);
  std::vector<StatusPanelLook> looks;
  for (const Panel& panel : panels) {
    looks.push_back({{panel.rect.left, panel.rect.top, panel.rect.right, panel.rect.bottom},
                     EdgeOf(panel.type)});
  }
  const TColor form = ResolveColor(skin_data_->Color(TShemeColor::csButtonFace));
  TBitmap pixels(width, height);
  if (!ComposeStatusBar(pixels, *skin_data_, looks, form)) {
    return;
  }
  if ((GetWindowLongW(handle_, GWL_STYLE) & SBARS_SIZEGRIP) != 0) {
    DrawGrip(pixels, std::min(height, GetSystemMetrics(SM_CXVSCROLL)),
             ResolveColor(skin_data_->Color(TShemeColor::csButtonHilight)),
             ResolveColor(skin_data_->Color(TShemeColor::csButtonDkshadow)));
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  const ScopedSelectObject font(buffer_dc, ControlFont(handle_, control_));
  SetBkMode(buffer_dc, TRANSPARENT);
  SetTextColor(buffer_dc,
               static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csText))));
  const TDataSkinObject& edges = *skin_data_->StatusBarEdges;
  for (const Panel& panel : panels) {
    const ImageRect area = StatusPanelTextRect(
        edges, {panel.rect.left, panel.rect.top, panel.rect.right, panel.rect.bottom});
    const RECT text_rect{area.left, area.top, area.right, area.bottom};
    if ((panel.type & SBT_OWNERDRAW) == 0) {
      DrawPanelText(buffer_dc, text_rect, panel.text);
      continue;
    }
    // The owner draws its panel onto the skin, as it would onto the bar's own.
    DRAWITEMSTRUCT item{};
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(handle_));
    item.itemID = static_cast<UINT>(panel.index);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = handle_;
    item.hDC = buffer_dc;
    item.rcItem = text_rect;
    item.itemData = static_cast<ULONG_PTR>(SendMessageW(handle_, SB_GETTEXTW, panel.index, 0));
    SendMessageW(GetParent(handle_), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

}  // namespace kova
