// Runs the kova-dict program as translators do and checks what they see.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "i18n/dictionary_file.h"

namespace kova {
namespace {

struct ToolRun {
  int exit_code;
  std::string output;  // standard output and error
};

ToolRun RunTool(const std::string& arguments) {
  const std::string command = std::string(KOVA_DICT_PROGRAM) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ToolRun run{-1, {}};
  if (pipe == nullptr) {
    return run;
  }
  char chunk[256];
  while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) {
    run.output += chunk;
  }
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(KovaDictToolTest, CompilesDumpsAndLooksUp) {
  const std::string po = WriteFile("tool_ok.po",
                                   "msgid \"Cancelar\"\nmsgstr \"Cancel\"\n\n"
                                   "msgid \"Línea\\r\\n\"\nmsgstr \"Line\\r\\n\"\n");
  const std::string kvd = ::testing::TempDir() + "tool_ok.kvd";
  const ToolRun compile = RunTool("compile " + po + " -o " + kvd);
  ASSERT_EQ(compile.exit_code, 0) << compile.output;
  EXPECT_NE(compile.output.find("2 translations"), std::string::npos) << compile.output;

  const auto file = DictionaryFile::Load(Utf8ToWide(kvd));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(*file->Find(u"Línea\r\n"), u"Line\r\n");

  const ToolRun dump = RunTool("dump " + kvd);
  EXPECT_EQ(dump.exit_code, 0);
  EXPECT_EQ(dump.output,
            "msgid \"Cancelar\"\nmsgstr \"Cancel\"\n\n"
            "msgid \"Línea\\r\\n\"\nmsgstr \"Line\\r\\n\"\n\n");

  EXPECT_EQ(RunTool("lookup " + kvd + " Cancelar").output, "Cancel\n");
  EXPECT_EQ(RunTool("lookup " + kvd + " Nada").exit_code, 1);
}

TEST(KovaDictToolTest, MalformedInputGivesFileLineAndExitCodeOne) {
  const std::string po =
      WriteFile("tool_bad.po", "msgid \"Cancelar\"\nmsgstr \"Cancel\"\n\nmsgid \"Aceptar\n");
  const std::string kvd = ::testing::TempDir() + "tool_bad.kvd";
  std::remove(kvd.c_str());
  const ToolRun run = RunTool("compile " + po + " -o " + kvd);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.output.find(po + ":4: error: unterminated string"), std::string::npos)
      << run.output;
  EXPECT_FALSE(std::ifstream(kvd).good()) << "no dictionary is written for a bad input";
}

TEST(KovaDictToolTest, UsageErrorsAndUnreadableFiles) {
  struct Case {
    std::string arguments;
    int exit_code;
    std::string message_part;
  };
  const std::string not_a_dictionary = WriteFile("tool_plain.txt", "hello");
  const Case cases[] = {
      {"", 2, "no command given"},
      {"frobnicate", 2, "unknown command"},
      {"compile only.po", 2, "-o OUTPUT"},
      {"compile a.po -o", 2, "-o needs a file name"},
      {"compile " + ::testing::TempDir() + "absent.po -o x.kvd", 1, "cannot read the file"},
      {"dump " + not_a_dictionary, 1, "not a dictionary file"},
      {"--help", 0, "usage: kova-dict compile"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.message_part), std::string::npos) << c.arguments << "\n"
                                                                  << run.output;
  }
}

}  // namespace
}  // namespace kova
