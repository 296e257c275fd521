#include "kova-dict/po_file.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace kova {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) {
      return false;  // truncated sequence
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        return false;
      }
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += extra + 1;
  }
  return true;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Decodes one C-style quoted string that makes up the whole of `text`.
std::optional<std::string> DecodeQuoted(std::string_view text, std::string* problem) {
  if (text.size() < 2 || text.front() != '"') {
    *problem = "expected a string in double quotes";
    return std::nullopt;
  }
  std::string out;
  std::size_t i = 1;
  while (i < text.size() && text[i] != '"') {
    const char c = text[i];
    if (c != '\\') {
      out.push_back(c);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) {
      break;
    }
    const char e = text[i + 1];
    i += 2;
    switch (e) {
      case 'n':
        out.push_back('\n');
        break;
      case 't':
        out.push_back('\t');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 'a':
        out.push_back('\a');
        break;
      case 'b':
        out.push_back('\b');
        break;
      case 'f':
        out.push_back('\f');
        break;
      case 'v':
        out.push_back('\v');
        break;
      case '\\':
      case '"':
      case '\'':
      case '?':
        out.push_back(e);
        break;
      case 'x': {
        int value = 0;
        std::size_t digits = 0;
        while (i < text.size() && digits < 2 && HexValue(text[i]) >= 0) {
          value = value * 16 + HexValue(text[i++]);
          ++digits;
        }
        if (digits == 0) {
          *problem = "\\x without hexadecimal digits";
          return std::nullopt;
        }
        out.push_back(static_cast<char>(value));
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          int value = e - '0';
          for (int digits = 1; digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7';
               ++digits) {
            value = value * 8 + (text[i++] - '0');
          }
          out.push_back(static_cast<char>(value & 0xFF));
          break;
        }
        *problem = std::string("unknown escape sequence \\") + e;
        return std::nullopt;
    }
  }
  if (i >= text.size()) {
    *problem = "unterminated string";
    return std::nullopt;
  }
  if (!Trim(text.substr(i + 1)).empty()) {
    *problem = "unexpected text after the closing quote";
    return std::nullopt;
  }
  return out;
}

enum class Field { kNone, kId, kString };

struct Pending {
  bool has_id = false;
  bool has_string = false;
  bool fuzzy = false;
  std::string id;
  std::string string;
  std::size_t id_line = 0;
  std::size_t string_line = 0;
};

class PoReader {
 public:
  PoParseResult Run(std::string_view text) {
    std::size_t line_number = 0;
    std::size_t start = 0;
    while (start <= text.size() && result_.ok()) {
      auto end = text.find('\n', start);
      if (end == std::string_view::npos) {
        end = text.size();
      }
      ++line_number;
      HandleLine(Trim(text.substr(start, end - start)), line_number);
      start = end + 1;
    }
    if (result_.ok()) {
      if (pending_.has_id && !pending_.has_string) {
        Error(pending_.id_line, "msgid without msgstr");
      } else {
        Finish();
      }
    }
    return std::move(result_);
  }

 private:
  void Error(std::size_t line, std::string message) {
    if (result_.ok()) {
      result_.errors.push_back({line, std::move(message)});
    }
  }

