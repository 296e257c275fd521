#include "kova-skin/skin_check.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "forms/classes/strings.h"
#include "skin/data/quick_ini.h"

namespace kova {

namespace {

// Keys whose value is always an image file name, whatever it is written like.
constexpr std::array<std::string_view, 7> kImageKeys = {
    "image", "bitmap", "border", "glyphimage", "textback", "checkbutton", "radiobutton"};
// Image keys of the frame section only: "Colours" has a "Menubar" colour.
constexpr std::array<std::string_view, 5> kBorderKeys = {"left", "right", "top", "bottom",
                                                         "menubar"};
constexpr std::array<std::string_view, 4> kImageExtensions = {".bmp", ".png", ".jpg", ".gif"};

bool Contains(auto& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

bool IsImageValue(std::string_view section, std::string_view key, std::string_view value) {
  if (Contains(kImageKeys, key) ||
      (AsciiLower(section) == "personality" && Contains(kBorderKeys, key))) {
    return true;
  }
  return Contains(kImageExtensions, AsciiLower(ExtractFileExt(value)));
}

void CheckImageValue(const TSkinReader& reader, const std::string& where, const std::string& value,
                     std::vector<SkinProblem>& problems) {
  const std::string name = ExtractFileName(value);
  const std::string extension = ExtractFileExt(name);
  if (extension != ".bmp") {
    problems.push_back(
        {where,
         "\"" + value + "\" does not end in the lower-case extension .bmp, so no image is loaded"});
    return;
  }
  if (!Contains(reader.FileList(), AsciiLower(name))) {
    problems.push_back({where, "\"" + value + "\" names no entry of the archive"});
  }
}

}  // namespace

std::vector<SkinProblem> CheckSkin(const TSkinReader& reader) {
  std::vector<SkinProblem> problems;

  for (size_t i = 0; i < reader.FileList().size(); ++i) {
    const std::string& name = reader.FileList()[i];
    if (ExtractFileExt(name) != ".bmp") {
      continue;
    }
    TMemoryStream entry;
    reader.readfile(name, entry);
    TBitmap bitmap;
    if (!bitmap.LoadFromStream(entry)) {
      problems.push_back({reader.StoredNames()[i], "not a readable BMP image"});
    }
  }

  TMemoryStream ini_bytes;
  std::string ini_name;
  reader.readIni(".ini", ini_bytes, ini_name);
  if (ini_name.empty()) {
    problems.push_back({"", "no entry whose name contains \".ini\""});
    return problems;
  }
  TQuickIni ini;
  ini.LoadFromStream(&ini_bytes);
  TStringList sections;
  ini.ReadSections(&sections);
  // A section or key written twice is read once: only its first occurrence counts.
  std::set<std::string> checked;
  for (int s = 0; s < sections.Count(); ++s) {
    const WideString section = sections.Get(s);
    TStringList keys;
    ini.ReadSection(section, &keys);
    for (int k = 0; k < keys.Count(); ++k) {
      const WideString value = ini.ReadString(section, keys.Get(k), WideString());
      const std::string section8 = WideToLatin1(section);
      const std::string key8 = WideToLatin1(keys.Get(k));
      const std::string value8 = WideToLatin1(value);
      if (!checked.insert(AsciiLower(section8) + "/" + key8).second || value8.empty() ||
          !IsImageValue(section8, key8, value8)) {
        continue;
      }
      CheckImageValue(reader, section8 + "/" + key8, value8, problems);
    }
  }
  return problems;
}

}  // namespace kova
