#include "json.h"

#include <cstdio>

namespace kova::json {

Value Value::Null() {
  return Value();
}

Value Value::Bool(bool b) {
  Value v;
  v.kind = Kind::kBool;
  v.boolean = b;
  return v;
}

Value Value::Number(std::string text) {
  Value v;
  v.kind = Kind::kNumber;
  v.number = std::move(text);
  return v;
}

Value Value::Unsigned(std::uint64_t n) {
  return Number(std::to_string(n));
}
Value Value::Signed(std::int64_t n) {
  return Number(std::to_string(n));
}

Value Value::String(WideString s) {
  Value v;
  v.kind = Kind::kString;
  v.text = std::move(s);
  return v;
}

Value Value::Array() {
  Value v;
  v.kind = Kind::kArray;
  return v;
}

Value Value::Object() {
  Value v;
  v.kind = Kind::kObject;
  return v;
}

Value& Value::Add(Value item) {
  items.push_back(std::move(item));
  return *this;
}

Value& Value::Set(std::string key, Value value) {
  members.push_back(Member{std::move(key), std::move(value)});
  return *this;
}

const Value* Value::Find(std::string_view key) const {
  if (kind != Kind::kObject)
    return nullptr;
  for (const auto& [name, value] : members) {
    if (name == key)
      return &value;
  }
  return nullptr;
}

namespace {

void WriteString(std::string& out, WideStringView text) {
  out.push_back('"');
  for (char16_t unit : text) {
    switch (unit) {
      case u'"':
        out += "\\\"";
        break;
      case u'\\':
        out += "\\\\";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'\t':
        out += "\\t";
        break;
      default:
        if (unit >= 0x20 && unit < 0x7F) {
          out.push_back(static_cast<char>(unit));
        } else {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
          out += escape;
        }
    }
  }
  out.push_back('"');
}

void WriteValue(std::string& out, const Value& value, int indent) {
  const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
  const std::string end_pad(static_cast<std::size_t>(indent), ' ');
  switch (value.kind) {
    case Value::Kind::kNull:
      out += "null";
      break;
    case Value::Kind::kBool:
      out += value.boolean ? "true" : "false";
      break;
    case Value::Kind::kNumber:
      out += value.number;
      break;
    case Value::Kind::kString:
      WriteString(out, value.text);
      break;
    case Value::Kind::kArray:
      if (value.items.empty()) {
        out += "[]";
        break;
      }
      out += "[\n";
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        out += pad;
        WriteValue(out, value.items[i], indent + 2);
        out += i + 1 < value.items.size() ? ",\n" : "\n";
      }
      out += end_pad + "]";
      break;
    case Value::Kind::kObject:
      if (value.members.empty()) {
        out += "{}";
        break;
      }
      out += "{\n";
      for (std::size_t i = 0; i < value.members.size(); ++i) {
        out += pad;
        WriteString(out, Latin1ToWide(value.members[i].first));
        out += ": ";
        WriteValue(out, value.members[i].second, indent + 2);
        out += i + 1 < value.members.size() ? ",\n" : "\n";
      }
      out += end_pad + "}";
      break;
  }
}

class Parser {
 public:
  Parser(std::string_view text, ParseError* error) : text_(text), error_(error) {}

  std::optional<Value> Document() {
    Value value;
    if (!ParseValue(value, 0))
      return std::nullopt;
    SkipSpace();
    if (pos_ != text_.size())
      return Fail("text after the document");
    return value;
  }

 private:
  static constexpr int kMaxDepth = 200;

