// The language library's dictionary object: dictionary files loaded by path and
// looked up by exact source text.
#pragma once

#include <cstdint>
#include <map>

#include "config/sibling_interfaces.h"
#include "i18n/dictionary_file.h"

namespace kova {

class LangDictionary final : public ILangDictionary {
 public:
  LangDictionary() = default;
  ~LangDictionary() = default;
  LangDictionary(const LangDictionary&) = delete;
  LangDictionary& operator=(const LangDictionary&) = delete;

  std::int32_t Reserved1() override { return 0; }
  // Loads a dictionary file; *handle is its handle, 0 when the file cannot be used.
  std::int32_t Load(const char16_t* path, std::int32_t* handle) override;
  std::int32_t Reserved3() override { return 0; }
  // Writes the translation and its NUL when they fit in *size characters. When they do
  // not, answers 0 and sets *size to the size they need, NUL included, so that a
  // caller retrying only when *size grew past its buffer still gets every length.
  // Without a translation answers 0 and leaves *size alone.
  std::int32_t Lookup(const std::int32_t* handle, const char16_t* key, char16_t* buffer,
                      std::uint32_t* size) override;
  std::int32_t Unload(const std::int32_t* handle) override;

  std::size_t LoadedCount() const { return loaded_.size(); }

 private:
  std::map<std::int32_t, DictionaryFile> loaded_;
  std::int32_t next_handle_ = 1;
};

}  // namespace kova
