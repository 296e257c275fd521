#include "tarn_json.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "serial/wire_names.h"

namespace kova::tarn_json {

namespace {

using json::Value;

constexpr int kMaxDepth = 64;

enum class ClassKind {
  kString,
  kULong,
  kBool,
  kInt,
  kDouble,
  kByte,
  kUInt64,
  kStringList,
  kULongList,
  kBoolList,
  kObjectList,
  kObjectMap,
  kBasic,
  kMessage,
  kConfig,
  kActions,
};

struct ClassInfo {
  const char16_t* name;
  ClassKind kind;
};

constexpr ClassInfo kClasses[] = {
    {wire_name::kWideString, ClassKind::kString},
    {wire_name::kULong, ClassKind::kULong},
    {wire_name::kBool, ClassKind::kBool},
    {wire_name::kInt, ClassKind::kInt},
    {wire_name::kDouble, ClassKind::kDouble},
    {wire_name::kByte, ClassKind::kByte},
    {wire_name::kUInt64, ClassKind::kUInt64},
    {wire_name::kWideStringList, ClassKind::kStringList},
    {wire_name::kULongList, ClassKind::kULongList},
    {wire_name::kBoolList, ClassKind::kBoolList},
    {wire_name::kObjectList, ClassKind::kObjectList},
    {wire_name::kObjectMap, ClassKind::kObjectMap},
    {wire_name::kBasic, ClassKind::kBasic},
    {wire_name::kMessageBase, ClassKind::kMessage},
    {wire_name::kMsgConfig, ClassKind::kConfig},
    {wire_name::kMsgModAvSystemActions, ClassKind::kActions},
};

const ClassInfo* FindClass(WideStringView name) {
  for (const ClassInfo& info : kClasses) {
    if (name == info.name)
      return &info;
  }
  return nullptr;
}

std::string DoubleText(double d) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", d);
  return text;
}

// ---- decoding ----

class Decoder {
 public:
  Decoder(std::string_view bytes, std::size_t base) : bytes_(bytes), base_(base) {}

  bool Failed() const { return failed_; }
  const Error& error() const { return error_; }
  std::size_t pos() const { return pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }
  void Fail(std::size_t at, std::string message) {
    if (failed_)
      return;
    failed_ = true;
    error_ = Error{base_ + at, std::move(message)};
  }

  bool Take(std::size_t n, const char** out) {
    if (failed_)
      return false;
    if (bytes_.size() - pos_ < n) {
      Fail(pos_, "truncated: " + std::to_string(n) + " bytes needed, " +
                     std::to_string(bytes_.size() - pos_) + " remain");
      return false;
    }
    *out = bytes_.data() + pos_;
    pos_ += n;
    return true;
  }

