// Reading skin files: one LZH-compressed archive holding a header, a descriptive block
// whose length depends on the format version, a list of entry names, a table of entry
// sizes and the entries' bytes (an INI description and the BMP images it names).
//
// A skin file is outside data: everything the archive states is checked against the
// bytes actually present before it is used.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/streams.h"
#include "forms/graphics/bitmap.h"
#include "skin/data/lzh.h"

namespace kova {

inline constexpr int kMaxSkinEntries = 1001;
inline constexpr int32_t kSkinFormatVersions[] = {20000, 30000, 40000, 50000, 60000, 70000};

// Length of the descriptive block that follows the header, or -1 for a version the
// reader does not know.
int SkinDescriptiveBlockSize(int32_t format_version);

// Why the last Loadfromstream failed (or kOk).
enum class SkinReadStatus {
  kOk,
  kBadCompression,   // the size header of the compressed stream cannot be right
  kTruncatedHeader,  // the archive is shorter than its 16-byte header and block
  kUnknownVersion,
  kBadNameList,     // negative length or longer than the archive
  kTooManyEntries,  // more than 1001 names
  kTruncatedSizes,
  kNegativeSize,
  kSizesPastEnd,  // the entries' sizes add up past the end of the archive
};
const char* SkinReadStatusText(SkinReadStatus status);

// Splits 8-bit text into lines at CR, LF or CR LF; a last line without an end counts,
// and a zero byte ends the text.
std::vector<std::string> SplitLines(std::string_view text);

// Lower-cases ASCII letters only.
std::string AsciiLower(std::string_view text);

class TSkinReader {
 public:
  TSkinReader() = default;

  // Decompresses `source` (a whole skin file) and takes over its directory and entry
  // data. An unknown format version shows the "older skin file" message. Answers
  // false, and holds no entries, whenever the archive cannot be read.
  bool Loadfromstream(TStream& source);

  // Clears `target`, then writes the bytes of the first entry whose name equals
  // `name` ignoring case and rewinds `target`. A missing entry leaves it empty.
  void readfile(std::string_view name, TMemoryStream& target) const;
  // As readfile for the first entry whose lower-cased name contains `part`; sets
  // `entry_name` to that (lower-cased) name. Without a match `entry_name` is kept.
  void readIni(std::string_view part, TMemoryStream& target, std::string& entry_name) const;

  // The compressed-stream framing: 4-byte size, then the LZH stream.
  static LzhStatus Decompress(TStream& source, TStream& dest);

  SkinReadStatus LastStatus() const { return status_; }
  const std::vector<std::string>& FileList() const { return file_list_; }
  // The names as the archive stores them, before lower-casing.
  const std::vector<std::string>& StoredNames() const { return stored_names_; }
  int EntryCount() const { return static_cast<int>(file_list_.size()); }
  int32_t Size(int index) const { return sizes_.at(static_cast<size_t>(index)); }
  const std::array<int32_t, 4>& Header() const { return header_; }
  int32_t FormatVersion() const { return header_[0]; }
  // The bytes of the first entry of that name (compared ignoring ASCII case), in place;
  // empty without one. Valid until the next load.
  std::span<const uint8_t> FindEntry(std::string_view name) const;

 private:
  SkinReadStatus Load(TStream& source);
  void Reset();
  // Copies entry `index` into `target`.
  void CopyEntry(size_t index, TMemoryStream& target) const;

  std::vector<std::string> file_list_;
  std::vector<std::string> stored_names_;
  std::vector<int32_t> sizes_;
  std::vector<int64_t> offsets_;  // into archive_
  std::array<int32_t, 4> header_{};
  // The whole decompressed archive, kept: entries are read where they lie.
  TMemoryStream archive_;
  SkinReadStatus status_ = SkinReadStatus::kOk;
};

// The file-name part of a path and its extension (from the last '.', dot included).
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);

// The text before the first '.', or empty when there is none.
std::string GetFileName(std::string_view name);

// Loads the image an INI value names: only names whose extension is exactly ".bmp"
// (lower case) are looked up; a missing entry, any other extension or bytes that are
// not a BMP leave `bitmap` empty. Answers whether an image was loaded.
bool ReadSkinBitmap(const TSkinReader& reader, std::string_view file_name, TBitmap& bitmap);

// The persisted form of a skin file inside a component: a signed 32-bit length, then
// that many bytes. A length below 1 stores nothing.
void WriteSkinStream(TStream& stream, const TMemoryStream& skin_file);
// Answers false with `skin_file` empty for a length below 1; raises EStreamError when
// the stream holds fewer bytes than its length says (nothing is allocated for them,
// and `skin_file` keeps what it held).
bool ReadSkinStream(TStream& stream, TMemoryStream& skin_file);

}  // namespace kova
