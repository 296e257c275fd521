#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "serial/auto_ptr.h"
#include "serial/basic_serializable.h"
#include "serial/factory.h"
#include "serial/object_list.h"
#include "serial/object_map.h"
#include "serial/simple_serializable.h"
#include "serial/simple_serializable_list.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"
#include "samples.h"
#include "test_bytes.h"

namespace kova {
namespace {

using testing::Hex;
using testing::U32;
using testing::WireString;

template <typename T>
CAutoTarnPtr<T> Make() {
  return CAutoTarnPtr<T>(new T());
}

// Loads the flat form in `bytes` through the factory.
CAutoTarnPtr<ITarnSerializable> ReadObject(const std::string& bytes) {
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  archive.OpenForRead();
  return CAutoTarnPtr<ITarnSerializable>(TarnReadObject(archive));
}

TEST(SimpleSerializable, IntHoldingFiveIsThe70ByteExample) {
  auto value = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(5));
  const std::string expected =
      Hex("1F 00 00 00 63 00 6C 00 61 00 73 00 73 00 20 00 43 00 53 00 69 00 6D 00 70 00 6C 00 "
          "65 00 53 00 65 00 72 00 69 00 61 00 6C 00 69 00 7A 00 61 00 62 00 6C 00 65 00 3C 00 "
          "69 00 6E 00 74 00 3E 00 00 00 05 00 00 00");
  ASSERT_EQ(expected.size(), 70u);

  TarnULong size = 0;
  EXPECT_FALSE(TarnStoreToBuffer(value.get(), nullptr, &size));
  EXPECT_EQ(size, 70u);
  std::string buffer(71, '\xEE');
  EXPECT_TRUE(TarnStoreToBuffer(value.get(), buffer.data(), &size));
  EXPECT_EQ(buffer.substr(0, 70), expected);
  EXPECT_EQ(buffer[70], '\xEE');  // the spare byte is never written
}

TEST(StoreToBuffer, NullObjectAndTooSmallBuffer) {
  TarnULong size = 99;
  EXPECT_FALSE(TarnStoreToBuffer(nullptr, nullptr, &size));
  EXPECT_EQ(size, 0u);
  char buffer[80];
  EXPECT_TRUE(TarnStoreToBuffer(nullptr, buffer, &size));

  auto value = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(5));
  std::memset(buffer, 0x5A, sizeof buffer);
  size = 69;
  EXPECT_FALSE(TarnStoreToBuffer(value.get(), buffer, &size));
  EXPECT_EQ(size, 70u);
  EXPECT_EQ(buffer[0], 0x5A);
}

