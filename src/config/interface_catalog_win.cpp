#include "config/interface_catalog.h"
#include "config/ui_iface_xml_win.h"

namespace kova {

CInterfaceGlobalCatalog::CInterfaceGlobalCatalog(HMODULE module) : CInterfaceGlobalCatalog() {
  CUIfaceXML reader(u"KOVAMainCat");
  if (!reader.Open(module)) {
    throw CatalogUnreadable();
  }
  ReadFrom(reader);
}

}  // namespace kova
