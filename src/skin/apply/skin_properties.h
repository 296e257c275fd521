// Published properties of other code's controls, read and written by name. The skin
// engine knows controls only as framework objects: whether a button is a default
// button, a check box's state or a tab control's style are read through the run-time
// type information. A property that does not exist reads as empty (or 0, or null) and
// is not written.
#pragma once

#include <any>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "forms/classes/object.h"

namespace kova {

// Whether the object publishes a property of that name.
bool HasProperty(const TObject* object, std::string_view name);
// An enumeration (Booleans included) as its value name, an integer in decimal; any
// other kind reads as empty.
WideString GetProperty(const TObject* object, std::string_view name);
// An integer or the ordinal of an enumeration; 0 for other kinds.
int64_t GetIntProperty(const TObject* object, std::string_view name);
// The value name of an enumeration; empty for other kinds.
std::string GetEnumProperty(const TObject* object, std::string_view name);
// A string property of any string kind as wide text.
WideString GetStringProp(const TObject* object, std::string_view name);
// The event held by a method property (empty std::any when absent or unassigned).
std::any GetObjMethod(const TObject* object, std::string_view name);
// The object held by an object property when it is of `of_class` (or a descendant); null
// otherwise. With no class given any object is answered.
TObject* GetObjProp(const TObject* object, std::string_view name,
                    const ClassInfo* of_class = nullptr);
// An enumeration by value name, an integer from decimal text, a short, narrow or wide
// string from the text. Properties of other kinds (the native Unicode string kind too),
// read-only ones and missing ones are left alone. Answers whether it wrote.
bool SetProperty(TObject* object, std::string_view name, const WideString& value);

// The class of the object or one of its ancestors is named `class_name` (compared
// without regard to ASCII case).
bool InheritsFromName(const TObject& object, std::string_view class_name);

}  // namespace kova