TEST(LoadFromArchive, LoadsOnlyWhenTheBytesNameTheObjectsClass) {
  auto source = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(9));
  const std::string bytes = TarnStoreToBytes(source.get());

  auto same = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(1));
  CTarnArchiveStream a1(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(a1, same.get());
  EXPECT_EQ(same->GetValue(), 9);
  EXPECT_EQ(a1.Status, TARN_S_OK);

  auto other = CAutoTarnPtr<CSimpleULong>(new CSimpleULong(1));
  CTarnArchiveStream a2(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(a2, other.get());
  EXPECT_EQ(other->GetValue(), 1u);
}

TEST(ReadObject, UnknownClassGivesNullAndSucceeds) {
  const std::string bytes = WireString(u"class Nobody") + U32(5);
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  archive.OpenForRead();
  EXPECT_EQ(TarnReadObject(archive), nullptr);
  EXPECT_EQ(archive.Status, TARN_S_OK);
  EXPECT_NE(archive.Factory, nullptr);
  TarnWriteObject(archive, nullptr);
  EXPECT_EQ(archive.Status, TARN_E_FAIL);
}

TEST(RefCounting, NewObjectHoldsOneReference) {
  static int destroyed = 0;
  struct Probe final : TarnRefCounted<ITarnSerializable> {
    ~Probe() override { ++destroyed; }
    TarnResult QueryInterface(const TarnIid&, void**) override { return TARN_E_FAIL; }
    const char16_t* GetClassName() override { return u"class Probe"; }
    void Store(ITarnArchive*) override {}
    void Load(ITarnArchive*) override {}
    void CopyFrom(ITarnSerializable*) override {}
  };
  auto* probe = new Probe();
  EXPECT_EQ(probe->AddRef(), 2u);
  EXPECT_EQ(probe->Release(), 1u);
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(probe->Release(), 0u);
  EXPECT_EQ(destroyed, 1);
}

TEST(QueryInterface, NullOutUnknownIdAndViews) {
  auto value = Make<CSimpleInt>();
  EXPECT_EQ(value->QueryInterface(IID_ISimpleSerializable, nullptr), TARN_E_INVALIDARG);
  void* out = &out;
  EXPECT_EQ(value->QueryInterface(IID_ITarnSerializableMap, &out), TARN_E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(value->QueryInterface(IID_ITarnSerializableStringData, &out), TARN_S_OK);
  EXPECT_EQ(out, static_cast<ITarnSerializableStringData*>(value.get()));

  auto list = Make<CTarnSerializableList>();
  EXPECT_EQ(list->QueryInterface(IID_ITarnSerializableList, &out), TARN_S_OK);
  EXPECT_EQ(list->AddRef(), 3u);  // the view came with a reference
  list->Release();
  static_cast<ITarnSerializableList*>(out)->Release();
}

TEST(SimpleSerializable, StringDataOfEachKind) {
  char16_t buffer[64];
  TarnULong length = 2;
  auto answer = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(42));
  EXPECT_FALSE(answer->GetStringData(buffer, &length));
  EXPECT_EQ(length, 3u);
  EXPECT_TRUE(answer->GetStringData(buffer, &length));
  EXPECT_EQ(WideString(buffer), u"42");
  EXPECT_EQ(length, 3u);

  struct Case {
    ITarnSerializableStringData* object;
    const char16_t* text;
  };
  auto d = CAutoTarnPtr<CSimpleDouble>(new CSimpleDouble(3.14159265));
  auto b = CAutoTarnPtr<CSimpleBool>(new CSimpleBool(true));
  auto c = CAutoTarnPtr<CSimpleByte>(new CSimpleByte(65));
  auto u = CAutoTarnPtr<CSimpleUInt64>(new CSimpleUInt64(18446744073709551615ull));
  auto s = CAutoTarnPtr<CSimpleString>(new CSimpleString(u"t\u00e9xt"));
  for (const Case& k : {Case{d.get(), u"3.14159"}, Case{b.get(), u"1"}, Case{c.get(), u"65"},
                        Case{u.get(), u"18446744073709551615"}, Case{s.get(), u"t\u00e9xt"}}) {
    length = 64;
    EXPECT_TRUE(k.object->GetStringData(buffer, &length));
    EXPECT_EQ(WideString(buffer), k.text);
  }
}

TEST(SimpleSerializable, CopyFromTakesOnlyTheSameKind) {
  auto target = CAutoTarnPtr<CSimpleString>(new CSimpleString(u"old"));
  auto number = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(7));
  target->CopyFrom(number.get());
  EXPECT_EQ(target->GetValue(), u"old");
  auto text = CAutoTarnPtr<CSimpleString>(new CSimpleString(u"new"));
  target->CopyFrom(text.get());
  EXPECT_EQ(target->GetValue(), u"new");

  auto wide = CAutoTarnPtr<CSimpleUInt64>(new CSimpleUInt64(1));
  wide->CopyFrom(number.get());  // 4 bytes of data never fill 8
  EXPECT_EQ(wide->GetValue(), 1u);
  auto same = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(0));
  same->CopyFrom(number.get());
  EXPECT_EQ(same->GetValue(), 7);
}

