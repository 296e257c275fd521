// kova-skin: makes, takes apart, lists and checks skin files, and applies the
// compressed-stream framing on its own.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "kova-skin/png_writer.h"
#include "kova-skin/skin_check.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_data.h"
#include "skin/apply/skin_preview.h"
#include "skin/data/skin_message.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUnusable = 2;
constexpr int32_t kDefaultFormat = 70000;
// Larger inputs are not skins; refusing them keeps every step bounded.
constexpr uintmax_t kMaxInputSize = uintmax_t{256} << 20;

constexpr char kUsage[] =
    "usage: kova-skin pack DIR -o FILE.skn [--format VERSION]\n"
    "       kova-skin unpack FILE.skn -o DIR\n"
    "       kova-skin list FILE.skn\n"
    "       kova-skin check FILE.skn\n"
    "       kova-skin compress IN -o OUT\n"
    "       kova-skin decompress IN -o OUT\n"
    "       kova-skin preview FILE.skn -o OUT.png [--size WxH] [--inactive] [--caption TEXT]\n"
    "\n"
    "pack        archives the files of DIR (not its sub-folders), INI files first, names\n"
    "            as written, and compresses the archive. VERSION is one of 20000, 30000,\n"
    "            40000, 50000, 60000, 70000 (default 70000).\n"
    "unpack      writes every entry of a skin file into DIR (created if needed).\n"
    "list        prints the format version and each entry with its size.\n"
    "check       reports, with section and key, every INI image value that names no\n"
    "            entry or lacks the lower-case .bmp extension, and every BMP entry that\n"
    "            does not decode.\n"
    "compress    writes the compressed-stream form of a file: its size in 4 bytes, then\n"
    "            the LZH stream.\n"
    "decompress  the reverse of compress.\n"
    "preview     draws a window frame of the skin (borders, title bar, caption text and\n"
    "            buttons) around a client area of the skin's form colour, as a PNG image.\n"
    "            WxH defaults to 400x260; --inactive draws the inactive state.\n"
    "\n"
    "exit codes: 0 success, 1 problems found, 2 unusable input or usage error.\n";

int Usage(const std::string& problem) {
  std::cerr << "kova-skin: " << problem << "\n\n" << kUsage;
  return kExitUnusable;
}

int Fail(const fs::path& path, const std::string& problem) {
  std::cerr << "kova-skin: " << path.string() << ": " << problem << "\n";
  return kExitUnusable;
}

// Command-line words after the command: positional arguments and "-o"/"--format".
struct Arguments {
  std::vector<std::string> positional;
  std::optional<std::string> output;
  std::optional<std::string> format;
  std::optional<std::string> size;
  std::optional<std::string> caption;
  bool inactive = false;
  std::string error;
};

Arguments Parse(int argc, char** argv) {
  Arguments args;
  for (int i = 2; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "-o" || word == "--format" || word == "--size" || word == "--caption") {
      if (i + 1 == argc) {
        args.error = word + " needs a value";
        return args;
      }
      std::optional<std::string>& slot = word == "-o"         ? args.output
                                         : word == "--format" ? args.format
                                         : word == "--size"   ? args.size
                                                              : args.caption;
      slot = argv[++i];
    } else if (word == "--inactive") {
      args.inactive = true;
    } else if (word.size() > 1 && word[0] == '-') {
      args.error = "unknown option " + word;
      return args;
    } else {
      args.positional.push_back(word);
    }
  }
  return args;
}

std::optional<TMemoryStream> ReadFile(const fs::path& path) {
  std::error_code ec;
  const uintmax_t size = fs::file_size(path, ec);
  if (ec || !fs::is_regular_file(path)) {
    Fail(path, "cannot read the file");
    return std::nullopt;
  }
  if (size > kMaxInputSize) {
    Fail(path, "larger than 256 MiB");
    return std::nullopt;
  }
  try {
    TMemoryStream stream;
    stream.LoadFromFile(path);
    return stream;
  } catch (const EStreamError& e) {
    Fail(path, e.what());
    return std::nullopt;
  }
}

bool WriteFile(const fs::path& path, const TMemoryStream& data) {
  try {
    data.SaveToFile(path);
    return true;
  } catch (const EStreamError& e) {
    Fail(path, e.what());
    return false;
  }
}

