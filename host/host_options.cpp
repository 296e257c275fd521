#include "host_options.h"

#include <cwchar>

namespace kova::host {

const char kHostUsage[] =
    "usage: kova-host.exe [--dll=PATH] [--context=normal|null|refuse]\n"
    "                     [--steps=init,show:ID,...,uninit]\n"
    "                     [--app-context=normal|refuse|fail-create|fail-query|fail-method]\n"
    "                     [host arguments...]\n"
    "Loads KOVAMsg.dll (default: beside kova-host.exe), resolves its three exports and\n"
    "runs the steps in order (default: init,uninit), printing what happened.\n"
    "When KOVA_HOST_OPTIONS is set, the options are read from it instead, and the\n"
    "command line is left entirely to the host arguments the library sees.\n";

namespace {

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  }
  return out;
}

std::optional<std::string> ParseSteps(const std::wstring& text, std::vector<Step>& steps) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(L',', start);
    if (comma == std::wstring::npos) {
      comma = text.size();
    }
    const std::wstring step = text.substr(start, comma - start);
    if (step == L"init") {
      steps.push_back({Step::Kind::kInitialize});
    } else if (step == L"uninit") {
      steps.push_back({Step::Kind::kUninitialize});
    } else if (step.rfind(L"show:", 0) == 0 && step.size() > 5) {
      wchar_t* end = nullptr;
      const long id = std::wcstol(step.c_str() + 5, &end, 10);
      if (*end != 0) {
        return "bad form identifier in step '" + Narrow(step) + "'";
      }
      steps.push_back({Step::Kind::kShowForm, static_cast<int>(id)});
    } else {
      return "unknown step '" + Narrow(step) + "'";
    }
    start = comma + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ParseHostOptions(const std::vector<std::wstring>& arguments,
                                            HostOptions& options) {
  for (const std::wstring& argument : arguments) {
    if (argument == L"--help" || argument == L"-h") {
      options.help = true;
    } else if (argument.rfind(L"--dll=", 0) == 0) {
      options.dll_path = argument.substr(6);
    } else if (argument.rfind(L"--context=", 0) == 0) {
      options.context = Narrow(argument.substr(10));
      if (options.context != "normal" && options.context != "null" && options.context != "refuse") {
        return "unknown context '" + options.context + "'";
      }
    } else if (argument.rfind(L"--app-context=", 0) == 0) {
      const std::string mode = Narrow(argument.substr(14));
      AppContextOptions& app = options.app_context;
      app = AppContextOptions{};
      if (mode == "refuse") {
        app.refuse_context = true;
      } else if (mode == "fail-create") {
        app.fail_create_object = true;
      } else if (mode == "fail-query") {
        app.fail_firewall_query = true;
      } else if (mode == "fail-method") {
        app.fail_firewall_method = true;
      } else if (mode != "normal") {
        return "unknown application context '" + mode + "'";
      }
    } else if (argument.rfind(L"--steps=", 0) == 0) {
      options.steps.clear();
      if (auto error = ParseSteps(argument.substr(8), options.steps)) {
        return error;
      }
    } else if (argument.rfind(L"--", 0) == 0) {
      return "unknown option '" + Narrow(argument) + "'";
    }
    // Anything else is a host argument for the library to see.
  }
  if (options.steps.empty()) {
    options.steps = {{Step::Kind::kInitialize}, {Step::Kind::kUninitialize}};
  }
  return std::nullopt;
}

std::vector<std::wstring> SplitOptionText(const std::wstring& text) {
  std::vector<std::wstring> parts;
  std::wstring current;
  for (wchar_t c : text) {
    if (c == L' ' || c == L'\t') {
      if (!current.empty()) {
        parts.push_back(current);
        current.clear();
      }
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) {
    parts.push_back(current);
  }
  return parts;
}

}  // namespace kova::host
