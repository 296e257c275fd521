#include "DORFiles/files_repository.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kova {
namespace {

namespace fs = std::filesystem;

TEST(FilesRepositoryTest, ItemNamesStayInsideTheFolder) {
  struct Case {
    const char16_t* name;
    bool plain;
  };
  for (const Case& c : {Case{u"KOVAMainCat", true}, Case{u"Cat.v2", true}, Case{u"", false},
                        Case{u".", false}, Case{u"..", false}, Case{u"..\\x", false},
                        Case{u"a/b", false}, Case{u"C:x", false}, Case{u"a\nb", false}}) {
    EXPECT_EQ(IsPlainItemName(c.name), c.plain) << WideToUtf8(c.name);
  }
}

TEST(FilesRepositoryTest, StreamsUnitsAndDropsAnOddTrailingByte) {
  const fs::path folder = fs::path(::testing::TempDir()) / "kova_repository_test";
  fs::create_directories(folder);
  std::ofstream(folder / "odd", std::ios::binary) << std::string(
      "\xFF\xFE"
      "A\0B\0C",
      7);

  FilesRepository repository(folder);
  IFilesItem* item = nullptr;
  ASSERT_EQ(repository.OpenItem(u"odd", &item), kFilesOk);
  IFilesItem* again = nullptr;
  ASSERT_EQ(repository.OpenItem(u"odd", &again), kFilesOk);
  EXPECT_EQ(item, again) << "the repository keeps one item per name";

  IFilesStream* stream = nullptr;
  ASSERT_EQ(item->OpenStream(1, &stream, 3), kFilesOk);
  EXPECT_EQ(stream->GetLength(), 3u);
  char16_t units[4] = {};
  std::uint32_t length = 4;
  EXPECT_EQ(stream->Read(units, &length), kFilesOk);
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(WideString(units, 3),
            u"\xFEFF"
            u"AB");
  EXPECT_NE(stream->Read(nullptr, &length), kFilesOk);
  EXPECT_EQ(stream->Close(0), kFilesOk);

  fs::remove(folder / "odd");
  EXPECT_EQ(item->OpenStream(1, &stream, 3), kFilesNotFound) << "removed after opening";
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(repository.OpenItem(u"odd", &item), kFilesNotFound);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kova
