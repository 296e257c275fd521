#include "config/library_path.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(LibraryPathTest, FormatsDirectoryAndFileWithinTheLoaderBuffer) {
  EXPECT_EQ(FormatLibraryPath(u"C:\\KOVA\\", u"drTXml.dll"), u"C:\\KOVA\\drTXml.dll");
  EXPECT_EQ(FormatLibraryPath(u"", u"DORFiles.dll"), u"DORFiles.dll");
  const WideString long_directory(2040, u'a');
  const WideString path = FormatLibraryPath(long_directory, u"DORFiles.dll");
  EXPECT_EQ(path.size(), kLoaderPathCapacity - 1);
  EXPECT_EQ(path.substr(2040), u"DORFile");
}

TEST(LibraryPathTest, DirectoryAndItemNames) {
  struct Case {
    WideString in;
    WideString directory;
    WideString item;
  } cases[] = {
      {u"C:\\KOVA\\KOVAMsg.dll", u"C:\\KOVA", u"KOVAMsg"},
      {u"KOVAMainCat", u"", u"KOVAMainCat"},
      {u"C:\\a.b\\KOVAMainCat", u"C:\\a.b", u"KOVAMainCat"},
      {u"\\cat.v1.xml", u"", u"cat.v1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectoryPart(c.in), c.directory);
    EXPECT_EQ(CatalogItemName(c.in), c.item);
  }
}

TEST(LibraryPathTest, OnlyDriveAndNetworkPathsAreAbsolute) {
  EXPECT_TRUE(IsAbsoluteWindowsPath(u"C:\\Program Files\\KOVA\\"));
  EXPECT_TRUE(IsAbsoluteWindowsPath(u"\\\\server\\share\\"));
  EXPECT_FALSE(IsAbsoluteWindowsPath(u""));
  EXPECT_FALSE(IsAbsoluteWindowsPath(u"KOVA\\"));
  EXPECT_FALSE(IsAbsoluteWindowsPath(u"C:KOVA\\"));
  EXPECT_FALSE(IsAbsoluteWindowsPath(u"\\KOVA\\"));
}

}  // namespace
}  // namespace kova
