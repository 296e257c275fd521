// A dictionary object with a table of translations, for translator tests.
#pragma once

#include <algorithm>
#include <map>
#include <vector>

#include "config/sibling_interfaces.h"
#include "base/text.h"

namespace kova::testing {

// A dictionary object with the language library's lookup contract: answers 0 and the
// needed size when the caller's buffer is too small.
class TableDictionary : public ILangDictionary {
 public:
  std::map<WideString, WideString> entries;
  std::vector<std::uint32_t> buffer_sizes;
  std::int32_t loaded_handle = 0;
  std::int32_t unloaded_handle = 0;

  std::int32_t Reserved1() override { return 0; }
  std::int32_t Load(const char16_t*, std::int32_t* handle) override {
    *handle = loaded_handle = 7;
    return 1;
  }
  std::int32_t Reserved3() override { return 0; }
  std::int32_t Lookup(const std::int32_t*, const char16_t* key, char16_t* buffer,
                      std::uint32_t* size) override {
    buffer_sizes.push_back(*size);
    auto it = entries.find(key);
    if (it == entries.end()) {
      return 0;
    }
    if (it->second.size() + 1 > *size) {
      *size = static_cast<std::uint32_t>(it->second.size());
      return 0;
    }
    std::copy(it->second.begin(), it->second.end(), buffer);
    buffer[it->second.size()] = 0;
    return 1;
  }
  std::int32_t Unload(const std::int32_t* handle) override {
    unloaded_handle = *handle;
    return 1;
  }
};

}  // namespace kova::testing
