#include "config/library_path.h"

namespace kova {

WideString FormatLibraryPath(WideStringView directory, WideStringView file_name) {
  WideString path;
  path.reserve(directory.size() + file_name.size());
  path.append(directory).append(file_name);
  if (path.size() > kLoaderPathCapacity - 1) {
    path.resize(kLoaderPathCapacity - 1);
  }
  return path;
}

WideString DirectoryPart(WideStringView path) {
  const size_t slash = path.rfind(u'\\');
  return slash == WideStringView::npos ? WideString() : WideString(path.substr(0, slash));
}

WideString CatalogItemName(WideStringView catalog_name) {
  const size_t slash = catalog_name.rfind(u'\\');
  WideStringView name =
      slash == WideStringView::npos ? catalog_name : catalog_name.substr(slash + 1);
  const size_t dot = name.rfind(u'.');
  if (dot != WideStringView::npos) {
    name = name.substr(0, dot);
  }
  return WideString(name);
}

bool IsAbsoluteWindowsPath(WideStringView path) {
  if (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') {
    const char16_t drive = path[0];
    return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
  }
  return path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\';
}

}  // namespace kova
