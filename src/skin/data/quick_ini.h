// The skin engine's in-memory INI reader. The text is parsed once into its
// significant lines (trimmed, comments and empty lines dropped), each entry split into
// its lower-case key and value, and an index of the sections by lower-case name;
// look-ups find the section in the index and scan its entries.
//
// Its rules are its own: whole-line ";" comments only, keys compared in lower case,
// section names compared ignoring case, the first section and the first key of a
// name win, an empty value gives the default, and integers may be written in
// hexadecimal as 0x.. or $...
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "forms/classes/strings.h"
#include "base/streams.h"
#include "base/text.h"

namespace kova {

inline constexpr char kUnassignedStringsMessage[] = "The parameter Strings is unassigned!";

class TQuickIni {
 public:
  TQuickIni() = default;

  // Parses everything from the stream's position to its end; text after a zero byte
  // is ignored. A null stream does nothing.
  void LoadFromStream(TStream* stream);
  void LoadFromFile(const std::filesystem::path& file_name);
  // The same text stored as a compressed stream (4-byte size, then LZH). Raises
  // EStreamError when the file's size header cannot be right.
  void LoadFromZip(const std::filesystem::path& file_name);

  // The significant lines, each followed by CR LF.
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const std::filesystem::path& file_name) const;
  void SavetoZip(const std::filesystem::path& file_name) const;

  // Section names without brackets, in file order.
  void ReadSections(TStrings* strings) const;
  // The non-empty keys (lower case) of a section, in order.
  void ReadSection(const WideString& section, TStrings* strings) const;
  // The entry lines of a section as stored.
  void ReadSectionValues(const WideString& section, TStrings* strings) const;

  WideString ReadString(const WideString& section, const WideString& ident,
                        const WideString& default_value) const;
  int32_t ReadInteger(const WideString& section, const WideString& ident,
                      int32_t default_value) const;
  bool ReadBool(const WideString& section, const WideString& ident, bool default_value) const;

  void Clear();

  const std::vector<WideString>& Lines() const { return lines_; }
  WideString FileName;

 private:
  struct Section {
    WideString header;  // brackets included, as written
    size_t line = 0;    // index of the header in lines_
    size_t end = 0;     // index of the next header, or the number of lines
  };
  struct Entry {
    WideString key;  // trimmed, lower case; empty for a line without '='
    WideString value;
  };

  void Parse(std::string_view text);
  // Index in lines_ of the first header of that name, or -1.
  int64_t GetSectionIndex(const WideString& section) const;
  // The entry lines after the header, up to the next header.
  std::pair<size_t, size_t> SectionLines(const WideString& section) const;

  std::vector<WideString> lines_;
  std::vector<Entry> entries_;  // one per line
  std::vector<Section> sections_;
  // Lower-case header to the first section of that name.
  std::unordered_map<WideString, size_t> section_index_;
};

// Conversions with the quick INI's rules, exposed for the skin model.
WideString TrimIni(WideStringView text);  // drops characters <= ' ' at both ends
WideString LowerAscii(WideStringView text);
bool IsSectionHeader(WideStringView line);
// Signed decimal, or hexadecimal after "$" (a leading "0x" counts as "$"); false for
// anything else, including an empty text or a value outside 32 bits.
bool ParseIniInteger(WideStringView text, int32_t& value);

}  // namespace kova
