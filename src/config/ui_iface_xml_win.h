// Reads the interface catalog: the files repository gives its UTF-16 text and the XML
// library parses it and answers XPath queries.
#pragma once

#include <windows.h>

#include <cstdint>

#include "config/interface_catalog.h"
#include "config/sibling_interfaces.h"

namespace kova {

// Owns one string object of the XML library and releases it when it goes out of scope.
class CTarnStringAuto {
 public:
  CTarnStringAuto() = default;
  ~CTarnStringAuto() {
    if (string_ != nullptr) {
      string_->Release();
    }
  }
  CTarnStringAuto(const CTarnStringAuto&) = delete;
  CTarnStringAuto& operator=(const CTarnStringAuto&) = delete;

  ITarnString** Receive() { return &string_; }
  // The text, or empty when there is no string object or it is empty.
  WideString Text() const;

 private:
  ITarnString* string_ = nullptr;
};

// One sibling library as the catalog reader uses it.
struct LibraryDescriptor {
  bool (*load)(const char16_t* directory);
  std::int32_t (*init)(std::int32_t);  // *_InitLibrary, resolved after load
  std::int32_t (*release)();           // *_ReleaseLibrary, resolved after load
  void (*unload)();
  bool loaded = false;
  std::int32_t init_result = 0;
};

class CUIfaceXML : public ICatalogSource {
 public:
  explicit CUIfaceXML(WideString catalog_name);
  ~CUIfaceXML() override;
  CUIfaceXML(const CUIfaceXML&) = delete;
  CUIfaceXML& operator=(const CUIfaceXML&) = delete;

  // Loads the libraries from the directory of `module` and parses the catalog.
  bool Open(HMODULE module);
  WideString GetNodeText(const WideString& xpath) override;
  WideString GetAttribute(const WideString& xpath, const WideString& name) override;

 private:
  bool Initialise(LibraryDescriptor& library, const WideString& directory, bool is_xml);
  bool LoadCatalogText(IFilesRepository& repository, WideString& text);

  LibraryDescriptor files_{};
  LibraryDescriptor xml_{};
  IXmlDocument* document_ = nullptr;
  IXmlRoot* root_ = nullptr;
  IXmlQuery* query_ = nullptr;
  WideString name_;
  bool document_created_ = false;
};

}  // namespace kova
