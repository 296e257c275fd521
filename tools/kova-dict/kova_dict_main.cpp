// kova-dict: compiles translators' PO files into the product's dictionary files and
// shows what a dictionary holds.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "i18n/dictionary_file.h"
#include "kova-dict/po_file.h"

namespace kova {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitInputError = 1;
constexpr int kExitUsage = 2;
constexpr std::uintmax_t kMaxPoFileSize = 64u * 1024 * 1024;

constexpr char kUsage[] =
    "usage: kova-dict compile INPUT.po -o OUTPUT.kvd\n"
    "       kova-dict dump DICTIONARY.kvd\n"
    "       kova-dict lookup DICTIONARY.kvd TEXT\n"
    "\n"
    "compile  reads a gettext PO file (UTF-8) and writes a dictionary. Fuzzy and\n"
    "         untranslated messages are left out. Errors name the line.\n"
    "dump     prints every entry of a dictionary as PO messages, sorted by msgid.\n"
    "lookup   prints the translation of TEXT (UTF-8); exit code 1 when there is none.\n";

int Usage(const std::string& problem) {
  std::cerr << "kova-dict: " << problem << "\n\n" << kUsage;
  return kExitUsage;
}

std::optional<std::string> ReadText(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    std::cerr << path << ": error: cannot read the file\n";
    return std::nullopt;
  }
  if (size > kMaxPoFileSize) {
    std::cerr << path << ": error: the file is larger than 64 MiB\n";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<std::size_t>(size), '\0');
  if (!in.read(text.data(), static_cast<std::streamsize>(size))) {
    std::cerr << path << ": error: cannot read the file\n";
    return std::nullopt;
  }
  return text;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out.push_back(c);
    }
  }
  return out + "\"";
}

int Compile(const std::vector<std::string>& args) {
  std::string input;
  std::string output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" || args[i] == "--output") {
      if (i + 1 >= args.size()) {
        return Usage("-o needs a file name");
      }
      output = args[++i];
    } else if (input.empty()) {
      input = args[i];
    } else {
      return Usage("more than one input file");
    }
  }
  if (input.empty() || output.empty()) {
    return Usage("compile needs an input file and -o OUTPUT");
  }
  const auto text = ReadText(input);
  if (!text) {
    return kExitInputError;
  }
  const PoParseResult parsed = ParsePo(*text);
  if (!parsed.ok()) {
    for (const PoError& error : parsed.errors) {
      std::cerr << input << ":" << error.line << ": error: " << error.message << "\n";
    }
    return kExitInputError;
  }
  const std::vector<std::uint8_t> bytes = WriteDictionary(parsed.catalog.entries);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size())) ||
      !out.flush()) {
    std::cerr << output << ": error: cannot write the file\n";
    return kExitInputError;
  }
  std::cout << output << ": " << parsed.catalog.entries.size() << " translations";
  if (parsed.catalog.fuzzy > 0 || parsed.catalog.untranslated > 0) {
    std::cout << " (" << parsed.catalog.fuzzy << " fuzzy and " << parsed.catalog.untranslated
              << " untranslated left out)";
  }
  std::cout << "\n";
  return kExitOk;
}

std::optional<DictionaryFile> OpenDictionary(const std::string& path) {
  DictionaryError error = DictionaryError::kNone;
  auto dictionary = DictionaryFile::Load(Utf8ToWide(path), &error);
  if (!dictionary) {
    std::cerr << path << ": error: " << DictionaryErrorText(error) << "\n";
  }
  return dictionary;
}

int Dump(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    return Usage("dump needs exactly one dictionary file");
  }
  const auto dictionary = OpenDictionary(args[0]);
  if (!dictionary) {
    return kExitInputError;
  }
  std::vector<DictionaryEntry> entries = dictionary->Entries();
  std::sort(entries.begin(), entries.end(),
            [](const DictionaryEntry& a, const DictionaryEntry& b) { return a.key < b.key; });
  for (const DictionaryEntry& entry : entries) {
    std::cout << "msgid " << Quote(WideToUtf8(entry.key)) << "\nmsgstr "
              << Quote(WideToUtf8(entry.value)) << "\n\n";
  }
  return kExitOk;
}

int Lookup(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    return Usage("lookup needs a dictionary file and a text");
  }
  const auto dictionary = OpenDictionary(args[0]);
  if (!dictionary) {
    return kExitInputError;
  }
  const auto translation = dictionary->Find(Utf8ToWide(args[1]));
  if (!translation) {
    std::cerr << "no translation\n";
    return kExitInputError;
  }
  std::cout << WideToUtf8(*translation) << "\n";
  return kExitOk;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    return Usage("no command given");
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return kExitOk;
  }
  if (command == "compile")
    return Compile(args);
  if (command == "dump")
    return Dump(args);
  if (command == "lookup")
    return Lookup(args);
  return Usage("unknown command '" + command + "'");
}

}  // namespace
}  // namespace kova

int main(int argc, char** argv) {
  return kova::Main(argc, argv);
}
