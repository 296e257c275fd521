#include "i18n/translate.h"

#include <gtest/gtest.h>

#include <vector>

#include "table_dictionary.h"

namespace kova {
namespace {

using testing::TableDictionary;

TEST(TranslateTest, WithoutDictionaryTextsStayAsTheyAre) {
  CTranslate translate(nullptr);
  EXPECT_EQ(translate.LoadDictionary(u"KOVADict.kvd"), 0);
  EXPECT_EQ(translate.Translate(u"Cancelar"), u"Cancelar");
}

TEST(TranslateTest, LooksUpExactKeysIncludingPlaceholders) {
  TableDictionary dictionary;
  dictionary.entries[u"Desinstalación de %s"] = u"Uninstalling %s";
  CTranslate translate(&dictionary);
  EXPECT_EQ(translate.LoadDictionary(u"x"), 7);
  EXPECT_EQ(translate.Translate(u"Desinstalación de %s"), u"Uninstalling %s");
  EXPECT_EQ(translate.Translate(u"desinstalación de %s"), u"desinstalación de %s");
  EXPECT_EQ(dictionary.buffer_sizes, (std::vector<std::uint32_t>{1024, 1024}));
  translate.UnloadDictionary(7);
  EXPECT_EQ(dictionary.unloaded_handle, 7);
}

TEST(TranslateTest, LongTranslationIsFetchedWithAnExactlySizedSecondBuffer) {
  TableDictionary dictionary;
  dictionary.entries[u"Largo"] = WideString(2000, u'x');
  CTranslate translate(&dictionary);
  EXPECT_EQ(translate.Translate(u"Largo"), WideString(2000, u'x'));
  EXPECT_EQ(dictionary.buffer_sizes, (std::vector<std::uint32_t>{1024, 2001}));
}

// A dictionary that fills the whole buffer without a terminating NUL.
class UnterminatedDictionary : public TableDictionary {
 public:
  std::int32_t Lookup(const std::int32_t*, const char16_t*, char16_t* buffer,
                      std::uint32_t* size) override {
    std::fill(buffer, buffer + *size, u'y');
    return 1;
  }
};

TEST(TranslateTest, AnswerIsNeverReadPastTheReportedSize) {
  UnterminatedDictionary dictionary;
  CTranslate translate(&dictionary);
  EXPECT_EQ(translate.Translate(u"k"), WideString(1024, u'y'));
}

TEST(TranslateTest, TrailingLineBreaksAreKeptOutOfTheLookup) {
  TableDictionary dictionary;
  dictionary.entries[u"Hola"] = u"Hello";
  CTranslate translate(&dictionary);
  struct Case {
    WideString in;
    WideString out;
  } cases[] = {
      {u"", u""},
      {u"\r\n\r\n", u""},
      {u"Hola", u"Hello"},
      {u"Hola\r\n", u"Hello\r\n"},
      {u"Hola\n\r\n", u"Hello\n\r\n"},
      {u"\r\nHola", u"\r\nHola"},  // only trailing breaks are held back
      {u"Adiós\r\n", u"Adiós\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(translate.TranslateKeepingLineBreaks(c.in), c.out);
  }
}

}  // namespace
}  // namespace kova
