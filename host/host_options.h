// What kova-host does, from its options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app_context/app_context.h"

namespace kova::host {

struct Step {
  enum class Kind { kInitialize, kShowForm, kUninitialize };
  Kind kind;
  int form_id = 0;
};

struct HostOptions {
  std::wstring dll_path;           // empty: KOVAMsg.dll beside the host
  std::string context = "normal";  // normal | null | refuse
  AppContextOptions app_context;   // which step of the firewall chain fails
  std::vector<Step> steps;
  bool help = false;
};

// Parses "--dll=PATH", "--context=normal|null|refuse", "--steps=init,show:3,uninit" and
// "--app-context=normal|refuse|fail-create|fail-query|fail-method".
// Answers an error text for anything else.
std::optional<std::string> ParseHostOptions(const std::vector<std::wstring>& arguments,
                                            HostOptions& options);

std::vector<std::wstring> SplitOptionText(const std::wstring& text);

extern const char kHostUsage[];

}  // namespace kova::host
