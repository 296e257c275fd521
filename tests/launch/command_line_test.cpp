#include "launch/command_line.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

struct QuoteCase {
  const char16_t* argument;
  const char16_t* token;
};

TEST(QuoteArgumentTest, WritesTokensThatSplitBackIntoTheArgument) {
  const QuoteCase cases[] = {
      {u"abc", u"abc"},
      {u"/Uninstall", u"/Uninstall"},
      {u"C:\\dir\\", u"C:\\dir\\"},  // no quoting needed: backslashes stay as they are
      {u"", u"\"\""},
      {u"a b", u"\"a b\""},
      {u"a\tb", u"\"a\tb\""},
      {u"/Confirmed /Uninstall", u"\"/Confirmed /Uninstall\""},
      {u"say \"hi\"", u"\"say \\\"hi\\\"\""},
      {u"a\"b", u"\"a\\\"b\""},
      {u"a\\\"b", u"\"a\\\\\\\"b\""},            // backslash before a quote doubles, plus one
      {u"C:\\my dir\\", u"\"C:\\my dir\\\\\""},  // trailing backslash before the closing quote
      {u"x\\\\ y", u"\"x\\\\ y\""},              // backslashes not before a quote stay single
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuoteArgument(c.argument), c.token) << WideToUtf8(c.argument);
  }
}

TEST(ProcessCommandLineTest, QuotesTheProgramAndKeepsTheParameters) {
  EXPECT_EQ(ProcessCommandLine(u"C:\\P\\Setup.exe", u"\"C:\\P\\Setup.exe\" /Confirmed abc"),
            u"\"C:\\P\\Setup.exe\" \"C:\\P\\Setup.exe\" /Confirmed abc");
  EXPECT_EQ(ProcessCommandLine(u"C:\\P\\x.exe", u""), u"\"C:\\P\\x.exe\" ");
}

TEST(DirectoryOfPathTest, CutsAtTheLastBackslash) {
  EXPECT_EQ(DirectoryOfPath(u"C:\\P\\KOVAMsg.dll"), u"C:\\P");
  EXPECT_EQ(DirectoryOfPath(u"C:\\KOVAMsg.dll"), u"C:");
  EXPECT_EQ(DirectoryOfPath(u"\\\\server\\share\\a\\b.dll"), u"\\\\server\\share\\a");
  EXPECT_EQ(DirectoryOfPath(u"KOVAMsg.dll"), u"");
  EXPECT_EQ(DirectoryOfPath(u"C:/P/KOVAMsg.dll"), u"");
  EXPECT_EQ(DirectoryOfPath(u""), u"");
}

TEST(ConfirmedSetupParametersTest, NamesTheSetupTwiceThenConfirmedThenTheLastArgument) {
  const WideString setup = SetupProgramPath(u"C:\\P");
  EXPECT_EQ(setup, u"C:\\P\\Setup.exe");
  EXPECT_EQ(ProcessCommandLine(setup, ConfirmedSetupParameters(setup, u"abc")),
            u"\"C:\\P\\Setup.exe\" \"C:\\P\\Setup.exe\" /Confirmed abc");
  // An argument with spaces stays one argument of the setup program.
  EXPECT_EQ(ConfirmedSetupParameters(setup, u"a /Uninstall"),
            u"\"C:\\P\\Setup.exe\" /Confirmed \"a /Uninstall\"");
}

}  // namespace
}  // namespace kova
