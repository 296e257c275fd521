// The skin component keeps its skin file as the stored binary property "SkinStream":
// written while it holds a skin, read back into the same model, and refused whole when
// the stored bytes do not match their length.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "forms/classes/filer.h"
#include "product_skin.h"
#include "skin/data/skin_data.h"

namespace kova {
namespace {

using Bytes = std::vector<uint8_t>;

// Small skins of their own names, to see which one a component holds.
testing::SkinSource NamedSkin(const std::string& name) {
  return {"[TitlebarSkin]\nSkinName=" + name + "\n[Personality]\nTop=t.bmp\n",
          {{"t.bmp", testing::Solid(20, 20, 0)}}};
}

void ExpectSameImage(const TBitmap& a, const TBitmap& b, const std::string& what) {
  ASSERT_EQ(a.Width(), b.Width()) << what;
  ASSERT_EQ(a.Height(), b.Height()) << what;
  ASSERT_EQ(a.BitsPerPixel(), b.BitsPerPixel()) << what;
  const size_t row = static_cast<size_t>(a.Width() * a.BytesPerPixel());
  for (int y = 0; y < a.Height(); ++y) {
    ASSERT_EQ(std::memcmp(a.ScanLine(y), b.ScanLine(y), row), 0) << what << " row " << y;
  }
}

void ExpectSameObject(const TDataSkinObject* a, const TDataSkinObject* b, const std::string& what) {
  ASSERT_EQ(a == nullptr, b == nullptr) << what;
  if (a == nullptr) {
    return;
  }
  EXPECT_EQ(a->Frame, b->Frame) << what;
  EXPECT_EQ(a->Trans, b->Trans) << what;
  EXPECT_EQ(a->Tile, b->Tile) << what;
  EXPECT_EQ(a->LeftWidth, b->LeftWidth) << what;
  EXPECT_EQ(a->TopHeight, b->TopHeight) << what;
  EXPECT_EQ(a->RightWidth, b->RightWidth) << what;
  EXPECT_EQ(a->BottomHeight, b->BottomHeight) << what;
  ExpectSameImage(a->Map, b->Map, what);
}

void ExpectSameModel(const TSkinData& a, const TSkinData& b) {
  EXPECT_EQ(a.Empty(), b.Empty());
  EXPECT_EQ(a.SkinName(), b.SkinName());
  EXPECT_EQ(a.Colors, b.Colors);
  EXPECT_EQ(a.ColorSet, b.ColorSet);
  EXPECT_EQ(a.PreColors, b.PreColors);
  for (const char* name : {"Title",           "Left",        "Right",       "Top",
                           "Bottom",          "Buttons",     "Progress",    "Progress.Chunk",
                           "GroupBoxEdge",    "GroupBox",    "Tabs",        "StatusBarEdges",
                           "Tab.Pane",        "ToolBars",    "ComboButton", "SunkEdge",
                           "ExtraImages",     "Headerbar",   "MenuItem",    "MenuBackground",
                           "Scrollbar",       "HorzScroll",  "VertScroll",  "HorzScrollThumb",
                           "VertScrollThumb", "UpDown.Horz", "UpDown.Vert", "Toolbar",
                           "ComboxArrow"}) {
    ExpectSameObject(a.FindObject(name), b.FindObject(name), name);
  }
  ASSERT_EQ(a.SysButtons.size(), b.SysButtons.size());
  for (size_t i = 0; i < a.SysButtons.size(); ++i) {
    EXPECT_EQ(a.SysButtons[i]->Action, b.SysButtons[i]->Action);
    EXPECT_EQ(a.SysButtons[i]->Xcoord, b.SysButtons[i]->Xcoord);
    ExpectSameObject(a.SysButtons[i].get(), b.SysButtons[i].get(), a.SysButtons[i]->IDName);
  }
  EXPECT_EQ(a.SkinData().Data(), b.SkinData().Data());
}

Bytes Int32(int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
          static_cast<uint8_t>(u >> 24)};
}

TEST(SkinStreamTest, StoredSkinReadsBackIntoTheSameModel) {
  const testing::SkinSource source = testing::ProductSkin();
  ASSERT_FALSE(source.ini.empty()) << "KOVASkin.ini not found";
  TSkinData original(nullptr);
  testing::Load(original, source);
  ASSERT_FALSE(original.Empty());
  ASSERT_EQ(original.SkinName(), "KOVA Dark");

  const std::vector<StoredBinaryProperty> stored = WriteBinaryProperties(original);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].name, "SkinStream");
  const Bytes& file = original.SkinData().Data();
  Bytes expected = Int32(static_cast<int32_t>(file.size()));
  expected.insert(expected.end(), file.begin(), file.end());
  EXPECT_EQ(stored[0].data, expected);  // the length, then the skin file byte for byte

  TSkinData copy(nullptr);
  ASSERT_TRUE(ReadBinaryProperty(copy, "SkinStream", stored[0].data));
  ExpectSameModel(original, copy);
}

