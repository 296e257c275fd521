// Reading and writing published properties by name. A property that does not exist,
// or is of another kind, reads as empty and is not written (the setters answer false).
#pragma once

#include <any>
#include <optional>
#include <string>
#include <string_view>

#include "forms/classes/object.h"

namespace kova {

const PropertyInfo* FindPropInfo(const TObject& object, std::string_view name);
bool IsPublishedProp(const TObject& object, std::string_view name);
std::optional<PropertyKind> PropKind(const TObject& object, std::string_view name);

WideString GetStrProp(const TObject& object, std::string_view name);
bool SetStrProp(TObject& object, std::string_view name, const WideString& value);

// Integers, enumerations (ordinal) and sets (bit mask).
std::optional<int64_t> GetOrdProp(const TObject& object, std::string_view name);
bool SetOrdProp(TObject& object, std::string_view name, int64_t value);

// Enumerations by value name; unknown value names are not written.
std::string GetEnumProp(const TObject& object, std::string_view name);
bool SetEnumProp(TObject& object, std::string_view name, std::string_view value_name);

// Sets as "[a,b]".
std::string GetSetProp(const TObject& object, std::string_view name);
bool SetSetProp(TObject& object, std::string_view name, std::string_view value);

// The object held by an object property; with a class given, only an object of that
// class (or a descendant) is answered.
TObject* GetObjectProp(const TObject& object, std::string_view name,
                       const ClassInfo* of_class = nullptr);
bool SetObjectProp(TObject& object, std::string_view name, TObject* value);

// Event properties: the std::any holds the event's std::function type.
std::any GetMethodProp(const TObject& object, std::string_view name);
bool SetMethodProp(TObject& object, std::string_view name, const std::any& value);

// Any property as text, the way a form description writes it: strings as they are,
// integers in decimal, enumerations by value name, sets as "[a,b]"; objects and methods
// have no text.
std::optional<WideString> GetPropText(const TObject& object, std::string_view name);
bool SetPropText(TObject& object, std::string_view name, const WideString& text);

}  // namespace kova
