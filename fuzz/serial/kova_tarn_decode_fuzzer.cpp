// kova-tarn decode over arbitrary bytes; whatever decodes must encode back to the same
// bytes, through the JSON text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "json.h"
#include "tarn_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto document = kova::tarn_json::Decode(bytes, nullptr);
  if (!document)
    return 0;
  const auto reparsed = kova::json::Parse(kova::json::Write(*document), nullptr);
  if (!reparsed)
    std::abort();
  const auto encoded = kova::tarn_json::Encode(*reparsed, nullptr);
  if (!encoded || *encoded != bytes)
    std::abort();
  return 0;
}
