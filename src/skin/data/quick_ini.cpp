#include "skin/data/quick_ini.h"

#include <algorithm>

#include "skin/data/assertion.h"
#include "skin/data/lzh.h"

namespace kova {

namespace {

void RequireStrings(const TStrings* strings) {
  if (strings == nullptr) {
    throw EAssertionFailed(kUnassignedStringsMessage);
  }
}

// The key (before the first '=', trimmed, lower case) and value (after it, trimmed).
std::pair<WideString, WideString> SplitEntry(WideStringView line) {
  if (IsSectionHeader(line)) {
    return {};
  }
  const size_t equals = line.find(u'=');
  if (equals == WideStringView::npos) {
    return {};
  }
  return {LowerAscii(TrimIni(line.substr(0, equals))), TrimIni(line.substr(equals + 1))};
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') {
    return c - u'0';
  }
  if (c >= u'a' && c <= u'f') {
    return c - u'a' + 10;
  }
  if (c >= u'A' && c <= u'F') {
    return c - u'A' + 10;
  }
  return -1;
}

}  // namespace

WideString TrimIni(WideStringView text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] <= u' ') {
    ++begin;
  }
  while (end > begin && text[end - 1] <= u' ') {
    --end;
  }
  return WideString(text.substr(begin, end - begin));
}

WideString LowerAscii(WideStringView text) {
  WideString lower(text);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c - u'A' + u'a');
    }
  }
  return lower;
}

bool IsSectionHeader(WideStringView line) {
  return !line.empty() && line.front() == u'[' && line.back() == u']';
}

bool ParseIniInteger(WideStringView text, int32_t& value) {
  WideString s(text);
  if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
    s.replace(0, 2, u"$");
  }
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
    negative = s[i] == u'-';
    ++i;
  }
  const bool hex = i < s.size() && s[i] == u'$';
  if (hex) {
    ++i;
  }
  if (i == s.size()) {
    return false;
  }
  // Hexadecimal takes any 32-bit pattern (so $FFFFFFFF is -1); decimal must fit.
  const uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int digit = hex ? HexDigit(s[i]) : (s[i] >= u'0' && s[i] <= u'9' ? s[i] - u'0' : -1);
    if (digit < 0) {
      return false;
    }
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > limit) {
      return false;
    }
  }
  auto bits = static_cast<uint32_t>(magnitude);
  if (negative) {
    bits = 0u - bits;
  }
  value = static_cast<int32_t>(bits);
  return true;
}

void TQuickIni::Clear() {
  lines_.clear();
  entries_.clear();
  sections_.clear();
  section_index_.clear();
}

void TQuickIni::Parse(std::string_view text) {
  Clear();
  text = text.substr(0, text.find('\0'));
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') {
      ++i;
    }
    WideString line = TrimIni(Latin1ToWide(text.substr(start, i - start)));
    if (i < text.size() && text[i] == '\r') {
      ++i;
    }
    if (i < text.size() && text[i] == '\n') {
      ++i;
    }
    if (line.empty() || line.front() == u';') {
      continue;
    }
    if (IsSectionHeader(line)) {
      if (!sections_.empty()) {
        sections_.back().end = lines_.size();
      }
      section_index_.try_emplace(LowerAscii(line), sections_.size());
      sections_.push_back({line, lines_.size(), 0});
    }
    auto [key, value] = SplitEntry(line);
    entries_.push_back({std::move(key), std::move(value)});
    lines_.push_back(std::move(line));
  }
  if (!sections_.empty()) {
    sections_.back().end = lines_.size();
  }
}

void TQuickIni::LoadFromStream(TStream* stream) {
  if (stream == nullptr) {
    return;
  }
  const int64_t remaining = std::max<int64_t>(stream->Size() - stream->Position(), 0);
  std::string text(static_cast<size_t>(remaining), '\0');
  text.resize(static_cast<size_t>(std::max<int64_t>(stream->Read(text.data(), remaining), 0)));
  Parse(text);
}

