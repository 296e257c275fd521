// Stored properties that are not published. A component names them in its
// DefineProperties and hands the filer a reader and a writer of their bytes; the filer
// decides which of them runs. A form description carries such a property as
// hexadecimal text, the way a stored form resource shows its binary data.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/streams.h"

namespace kova {

class TPersistent;

// Raised when stored property data cannot be read back.
class EFilerError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

using TStreamProc = std::function<void(TStream& stream)>;

class TFiler {
 public:
  virtual ~TFiler() = default;
  // A property kept as raw bytes: `read_data` takes them from a stream, `write_data`
  // puts them into one; `has_data` says whether there is anything to store.
  virtual void DefineBinaryProperty(std::string_view name, const TStreamProc& read_data,
                                    const TStreamProc& write_data, bool has_data) = 0;
};

struct StoredBinaryProperty {
  std::string name;
  std::vector<uint8_t> data;
};

// The binary properties that `component` has data for, in the order it defines them.
std::vector<StoredBinaryProperty> WriteBinaryProperties(TPersistent& component);

// Whether `component` defines a binary property `name` (ASCII case-insensitive).
bool DefinesBinaryProperty(TPersistent& component, std::string_view name);

// Gives `data` to the binary property `name` (ASCII case-insensitive) of `component`.
// Answers false when the component defines no such property. Raises EFilerError, naming
// the class and property, when the component's reader fails or leaves bytes unread.
bool ReadBinaryProperty(TPersistent& component, std::string_view name,
                        std::span<const uint8_t> data);

// Binary data as upper-case hexadecimal text, two digits per byte.
std::u16string BinaryToHex(std::span<const uint8_t> data);
// Hexadecimal text back to bytes: pairs of digits in either case, optionally inside one
// pair of braces, with white space allowed between pairs (descriptions break long data
// into lines). Raises EFilerError on anything else.
std::vector<uint8_t> HexToBinary(std::u16string_view text);

}  // namespace kova
