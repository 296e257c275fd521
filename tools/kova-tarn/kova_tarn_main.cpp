// kova-tarn: shows the IPC byte format as JSON and writes it back, for the engineers
// who debug the link to the service.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "json.h"
#include "tarn_json.h"

namespace {

constexpr const char kUsage[] =
    "usage: kova-tarn decode FILE            print the flattened object or message in FILE\n"
    "                                        (raw bytes or hex digits) as JSON\n"
    "       kova-tarn encode FILE.json [-o OUT]\n"
    "                                        write the bytes of the JSON document to OUT,\n"
    "                                        or as hex digits to standard output\n"
    "       kova-tarn --help\n"
    "exit codes: 0 done, 1 the input does not decode or encode, 2 usage or file error\n";

bool ReadFile(const std::string& path, std::string* contents) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return false;
  contents->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

int Decode(const std::string& path) {
  std::string contents;
  if (!ReadFile(path, &contents)) {
    std::cerr << "kova-tarn: cannot read " << path << "\n";
    return 2;
  }
  const std::string bytes = kova::tarn_json::BytesFromFile(contents);
  kova::tarn_json::Error error;
  const auto document = kova::tarn_json::Decode(bytes, &error);
  if (!document) {
    std::cerr << "kova-tarn: " << path << ": decoding stopped at byte " << error.offset << ": "
              << error.message << "\n";
    return 1;
  }
  std::cout << kova::json::Write(*document);
  return 0;
}

int Encode(const std::string& path, const char* output) {
  std::string contents;
  if (!ReadFile(path, &contents)) {
    std::cerr << "kova-tarn: cannot read " << path << "\n";
    return 2;
  }
  kova::json::ParseError parse_error;
  const auto document = kova::json::Parse(contents, &parse_error);
  if (!document) {
    std::cerr << "kova-tarn: " << path << ": invalid JSON at offset " << parse_error.offset << ": "
              << parse_error.message << "\n";
    return 1;
  }
  kova::tarn_json::Error error;
  const auto bytes = kova::tarn_json::Encode(*document, &error);
  if (!bytes) {
    std::cerr << "kova-tarn: " << path << ": " << error.message << "\n";
    return 1;
  }
  if (output == nullptr) {
    std::cout << kova::tarn_json::ToHex(*bytes) << "\n";
    return 0;
  }
  std::ofstream file(output, std::ios::binary | std::ios::trunc);
  file.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  if (!file) {
    std::cerr << "kova-tarn: cannot write " << output << "\n";
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "decode") == 0)
    return Decode(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "encode") == 0)
    return Encode(argv[2], nullptr);
  if (argc == 5 && std::strcmp(argv[1], "encode") == 0 && std::strcmp(argv[3], "-o") == 0)
    return Encode(argv[2], argv[4]);
  std::cerr << kUsage;
  return 2;
}
