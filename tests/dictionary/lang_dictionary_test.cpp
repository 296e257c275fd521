#include "TREMLang/lang_dictionary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "i18n/translate.h"

namespace kova {
namespace {

class LangDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "kova_lang_dictionary_test.kvd";
    const auto bytes = WriteDictionary({
        {u"Cancelar", u"Cancel"},
        {u"largo", WideString(2000, u'L')},
        {u"exacto", WideString(1024, u'E')},
        {u"casi", WideString(1023, u'C')},
    });
    FILE* out = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    ASSERT_EQ(dictionary_.Load(Utf8ToWide(path_).c_str(), &handle_), 1);
    ASSERT_NE(handle_, 0);
  }
  void TearDown() override { std::remove(path_.c_str()); }

  std::string path_;
  LangDictionary dictionary_;
  std::int32_t handle_ = 0;
};

TEST_F(LangDictionaryTest, WritesTranslationWithItsNul) {
  std::vector<char16_t> buffer(1024, u'#');
  std::uint32_t size = 1024;
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"Cancelar", buffer.data(), &size), 1);
  EXPECT_EQ(WideString(buffer.data()), u"Cancel");
  EXPECT_EQ(buffer[7], u'#');  // nothing written past the NUL
}

TEST_F(LangDictionaryTest, ReportsNeededSizeAndNeverWritesPastTheBuffer) {
  // The buffer is followed by guard characters that must survive.
  std::vector<char16_t> storage(1024 + 16, u'#');
  std::uint32_t size = 1024;
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"largo", storage.data(), &size), 0);
  EXPECT_EQ(size, 2001u);
  EXPECT_EQ(storage[0], u'#');
  EXPECT_EQ(storage[1024], u'#');

  std::vector<char16_t> second(size, u'#');
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"largo", second.data(), &size), 1);
  EXPECT_EQ(WideString(second.data()), WideString(2000, u'L'));
}

TEST_F(LangDictionaryTest, TranslatorFetchesEveryLengthAroundTheFirstBuffer) {
  // Through the translator's two-step negotiation: 1023 characters fit the first
  // buffer with their NUL; 1024 and 2000 need the second call.
  CTranslate translate(&dictionary_);
  ASSERT_EQ(translate.LoadDictionary(Utf8ToWide(path_)), 2);  // the fixture loaded handle 1
  EXPECT_EQ(translate.Translate(u"casi"), WideString(1023, u'C'));
  EXPECT_EQ(translate.Translate(u"exacto"), WideString(1024, u'E'));
  EXPECT_EQ(translate.Translate(u"largo"), WideString(2000, u'L'));
  EXPECT_EQ(translate.Translate(u"Sin traducción"), u"Sin traducción");
}

TEST_F(LangDictionaryTest, MissesAndBadHandlesAnswerZeroAndKeepTheSize) {
  std::vector<char16_t> buffer(16, u'#');
  std::uint32_t size = 16;
  const std::int32_t unknown = handle_ + 100;
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"cancelar", buffer.data(), &size), 0);
  EXPECT_EQ(dictionary_.Lookup(&unknown, u"Cancelar", buffer.data(), &size), 0);
  EXPECT_EQ(dictionary_.Lookup(nullptr, u"Cancelar", buffer.data(), &size), 0);
  EXPECT_EQ(dictionary_.Lookup(&handle_, nullptr, buffer.data(), &size), 0);
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"Cancelar", buffer.data(), nullptr), 0);
  EXPECT_EQ(size, 16u);
  EXPECT_EQ(buffer[0], u'#');
}

TEST_F(LangDictionaryTest, UnloadForgetsTheHandle) {
  EXPECT_EQ(dictionary_.Unload(&handle_), 1);
  EXPECT_EQ(dictionary_.Unload(&handle_), 0);
  std::vector<char16_t> buffer(16);
  std::uint32_t size = 16;
  EXPECT_EQ(dictionary_.Lookup(&handle_, u"Cancelar", buffer.data(), &size), 0);
  EXPECT_EQ(dictionary_.LoadedCount(), 0u);
}

TEST(LangDictionaryLoadTest, UnusableFilesGiveHandleZero) {
  LangDictionary dictionary;
  const std::string garbage = ::testing::TempDir() + "kova_not_a_dictionary.kvd";
  FILE* out = std::fopen(garbage.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fputs("msgid \"Cancelar\"\n", out);
  std::fclose(out);

  for (const WideString& path :
       {Utf8ToWide(garbage), Utf8ToWide(::testing::TempDir() + "missing.kvd"), WideString()}) {
    std::int32_t handle = 77;
    EXPECT_EQ(dictionary.Load(path.c_str(), &handle), 0) << WideToUtf8(path);
    EXPECT_EQ(handle, 0);
  }
  std::int32_t handle = 77;
  EXPECT_EQ(dictionary.Load(nullptr, &handle), 0);
  EXPECT_EQ(handle, 0);
  EXPECT_EQ(dictionary.LoadedCount(), 0u);
  std::remove(garbage.c_str());
}

}  // namespace
}  // namespace kova
