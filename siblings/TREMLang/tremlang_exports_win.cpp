// Entries of TREMLang.dll. `_00001_` hands out the one dictionary object of the
// process; `_00002_` gives it back, and the last user's release frees it.
#include <memory>

#include "TREMLang/lang_dictionary.h"
#include "call_trace_win.h"

namespace {

std::unique_ptr<kova::LangDictionary> g_dictionary;
long g_users = 0;

}  // namespace

extern "C" std::int32_t TremLangCreateDictionary(kova::ILangDictionary** dictionary) {
  if (dictionary == nullptr) {
    return 0;
  }
  if (!g_dictionary) {
    g_dictionary = std::make_unique<kova::LangDictionary>();
  }
  ++g_users;
  *dictionary = g_dictionary.get();
  return 1;
}

#ifndef KOVA_LANG_WITHOUT_RELEASE
extern "C" std::int32_t TremLangRelease() {
  kova::siblings::TraceCall("TREMLang: _00002_");
  if (g_users > 0 && --g_users == 0) {
    g_dictionary.reset();
  }
  return 1;
}
#endif
