// Entries of KOVAResources.dll, a module of images that needs no state of its own:
// initialisation and uninitialisation only count their callers.
#include <cstdint>

#include "call_trace_win.h"

namespace {

long g_initialized = 0;

}  // namespace

#ifndef KOVA_RESOURCES_WITHOUT_INITIALIZE
extern "C" std::int32_t KovaResourcesInitialize(std::int32_t /*reserved*/) {
  ++g_initialized;
  return 1;
}
#endif

extern "C" std::int32_t KovaResourcesUninitialize() {
  kova::siblings::TraceCall("KOVAResources: _KOVA_Uninitialize");
  if (g_initialized > 0) {
    --g_initialized;
  }
  return 1;
}