  std::uint64_t Unsigned(std::size_t n) {
    const char* p;
    if (!Take(n, &p))
      return 0;
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
      v |= std::uint64_t{static_cast<std::uint8_t>(p[i])} << (8 * i);
    return v;
  }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Unsigned(4)); }

  // A string as JSON: the text when the last unit is the terminator, otherwise
  // {"units": every unit}.
  Value String(WideString* plain = nullptr) {
    const std::size_t start = pos_;
    const std::uint32_t count = U32();
    if (failed_)
      return Value();
    if (count == 0) {
      Fail(start, "string with a count of 0");
      return Value();
    }
    const char* p;
    if (!Take(std::size_t{count} * 2, &p))
      return Value();
    WideString units(count, u'\0');
    for (std::uint32_t i = 0; i < count; ++i)
      units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(p[2 * i]) |
                                       static_cast<std::uint8_t>(p[2 * i + 1]) << 8);
    if (units.back() == 0) {
      units.pop_back();
      if (plain)
        *plain = units;
      return Value::String(std::move(units));
    }
    if (plain)
      *plain = units;
    return Value::Object().Set("units", Value::String(std::move(units)));
  }

  Value Object(int depth) {
    const std::size_t start = pos_;
    if (depth > kMaxDepth) {
      Fail(start, "objects nested too deep");
      return Value();
    }
    WideString name;
    Value name_value = String(&name);
    if (failed_)
      return Value();
    const ClassInfo* info = name_value.kind == Value::Kind::kString ? FindClass(name) : nullptr;
    if (info == nullptr) {
      Fail(start, "unknown class \"" + WideToUtf8(name) + "\"");
      return Value();
    }
    Value out = Value::Object().Set("class", std::move(name_value));
    Fields(info->kind, out, depth);
    return out;
  }

 private:
  Value Scalar(ClassKind kind) {
    switch (kind) {
      case ClassKind::kULong:
        return Value::Unsigned(U32());
      case ClassKind::kInt:
        return Value::Signed(static_cast<std::int32_t>(U32()));
      case ClassKind::kUInt64:
        return Value::Unsigned(Unsigned(8));
      case ClassKind::kByte:
        return Value::Unsigned(Unsigned(1));
      case ClassKind::kBool: {
        const std::uint64_t b = Unsigned(1);
        return b <= 1 ? Value::Bool(b == 1) : Value::Unsigned(b);
      }
      case ClassKind::kDouble: {
        const std::uint64_t bits = Unsigned(8);
        const double d = std::bit_cast<double>(bits);
        if (std::isfinite(d))
          return Value::Number(DoubleText(d));
        char text[32];
        std::snprintf(text, sizeof text, "bits:%016llx", static_cast<unsigned long long>(bits));
        return Value::String(Latin1ToWide(text));
      }
      default:
        return String();
    }
  }

  void Fields(ClassKind kind, Value& out, int depth) {
    switch (kind) {
      case ClassKind::kString:
      case ClassKind::kULong:
      case ClassKind::kBool:
      case ClassKind::kInt:
      case ClassKind::kDouble:
      case ClassKind::kByte:
      case ClassKind::kUInt64:
        out.Set("value", Scalar(kind));
        return;
      case ClassKind::kStringList:
      case ClassKind::kULongList:
      case ClassKind::kBoolList: {
        const ClassKind element = kind == ClassKind::kStringList  ? ClassKind::kString
                                  : kind == ClassKind::kULongList ? ClassKind::kULong
                                                                  : ClassKind::kBool;
        const std::uint32_t count = U32();
        Value items = Value::Array();
        for (std::uint32_t i = 0; i < count && !failed_; ++i)
          items.Add(Scalar(element));
        out.Set("items", std::move(items));
        return;
      }
      case ClassKind::kObjectList: {
        const std::uint32_t count = U32();
        Value items = Value::Array();
        for (std::uint32_t i = 0; i < count && !failed_; ++i)
          items.Add(Object(depth + 1));
        out.Set("items", std::move(items));
        return;
      }
      case ClassKind::kObjectMap: {
        const std::uint32_t count = U32();
        Value entries = Value::Array();
        for (std::uint32_t i = 0; i < count && !failed_; ++i) {
          Value key = String();
          Value value = Object(depth + 1);
          entries.Add(Value::Object().Set("key", std::move(key)).Set("value", std::move(value)));
        }
        out.Set("entries", std::move(entries));
        return;
      }
      case ClassKind::kBasic: {
        const std::uint32_t size = U32();
        const char* p = nullptr;
        if (size != 0 && !Take(size, &p))
          return;
        out.Set("data", Value::String(Latin1ToWide(ToHex(std::string_view(p, p ? size : 0)))));
        out.Set("tag", Value::Unsigned(U32()));
        return;
      }
      case ClassKind::kMessage: {
        out.Set("code", Value::Unsigned(U32()));
        out.Set("param", Value::Unsigned(Unsigned(8)));
        const std::uint32_t size = U32();
        const std::size_t payload_start = pos_;
        const char* p = nullptr;
        if (size != 0 && !Take(size, &p))
          return;
        if (size == 0) {
          out.Set("payload", Value::Null());
          return;
        }
        Decoder payload(std::string_view(p, size), base_ + payload_start);
        Value object = payload.Object(depth + 1);
        if (!payload.Failed() && !payload.AtEnd())
          payload.Fail(payload.pos(), "bytes left after the payload object");
        if (payload.Failed()) {
          // Kept as raw bytes so the message still encodes exactly.
          out.Set("payload_hex", Value::String(Latin1ToWide(ToHex(std::string_view(p, size)))));
          out.Set("payload_error",
                  Value::String(Latin1ToWide("at byte " + std::to_string(payload.error().offset) +
                                             ": " + payload.error().message)));
        } else {
          out.Set("payload", std::move(object));
        }
        return;
      }
      case ClassKind::kConfig: {
        Value headers = Value::Array();
        headers.Add(Value::Signed(static_cast<std::int32_t>(U32())));
        for (int i = 0; i < 4; ++i)
          headers.Add(Value::Unsigned(U32()));
        out.Set("headers", std::move(headers));
        const std::uint32_t settings = U32();
        Value list = Value::Array();
        for (std::uint32_t i = 0; i < settings && !failed_; ++i) {
          Value entry = Value::Object();
          entry.Set("key", Value::Unsigned(U32()));
          entry.Set("type", Value::Unsigned(U32()));
          entry.Set("value", String());
          list.Add(std::move(entry));
        }
        out.Set("settings", std::move(list));
        const std::uint32_t objects = U32();
        Value objs = Value::Array();
        for (std::uint32_t i = 0; i < objects && !failed_; ++i) {
          Value entry = Value::Object();
          entry.Set("key", Value::Unsigned(U32()));
          entry.Set("value", Value::Unsigned(U32()));
          entry.Set("object", Object(depth + 1));
          objs.Add(std::move(entry));
        }
        out.Set("objects", std::move(objs));
        return;
      }
      case ClassKind::kActions: {
        out.Set("header", Value::Unsigned(U32()));
        const std::uint32_t count = U32();
        Value actions = Value::Array();
        for (std::uint32_t i = 0; i < count && !failed_; ++i) {
          Value key = String();
          Value value = String();
          actions.Add(Value::Object().Set("key", std::move(key)).Set("value", std::move(value)));
        }
        out.Set("actions", std::move(actions));
        return;
      }
    }
  }

  std::string_view bytes_;
  std::size_t base_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  Error error_;
};

