#include "resources/text_helpers_win.h"

#include <windows.h>

#include <algorithm>

#include "forms/classes/typinfo.h"
#include "base/win/handles_win.h"
#include "resources/html_wrap.h"

namespace kova {

namespace {

// The screen's device context with a font selected for measuring.
class ScreenTextContext {
 public:
  explicit ScreenTextContext(HFONT font) : dc_(nullptr), font_(dc_.Get(), font) {}

  int Width(const char16_t* text, int length) const {
    SIZE size{0, 0};
    if (!dc_ || !GetTextExtentPoint32W(dc_.Get(), AsWin(text), length, &size)) {
      return 0;
    }
    return size.cx;
  }

 private:
  ScopedGetDC dc_;
  ScopedSelectObject font_;
};

// Measures with the font itself, switching its style between regular and bold as the
// mark-up asks; the remembered style comes back on destruction.
class FontMeasure final : public TextMeasure {
 public:
  explicit FontMeasure(TFont& font) : font_(font), regular_(font.Style()) {
    bold_ = regular_;
    bold_.Include(TFontStyle::fsBold);
  }
  ~FontMeasure() override { font_.SetStyle(regular_); }
  FontMeasure(const FontMeasure&) = delete;
  FontMeasure& operator=(const FontMeasure&) = delete;

  int Width(std::u16string_view text, bool bold) override {
    const TFontStyles wanted = bold ? bold_ : regular_;
    if (font_.Style() != wanted) {
      font_.SetStyle(wanted);
    }
    const WideString copy(text);
    return TextWidth(font_, copy, static_cast<int>(copy.size()));
  }

 private:
  TFont& font_;
  TFontStyles regular_;
  TFontStyles bold_;
};

}  // namespace

int TextWidth(const TFont& font, const WideString& text, int length) {
  length = std::min(length, static_cast<int>(text.size()));
  if (length <= 0) {
    return 0;
  }
  ScreenTextContext context(font.Handle());
  return context.Width(text.c_str(), length);
}

WideString WrapHtml(TFont& font, int max_width, const WideString& markup, int& line_count) {
  const int margin = 4 * GetSystemMetrics(SM_CXBORDER);
  HtmlWrap wrapped;
  {
    FontMeasure measure(font);
    wrapped = WrapHtmlText(measure, max_width, margin, markup);
  }
  line_count = wrapped.line_count;
  return std::move(wrapped.text);
}

void SetClearTypeFonts(TComponent& form) {
  for (TComponent* component : form.Components()) {
    auto* font = static_cast<TFont*>(GetObjectProp(*component, "Font", &TFont::StaticClass()));
    if (font == nullptr || font->Size() < 9) {
      continue;
    }
    LOGFONTW description{};
    if (GetObjectW(font->Handle(), sizeof description, &description) != sizeof description) {
      continue;
    }
    description.lfQuality = CLEARTYPE_QUALITY;
    // The component's font takes ownership of the new handle.
    if (HFONT clear_type = CreateFontIndirectW(&description)) {
      font->SetHandle(clear_type);
    }
  }
}

}  // namespace kova
