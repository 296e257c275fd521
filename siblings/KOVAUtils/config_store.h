// The product's configuration store: values by numeric identifier, read from the
// installation's text configuration ("identifier = value" lines, '#' comments).
#pragma once

#include <cstdint>
#include <map>
#include <string_view>

#include "config/sibling_interfaces.h"
#include "base/text.h"

namespace kova {

// Parses configuration text (UTF-8). Identifiers are decimal or 0x-hexadecimal;
// lines that are not "identifier = value" are skipped; a later line for the same
// identifier wins.
std::map<std::uint32_t, WideString> ParseConfigText(std::string_view text);

class ConfigStore final : public IConfigStore {
 public:
  explicit ConfigStore(std::map<std::uint32_t, WideString> values) : values_(std::move(values)) {}
  ~ConfigStore() = default;
  ConfigStore(const ConfigStore&) = delete;
  ConfigStore& operator=(const ConfigStore&) = delete;

  // The stored text; null for an unknown identifier. Valid while the store lives.
  const char16_t* GetString(std::uint32_t id, std::int32_t reserved) override;
  // The stored text as a decimal integer; `fallback` when unknown or not a number.
  std::int32_t GetInteger(std::uint32_t id, std::int32_t fallback) override;

 private:
  std::map<std::uint32_t, WideString> values_;
};

}  // namespace kova
