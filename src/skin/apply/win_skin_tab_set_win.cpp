#include "skin/apply/win_skin_tab_set_win.h"

#include "base/win/handles_win.h"
#include "forms/classes/strings.h"
#include "forms/classes/typinfo.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_tab_paint.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr int kDefaultStartMargin = 5;

}  // namespace

const ClassInfo& TSkinTab31::StaticClass() {
  static const ClassInfo info("TSkinTab31", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinTab31::HasLook() const {
  return skin_data_ != nullptr && skin_data_->Tabs && !skin_data_->Tabs->Map.Empty();
}

std::vector<WideString> TSkinTab31::Texts() const {
  std::vector<WideString> texts;
  if (control_ == nullptr) {
    return texts;
  }
  const auto* list = dynamic_cast<const TStrings*>(GetObjectProp(*control_, "Tabs"));
  for (int i = 0; list != nullptr && i < list->Count(); ++i) {
    texts.push_back(list->Get(i));
  }
  return texts;
}

std::vector<RECT> TSkinTab31::TabRects() const {
  std::vector<RECT> rects;
  const std::vector<WideString> texts = Texts();
  if (texts.empty() || handle_ == nullptr) {
    return rects;
  }
  const UniqueMemoryDC measure(CreateCompatibleDC(nullptr));
  const ScopedSelectObject font(measure.Get(), ControlFont(handle_, control_));
  std::vector<int> widths;
  for (const WideString& text : texts) {
    SIZE size{};
    GetTextExtentPoint32W(measure.Get(), AsWin(text), static_cast<int>(text.size()), &size);
    widths.push_back(size.cx);
  }
  RECT client{};
  GetClientRect(handle_, &client);
  const auto margin = static_cast<int>(
      control_ != nullptr ? GetOrdProp(*control_, "StartMargin").value_or(kDefaultStartMargin)
                          : kDefaultStartMargin);
  for (const ImageRect& r : TabSetLayout(widths, margin, client.bottom)) {
    rects.push_back({r.left, r.top, r.right, r.bottom});
  }
  return rects;
}

bool TSkinTab31::BeforeProc(TMessage& message) {
  if (!HasLook()) {
    return TSkinControl::BeforeProc(message);
  }
  if (PaintEntirely(message)) {
    return false;
  }
  if (message.Msg == WM_LBUTTONDOWN && control_ != nullptr) {
    const POINT point{static_cast<short>(LOWORD(message.LParam)),
                      static_cast<short>(HIWORD(message.LParam))};
    const std::vector<RECT> tabs = TabRects();
    for (size_t i = 0; i < tabs.size(); ++i) {
      if (PtInRect(&tabs[i], point) != FALSE) {
        // Through the property, so the control runs its own change handling.
        SetOrdProp(*control_, "TabIndex", static_cast<int64_t>(i));
        Invalidate();
        message.Result = 0;
        return false;
      }
    }
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
  if (!HasLook()) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  TDibBitmap behind(width, height);
  RECT in_parent = rect_;
  MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&in_parent), 2);
  DrawParentImage(GetParent(handle_), behind.Canvas().Handle(), in_parent);
  TBitmap whole = behind.ToPixels();

  // The tabs hang below the pages above them, as bottom tabs do below their page.
  const TabStripLayout layout(width, height, {0, 0, width, 0}, TabPosition::kBottom);
  const std::vector<WideString> texts = Texts();
  const std::vector<RECT> tabs = TabRects();
  const int picked =
      control_ != nullptr ? static_cast<int>(GetOrdProp(*control_, "TabIndex").value_or(-1)) : -1;
  std::vector<TabItemPaint> paints;
  for (size_t i = 0; i < tabs.size(); ++i) {
    TabItemPaint paint;
    paint.rect = layout.ItemToBuffer({tabs[i].left, tabs[i].top, tabs[i].right, tabs[i].bottom});
    paint.frame = static_cast<int>(i) == picked ? kTabStateFocused : kTabStateNormal;
    paints.push_back(paint);
  }
  const TDataSkinObject& look = *skin_data_->Tabs;
  TBitmap strip = ComposeTabStrip(layout, look, paints);
  TDibBitmap strip_buffer;
  strip_buffer.AssignPixels(strip);
  if (HDC strip_dc = strip_buffer.Canvas().Handle()) {
    const ScopedSelectObject font(strip_dc, ControlFont(handle_, control_));
    SetBkMode(strip_dc, TRANSPARENT);
    for (size_t i = 0; i < paints.size(); ++i) {
      SetTextColor(strip_dc,
                   static_cast<COLORREF>(ResolveColor(TabTextColor(look, paints[i].frame))));
      RECT text{paints[i].rect.left, paints[i].rect.top, paints[i].rect.right,
                paints[i].rect.bottom};
      DrawTextW(strip_dc, AsWin(texts[i]), static_cast<int>(texts[i].size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    GdiFlush();
    strip = strip_buffer.ToPixels();
  }
  StretchCopy(whole, layout.Strip(), strip, {0, 0, strip.Width(), strip.Height()},
              /*transparent=*/true);
  TDibBitmap buffer;
  buffer.AssignPixels(whole);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
}

}  // namespace kova