  void HandleLine(std::string_view line, std::size_t number) {
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) {
      line = Trim(line.substr(3));
    }
    if (line.empty()) {
      return;
    }
    if (line.front() == '#') {
      // Obsolete messages ("#~") are comments for us; "#," carries the flags.
      if (line.starts_with("#,") && line.find("fuzzy") != std::string_view::npos) {
        if (pending_.has_string) {
          Finish();
        }
        next_fuzzy_ = true;
      }
      return;
    }
    if (line.front() == '"') {
      AppendContinuation(line, number);
      return;
    }
    const auto space = line.find_first_of(" \t");
    const std::string_view keyword = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? "" : Trim(line.substr(space));
    if (keyword == "msgid") {
      StartId(rest, number);
    } else if (keyword == "msgstr") {
      StartString(rest, number);
    } else if (keyword == "msgctxt") {
      Error(number, "message contexts (msgctxt) are not supported");
    } else if (keyword == "msgid_plural" || keyword.starts_with("msgstr[")) {
      Error(number, "plural forms are not supported");
    } else {
      Error(number, "unknown keyword '" + std::string(keyword) + "'");
    }
  }

  std::optional<std::string> Decode(std::string_view quoted, std::size_t number) {
    std::string problem;
    auto decoded = DecodeQuoted(quoted, &problem);
    if (!decoded) {
      Error(number, problem);
    }
    return decoded;
  }

  void StartId(std::string_view quoted, std::size_t number) {
    if (pending_.has_id && !pending_.has_string) {
      Error(number, "msgid follows a msgid without msgstr");
      return;
    }
    Finish();
    auto decoded = Decode(quoted, number);
    if (!decoded) {
      return;
    }
    pending_.has_id = true;
    pending_.fuzzy = next_fuzzy_;
    next_fuzzy_ = false;
    pending_.id = std::move(*decoded);
    pending_.id_line = number;
    field_ = Field::kId;
  }

  void StartString(std::string_view quoted, std::size_t number) {
    if (!pending_.has_id || pending_.has_string) {
      Error(number, "msgstr without a preceding msgid");
      return;
    }
    auto decoded = Decode(quoted, number);
    if (!decoded) {
      return;
    }
    pending_.has_string = true;
    pending_.string = std::move(*decoded);
    pending_.string_line = number;
    field_ = Field::kString;
  }

  void AppendContinuation(std::string_view quoted, std::size_t number) {
    if (field_ == Field::kNone) {
      Error(number, "string without a preceding msgid or msgstr");
      return;
    }
    auto decoded = Decode(quoted, number);
    if (decoded) {
      (field_ == Field::kId ? pending_.id : pending_.string) += *decoded;
    }
  }

  // Turns the completed message into an entry.
  void Finish() {
    Pending done = std::move(pending_);
    pending_ = Pending{};
    field_ = Field::kNone;
    if (!done.has_id) {
      return;
    }
    if (!IsValidUtf8(done.id)) {
      return Error(done.id_line, "msgid is not valid UTF-8");
    }
    if (!IsValidUtf8(done.string)) {
      return Error(done.string_line, "msgstr is not valid UTF-8");
    }
    if (done.id.find('\0') != std::string::npos || done.string.find('\0') != std::string::npos) {
      return Error(done.id_line, "texts must not contain a NUL character");
    }
    if (done.id.empty()) {
      return CheckHeader(done);
    }
    const auto [it, inserted] = first_line_.emplace(done.id, done.id_line);
    if (!inserted) {
      return Error(done.id_line,
                   "duplicate msgid (first defined at line " + std::to_string(it->second) + ")");
    }
    if (done.fuzzy) {
      ++result_.catalog.fuzzy;
    } else if (done.string.empty()) {
      ++result_.catalog.untranslated;
    } else {
      result_.catalog.entries.push_back({Utf8ToWide(done.id), Utf8ToWide(done.string)});
    }
  }

  // The header (msgid "") may only declare UTF-8 as its character set.
  void CheckHeader(const Pending& header) {
    std::string lower = header.string;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto at = lower.find("charset=");
    if (at == std::string::npos) {
      return;
    }
    const auto value_end = lower.find_first_of(" \t\r\n;", at + 8);
    const std::string charset = lower.substr(at + 8, value_end - (at + 8));
    if (charset != "utf-8" && charset != "utf8" && charset != "charset") {
      Error(header.id_line, "character set '" + charset + "' is not supported (use UTF-8)");
    }
  }

  PoParseResult result_;
  Pending pending_;
  Field field_ = Field::kNone;
  bool next_fuzzy_ = false;
  std::map<std::string, std::size_t> first_line_;
};

}  // namespace

PoParseResult ParsePo(std::string_view text) {
  return PoReader().Run(text);
}

}  // namespace kova
