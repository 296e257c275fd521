#include "resources/html_wrap.h"

#include <algorithm>

namespace kova {

namespace {

constexpr std::u16string_view kBreak = u"<BR />";

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

WideString LowerCase(std::u16string_view text) {
  WideString out(text);
  std::transform(out.begin(), out.end(), out.begin(), Lower);
  return out;
}

bool StartsWithHidden(std::u16string_view text, size_t at) {
  return text.substr(at, 3) == u"<z>" || text.substr(at, 3) == u"<Z>";
}

size_t FindHiddenEnd(std::u16string_view text, size_t from) {
  const size_t lower = text.find(u"</z>", from);
  const size_t upper = text.find(u"</Z>", from);
  const size_t end = std::min(lower, upper);
  return end == std::u16string_view::npos ? text.size() : end + 4;
}

// The visible characters of markup; `hidden` says whether it starts inside a "<z>"
// section and tells on return whether it ends inside one.
WideString VisibleText(std::u16string_view markup, bool& hidden) {
  WideString out;
  out.reserve(markup.size());
  size_t i = 0;
  if (hidden) {
    const size_t end = FindHiddenEnd(markup, 0);
    hidden = end == markup.size() && !markup.ends_with(u"</z>") && !markup.ends_with(u"</Z>");
    i = end;
  }
  while (i < markup.size()) {
    if (StartsWithHidden(markup, i)) {
      i = FindHiddenEnd(markup, i + 3);
      hidden = i == markup.size() && !markup.ends_with(u"</z>") && !markup.ends_with(u"</Z>");
    } else if (markup[i] == u'<') {
      const size_t close = markup.find(u'>', i);
      i = close == std::u16string_view::npos ? markup.size() : close + 1;
    } else {
      out += markup[i++];
    }
  }
  return out;
}

class Wrapper {
 public:
  Wrapper(TextMeasure& measure, int max_width, int margin)
      : measure_(measure), max_width_(max_width), margin_(margin) {}

  HtmlWrap Run(std::u16string_view markup) {
    for (size_t i = 0; i < markup.size(); ++i) {
      Step(markup[i], i + 1 == markup.size());
    }
    result_ += line_;
    result_ += word_;
    HtmlWrap out;
    out.line_count = result_.empty() ? 0 : line_count_;
    out.text = std::move(result_);
    return out;
  }

 private:
  // Width of the start of the current word; a word may begin inside a "<z>" section
  // that an earlier word opened.
  int WordWidth(size_t length) {
    bool hidden = word_starts_hidden_;
    const WideString visible = VisibleText(std::u16string_view(word_).substr(0, length), hidden);
    return visible.empty() ? 0 : measure_.Width(visible, bold_depth_ > 0);
  }

  // Drops the first `count` characters of the word, keeping track of hidden sections.
  void TakeFromWord(size_t count) {
    bool hidden = word_starts_hidden_;
    VisibleText(std::u16string_view(word_).substr(0, count), hidden);
    word_starts_hidden_ = hidden;
    word_.erase(0, count);
  }

  void StartWord(WideString text) {
    word_ = std::move(text);
    word_starts_hidden_ = hidden_;
  }

  bool Overflows(int width) const { return width + margin_ > max_width_; }

  void Step(char16_t c, bool last) {
    bool measure = true;
    if (c == u'<') {
      in_tag_ = true;
      tag_ = u"<";
    } else {
      word_ += c;
      if (in_tag_) {
        tag_ += c;
        if (c == u'>') {
          in_tag_ = false;
          EndTag();
        }
        measure = last;
      }
    }
    if (measure) {
      Measure(c, last);
    }
    if (c == u' ' && !in_tag_) {
      result_ += line_;
      result_ += word_;
      line_.clear();
      StartWord(u"");
    } else if (c == u'<') {
      line_ += word_;
      StartWord(u"<");
    }
  }

  void EndTag() {
    const WideString tag = LowerCase(tag_);
    if (tag == u"<b>") {
      ++bold_depth_;
    } else if (tag == u"</b>") {
      --bold_depth_;
    } else if (tag == u"<z>") {
      hidden_ = true;
    } else if (tag == u"</z>") {
      hidden_ = false;
    } else if (tag == u"<br>" || tag == u"<br/>" || tag == u"<br />") {
      result_ += line_;
      result_ += word_;
      line_.clear();
      StartWord(u"");
      line_width_ = 0;
      ++line_count_;
    }
  }

  void Measure(char16_t c, bool last) {
    if (c != u' ' && c != u'<' && !last) {
      return;
    }
    line_width_ += WordWidth(word_.size());
    if (!Overflows(line_width_)) {
      return;
    }
    if (!result_.empty()) {
      if (line_.starts_with(kBreak)) {
        result_ += line_;
        result_ += kBreak;
        line_.clear();
      } else {
        line_.insert(0, kBreak);
      }
      ++line_count_;
    }
    LayOutWord();
  }

  // Places the word at the start of a new line, breaking it between characters where
  // it is wider than a whole line.
  void LayOutWord() {
    size_t k = 0;
    while (k < word_.size()) {
      if (word_[k] == u'<') {
        // Characters before a tag go to the line unbroken; the tag takes no width.
        line_.append(word_, 0, k);
        TakeFromWord(k);
        if (StartsWithHidden(word_, 0)) {
          k = FindHiddenEnd(word_, 3);
        } else {
          const size_t close = word_.find(u'>');
          k = close == WideString::npos ? word_.size() : close + 1;
        }
        continue;
      }
      if (!Overflows(WordWidth(k + 1))) {
        ++k;
        continue;
      }
      // The character at k does not fit: what precedes it ends the line. A lone
      // character wider than the line still takes a line of its own.
      const size_t cut = std::max<size_t>(k, 1);
      line_.append(word_, 0, cut);
      line_ += kBreak;
      TakeFromWord(cut);
      ++line_count_;
      k = 0;
    }
    line_width_ = WordWidth(word_.size());
  }

  TextMeasure& measure_;
  const int max_width_;
  const int margin_;
  WideString result_;
  WideString line_;
  WideString word_;
  WideString tag_;
  int line_width_ = 0;
  int bold_depth_ = 0;
  bool in_tag_ = false;
  bool hidden_ = false;              // inside a "<z>" section
  bool word_starts_hidden_ = false;  // whether the current word began inside one
  int line_count_ = 1;
};

}  // namespace

WideString VisibleHtmlText(std::u16string_view markup) {
  bool hidden = false;
  return VisibleText(markup, hidden);
}

HtmlWrap WrapHtmlText(TextMeasure& measure, int max_width, int margin, std::u16string_view markup) {
  return Wrapper(measure, max_width, margin).Run(markup);
}

}  // namespace kova
