#include "htmltext/markup_text.h"

#include <algorithm>

namespace kova {

namespace {

bool StartsWithUpper(WideStringView text, size_t at, WideStringView prefix) {
  if (text.size() - at < prefix.size())
    return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (UpperAscii(text[at + i]) != prefix[i])
      return false;
  }
  return true;
}

bool IsAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A tag named exactly |name| at |at|: "<BR>", "<br/>", "<Br class=x>" but not "<BRX>".
bool IsTagNamed(WideStringView text, size_t at, WideStringView name) {
  if (text[at] != u'<' || !StartsWithUpper(text, at + 1, name))
    return false;
  size_t next = at + 1 + name.size();
  return next < text.size() && !IsAsciiLetter(text[next]);
}

struct Entity {
  const char16_t* name;  // without '&' and ';'
  char16_t replacement;
};

constexpr Entity kEntities[] = {
    {u"nbsp", u' '},      {u"lt", u'<'},        {u"gt", u'>'},          {u"amp", u'&'},
    {u"quot", u'"'},      {u"sect", u'\u00A7'}, {u"permil", u'\u2030'}, {u"reg", u'\u00AE'},
    {u"copy", u'\u00A9'}, {u"para", u'\u00B6'}, {u"trade", u'\u2122'},  {u"euro", u'\u20AC'},
};

}  // namespace

size_t UpperCaseFind(WideStringView haystack, WideStringView needle, size_t from) {
  if (needle.size() > haystack.size())
    return WideStringView::npos;
  for (size_t i = from; i + needle.size() <= haystack.size(); ++i) {
    size_t k = 0;
    while (k < needle.size() && UpperAscii(haystack[i + k]) == UpperAscii(needle[k]))
      ++k;
    if (k == needle.size())
      return i;
  }
  return WideStringView::npos;
}

WideString HTMLStrip(WideStringView markup) {
  WideString out;
  out.reserve(markup.size());
  size_t i = 0;
  while (i < markup.size()) {
    char16_t c = markup[i];
    if (c != u'<') {
      out.push_back(c);
      ++i;
      continue;
    }
    if (markup.substr(i, 3) == u"<Z>" || markup.substr(i, 3) == u"<z>") {
      // Hidden section: skip to the matching close tag of either case, or to the end.
      size_t end = WideStringView::npos;
      for (size_t k = i + 3; k + 4 <= markup.size(); ++k) {
        WideStringView close = markup.substr(k, 4);
        if (close == u"</Z>" || close == u"</z>") {
          end = k + 4;
          break;
        }
      }
      i = end == WideStringView::npos ? markup.size() : end;
      continue;
    }
    if (IsTagNamed(markup, i, u"BR") || IsTagNamed(markup, i, u"HR"))
      out += u"\r\n";
    size_t close = markup.find(u'>', i);
    i = close == WideStringView::npos ? markup.size() : close + 1;
  }
  return out;
}

WideString ConvertLineBreaks(WideStringView text, bool cr_to_break) {
  WideString out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\r') {
      if (cr_to_break)
        out += u"<BR>";
    } else if (c != u'\n') {
      out.push_back(c);
    }
  }
  return out;
}

WideString ReplaceEntities(WideStringView run) {
  if (run.find(u'&') == WideStringView::npos)
    return WideString(run);
  WideString out;
  out.reserve(run.size());
  size_t i = 0;
  while (i < run.size()) {
    if (run[i] == u'&') {
      size_t semi = run.find(u';', i + 1);
      // Entity names are short; a far-away ';' belongs to something else.
      if (semi != WideStringView::npos && semi - i <= 8) {
        WideStringView name = run.substr(i + 1, semi - i - 1);
        const Entity* match = nullptr;
        for (const auto& e : kEntities) {
          if (name == e.name) {
            match = &e;
            break;
          }
        }
        if (match) {
          out.push_back(match->replacement);
          i = semi + 1;
          continue;
        }
      }
    }
    out.push_back(run[i]);
    ++i;
  }
  return out;
}

std::optional<WideString> TagAttribute(WideStringView tag, WideStringView name) {
  // The first occurrence followed by "=" wins, so "BGCOLOR" is not taken from an earlier
  // "BGCOLORTO=" and a name inside another attribute's value is usually passed over.
  for (size_t at = UpperCaseFind(tag, name); at != WideStringView::npos;
       at = UpperCaseFind(tag, name, at + 1)) {
    size_t i = at + name.size();
    while (i < tag.size() && tag[i] == u' ')
      ++i;
    if (i >= tag.size() || tag[i] != u'=')
      continue;
    ++i;
    while (i < tag.size() && tag[i] == u' ')
      ++i;
    if (i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'')) {
      char16_t quote = tag[i++];
      size_t end = tag.find(quote, i);
      if (end == WideStringView::npos)
        end = tag.size();
      return WideString(tag.substr(i, end - i));
    }
    size_t end = i;
    while (end < tag.size() && tag[end] != u' ' && tag[end] != u'>')
      ++end;
    return WideString(tag.substr(i, end - i));
  }
  return std::nullopt;
}

int ParseTagNumber(WideStringView value) {
  size_t i = 0;
  while (i < value.size() && (value[i] == u'"' || value[i] == u'\'' || value[i] == u' '))
    ++i;
  int n = 0;
  while (i < value.size() && value[i] >= u'0' && value[i] <= u'9') {
    n = std::min(kMaxTagNumber, n * 10 + (value[i] - u'0'));
    ++i;
  }
  return n;
}

int TagNumberAfter(WideStringView tag, char16_t letter) {
  // Skip "<" and the tag's name so that a letter of the name itself is not taken.
  size_t i = tag.size() > 0 && tag[0] == u'<' ? 1 : 0;
  if (i < tag.size() && tag[i] == u'/')
    ++i;
  while (i < tag.size() && IsAsciiLetter(tag[i]))
    ++i;
  char16_t upper = UpperAscii(letter);
  for (; i < tag.size(); ++i) {
    if (UpperAscii(tag[i]) != upper)
      continue;
    size_t eq = tag.find(u'=', i + 1);
    if (eq == WideStringView::npos)
      return 0;
    return ParseTagNumber(tag.substr(eq + 1));
  }
  return 0;
}

WideString TagQuotedText(WideStringView tag) {
  size_t open = tag.find(u'"');
  if (open == WideStringView::npos)
    return WideString();
  size_t close = tag.find(u'"', open + 1);
  if (close == WideStringView::npos)
    return WideString();
  return WideString(tag.substr(open + 1, close - open - 1));
}

}  // namespace kova