TEST(ValueList, StoreLoadAndIndexRules) {
  auto list = Make<CSimpleBoolList>();
  list->Add(true);
  list->Add(false);
  list->Add(true);
  const std::string bytes = TarnStoreToBytes(list.get());
  EXPECT_EQ(bytes, WireString(wire_name::kBoolList) + U32(3) + Hex("01 00 01"));

  bool out = false;
  EXPECT_EQ(list->GetAt(3, &out), TARN_E_INVALIDARG);
  EXPECT_EQ(list->RemoveAt(3), TARN_E_INVALIDARG);
  EXPECT_EQ(list->RemoveAt(1), TARN_S_OK);
  EXPECT_EQ(list->GetAt(1, &out), TARN_S_OK);
  EXPECT_TRUE(out);

  // Load appends.
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(archive, list.get());
  EXPECT_EQ(list->GetCount(), 5u);

  auto numbers = Make<CSimpleULongList>();
  EXPECT_EQ(numbers->GetData(), nullptr);
  numbers->Add(1);
  numbers->Add(0x01020304);
  ASSERT_EQ(numbers->GetSize(), 8u);
  EXPECT_EQ(std::string(static_cast<const char*>(numbers->GetData()), 8), U32(1) + U32(0x01020304));
}

TEST(ValueList, StringAndULongListsHaveFixedBytes) {
  auto strings = Make<CSimpleStringList>();
  strings->Add(u"");
  strings->Add(u"ab");
  strings->Add(u"\u00e9");
  // Count, then per element its unit count with the terminator, UTF-16LE units, 00 00.
  const std::string string_bytes =
      WireString(wire_name::kWideStringList) + Hex("03 00 00 00"
                                                   " 01 00 00 00 00 00"
                                                   " 03 00 00 00 61 00 62 00 00 00"
                                                   " 02 00 00 00 E9 00 00 00");
  auto numbers = Make<CSimpleULongList>();
  numbers->Add(1);
  numbers->Add(0xFFFFFFFF);
  numbers->Add(0x01020304);
  const std::string number_bytes =
      WireString(wire_name::kULongList) + Hex("03 00 00 00 01 00 00 00 FF FF FF FF 04 03 02 01");
  struct Case {
    const char* name;
    ITarnSerializable* list;
    const std::string& bytes;
  } cases[] = {{"strings", strings.get(), string_bytes}, {"numbers", numbers.get(), number_bytes}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TarnStoreToBytes(c.list), c.bytes);
  }

  auto read_strings = ReadObject(string_bytes);
  auto* loaded_strings = dynamic_cast<CSimpleStringList*>(read_strings.get());
  ASSERT_NE(loaded_strings, nullptr);
  ASSERT_EQ(loaded_strings->GetCount(), 3u);
  WideString text;
  EXPECT_EQ(loaded_strings->GetAt(1, &text), TARN_S_OK);
  EXPECT_EQ(text, u"ab");
  EXPECT_EQ(loaded_strings->GetAt(2, &text), TARN_S_OK);
  EXPECT_EQ(text, u"\u00e9");

  auto read_numbers = ReadObject(number_bytes);
  auto* loaded_numbers = dynamic_cast<CSimpleULongList*>(read_numbers.get());
  ASSERT_NE(loaded_numbers, nullptr);
  ASSERT_EQ(loaded_numbers->GetCount(), 3u);
  TarnULong number = 0;
  EXPECT_EQ(loaded_numbers->GetAt(2, &number), TARN_S_OK);
  EXPECT_EQ(number, 0x01020304u);
}

TEST(ValueList, CountBeyondTheDataAppendsNothing) {
  for (std::uint32_t count : {2u, 0xFFFFFFFFu}) {
    const std::string bytes =
        WireString(wire_name::kWideStringList) + U32(count) + WireString(u"a");
    auto list = Make<CSimpleStringList>();
    list->Add(u"kept");
    CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
    TarnLoadFromArchive(archive, list.get());
    EXPECT_EQ(list->GetCount(), 1u) << count;
  }
}