void TQuickIni::LoadFromFile(const std::filesystem::path& file_name) {
  TFileStream file(file_name, FileMode::kOpenRead);
  LoadFromStream(&file);
}

void TQuickIni::LoadFromZip(const std::filesystem::path& file_name) {
  TMemoryStream packed;
  packed.LoadFromFile(file_name);
  TMemoryStream text;
  const LzhStatus status = DecompressStream(packed, text);
  if (status != LzhStatus::kOk) {
    throw EStreamError(std::string("Cannot read \"") + file_name.string() +
                       "\": " + LzhStatusText(status));
  }
  text.SetPosition(0);
  LoadFromStream(&text);
}

void TQuickIni::SaveToStream(TStream& stream) const {
  std::string text;
  for (const WideString& line : lines_) {
    text += WideToLatin1(line);
    text += "\r\n";
  }
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TQuickIni::SaveToFile(const std::filesystem::path& file_name) const {
  TFileStream file(file_name, FileMode::kCreate);
  SaveToStream(file);
}

void TQuickIni::SavetoZip(const std::filesystem::path& file_name) const {
  TMemoryStream text;
  SaveToStream(text);
  TFileStream file(file_name, FileMode::kCreate);
  CompressStream(text, file);
}

int64_t TQuickIni::GetSectionIndex(const WideString& section) const {
  const auto found = section_index_.find(LowerAscii(u"[" + section + u"]"));
  return found == section_index_.end() ? -1 : static_cast<int64_t>(sections_[found->second].line);
}

std::pair<size_t, size_t> TQuickIni::SectionLines(const WideString& section) const {
  const auto found = section_index_.find(LowerAscii(u"[" + section + u"]"));
  if (found == section_index_.end()) {
    return {0, 0};
  }
  const Section& s = sections_[found->second];
  return {s.line + 1, s.end};
}

void TQuickIni::ReadSections(TStrings* strings) const {
  RequireStrings(strings);
  strings->BeginUpdate();
  strings->Clear();
  for (const Section& s : sections_) {
    strings->Add(TrimIni(WideStringView(s.header).substr(1, s.header.size() - 2)));
  }
  strings->EndUpdate();
}

void TQuickIni::ReadSection(const WideString& section, TStrings* strings) const {
  RequireStrings(strings);
  strings->BeginUpdate();
  strings->Clear();
  const auto [begin, end] = SectionLines(section);
  for (size_t i = begin; i < end; ++i) {
    if (!entries_[i].key.empty()) {
      strings->Add(entries_[i].key);
    }
  }
  strings->EndUpdate();
}

void TQuickIni::ReadSectionValues(const WideString& section, TStrings* strings) const {
  RequireStrings(strings);
  strings->BeginUpdate();
  strings->Clear();
  const auto [begin, end] = SectionLines(section);
  for (size_t i = begin; i < end; ++i) {
    strings->Add(lines_[i]);
  }
  strings->EndUpdate();
}

WideString TQuickIni::ReadString(const WideString& section, const WideString& ident,
                                 const WideString& default_value) const {
  const WideString key = LowerAscii(ident);
  const auto [begin, end] = SectionLines(section);
  for (size_t i = begin; i < end; ++i) {
    const Entry& entry = entries_[i];
    if (!entry.key.empty() && entry.key == key) {
      return entry.value.empty() ? default_value : entry.value;
    }
  }
  return default_value;
}

int32_t TQuickIni::ReadInteger(const WideString& section, const WideString& ident,
                               int32_t default_value) const {
  int32_t value = 0;
  return ParseIniInteger(ReadString(section, ident, WideString()), value) ? value : default_value;
}

bool TQuickIni::ReadBool(const WideString& section, const WideString& ident,
                         bool default_value) const {
  return ReadInteger(section, ident, default_value ? 1 : 0) != 0;
}

}  // namespace kova
