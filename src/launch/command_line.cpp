#include "launch/command_line.h"

namespace kova {

namespace {

bool NeedsQuoting(WideStringView argument) {
  if (argument.empty()) {
    return true;
  }
  return argument.find_first_of(u" \t\n\v\"") != WideStringView::npos;
}

}  // namespace

WideString QuoteArgument(WideStringView argument) {
  if (!NeedsQuoting(argument)) {
    return WideString(argument);
  }
  WideString quoted = u"\"";
  size_t backslashes = 0;
  for (char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      // Backslashes before a quote are halved by the parser, and the quote itself
      // needs one more.
      quoted.append(backslashes * 2 + 1, u'\\');
    } else {
      quoted.append(backslashes, u'\\');
    }
    backslashes = 0;
    quoted.push_back(c);
  }
  // The closing quote follows: double the trailing backslashes so it stays a quote.
  quoted.append(backslashes * 2, u'\\');
  quoted.push_back(u'"');
  return quoted;
}

WideString ProcessCommandLine(WideStringView program, WideStringView parameters) {
  WideString line = u"\"";
  line += program;
  line += u"\" ";
  line += parameters;
  return line;
}

WideString DirectoryOfPath(WideStringView path) {
  const size_t last = path.rfind(u'\\');
  if (last == WideStringView::npos) {
    return WideString();
  }
  return WideString(path.substr(0, last));
}

WideString SetupProgramPath(WideStringView module_directory) {
  WideString path(module_directory);
  path += u"\\Setup.exe";
  return path;
}

WideString ConfirmedSetupParameters(WideStringView setup_path, WideStringView last_argument) {
  WideString parameters = u"\"";
  parameters += setup_path;
  parameters += u"\" /Confirmed ";
  parameters += QuoteArgument(last_argument);
  return parameters;
}

}  // namespace kova