TEST(ObjectList, HoldsCopiesThroughTheFactory) {
  auto list = Make<CTarnSerializableList>();
  auto item = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(1));
  list->Add(item.get());
  item->SetValue(2);
  CAutoTarnPtr<ITarnSerializable> stored;
  ASSERT_EQ(list->GetAt(0, stored.put()), TARN_S_OK);
  EXPECT_NE(stored.get(), item.get());
  EXPECT_EQ(dynamic_cast<CSimpleInt*>(stored.get())->GetValue(), 1);
  EXPECT_EQ(list->GetAt(1, stored.put()), TARN_E_INVALIDARG);

  struct Stranger final : TarnRefCounted<ITarnSerializable> {
    TarnResult QueryInterface(const TarnIid&, void**) override { return TARN_E_FAIL; }
    const char16_t* GetClassName() override { return u"class Stranger"; }
    void Store(ITarnArchive*) override {}
    void Load(ITarnArchive*) override {}
    void CopyFrom(ITarnSerializable*) override {}
  };
  CAutoTarnPtr<Stranger> stranger(new Stranger());
  list->Add(stranger.get());
  EXPECT_EQ(list->GetCount(), 1u);
}

TEST(ObjectList, NullElementAfterUnknownClassIsNotCountedWhenStored) {
  // Second element of a class the reader does not know: it loads as null and its
  // field is then read as the next element's class name count (misread, as documented).
  const std::string bytes = WireString(wire_name::kObjectList) + U32(2) +
                            WireString(wire_name::kInt) + U32(1) + WireString(u"class Nobody");
  auto loaded = ReadObject(bytes);
  auto* list = dynamic_cast<CTarnSerializableList*>(loaded.get());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetCount(), 2u);
  CAutoTarnPtr<ITarnSerializable> second;
  EXPECT_EQ(list->GetAt(1, second.put()), TARN_S_OK);
  EXPECT_EQ(second.get(), nullptr);

  // Stored again, it names one element and reads back in step.
  const std::string again = TarnStoreToBytes(list);
  EXPECT_EQ(again,
            WireString(wire_name::kObjectList) + U32(1) + WireString(wire_name::kInt) + U32(1));
  auto reread = ReadObject(again);
  EXPECT_EQ(dynamic_cast<CTarnSerializableList*>(reread.get())->GetCount(), 1u);
}

TEST(ObjectList, HugeCountReadsOnlyWhatExists) {
  const std::string bytes =
      WireString(wire_name::kObjectList) + U32(0xFFFFFFFF) + WireString(wire_name::kInt) + U32(3);
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  archive.OpenForRead();
  CAutoTarnPtr<ITarnSerializable> loaded(TarnReadObject(archive));
  ASSERT_NE(loaded.get(), nullptr);
  EXPECT_EQ(dynamic_cast<CTarnSerializableList*>(loaded.get())->GetCount(), 1u);
}

TEST(ObjectMap, KeysAreTextBlocksAndValuesAreCopies) {
  auto map = Make<CTarnSerializableMap>();
  auto key_b = CAutoTarnPtr<CBasicSerializable>(new CBasicSerializable(u"b"));
  auto key_a = CAutoTarnPtr<CBasicSerializable>(new CBasicSerializable(u"a"));
  auto one = CAutoTarnPtr<CSimpleInt>(new CSimpleInt(1));
  auto two = CAutoTarnPtr<CSimpleString>(new CSimpleString(u"two"));
  EXPECT_EQ(map->SetAt(key_b.get(), one.get()), TARN_S_OK);
  EXPECT_EQ(map->SetAt(key_a.get(), two.get()), TARN_S_OK);

  EXPECT_EQ(TarnStoreToBytes(map.get()), WireString(wire_name::kObjectMap) + U32(2) +
                                             WireString(u"a") + WireString(wire_name::kWideString) +
                                             WireString(u"two") + WireString(u"b") +
                                             WireString(wire_name::kInt) + U32(1));

  CAutoTarnPtr<IBasicTarnSerializable> key;
  ASSERT_EQ(map->GetKeyAt(1, key.put()), TARN_S_OK);
  EXPECT_EQ(key->GetTag(), kTarnTextTag);
  EXPECT_EQ(std::string(static_cast<const char*>(key->GetData()), key->GetSize()), Hex("62 00"));
  EXPECT_EQ(map->GetKeyAt(2, key.put()), TARN_E_INVALIDARG);

  CAutoTarnPtr<ITarnSerializable> found;
  ASSERT_EQ(map->Lookup(key_b.get(), found.put()), TARN_S_OK);
  EXPECT_NE(found.get(), one.get());
  auto untagged = CAutoTarnPtr<CBasicSerializable>(new CBasicSerializable("b\0", 2, 7));
  EXPECT_EQ(map->Lookup(untagged.get(), found.put()), TARN_E_FAIL);
  EXPECT_EQ(map->RemoveKey(key_b.get()), TARN_S_OK);
  EXPECT_EQ(map->RemoveKey(key_b.get()), TARN_E_FAIL);
  EXPECT_EQ(map->GetCount(), 1u);

  auto copy = Make<CTarnSerializableMap>();
  copy->CopyFrom(map.get());
  EXPECT_EQ(TarnStoreToBytes(copy.get()), TarnStoreToBytes(map.get()));
}

