// kova-tarn encode over arbitrary JSON text: the reader and the encoder must refuse
// or accept without crashing; what encodes must decode again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "json.h"
#include "tarn_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto document =
      kova::json::Parse(std::string_view(reinterpret_cast<const char*>(data), size), nullptr);
  if (!document)
    return 0;
  const auto bytes = kova::tarn_json::Encode(*document, nullptr);
  if (bytes && !kova::tarn_json::Decode(*bytes, nullptr))
    std::abort();
  return 0;
}