// ---- encoding ----

class Encoder {
 public:
  bool Failed() const { return failed_; }
  const Error& error() const { return error_; }
  std::string& bytes() { return out_; }

  void Fail(const std::string& path, const std::string& message) {
    if (failed_)
      return;
    failed_ = true;
    error_ = Error{0, path + ": " + message};
  }

  void Unsigned(std::uint64_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
      out_.push_back(static_cast<char>(v >> (8 * i)));
  }

  const Value* Member(const Value& object, const char* name, const std::string& path) {
    const Value* v = object.Find(name);
    if (v == nullptr)
      Fail(path, std::string("missing \"") + name + "\"");
    return v;
  }

  std::uint64_t Integer(const Value* v, std::int64_t min, std::uint64_t max,
                        const std::string& path) {
    if (failed_ || v == nullptr)
      return 0;
    if (v->kind != Value::Kind::kNumber || v->number.find_first_of(".eE") != std::string::npos) {
      Fail(path, "expected an integer");
      return 0;
    }
    errno = 0;
    if (v->number[0] == '-') {
      const long long n = std::strtoll(v->number.c_str(), nullptr, 10);
      if (errno != 0 || n < min)
        Fail(path, "integer out of range");
      return static_cast<std::uint64_t>(n);
    }
    const unsigned long long n = std::strtoull(v->number.c_str(), nullptr, 10);
    if (errno != 0 || n > max)
      Fail(path, "integer out of range");
    return n;
  }

  void U32(const Value* v, const std::string& path) {
    Unsigned(Integer(v, 0, 0xFFFFFFFFu, path), 4);
  }

  void String(const Value* v, const std::string& path) {
    if (failed_ || v == nullptr)
      return;
    const WideString* units = nullptr;
    bool terminated = true;
    if (v->kind == Value::Kind::kString) {
      units = &v->text;
    } else if (const Value* raw = v->Find("units");
               raw && raw->kind == Value::Kind::kString && !raw->text.empty()) {
      units = &raw->text;
      terminated = false;
    } else {
      Fail(path, "expected a string");
      return;
    }
    if (units->size() >= 0x7FFFFFFF)
      return Fail(path, "string too long");
    Unsigned(units->size() + (terminated ? 1 : 0), 4);
    for (char16_t u : *units)
      Unsigned(u, 2);
    if (terminated)
      Unsigned(0, 2);
  }

  void Hex(const Value* v, const std::string& path) {
    if (failed_ || v == nullptr)
      return;
    if (v->kind != Value::Kind::kString)
      return Fail(path, "expected hex digits");
    std::string digits = WideToUtf8(v->text);
    std::string bytes = BytesFromFile(digits);
    if (bytes.size() * 2 != digits.size())
      return Fail(path, "expected hex digits");
    out_ += bytes;
  }

