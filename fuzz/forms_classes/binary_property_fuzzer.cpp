// Arbitrary bytes as a stored binary property: as the hexadecimal text a form
// description carries, and as the bytes of a skin component's "SkinStream" (as given,
// and behind a length that matches them, so the skin file itself gets read). A refused
// read must leave the component's skin file as it was; an accepted one must store the
// same bytes again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/classes/filer.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_message.h"

namespace {

void Quiet(const kova::WideString&) {}

void StoreInto(const std::vector<uint8_t>& bytes) {
  kova::TSkinData data(nullptr);
  const std::vector<uint8_t> before = data.SkinData().Data();
  try {
    kova::ReadBinaryProperty(data, "SkinStream", bytes);
  } catch (const kova::EFilerError&) {
    if (data.SkinData().Data() != before) {
      std::abort();
    }
    return;
  }
  if (!data.SkinData().Data().empty()) {
    const std::vector<kova::StoredBinaryProperty> stored = kova::WriteBinaryProperties(data);
    if (stored.size() != 1 || stored[0].data != bytes) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) {
    return 0;
  }
  kova::SetSkinMessageHook(&Quiet);
  const std::u16string text(data, data + size);
  try {
    const std::vector<uint8_t> bytes = kova::HexToBinary(text);
    if (kova::HexToBinary(kova::BinaryToHex(bytes)) != bytes) {
      std::abort();
    }
    StoreInto(bytes);
  } catch (const kova::EFilerError&) {
  }
  const std::vector<uint8_t> raw(data, data + size);
  StoreInto(raw);
  std::vector<uint8_t> framed = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                                 static_cast<uint8_t>(size >> 16), 0};
  framed.insert(framed.end(), raw.begin(), raw.end());
  StoreInto(framed);
  return 0;
}
