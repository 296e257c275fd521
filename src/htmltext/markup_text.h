// Text operations on the mark-up that need no canvas: stripping tags, joining label
// lines, replacing entities and reading tag attributes.
#pragma once

#include <optional>

#include "base/text.h"

namespace kova {

// ASCII upper-case of one UTF-16 unit.
constexpr char16_t UpperAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? c - 32 : c;
}

// Position of |needle| in |haystack| from |from| on, ignoring ASCII case; npos if absent.
size_t UpperCaseFind(WideStringView haystack, WideStringView needle, size_t from = 0);

// The plain text of |markup|: "<BR>" and "<HR>" become CR LF, "<Z>"…"</Z>" sections go
// with their content, every other tag is removed.
WideString HTMLStrip(WideStringView markup);

// Used when a label joins its lines: CR becomes "<BR>" when |cr_to_break| is set and is
// dropped otherwise; LF is dropped; everything else is copied.
WideString ConvertLineBreaks(WideStringView text, bool cr_to_break);

// Replaces the character entities ("&amp;", "&nbsp;", "&euro;", ...) of a text run.
// Unknown entities and lone ampersands stay as they are.
WideString ReplaceEntities(WideStringView run);

// Attribute access inside one tag ("<FONT FACE=\"Tahoma\" SIZE=3>"). Names are found
// as case-insensitive substrings, as the mark-up has always been read.
std::optional<WideString> TagAttribute(WideStringView tag, WideStringView name);
// The unsigned number after the first |letter| (either case) and the "=" that follows
// it, searched after the tag's name; 0 when there is none. Large values are clamped.
int TagNumberAfter(WideStringView tag, char16_t letter);
// The text between the first pair of double quotes; empty when there is none.
WideString TagQuotedText(WideStringView tag);
// Leading decimal digits of |value| (after an optional quote); 0 when there are none.
int ParseTagNumber(WideStringView value);

inline constexpr int kMaxTagNumber = 100000;

}  // namespace kova