  void Scalar(ClassKind kind, const Value* v, const std::string& path) {
    if (failed_ || v == nullptr)
      return;
    switch (kind) {
      case ClassKind::kULong:
        return U32(v, path);
      case ClassKind::kInt:
        return Unsigned(Integer(v, std::numeric_limits<std::int32_t>::min(), 0x7FFFFFFF, path), 4);
      case ClassKind::kUInt64:
        return Unsigned(Integer(v, 0, ~0ull, path), 8);
      case ClassKind::kByte:
        return Unsigned(Integer(v, 0, 0xFF, path), 1);
      case ClassKind::kBool:
        if (v->kind == Value::Kind::kBool)
          return Unsigned(v->boolean ? 1 : 0, 1);
        return Unsigned(Integer(v, 0, 0xFF, path), 1);
      case ClassKind::kDouble: {
        if (v->kind == Value::Kind::kNumber) {
          return Unsigned(std::bit_cast<std::uint64_t>(std::strtod(v->number.c_str(), nullptr)), 8);
        }
        const std::string text = v->kind == Value::Kind::kString ? WideToUtf8(v->text) : "";
        if (text.rfind("bits:", 0) == 0 && text.size() == 21) {
          const std::string bytes = BytesFromFile(text.substr(5));
          if (bytes.size() == 8) {
            std::uint64_t bits = 0;
            for (int i = 0; i < 8; ++i)
              bits = bits << 8 | static_cast<std::uint8_t>(bytes[i]);
            return Unsigned(bits, 8);
          }
        }
        return Fail(path, "expected a number or \"bits:\" and 16 hex digits");
      }
      default:
        return String(v, path);
    }
  }

  const Value* Array(const Value& object, const char* name, const std::string& path) {
    const Value* v = Member(object, name, path);
    if (v != nullptr && v->kind != Value::Kind::kArray) {
      Fail(path + "." + name, "expected an array");
      return nullptr;
    }
    return v;
  }

  void Count(const Value* array) { Unsigned(array ? array->items.size() : 0, 4); }

