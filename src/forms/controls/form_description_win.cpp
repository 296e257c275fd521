#include "forms/controls/form_description.h"

#include <mutex>
#include <optional>
#include <set>

#include "forms/classes/filer.h"
#include "forms/classes/typinfo.h"
#include "forms/controls/buttons.h"
#include "forms/controls/comctrls.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/groupbox.h"
#include "forms/controls/listctrls.h"
#include "forms/controls/scrollctrls.h"
#include "forms/controls/tabs.h"
#include "forms/controls/stdctrls.h"
#include "forms/controls/timer.h"
#include "forms/graphics/image_list.h"

namespace kova {

namespace {

std::map<std::string, ComponentFactory, std::less<>>& Registry() {
  static std::map<std::string, ComponentFactory, std::less<>> registry;
  return registry;
}

void RegisterFrameworkClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterComponentClass<TPanel>();
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TImage>();
    RegisterComponentClass<TNotebook>();
    RegisterComponentClass<TButton>();
    RegisterComponentClass<TCheckBox>();
    RegisterComponentClass<TRadioButton>();
    RegisterComponentClass<TEdit>();
    RegisterComponentClass<TMemo>();
    RegisterComponentClass<TListBox>();
    RegisterComponentClass<TComboBox>();
    RegisterComponentClass<TGroupBox>();
    RegisterComponentClass<TRadioGroup>();
    RegisterComponentClass<TScrollBar>();
    RegisterComponentClass<TScrollBox>();
    RegisterComponentClass<TBitBtn>();
    RegisterComponentClass<TSpeedButton>();
    RegisterComponentClass<TProgressBar>();
    RegisterComponentClass<TTrackBar>();
    RegisterComponentClass<TUpDown>();
    RegisterComponentClass<TDateTimePicker>();
    RegisterComponentClass<TTabControl>();
    RegisterComponentClass<TPageControl>();
    RegisterComponentClass<TTabSheet>();
    RegisterComponentClass<THeaderControl>();
    RegisterComponentClass<TListView>();
    RegisterComponentClass<TStatusBar>();
    RegisterComponentClass<TTimer>();
    RegisterComponentClass<TMainMenu>();
    RegisterComponentClass<TPopupMenu>();
    RegisterComponentClass<TMenuItem>();
    RegisterComponentClass<TImageList>();
  });
}

struct NamedColor {
  std::u16string_view name;
  TColor color;
};
constexpr NamedColor kColors[] = {
    {u"clBlack", clBlack},         {u"clWhite", clWhite},
    {u"clGray", clGray},           {u"clSilver", clSilver},
    {u"clMedGray", clMedGray},     {u"clRed", clRed},
    {u"clBlue", clBlue},           {u"clFuchsia", clFuchsia},
    {u"clNone", clNone},           {u"clDefault", clDefault},
    {u"clWindow", clWindow},       {u"clWindowText", clWindowText},
    {u"clBtnFace", clBtnFace},     {u"clBtnText", clBtnText},
    {u"clHighlight", clHighlight}, {u"clHighlightText", clHighlightText},
    {u"clGrayText", clGrayText},
};

// Integers as a form writes them: decimal, "$hex", True/False or a colour name.
std::optional<int64_t> ParseInteger(std::u16string_view text) {
  if (text == u"True" || text == u"true") {
    return 1;
  }
  if (text == u"False" || text == u"false") {
    return 0;
  }
  for (const NamedColor& c : kColors) {
    if (c.name == text) {
      return c.color;
    }
  }
  if (text.empty()) {
    return std::nullopt;
  }
  const bool hex = text.front() == u'$';
  size_t i = hex ? 1 : 0;
  const bool negative = !hex && text[i] == u'-';
  if (negative) {
    ++i;
  }
  if (i >= text.size() || text.size() - i > 16) {
    return std::nullopt;
  }
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char16_t ch = text[i];
    int digit;
    if (ch >= u'0' && ch <= u'9') {
      digit = ch - u'0';
    } else if (hex && ch >= u'A' && ch <= u'F') {
      digit = ch - u'A' + 10;
    } else if (hex && ch >= u'a' && ch <= u'f') {
      digit = ch - u'a' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
  }
  const auto signed_value = static_cast<int64_t>(value);
  return negative ? -signed_value : signed_value;
}

struct PendingReference {
  TObject* object;
  std::string_view property;
  std::u16string_view component_name;
};

class Loader {
 public:
  Loader(TForm& form, const HandlerTable& handlers) : form_(form), handlers_(handlers) {}

  void Apply(TObject& object, const ComponentDescription& d) {
    for (const auto& [property, value] : d.properties) {
      ApplyProperty(object, d.name, property, value);
    }
  }

