// The default map from other vendors' control classes to the kind of skinned control
// that paints them: rows "ClassName=kind", looked up case-insensitively by class name.
#pragma once

#include <string_view>
#include <vector>

#include "forms/classes/strings.h"

namespace kova {

// The 118 default rows, in their order (duplicate rows kept).
const std::vector<std::string_view>& DefaultSkin3rdRows();
void FillDefaultSkin3rd(TStrings& list);

// The lower-cased kind of the first row for `class_name`, or empty when none matches.
WideString FindSkin3rdKind(const TStrings& list, WideStringView class_name);

}  // namespace kova
