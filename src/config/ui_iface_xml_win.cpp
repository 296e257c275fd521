#include "config/ui_iface_xml_win.h"

#include <limits>
#include <memory>
#include <vector>

#include "config/library_path.h"
#include "config/module_directory_win.h"
#include "config/sibling_libraries_win.h"

namespace kova {
namespace {

// Selected nodes belong to whoever asked for them.
struct NodeRelease {
  void operator()(IXmlNode* node) const { node->Release(); }
};
using NodePtr = std::unique_ptr<IXmlNode, NodeRelease>;

// The catalog text must not be allowed to exhaust memory: no catalog comes near this.
constexpr std::uint32_t kMaxCatalogUnits = 64u * 1024 * 1024;

}  // namespace

WideString CTarnStringAuto::Text() const {
  if (string_ == nullptr || string_->IsEmpty()) {
    return WideString();
  }
  const char16_t* chars = string_->GetChars();
  return chars ? WideString(chars) : WideString();
}

CUIfaceXML::CUIfaceXML(WideString catalog_name) : name_(std::move(catalog_name)) {
  xml_.load = &XmlLibrary::Load;
  xml_.unload = &XmlLibrary::Unload;
  files_.load = &FilesLibrary::Load;
  files_.unload = &FilesLibrary::Unload;
}

CUIfaceXML::~CUIfaceXML() {
  if (document_created_ && document_ != nullptr) {
    document_->Release();
  }
  for (LibraryDescriptor* library : {&xml_, &files_}) {
    if (library->init_result == 1 && library->release != nullptr) {
      library->release();
      library->init_result = 0;
    }
    if (library->loaded) {
      library->unload();
      library->loaded = false;
    }
  }
}

bool CUIfaceXML::Initialise(LibraryDescriptor& library, const WideString& directory, bool is_xml) {
  if (!library.loaded) {
    library.loaded = library.load(directory.c_str());
    if (library.loaded) {
      library.init = is_xml ? XmlLibrary::InitLibraryEntry() : FilesLibrary::InitLibraryEntry();
      library.release =
          is_xml ? XmlLibrary::ReleaseLibraryEntry() : FilesLibrary::ReleaseLibraryEntry();
    }
  }
  if (library.loaded && library.init_result != 1 && library.init != nullptr) {
    library.init_result = library.init(1);
  }
  return library.init_result == 1;
}

bool CUIfaceXML::Open(HMODULE module) {
  const WideString directory = ModuleDirectory(module) + u"\\";
  if (!Initialise(xml_, directory, true)) {
    return false;
  }
  document_ = XmlLibrary::CreateDocumentEntry()();
  document_created_ = true;
  if (document_ == nullptr) {
    return false;
  }
  if (!Initialise(files_, directory, false)) {
    return false;
  }
  IFilesRepository* repository = FilesLibrary::GetRepositoryEntry()();
  if (repository == nullptr) {
    return false;
  }
  WideString text;
  if (!LoadCatalogText(*repository, text) || !document_->LoadFromText(text.c_str())) {
    return false;
  }
  root_ = document_->GetRoot();
  query_ = root_ ? root_->GetQuery() : nullptr;
  return query_ != nullptr;
}

bool CUIfaceXML::LoadCatalogText(IFilesRepository& repository, WideString& text) {
  IFilesItem* item = nullptr;
  if (repository.OpenItem(CatalogItemName(name_).c_str(), &item) != 0 || item == nullptr) {
    return false;
  }
  IFilesStream* stream = nullptr;
  if (item->OpenStream(1, &stream, 3) != 0 || stream == nullptr) {
    return false;
  }
  const std::uint32_t length = stream->GetLength();
  if (length > kMaxCatalogUnits) {
    stream->Close(0);
    return false;
  }
  std::vector<char16_t> buffer(size_t{length} + 1, u'\0');
  std::uint32_t read = length;
  stream->Read(buffer.data(), &read);
  stream->Close(0);
  read = std::min(read, length);
  buffer[read] = u'\0';
  // Only a byte-order mark is skipped: a catalog saved without one keeps its first
  // character.
  const size_t start = read > 0 && buffer[0] == 0xFEFF ? 1 : 0;
  text.assign(buffer.data() + start);
  return true;
}

WideString CUIfaceXML::GetNodeText(const WideString& xpath) {
  IXmlNode* raw = nullptr;
  if (query_ == nullptr || query_->SelectSingleNode(xpath.c_str(), &raw) != 0 || raw == nullptr) {
    return WideString();
  }
  NodePtr node(raw);
  CTarnStringAuto text;
  if (node->GetText(text.Receive()) != 0) {
    return WideString();
  }
  return text.Text();
}

WideString CUIfaceXML::GetAttribute(const WideString& xpath, const WideString& name) {
  IXmlNode* raw = nullptr;
  if (query_ == nullptr || query_->SelectSingleNode(xpath.c_str(), &raw) != 0 || raw == nullptr) {
    return WideString();
  }
  NodePtr node(raw);
  CTarnStringAuto value;
  if (node->GetAttribute(name.c_str(), value.Receive()) != 0) {
    return WideString();
  }
  return value.Text();
}

}  // namespace kova
