#include "forms/classes/filer.h"

#include <exception>

#include "forms/classes/component.h"

namespace kova {

namespace {

bool SameNameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

class BinaryWriter : public TFiler {
 public:
  void DefineBinaryProperty(std::string_view name, const TStreamProc&,
                            const TStreamProc& write_data, bool has_data) override {
    if (!has_data || !write_data) {
      return;
    }
    TMemoryStream stream;
    write_data(stream);
    properties.push_back({std::string(name), stream.Data()});
  }

  std::vector<StoredBinaryProperty> properties;
};

class BinaryReader : public TFiler {
 public:
  BinaryReader(std::string_view name, std::span<const uint8_t> data) : name_(name), data_(data) {}

  void DefineBinaryProperty(std::string_view name, const TStreamProc& read_data, const TStreamProc&,
                            bool) override {
    if (found_ || !SameNameAscii(name, name_)) {
      return;
    }
    found_ = true;
    if (!read_data) {
      throw EFilerError("the property cannot be read");
    }
    TMemoryStream stream(std::vector<uint8_t>(data_.begin(), data_.end()));
    read_data(stream);
    const int64_t left = stream.Size() - stream.Position();
    if (left > 0) {
      throw EFilerError(std::to_string(left) + " stored bytes were left unread");
    }
  }

  bool Found() const { return found_; }

 private:
  std::string_view name_;
  std::span<const uint8_t> data_;
  bool found_ = false;
};

class NameFinder : public TFiler {
 public:
  explicit NameFinder(std::string_view name) : name_(name) {}
  void DefineBinaryProperty(std::string_view name, const TStreamProc&, const TStreamProc&,
                            bool) override {
    found = found || SameNameAscii(name, name_);
  }
  bool found = false;

 private:
  std::string_view name_;
};

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') {
    return c - u'0';
  }
  if (c >= u'A' && c <= u'F') {
    return c - u'A' + 10;
  }
  if (c >= u'a' && c <= u'f') {
    return c - u'a' + 10;
  }
  return -1;
}

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

}  // namespace

std::vector<StoredBinaryProperty> WriteBinaryProperties(TPersistent& component) {
  BinaryWriter writer;
  component.DefineProperties(writer);
  return std::move(writer.properties);
}

bool DefinesBinaryProperty(TPersistent& component, std::string_view name) {
  NameFinder finder(name);
  component.DefineProperties(finder);
  return finder.found;
}

bool ReadBinaryProperty(TPersistent& component, std::string_view name,
                        std::span<const uint8_t> data) {
  BinaryReader reader(name, data);
  try {
    component.DefineProperties(reader);
  } catch (const std::exception& error) {
    throw EFilerError("Error reading " + std::string(component.ClassName()) + "." +
                      std::string(name) + ": " + error.what());
  }
  return reader.Found();
}

std::u16string BinaryToHex(std::span<const uint8_t> data) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string text;
  text.reserve(data.size() * 2);
  for (const uint8_t byte : data) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0x0F]);
  }
  return text;
}

std::vector<uint8_t> HexToBinary(std::u16string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsSpace(text[begin])) {
    ++begin;
  }
  while (end > begin && IsSpace(text[end - 1])) {
    --end;
  }
  if (begin < end && text[begin] == u'{') {
    if (text[end - 1] != u'}' || end - begin < 2) {
      throw EFilerError("binary data opens a brace it does not close");
    }
    ++begin;
    --end;
  }
  std::vector<uint8_t> bytes;
  bytes.reserve((end - begin) / 2);
  size_t i = begin;
  while (i < end) {
    if (IsSpace(text[i])) {
      ++i;
      continue;
    }
    const int high = HexDigit(text[i]);
    const int low = i + 1 < end ? HexDigit(text[i + 1]) : -1;
    if (high < 0 || low < 0) {
      throw EFilerError("binary data is not pairs of hexadecimal digits (at character " +
                        std::to_string(i) + ")");
    }
    bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    i += 2;
  }
  return bytes;
}

}  // namespace kova
