#include "KOVAUtils/config_store.h"

#include <charconv>
#include <optional>

namespace kova {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::uint32_t> ParseIdentifier(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::map<std::uint32_t, WideString> ParseConfigText(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  std::map<std::uint32_t, WideString> values;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    if (const auto id = ParseIdentifier(Trim(line.substr(0, equals)))) {
      values[*id] = Utf8ToWide(Trim(line.substr(equals + 1)));
    }
  }
  return values;
}

const char16_t* ConfigStore::GetString(std::uint32_t id, std::int32_t /*reserved*/) {
  const auto found = values_.find(id);
  return found == values_.end() ? nullptr : found->second.c_str();
}

std::int32_t ConfigStore::GetInteger(std::uint32_t id, std::int32_t fallback) {
  const auto found = values_.find(id);
  if (found == values_.end()) {
    return fallback;
  }
  const std::string text = WideToUtf8(found->second);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace kova