TEST(BasicSerializable, TextBlockBytes) {
  auto block = CAutoTarnPtr<CBasicSerializable>(new CBasicSerializable(u"ab"));
  EXPECT_EQ(block->GetTag(), 5u);
  EXPECT_EQ(block->GetSize(), 4u);
  CTarnArchiveStream archive;
  archive.OpenForWrite();
  block->Store(&archive);
  EXPECT_EQ(archive.Contents(), Hex("04 00 00 00 61 00 62 00 05 00 00 00"));

  auto empty = Make<CBasicSerializable>();
  CTarnArchiveStream none;
  none.OpenForWrite();
  empty->Store(&none);
  EXPECT_EQ(none.Contents(), Hex("00 00 00 00 00 00 00 00"));
}

TEST(BasicSerializable, OversizedBlockFailsWithoutAllocatingAndKeepsTheBlock) {
  const std::string bytes = WireString(wire_name::kBasic) + U32(0xFFFFFFF0) + Hex("01 02");
  auto block = CAutoTarnPtr<CBasicSerializable>(new CBasicSerializable(u"ab"));
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(archive, block.get());
  EXPECT_EQ(block->GetSize(), 4u);
  EXPECT_EQ(block->GetTag(), 5u);
}

TEST(Factory, RegisterReplacesAndLookupIsExact) {
  CTarnFactory factory;
  auto first = []() -> ITarnSerializable* { return new CSimpleInt(1); };
  auto second = []() -> ITarnSerializable* { return new CSimpleInt(2); };
  factory.Register(u"class X", first);
  factory.Register(u"class X", second);
  EXPECT_EQ(factory.FindCreator(u"class X"), +second);
  EXPECT_EQ(factory.FindCreator(u"class x"), nullptr);
  EXPECT_EQ(factory.FindCreator(u"class X "), nullptr);
  EXPECT_EQ(GetTarnFactory(), GetTarnFactory());
}

TEST(Registration, EveryClassRoundTripsWithIdenticalBytes) {
  std::size_t count = 0;
  const char16_t* const* names = TarnRegisteredClassNames(&count);
  ASSERT_EQ(count, 16u);
  for (std::size_t i = 0; i < count; ++i) {
    const WideString name = names[i];
    SCOPED_TRACE(WideToUtf8(name));
    TarnCreator creator = GetTarnFactory()->FindCreator(name.c_str());
    ASSERT_NE(creator, nullptr);
    CAutoTarnPtr<ITarnSerializable> created(creator());
    EXPECT_EQ(WideString(created->GetClassName()), name);

    CAutoTarnPtr<ITarnSerializable> sample = testing::Sample(name);
    const std::string bytes = TarnStoreToBytes(sample.get());
    EXPECT_EQ(bytes.substr(0, 4 + 2 * (name.size() + 1)), WireString(name));
    auto loaded = ReadObject(bytes);
    ASSERT_NE(loaded.get(), nullptr);
    EXPECT_EQ(TarnStoreToBytes(loaded.get()), bytes);
  }
}

}  // namespace
}  // namespace kova
