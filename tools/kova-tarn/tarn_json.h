// The IPC byte format as readable JSON and back. Decoding walks the bytes of one
// flattened object (a message included) class by class; encoding writes exactly the
// bytes that were decoded, so decode followed by encode reproduces its input.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "json.h"

namespace kova::tarn_json {

struct Error {
  std::size_t offset = 0;  // byte offset where decoding stopped (decode only)
  std::string message;
};

// One object filling all of `bytes`. Unknown classes, truncated input and bytes left
// after the object are errors with the offset where decoding stopped.
std::optional<json::Value> Decode(std::string_view bytes, Error* error);

// The bytes of the object described by `document` (as Decode produces it).
std::optional<std::string> Encode(const json::Value& document, Error* error);

// Input files may hold the bytes themselves or their hex digits (whitespace allowed).
std::string BytesFromFile(std::string_view contents);

std::string ToHex(std::string_view bytes);

}  // namespace kova::tarn_json
