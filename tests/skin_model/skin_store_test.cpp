#include <gtest/gtest.h>

#include "forms/classes/filer.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_store.h"
#include "skin_fixture.h"

namespace kova {
namespace {

TEST(SkinStoreTest, NewItemsAreNamedAfterTheirIdentifier) {
  TSkinStore store(nullptr);
  TSkinCollectionItem* first = store.Store()->Add();
  TSkinCollectionItem* second = store.Store()->Add();
  EXPECT_EQ(first->Name(), u"SkinItem" + Utf8ToWide(std::to_string(first->ID())));
  EXPECT_EQ(second->Name(), u"SkinItem" + Utf8ToWide(std::to_string(second->ID())));
  EXPECT_NE(first->Name(), second->Name());
  EXPECT_EQ(first->GetDisplayName(), first->Name());
  EXPECT_EQ(first->SkinData(), u"Load Skin");
  first->SetSkinData(u"x");
  EXPECT_EQ(first->SkinData(), u"Load Skin");
}

TEST(SkinStoreTest, NamesAreUniqueWithinTheCollection) {
  TSkinStore store(nullptr);
  TSkinCollectionItem* a = store.Store()->Add();
  TSkinCollectionItem* b = store.Store()->Add();
  a->SetName(u"Dark");
  a->SetName(u"Dark");  // its own name again
  try {
    b->SetName(u"Dark");
    FAIL() << "a second item took a used name";
  } catch (const EFrameworkError& e) {
    EXPECT_STREQ(e.what(), "The name Dark is already used.");
  }
  EXPECT_NE(b->Name(), u"Dark");
  // Through the published property as well.
  const PropertyInfo* name = b->ClassType().FindProperty("Name");
  ASSERT_NE(name, nullptr);
  EXPECT_THROW(name->set_string(*b, u"Dark"), EFrameworkError);
}

TEST(SkinStoreTest, DataStreamAndCopies) {
  TSkinStore store(nullptr);
  TSkinCollectionItem* item = store.Store()->Add();
  EXPECT_EQ(item->DataSize(), 0);
  TMemoryStream out;
  item->WriteDataStream(out);
  EXPECT_EQ(out.Size(), 0);

  TMemoryStream in(std::vector<uint8_t>{1, 2, 3});
  item->ReadDataStream(in);
  EXPECT_EQ(item->DataSize(), 3);
  item->Data().SetPosition(2);
  TMemoryStream dest(std::vector<uint8_t>{9});
  dest.Seek(0, SeekOrigin::kEnd);
  item->CopyData(dest);
  EXPECT_EQ(dest.Data(), (std::vector<uint8_t>{9, 1, 2, 3}));
  EXPECT_EQ(item->Data().Position(), 2);

  item->SetName(u"One");
  TSkinStore other(nullptr);
  other.SetStore(store.Store());
  other.SetStore(nullptr);
  ASSERT_EQ(other.Store()->Count(), 1);
  EXPECT_EQ(other.Store()->Item(0)->Name(), u"One");
  EXPECT_EQ(other.Store()->Item(0)->Data().Data(), (std::vector<uint8_t>{1, 2, 3}));
}

// A store kept in form data: each item's skin travels as the hexadecimal text of its
// "DataStream" property and reads back into another store byte for byte.
TEST(SkinStoreTest, ItemsRoundTripThroughTheirStoredDataStream) {
  const testing::SkinSource source{"[Tabs]\nImage=a.bmp\n", {{"a.bmp", testing::Solid(9, 9, 0)}}};
  const std::vector<uint8_t> skin = source.File();
  TSkinStore store(nullptr);
  TMemoryStream file(skin);
  store.Store()->Add()->ReadDataStream(file);
  store.Store()->Add();  // empty: still stored

  std::vector<std::u16string> description;
  for (int i = 0; i < store.Store()->Count(); ++i) {
    const auto stored = WriteBinaryProperties(*store.Store()->Item(i));
    ASSERT_EQ(stored.size(), 1u) << i;
    EXPECT_EQ(stored[0].name, "DataStream");
    description.push_back(BinaryToHex(stored[0].data));
  }
  EXPECT_EQ(HexToBinary(description[0]), skin);
  EXPECT_TRUE(description[1].empty());

  TSkinStore copy(nullptr);
  for (const std::u16string& text : description) {
    TSkinCollectionItem* item = copy.Store()->Add();
    ASSERT_TRUE(DefinesBinaryProperty(*item, "datastream"));
    ASSERT_TRUE(ReadBinaryProperty(*item, "DataStream", HexToBinary(text)));
  }
  EXPECT_EQ(copy.Store()->Item(0)->Data().Data(), skin);
  EXPECT_EQ(copy.Store()->Item(1)->DataSize(), 0);
  for (int i = 0; i < copy.Store()->Count(); ++i) {
    EXPECT_EQ(BinaryToHex(WriteBinaryProperties(*copy.Store()->Item(i))[0].data), description[i]);
  }
  TSkinData data(nullptr);
  data.LoadFromCollection(copy, 0);
  EXPECT_NE(data.Tabs, nullptr);
}

TEST(SkinStoreTest, LoadFromCollectionByIndex) {
  TSkinStore store(nullptr);
  const testing::SkinSource source{"[Tabs]\nImage=a.bmp\n", {{"a.bmp", testing::Solid(9, 9, 0)}}};
  TMemoryStream file(source.File());
  store.Store()->Add()->ReadDataStream(file);
  TSkinData data(nullptr);
  data.LoadFromCollection(store, 1);  // beyond the items: nothing happens
  EXPECT_TRUE(data.Empty());
  data.LoadFromCollection(store, 0);
  EXPECT_FALSE(data.Empty());
  EXPECT_NE(data.Tabs, nullptr);
}

}  // namespace
}  // namespace kova
