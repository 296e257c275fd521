// Entries of drTXml.dll. InitLibrary(1) prepares COM on the calling thread; the
// matching last release undoes what it did.
#include <windows.h>
#include <objbase.h>

#include <cstdint>

#include "drTXml/xml_document_win.h"

namespace {

long g_users = 0;
bool g_uninitialize_com = false;

}  // namespace

extern "C" std::int32_t DrTarnXmlInitLibrary(std::int32_t mode) {
  if (mode != 1) {
    return 0;
  }
  if (g_users == 0) {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // RPC_E_CHANGED_MODE: the thread already runs COM in another model, which serves
    // in-process objects as well; it is not ours to end.
    if (FAILED(result) && result != RPC_E_CHANGED_MODE) {
      return 0;
    }
    g_uninitialize_com = SUCCEEDED(result);
  }
  ++g_users;
  return 1;
}

extern "C" std::int32_t DrTarnXmlReleaseLibrary() {
  if (g_users == 0) {
    return 0;
  }
  if (--g_users == 0 && g_uninitialize_com) {
    g_uninitialize_com = false;
    CoUninitialize();
  }
  return 1;
}

extern "C" kova::IXmlDocument* DrTarnXmlCreateDocument() {
  if (g_users == 0) {
    return nullptr;
  }
  return kova::siblings::XmlDocument::Create();
}