  std::nullopt_t Fail(const char* message) {
    if (error_ != nullptr)
      *error_ = ParseError{pos_, message};
    failed_ = true;
    return std::nullopt;
  }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word)
      return false;
    pos_ += word.size();
    return true;
  }

  bool ParseValue(Value& out, int depth) {
    if (depth > kMaxDepth)
      return Fail("nesting too deep"), false;
    SkipSpace();
    if (pos_ >= text_.size())
      return Fail("unexpected end"), false;
    const char c = text_[pos_];
    if (c == '{')
      return ParseObject(out, depth);
    if (c == '[')
      return ParseArray(out, depth);
    if (c == '"') {
      out = Value::String({});
      return ParseString(out.text);
    }
    if (Literal("null"))
      return out = Value::Null(), true;
    if (Literal("true"))
      return out = Value::Bool(true), true;
    if (Literal("false"))
      return out = Value::Bool(false), true;
    if (c == '-' || (c >= '0' && c <= '9'))
      return ParseNumber(out);
    return Fail("unexpected character"), false;
  }

  bool ParseNumber(Value& out) {
    const std::size_t start = pos_;
    if (text_[pos_] == '-')
      ++pos_;
    auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
        ++pos_;
      return pos_ > from;
    };
    if (!digits())
      return Fail("bad number"), false;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (!digits())
        return Fail("bad number"), false;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
        ++pos_;
      if (!digits())
        return Fail("bad number"), false;
    }
    out = Value::Number(std::string(text_.substr(start, pos_ - start)));
    return true;
  }

  bool Hex4(std::uint32_t& unit) {
    if (text_.size() - pos_ < 4)
      return false;
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      unit <<= 4;
      if (c >= '0' && c <= '9')
        unit |= c - '0';
      else if (c >= 'a' && c <= 'f')
        unit |= c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        unit |= c - 'A' + 10;
      else
        return false;
    }
    return true;
  }

  bool ParseString(WideString& out) {
    ++pos_;             // opening quote
    std::string plain;  // UTF-8 run between escapes
    auto flush = [&] {
      out += Utf8ToWide(plain);
      plain.clear();
    };
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') {
        flush();
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20)
        return Fail("control character in string"), false;
      if (c != '\\') {
        plain.push_back(c);
        continue;
      }
      if (pos_ >= text_.size())
        break;
      const char e = text_[pos_++];
      flush();
      switch (e) {
        case '"':
          out.push_back(u'"');
          break;
        case '\\':
          out.push_back(u'\\');
          break;
        case '/':
          out.push_back(u'/');
          break;
        case 'b':
          out.push_back(u'\b');
          break;
        case 'f':
          out.push_back(u'\f');
          break;
        case 'n':
          out.push_back(u'\n');
          break;
        case 'r':
          out.push_back(u'\r');
          break;
        case 't':
          out.push_back(u'\t');
          break;
        case 'u': {
          std::uint32_t unit;
          if (!Hex4(unit))
            return Fail("bad \\u escape"), false;
          out.push_back(static_cast<char16_t>(unit));
          break;
        }
        default:
          return Fail("bad escape"), false;
      }
    }
    return Fail("unterminated string"), false;
  }

  bool ParseArray(Value& out, int depth) {
    ++pos_;
    out = Value::Array();
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == ']')
      return ++pos_, true;
    while (true) {
      Value item;
      if (!ParseValue(item, depth + 1))
        return false;
      out.items.push_back(std::move(item));
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']')
        return ++pos_, true;
      return Fail("expected , or ]"), false;
    }
  }

  bool ParseObject(Value& out, int depth) {
    ++pos_;
    out = Value::Object();
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == '}')
      return ++pos_, true;
    while (true) {
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"')
        return Fail("expected a member name"), false;
      WideString key;
      if (!ParseString(key))
        return false;
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':')
        return Fail("expected :"), false;
      ++pos_;
      Value value;
      if (!ParseValue(value, depth + 1))
        return false;
      out.members.push_back(Member{WideToUtf8(key), std::move(value)});
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}')
        return ++pos_, true;
      return Fail("expected , or }"), false;
    }
  }

  std::string_view text_;
  ParseError* error_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace

std::string Write(const Value& value) {
  std::string out;
  WriteValue(out, value, 0);
  out.push_back('\n');
  return out;
}

std::optional<Value> Parse(std::string_view text, ParseError* error) {
  return Parser(text, error).Document();
}

}  // namespace kova::json
