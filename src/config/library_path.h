// Path building shared by the sibling loaders and the catalog reader.
#pragma once

#include "base/text.h"

namespace kova {

// Paths that the loaders format with "%s%s" fit a buffer of this many characters,
// NUL included.
inline constexpr size_t kLoaderPathCapacity = 2048;

// directory + file_name, cut to at most kLoaderPathCapacity - 1 characters.
WideString FormatLibraryPath(WideStringView directory, WideStringView file_name);

// The part of a path before its last backslash; empty when it has none.
WideString DirectoryPart(WideStringView path);

// The item name of a catalog: everything after the last backslash, without the part
// from the last "." on.
WideString CatalogItemName(WideStringView catalog_name);

// True for "C:\..." and "\\server\..." paths.
bool IsAbsoluteWindowsPath(WideStringView path);

}  // namespace kova
