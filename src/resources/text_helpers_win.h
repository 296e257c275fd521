// Text measuring, mark-up wrapping and ClearType fonts for the dialogs.
#pragma once

#include "forms/classes/component.h"
#include "base/text.h"
#include "forms/graphics/font_win.h"

namespace kova {

// Width in pixels of the first `length` characters of text in font, measured on the
// screen's device context; 0 for an empty text. A length beyond the text measures the
// whole text.
int TextWidth(const TFont& font, const WideString& text, int length);

// Inserts "<BR />" breaks into markup so that each line fits max_width pixels in font
// (bold runs measured in bold), less a margin of four border widths. Sets line_count
// (0 for an empty text). The font's style is the same afterwards.
WideString WrapHtml(TFont& font, int max_width, const WideString& markup, int& line_count);

// Gives every component directly owned by form whose published Font is 9 points or more
// a ClearType font of the same description; smaller fonts stay as they are.
void SetClearTypeFonts(TComponent& form);

}  // namespace kova
