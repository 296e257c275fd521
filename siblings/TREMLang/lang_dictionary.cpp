#include "TREMLang/lang_dictionary.h"

#include <algorithm>

namespace kova {

std::int32_t LangDictionary::Load(const char16_t* path, std::int32_t* handle) {
  if (handle == nullptr) {
    return 0;
  }
  *handle = 0;
  if (path == nullptr || *path == u'\0') {
    return 0;
  }
  auto file = DictionaryFile::Load(WideString(path));
  if (!file) {
    return 0;
  }
  const std::int32_t assigned = next_handle_++;
  loaded_.emplace(assigned, std::move(*file));
  *handle = assigned;
  return 1;
}

std::int32_t LangDictionary::Lookup(const std::int32_t* handle, const char16_t* key,
                                    char16_t* buffer, std::uint32_t* size) {
  if (handle == nullptr || key == nullptr || size == nullptr) {
    return 0;
  }
  const auto loaded = loaded_.find(*handle);
  if (loaded == loaded_.end()) {
    return 0;
  }
  const auto translation = loaded->second.Find(WideStringView(key));
  if (!translation) {
    return 0;
  }
  const std::size_t needed = translation->size() + 1;
  if (buffer == nullptr || *size < needed) {
    *size = static_cast<std::uint32_t>(needed);
    return 0;
  }
  std::copy(translation->begin(), translation->end(), buffer);
  buffer[translation->size()] = u'\0';
  return 1;
}

std::int32_t LangDictionary::Unload(const std::int32_t* handle) {
  if (handle == nullptr) {
    return 0;
  }
  return loaded_.erase(*handle) > 0 ? 1 : 0;
}

}  // namespace kova