  void Create(const ComponentDescription& d, TWinControl* parent) {
    if (d.class_name == "TPage") {
      auto* notebook = dynamic_cast<TNotebook*>(parent);
      if (notebook == nullptr) {
        throw EFrameworkError("page " + std::string(d.name) + " outside a notebook");
      }
      const WideString title = Latin1ToWide(d.name);
      int index = notebook->Pages().IndexOf(title);
      if (index < 0) {
        // The first described page replaces the notebook's default one.
        if (notebook->Pages().Count() == 1 && notebook->Pages().Get(0) == u"Default" &&
            !described_pages_.contains(notebook)) {
          notebook->Pages().Put(0, title);
          index = 0;
        } else {
          index = notebook->Pages().Add(title);
        }
      }
      described_pages_.insert(notebook);
      TPage* page = notebook->PageControl(index);
      Apply(*page, d);
      for (const ComponentDescription& child : d.children) {
        Create(child, page);
      }
      return;
    }
    const auto it = Registry().find(d.class_name);
    if (it == Registry().end()) {
      throw EFrameworkError("unknown class " + std::string(d.class_name));
    }
    TComponent* component = it->second(&form_);
    component->BeginLoading();
    loading_.push_back(component);
    component->SetName(Latin1ToWide(d.name));
    if (auto* control = dynamic_cast<TControl*>(component); control != nullptr && parent) {
      control->SetParent(parent);
    }
    if (auto* item = dynamic_cast<TMenuItem*>(component)) {
      AttachMenuItem(item, parent_item_);
    }
    Apply(*component, d);
    TMenuItem* const outer_item = parent_item_;
    if (auto* menu = dynamic_cast<TMenu*>(component)) {
      parent_item_ = menu->Items();
    } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
      parent_item_ = item;
    }
    auto* win = dynamic_cast<TWinControl*>(component);
    for (const ComponentDescription& child : d.children) {
      Create(child, win != nullptr ? win : parent);
    }
    parent_item_ = outer_item;
  }

  void Finish() {
    for (const PendingReference& ref : references_) {
      TComponent* target = form_.FindComponent(ref.component_name);
      if (target == nullptr || !SetObjectProp(*ref.object, ref.property, target)) {
        throw EFrameworkError("no component " + WideToUtf8(WideString(ref.component_name)) +
                              " for property " + std::string(ref.property));
      }
    }
    for (TComponent* component : loading_) {
      component->EndLoading();
    }
  }

 private:
  static void AttachMenuItem(TMenuItem* item, TMenuItem* parent) {
    if (parent == nullptr) {
      throw EFrameworkError("menu item outside a menu");
    }
    parent->Add(item);
  }

  void ApplyProperty(TObject& object, std::string_view owner_name, std::string_view path,
                     std::u16string_view value) {
    TObject* target = &object;
    std::string_view name = path;
    for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
      target = GetObjectProp(*target, name.substr(0, dot));
      if (target == nullptr) {
        break;
      }
      name = name.substr(dot + 1);
    }
    const PropertyInfo* info = target != nullptr ? FindPropInfo(*target, name) : nullptr;
    if (info == nullptr) {
      // A stored binary property, given as hexadecimal text.
      auto* persistent = dynamic_cast<TPersistent*>(target);
      if (persistent != nullptr && DefinesBinaryProperty(*persistent, name)) {
        try {
          ReadBinaryProperty(*persistent, name, HexToBinary(value));
        } catch (const EStreamError& error) {
          throw EFrameworkError("bad value for " + std::string(owner_name) + "." +
                                std::string(path) + ": " + error.what());
        }
        return;
      }
      throw EFrameworkError(std::string(owner_name) + " has no property " + std::string(path));
    }
    bool ok = false;
    if (info->kind == PropertyKind::kMethod) {
      const auto handler = handlers_.find(WideToUtf8(WideString(value)));
      ok = handler != handlers_.end() && SetMethodProp(*target, name, handler->second);
    } else if (info->kind == PropertyKind::kObject) {
      references_.push_back({target, name, value});
      ok = true;
    } else if (info->kind == PropertyKind::kInteger) {
      const auto number = ParseInteger(value);
      ok = number && SetOrdProp(*target, name, *number);
    } else {
      ok = SetPropText(*target, name, WideString(value));
    }
    if (!ok) {
      throw EFrameworkError("bad value for " + std::string(owner_name) + "." + std::string(path));
    }
  }

  TForm& form_;
  const HandlerTable& handlers_;
  std::vector<PendingReference> references_;
  std::vector<TComponent*> loading_;
  std::set<TNotebook*> described_pages_;
  TMenuItem* parent_item_ = nullptr;
};

}  // namespace

void RegisterComponentClass(std::string_view class_name, ComponentFactory factory) {
  Registry().insert_or_assign(std::string(class_name), std::move(factory));
}

bool IsComponentClassRegistered(std::string_view class_name) {
  RegisterFrameworkClasses();
  return Registry().contains(class_name);
}

void LoadForm(TForm& form, const ComponentDescription& description, const HandlerTable& handlers) {
  RegisterFrameworkClasses();
  Loader loader(form, handlers);
  form.BeginLoading();
  if (!description.name.empty()) {
    form.SetName(Latin1ToWide(description.name));
  }
  loader.Apply(form, description);
  for (const ComponentDescription& child : description.children) {
    loader.Create(child, &form);
  }
  loader.Finish();
  form.EndLoading();
}

bool SetPropertyByPath(TObject& object, std::string_view path, const WideString& value) {
  TObject* target = &object;
  std::string_view name = path;
  for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
    target = GetObjectProp(*target, name.substr(0, dot));
    if (target == nullptr) {
      return false;
    }
    name = name.substr(dot + 1);
  }
  const PropertyInfo* info = FindPropInfo(*target, name);
  if (info != nullptr && info->kind == PropertyKind::kInteger) {
    const auto number = ParseInteger(value);
    return number && SetOrdProp(*target, name, *number);
  }
  return SetPropText(*target, name, value);
}

}  // namespace kova