std::optional<TSkinReader> LoadSkin(const fs::path& path) {
  std::optional<TMemoryStream> file = ReadFile(path);
  if (!file) {
    return std::nullopt;
  }
  TSkinReader reader;
  if (!reader.Loadfromstream(*file)) {
    std::string why = SkinReadStatusText(reader.LastStatus());
    if (reader.LastStatus() == SkinReadStatus::kUnknownVersion) {
      TMemoryStream archive;
      file->SetPosition(0);
      if (DecompressStream(*file, archive) == LzhStatus::kOk && archive.Size() >= 4) {
        archive.SetPosition(0);
        why += " " + std::to_string(archive.ReadInt32());
      }
    }
    Fail(path, "not a usable skin file: " + why);
    return std::nullopt;
  }
  return reader;
}

bool IsIni(const std::string& name) {
  return AsciiLower(ExtractFileExt(name)) == ".ini";
}

int Pack(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) {
    return Usage("pack needs DIR and -o FILE.skn");
  }
  int32_t format = kDefaultFormat;
  if (args.format) {
    try {
      format = std::stoi(*args.format);
    } catch (const std::exception&) {
      format = -1;
    }
    if (SkinDescriptiveBlockSize(format) < 0) {
      return Usage("unknown format version " + *args.format);
    }
  }
  const fs::path dir = args.positional[0];
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    return Fail(dir, "not a directory");
  }
  std::vector<std::string> names;
  for (const fs::directory_entry& item : fs::directory_iterator(dir, ec)) {
    if (item.is_regular_file()) {
      names.push_back(item.path().filename().string());
    }
  }
  if (ec) {
    return Fail(dir, "cannot list the directory");
  }
  if (names.empty()) {
    return Fail(dir, "holds no files");
  }
  // INI first (the reader takes the first name containing ".ini"), then by name.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::pair{!IsIni(a), a} < std::pair{!IsIni(b), b};
  });
  std::vector<SkinEntry> entries;
  uintmax_t total = 0;
  for (const std::string& name : names) {
    std::optional<TMemoryStream> data = ReadFile(dir / name);
    if (!data) {
      return kExitUnusable;
    }
    total += static_cast<uintmax_t>(data->Size());
    if (total > kMaxInputSize) {
      return Fail(dir, "the files add up to more than 256 MiB");
    }
    entries.push_back({name, data->Data()});
  }
  TMemoryStream file;
  try {
    WriteSkinFile(entries, format, file);
  } catch (const std::invalid_argument& e) {
    return Fail(dir, e.what());
  }
  return WriteFile(*args.output, file) ? kExitOk : kExitUnusable;
}

// An entry name that stays inside the output directory.
bool SafeEntryName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\:") == std::string::npos;
}

int Unpack(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) {
    return Usage("unpack needs FILE.skn and -o DIR");
  }
  std::optional<TSkinReader> reader = LoadSkin(args.positional[0]);
  if (!reader) {
    return kExitUnusable;
  }
  const fs::path dir = *args.output;
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir)) {
    return Fail(dir, "cannot create the directory");
  }
  int result = kExitOk;
  std::set<std::string> written;
  for (size_t i = 0; i < reader->FileList().size(); ++i) {
    const std::string& name = reader->StoredNames()[i];
    if (!SafeEntryName(name)) {
      std::cerr << "kova-skin: entry \"" << name << "\" is not a plain file name; skipped\n";
      result = kExitProblems;
      continue;
    }
    if (!written.insert(reader->FileList()[i]).second) {
      std::cerr << "kova-skin: entry \"" << name
                << "\" repeats an earlier name and is never read; skipped\n";
      result = kExitProblems;
      continue;
    }
    TMemoryStream entry;
    reader->readfile(name, entry);
    if (!WriteFile(dir / name, entry)) {
      return kExitUnusable;
    }
  }
  return result;
}

int List(const Arguments& args) {
  if (args.positional.size() != 1 || args.output) {
    return Usage("list needs FILE.skn");
  }
  std::optional<TSkinReader> reader = LoadSkin(args.positional[0]);
  if (!reader) {
    return kExitUnusable;
  }
  std::cout << "format " << reader->FormatVersion() << ", " << reader->EntryCount() << " entries\n";
  for (int i = 0; i < reader->EntryCount(); ++i) {
    std::cout << reader->Size(i) << "\t" << reader->StoredNames()[static_cast<size_t>(i)] << "\n";
  }
  return kExitOk;
}

