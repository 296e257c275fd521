#include "i18n/translate.h"

#include <vector>

namespace kova {

namespace {

// The text in `buffer`, never past `capacity` characters even when the dictionary left
// out the terminating NUL.
WideString TextInBuffer(const std::vector<char16_t>& buffer) {
  size_t length = 0;
  while (length < buffer.size() && buffer[length] != 0) {
    ++length;
  }
  return WideString(buffer.data(), length);
}

// Translations longer than this are refused rather than allocated.
constexpr std::uint32_t kMaxTranslationSize = 16u * 1024 * 1024;

}  // namespace

WideString LookupTranslation(ILangDictionary* dictionary, std::int32_t handle,
                             const WideString& key) {
  if (dictionary == nullptr) {
    return key;
  }
  WideString result = key;
  std::uint32_t size = kFirstLookupBufferSize;
  std::vector<char16_t> first(size, u'\0');
  if (dictionary->Lookup(&handle, key.c_str(), first.data(), &size) != 0) {
    result = TextInBuffer(first);
  }
  if (size > kFirstLookupBufferSize && size < kMaxTranslationSize) {
    size = size + 1;
    std::vector<char16_t> second(size, u'\0');
    if (dictionary->Lookup(&handle, key.c_str(), second.data(), &size) != 0) {
      result = TextInBuffer(second);
    }
  }
  return result;
}

TrailingLineBreaks SplitTrailingLineBreaks(WideStringView text) {
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == u'\r' || text[end - 1] == u'\n')) {
    --end;
  }
  return {WideString(text.substr(0, end)), WideString(text.substr(end))};
}

CTranslate::CTranslate(ILangDictionary* dictionary) : dictionary_(dictionary) {}

std::int32_t CTranslate::LoadDictionary(const WideString& path) {
  if (dictionary_ != nullptr) {
    dictionary_->Load(path.c_str(), &handle_);
  }
  return handle_;
}

void CTranslate::UnloadDictionary(std::int32_t handle) {
  if (dictionary_ != nullptr) {
    const std::int32_t copy = handle;
    dictionary_->Unload(&copy);
  }
}

WideString CTranslate::Translate(const WideString& text) const {
  return LookupTranslation(dictionary_, handle_, text);
}

WideString CTranslate::TranslateKeepingLineBreaks(const WideString& text) const {
  const TrailingLineBreaks parts = SplitTrailingLineBreaks(text);
  if (parts.body.empty()) {
    return WideString();
  }
  if (parts.breaks.empty()) {
    return Translate(text);
  }
  return Translate(parts.body) + parts.breaks;
}

}  // namespace kova