  void Object(const Value* v, const std::string& path, int depth) {
    if (failed_ || v == nullptr)
      return;
    if (depth > kMaxDepth)
      return Fail(path, "objects nested too deep");
    if (v->kind != Value::Kind::kObject)
      return Fail(path, "expected an object");
    const Value* name = Member(*v, "class", path);
    if (name == nullptr)
      return;
    const ClassInfo* info = name->kind == Value::Kind::kString ? FindClass(name->text) : nullptr;
    if (info == nullptr)
      return Fail(path + ".class", "unknown class");
    String(name, path + ".class");
    const ClassKind kind = info->kind;
    switch (kind) {
      case ClassKind::kString:
      case ClassKind::kULong:
      case ClassKind::kBool:
      case ClassKind::kInt:
      case ClassKind::kDouble:
      case ClassKind::kByte:
      case ClassKind::kUInt64:
        return Scalar(kind, Member(*v, "value", path), path + ".value");
      case ClassKind::kStringList:
      case ClassKind::kULongList:
      case ClassKind::kBoolList: {
        const ClassKind element = kind == ClassKind::kStringList  ? ClassKind::kString
                                  : kind == ClassKind::kULongList ? ClassKind::kULong
                                                                  : ClassKind::kBool;
        const Value* items = Array(*v, "items", path);
        Count(items);
        for (std::size_t i = 0; items && i < items->items.size(); ++i)
          Scalar(element, &items->items[i], path + ".items[" + std::to_string(i) + "]");
        return;
      }
      case ClassKind::kObjectList: {
        const Value* items = Array(*v, "items", path);
        Count(items);
        for (std::size_t i = 0; items && i < items->items.size(); ++i)
          Object(&items->items[i], path + ".items[" + std::to_string(i) + "]", depth + 1);
        return;
      }
      case ClassKind::kObjectMap: {
        const Value* entries = Array(*v, "entries", path);
        Count(entries);
        for (std::size_t i = 0; entries && i < entries->items.size(); ++i) {
          const std::string at = path + ".entries[" + std::to_string(i) + "]";
          String(Member(entries->items[i], "key", at), at + ".key");
          Object(Member(entries->items[i], "value", at), at + ".value", depth + 1);
        }
        return;
      }
      case ClassKind::kBasic: {
        const Value* data = Member(*v, "data", path);
        if (data == nullptr || data->kind != Value::Kind::kString)
          return Fail(path + ".data", "expected hex digits");
        Unsigned(data->text.size() / 2, 4);
        Hex(data, path + ".data");
        return U32(Member(*v, "tag", path), path + ".tag");
      }
      case ClassKind::kMessage: {
        U32(Member(*v, "code", path), path + ".code");
        Unsigned(Integer(Member(*v, "param", path), 0, ~0ull, path + ".param"), 8);
        const std::size_t size_at = out_.size();
        Unsigned(0, 4);
        const std::size_t payload_at = out_.size();
        if (const Value* raw = v->Find("payload_hex")) {
          Hex(raw, path + ".payload_hex");
        } else if (const Value* payload = v->Find("payload");
                   payload && payload->kind != Value::Kind::kNull) {
          Object(payload, path + ".payload", depth + 1);
        }
        const std::uint64_t size = out_.size() - payload_at;
        for (int i = 0; i < 4; ++i)
          out_[size_at + i] = static_cast<char>(size >> (8 * i));
        return;
      }
      case ClassKind::kConfig: {
        const Value* headers = Array(*v, "headers", path);
        if (headers && headers->items.size() != 5)
          return Fail(path + ".headers", "expected 5 values");
        for (std::size_t i = 0; headers && i < 5; ++i) {
          const std::string at = path + ".headers[" + std::to_string(i) + "]";
          Unsigned(
              Integer(&headers->items[i], i == 0 ? std::numeric_limits<std::int32_t>::min() : 0,
                      i == 0 ? 0x7FFFFFFF : 0xFFFFFFFF, at),
              4);
        }
        const Value* settings = Array(*v, "settings", path);
        Count(settings);
        for (std::size_t i = 0; settings && i < settings->items.size(); ++i) {
          const std::string at = path + ".settings[" + std::to_string(i) + "]";
          const Value& entry = settings->items[i];
          U32(Member(entry, "key", at), at + ".key");
          U32(Member(entry, "type", at), at + ".type");
          String(Member(entry, "value", at), at + ".value");
        }
        const Value* objects = Array(*v, "objects", path);
        Count(objects);
        for (std::size_t i = 0; objects && i < objects->items.size(); ++i) {
          const std::string at = path + ".objects[" + std::to_string(i) + "]";
          const Value& entry = objects->items[i];
          U32(Member(entry, "key", at), at + ".key");
          U32(Member(entry, "value", at), at + ".value");
          Object(Member(entry, "object", at), at + ".object", depth + 1);
        }
        return;
      }
      case ClassKind::kActions: {
        U32(Member(*v, "header", path), path + ".header");
        const Value* actions = Array(*v, "actions", path);
        Count(actions);
        for (std::size_t i = 0; actions && i < actions->items.size(); ++i) {
          const std::string at = path + ".actions[" + std::to_string(i) + "]";
          String(Member(actions->items[i], "key", at), at + ".key");
          String(Member(actions->items[i], "value", at), at + ".value");
        }
        return;
      }
    }
  }

 private:
  std::string out_;
  bool failed_ = false;
  Error error_;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<json::Value> Decode(std::string_view bytes, Error* error) {
  Decoder decoder(bytes, 0);
  json::Value value = decoder.Object(0);
  if (!decoder.Failed() && !decoder.AtEnd())
    decoder.Fail(decoder.pos(),
                 std::to_string(bytes.size() - decoder.pos()) + " bytes left after the object");
  if (decoder.Failed()) {
    if (error != nullptr)
      *error = decoder.error();
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> Encode(const json::Value& document, Error* error) {
  Encoder encoder;
  encoder.Object(&document, "$", 0);
  if (encoder.Failed()) {
    if (error != nullptr)
      *error = encoder.error();
    return std::nullopt;
  }
  return std::move(encoder.bytes());
}

std::string BytesFromFile(std::string_view contents) {
  std::string bytes;
  int high = -1;
  bool any = false;
  for (char c : contents) {
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
      continue;
    const int digit = HexDigit(c);
    if (digit < 0)
      return std::string(contents);
    any = true;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<char>(high << 4 | digit));
      high = -1;
    }
  }
  if (!any || high >= 0)
    return std::string(contents);
  return bytes;
}

std::string ToHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes) {
    text.push_back(kDigits[static_cast<std::uint8_t>(c) >> 4]);
    text.push_back(kDigits[static_cast<std::uint8_t>(c) & 0xF]);
  }
  return text;
}

}  // namespace kova::tarn_json
