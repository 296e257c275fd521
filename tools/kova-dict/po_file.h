// Reader of translators' gettext PO files (UTF-8). Only what a dictionary needs is
// accepted: single messages with msgid and msgstr. Fuzzy and untranslated messages
// are left out, as the translator has not approved them yet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/dictionary_file.h"

namespace kova {

struct PoError {
  std::size_t line = 0;  // 1-based line of the input where the problem is
  std::string message;
};

struct PoCatalog {
  std::vector<DictionaryEntry> entries;  // in file order
  std::size_t fuzzy = 0;                 // messages left out as fuzzy
  std::size_t untranslated = 0;          // messages left out with an empty msgstr
};

struct PoParseResult {
  PoCatalog catalog;
  std::vector<PoError> errors;  // empty on success; parsing stops at the first error

  bool ok() const { return errors.empty(); }
};

PoParseResult ParsePo(std::string_view text);

}  // namespace kova