int Check(const Arguments& args) {
  if (args.positional.size() != 1 || args.output) {
    return Usage("check needs FILE.skn");
  }
  std::optional<TSkinReader> reader = LoadSkin(args.positional[0]);
  if (!reader) {
    return kExitUnusable;
  }
  const std::vector<SkinProblem> problems = CheckSkin(*reader);
  for (const SkinProblem& problem : problems) {
    std::cout << args.positional[0] << ": " << (problem.where.empty() ? "" : problem.where + ": ")
              << problem.what << "\n";
  }
  if (problems.empty()) {
    std::cout << args.positional[0] << ": ok, " << reader->EntryCount() << " entries\n";
  }
  return problems.empty() ? kExitOk : kExitProblems;
}

int Compress(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) {
    return Usage("compress needs IN and -o OUT");
  }
  std::optional<TMemoryStream> input = ReadFile(args.positional[0]);
  if (!input) {
    return kExitUnusable;
  }
  TMemoryStream packed;
  CompressStream(*input, packed);
  return WriteFile(*args.output, packed) ? kExitOk : kExitUnusable;
}

int Decompress(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) {
    return Usage("decompress needs IN and -o OUT");
  }
  std::optional<TMemoryStream> input = ReadFile(args.positional[0]);
  if (!input) {
    return kExitUnusable;
  }
  TMemoryStream unpacked;
  const LzhStatus status = DecompressStream(*input, unpacked);
  if (status != LzhStatus::kOk) {
    return Fail(args.positional[0], LzhStatusText(status));
  }
  return WriteFile(*args.output, unpacked) ? kExitOk : kExitUnusable;
}

// "WxH" with both sides from 1 to 4096.
bool ParseSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) {
    return false;
  }
  try {
    size_t used_w = 0;
    size_t used_h = 0;
    width = std::stoi(text.substr(0, x), &used_w);
    height = std::stoi(text.substr(x + 1), &used_h);
    return used_w == x && used_h == text.size() - x - 1 && width > 0 && height > 0 &&
           width <= 4096 && height <= 4096;
  } catch (const std::exception&) {
    return false;
  }
}

int Preview(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) {
    return Usage("preview needs FILE.skn and -o OUT.png");
  }
  SkinPreviewOptions options;
  if (args.size && !ParseSize(*args.size, options.width, options.height)) {
    return Usage("--size wants WxH, each from 1 to 4096");
  }
  options.active = !args.inactive;
  if (args.caption) {
    options.caption = *args.caption;
  }
  // The skin must be readable as a whole before the model is built from it.
  if (!LoadSkin(args.positional[0])) {
    return kExitUnusable;
  }
  std::optional<TMemoryStream> file = ReadFile(args.positional[0]);
  if (!file) {
    return kExitUnusable;
  }
  TSkinData data(nullptr);
  data.LoadFromStream(*file);
  const TBitmap picture = ComposeSkinPreview(data, options);
  if (picture.Empty()) {
    return Fail(args.positional[0], "the window is too small for the skin's frame");
  }
  std::string error;
  if (!WritePng(picture, *args.output, error)) {
    return Fail(*args.output, error);
  }
  return kExitOk;
}

void QuietSkinMessage(const WideString&) {}

int Main(int argc, char** argv) {
  if (argc < 2) {
    return Usage("no command given");
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return kExitOk;
  }
  // The tool states problems itself; no message box.
  SetSkinMessageHook(&QuietSkinMessage);
  const Arguments args = Parse(argc, argv);
  if (!args.error.empty()) {
    return Usage(args.error);
  }
  static const std::map<std::string, int (*)(const Arguments&)> kCommands = {
      {"pack", Pack},         {"unpack", Unpack},         {"list", List},      {"check", Check},
      {"compress", Compress}, {"decompress", Decompress}, {"preview", Preview}};
  const auto found = kCommands.find(command);
  if (found == kCommands.end()) {
    return Usage("unknown command " + command);
  }
  try {
    return found->second(args);
  } catch (const std::exception& e) {
    std::cerr << "kova-skin: " << e.what() << "\n";
    return kExitUnusable;
  }
}

}  // namespace
}  // namespace kova

int main(int argc, char** argv) {
  return kova::Main(argc, argv);
}
