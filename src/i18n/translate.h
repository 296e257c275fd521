// The dictionary: every text of the dialogs is written in the product's source
// language and looked up here for the installed language.
#pragma once

#include <cstdint>

#include "config/sibling_interfaces.h"
#include "base/text.h"

namespace kova {

class TComponent;
class TMenuItem;

// Size of the first lookup buffer in characters; only longer translations need a
// second, exactly sized call.
inline constexpr std::uint32_t kFirstLookupBufferSize = 1024;

// Looks `key` up in `dictionary`; answers the key itself when there is no dictionary
// or no translation. Never reads past the size the dictionary reported.
WideString LookupTranslation(ILangDictionary* dictionary, std::int32_t handle,
                             const WideString& key);

// The text without its trailing CR/LF characters, and those characters.
struct TrailingLineBreaks {
  WideString body;
  WideString breaks;
};
TrailingLineBreaks SplitTrailingLineBreaks(WideStringView text);

class CTranslate {
 public:
#ifdef _WIN32
  // Loads TREMLang.dll from this library's directory and creates its dictionary object.
  CTranslate();
#endif
  // Uses a dictionary object the caller provides (and keeps owning).
  explicit CTranslate(ILangDictionary* dictionary);
  ~CTranslate();
  CTranslate(const CTranslate&) = delete;
  CTranslate& operator=(const CTranslate&) = delete;

  // Loads the dictionary file; answers its handle (0 when nothing was loaded).
  std::int32_t LoadDictionary(const WideString& path);
  void UnloadDictionary(std::int32_t handle);

  WideString Translate(const WideString& text) const;
  // Looks the text up without its trailing line breaks and puts them back after the
  // translation; a text of line breaks only becomes empty.
  WideString TranslateKeepingLineBreaks(const WideString& text) const;

#ifdef _WIN32
  // Translates the root's own text and that of every component it owns (one level),
  // by the rules of their classes; a main menu's items and sub-items too.
  void TranslateComponent(TComponent* root) const;
  // The item's caption, then its sub-items in order.
  void TranslateMenuItem(TMenuItem* item) const;
#endif

  bool HasDictionary() const {
    return dictionary_ != nullptr;
  }

 private:
  ILangDictionary* dictionary_ = nullptr;
  std::int32_t handle_ = 0;
  [[maybe_unused]] bool owns_library_ = false;
};

}  // namespace kova
