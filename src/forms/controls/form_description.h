// Forms described as data: each component of a form with its class, name, property
// values (as text, the way they read in a form's table) and the components it holds.
// Loading creates the components owned by the form, places controls in their parents
// and sets every property by name through the published property information.
//
//   {"TPanel", "pnlCaption", {{"Align", u"alTop"}, {"Height", u"32"}, {"Tag", u"99"}},
//    {{"TLabel", "lblCaption", {{"Left", u"8"}, {"Font.Color", u"clWhite"}}}}}
//
// Values: strings as they are; integers in decimal or "$hex"; True/False; colour names
// (clWhite...); enumerations by value name; sets as "[a,b]"; object properties by the
// name of another component of the form; events ("OnClick") by a handler name looked up
// in the form's handler table; a component's stored binary property (DefineProperties)
// as hexadecimal text, "{0A1B...}". A "TPage" entry under a TNotebook adds a page named
// by its name, holding the entry's children.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/controls/forms.h"

namespace kova {

struct ComponentDescription {
  std::string_view class_name;
  std::string_view name;
  std::vector<std::pair<std::string_view, std::u16string_view>> properties = {};
  std::vector<ComponentDescription> children = {};
};

// Event handlers by name; each value holds the std::function type of the event
// property it is assigned to (TNotifyEvent for OnClick).
using HandlerTable = std::map<std::string, std::any, std::less<>>;

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Makes a class known to form loading under its framework class name.
void RegisterComponentClass(std::string_view class_name, ComponentFactory factory);
template <class T>
void RegisterComponentClass() {
  RegisterComponentClass(T::StaticClass().Name(),
                         [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsComponentClassRegistered(std::string_view class_name);

// Applies the description to form (its own properties, then its components). Raises
// EFrameworkError for an unknown class, property, value, handler or component name.
void LoadForm(TForm& form, const ComponentDescription& description,
              const HandlerTable& handlers = {});

// Sets one property by text, following "Object.Property" paths (for example
// "Font.Color"). Answers false when there is no such property or the value is invalid.
bool SetPropertyByPath(TObject& object, std::string_view path, const WideString& value);

}  // namespace kova
