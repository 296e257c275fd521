// A small JSON value with a reader and a writer, enough for the tool's documents.
// Strings are kept as UTF-16 units so that any unit sequence (lone surrogates and
// 0 units included) survives a round trip through \uXXXX escapes; numbers keep their
// text so 64-bit integers and doubles convert without loss.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"

namespace kova::json {

struct Member;

struct Value {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };

  Kind kind = Kind::kNull;
  bool boolean = false;
  std::string number;  // the number's text
  WideString text;
  std::vector<Value> items;
  std::vector<Member> members;

  static Value Null();
  static Value Bool(bool b);
  static Value Number(std::string text);
  static Value Unsigned(std::uint64_t n);
  static Value Signed(std::int64_t n);
  static Value String(WideString s);
  static Value Array();
  static Value Object();

  Value& Add(Value item);
  Value& Set(std::string key, Value value);
  // The member named `key`, or null when there is none or this is not an object.
  const Value* Find(std::string_view key) const;
};

struct Member {
  std::string first;  // the name
  Value second;
};

// Indented text, ASCII only (everything else escaped).
std::string Write(const Value& value);

struct ParseError {
  std::size_t offset = 0;
  std::string message;
};

// Parses one document; nesting deeper than 200 levels is refused.
std::optional<Value> Parse(std::string_view text, ParseError* error);

}  // namespace kova::json