TEST(SkinStreamTest, ComponentWithoutASkinStoresNothing) {
  TSkinData data(nullptr);
  EXPECT_TRUE(WriteBinaryProperties(data).empty());
}

TEST(SkinStreamTest, TruncatedOrOversizedStreamIsRefusedAndChangesNothing) {
  TSkinData good(nullptr);
  testing::Load(good, NamedSkin("Stored"));
  const Bytes whole = WriteBinaryProperties(good).at(0).data;
  const Bytes file(whole.begin() + 4, whole.end());
  const auto size = static_cast<int32_t>(file.size());
  auto with_length = [&](int32_t length, size_t keep_bytes) {
    Bytes bytes = Int32(length);
    bytes.insert(bytes.end(), file.begin(), file.begin() + static_cast<ptrdiff_t>(keep_bytes));
    return bytes;
  };
  Bytes trailing = whole;
  trailing.push_back(0);
  const struct {
    const char* what;
    Bytes data;
    const char* says;
  } cases[] = {
      {"last byte missing", with_length(size, file.size() - 1), "but only"},
      {"length one too large", with_length(size + 1, file.size()), "but only"},
      {"length far too large", with_length(0x7FFFFFFF, file.size()), "but only"},
      {"only part of the length", Bytes{1, 2}, "too few"},
      {"a byte after the skin", trailing, "1 bytes follow the stored skin"},
      {"no skin, yet bytes follow", with_length(-1, 3), "3 bytes follow"},
  };
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    testing::Load(data, NamedSkin("Held"));
    const Bytes before = data.SkinData().Data();
    try {
      ReadBinaryProperty(data, "SkinStream", c.data);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EFilerError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find("TSkinData.SkinStream"), std::string::npos) << message;
      EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
    }
    EXPECT_EQ(data.SkinName(), "Held") << c.what;
    EXPECT_EQ(data.SkinData().Data(), before) << c.what;
  }
}

TEST(SkinStreamTest, ReadDataTakesOneSkinFromALongerStream) {
  TSkinData source(nullptr);
  testing::Load(source, NamedSkin("Stored"));
  TMemoryStream stream;
  source.WriteData(stream);
  const int64_t end_of_skin = stream.Position();
  stream.WriteInt32(0);  // a stored "no skin" after it
  stream.WriteInt32(42);
  stream.SetPosition(0);

  TSkinData target(nullptr);
  target.ReadData(stream);
  EXPECT_EQ(stream.Position(), end_of_skin);
  EXPECT_EQ(target.SkinName(), "Stored");
  // Length 0 reads nothing further and loads nothing.
  target.ReadData(stream);
  EXPECT_EQ(stream.Position(), end_of_skin + 4);
  EXPECT_EQ(target.SkinName(), "Stored");
  EXPECT_EQ(stream.ReadInt32(), 42);
}

}  // namespace
}  // namespace kova
