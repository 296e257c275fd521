#include "kova-dict/po_file.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(PoFileTest, ReadsMessagesWithContinuationsEscapesAndComments) {
  const auto result = ParsePo(
      "\xEF\xBB\xBF# translator comment\n"
      "msgid \"\"\n"
      "msgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n"
      "\n"
      "#: uninstall.dfm:12\n"
      "msgid \"Desinstalación de %s\"\n"
      "msgstr \"Uninstall %s\"\n"
      "\n"
      "msgid \"\"\n"
      "\"¿Deseas <b>activar</b> \"\n"
      "\"de %s?\"\n"
      "msgstr \"Turn <b>on</b> \" \n"
      "  \"%s?\"\n"
      "msgid \"Tab\\there \\\"quoted\\\" back\\\\slash\\r\\n\\x41\\101\"\n"
      "msgstr \"ok\"\n"
      "#~ msgid \"Obsoleto\"\n"
      "#~ msgstr \"Obsolete\"\n");
  ASSERT_TRUE(result.ok()) << result.errors[0].line << ": " << result.errors[0].message;
  const std::vector<DictionaryEntry> expected = {
      {u"Desinstalación de %s", u"Uninstall %s"},
      {u"¿Deseas <b>activar</b> de %s?", u"Turn <b>on</b> %s?"},
      {u"Tab\there \"quoted\" back\\slash\r\nAA", u"ok"},
  };
  EXPECT_EQ(result.catalog.entries, expected);
}

TEST(PoFileTest, LeavesOutFuzzyAndUntranslatedMessages) {
  const auto result = ParsePo(
      "#, fuzzy\n"
      "msgid \"Siguiente\"\n"
      "msgstr \"Next\"\n"
      "\n"
      "msgid \"Cancelar\"\n"
      "msgstr \"\"\n"
      "#, c-format\n"
      "msgid \"Configurar %s\"\n"
      "msgstr \"Configure %s\"\n");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.catalog.fuzzy, 1u);
  EXPECT_EQ(result.catalog.untranslated, 1u);
  ASSERT_EQ(result.catalog.entries.size(), 1u);
  EXPECT_EQ(result.catalog.entries[0].key, u"Configurar %s");
}

struct Malformed {
  const char* text;
  std::size_t line;
  const char* message_part;
};

TEST(PoFileTest, MalformedInputNamesTheLine) {
  const Malformed cases[] = {
      {"msgid \"a\"\nmsgstr \"b\n", 2, "unterminated string"},
      {"msgid \"a\"\nmsgstr b\n", 2, "double quotes"},
      {"msgid \"a\" x\nmsgstr \"b\"\n", 1, "after the closing quote"},
      {"msgstr \"b\"\n", 1, "msgstr without a preceding msgid"},
      {"\n\nmsgid \"a\"\n", 3, "msgid without msgstr"},
      {"msgid \"a\"\nmsgid \"b\"\nmsgstr \"c\"\n", 2, "msgid follows a msgid"},
      {"\"orphan\"\n", 1, "string without a preceding"},
      {"msgid \"a\"\nmsgstr \"b\"\nmsgid \"a\"\nmsgstr \"c\"\n", 3, "duplicate msgid"},
      {"msgid \"a\\q\"\nmsgstr \"b\"\n", 1, "unknown escape"},
      {"msgctxt \"menu\"\nmsgid \"a\"\nmsgstr \"b\"\n", 1, "contexts"},
      {"msgid \"a\"\nmsgid_plural \"as\"\n", 2, "plural"},
      {"msgid \"a\"\nmsgstr[0] \"b\"\n", 2, "plural"},
      {"msgid \"a\"\nmsgstr \"b\"\nmsgtxt \"c\"\n", 3, "unknown keyword"},
      {"msgid \"\\xff\"\nmsgstr \"b\"\n", 1, "not valid UTF-8"},
      {"msgid \"a\"\nmsgstr \"\xC3\"\n", 2, "not valid UTF-8"},
      {"msgid \"a\\0b\"\nmsgstr \"c\"\n", 1, "NUL"},
      {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n", 1, "iso-8859-1"},
  };
  for (const Malformed& c : cases) {
    const auto result = ParsePo(c.text);
    ASSERT_FALSE(result.ok()) << c.text;
    EXPECT_EQ(result.errors[0].line, c.line) << c.text;
    EXPECT_NE(result.errors[0].message.find(c.message_part), std::string::npos)
        << c.text << " -> " << result.errors[0].message;
  }
}

}  // namespace
}  // namespace kova
