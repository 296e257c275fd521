// The control walk: a form's visible texts are replaced by their translations when
// the form is built.
#include <string_view>

#include "forms/classes/strings.h"
#include "forms/classes/typinfo.h"
#include "forms/controls/control.h"
#include "forms/controls/menus.h"
#include "i18n/translate.h"

namespace kova {
namespace {

// Controls whose caption is a published string property rather than their text.
constexpr std::string_view kCaptionPropertyClasses[] = {"THTMLRadioButton", "TAdvSmoothTabPage",
                                                        "TAdvOfficeRadioButton"};
// Controls whose text is the user's data.
constexpr std::string_view kUserDataClasses[] = {"TEdit", "TMemo", "TListBox", "TComboBox"};

template <size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N]) {
  for (std::string_view candidate : names) {
    if (candidate == name)
      return true;
  }
  return false;
}

// The whole text goes through the lookup and back, however long it is.
void TranslateControlText(const CTranslate& translate, TControl& control) {
  std::u16string buffer(static_cast<size_t>(control.GetTextLen()) + 1, u'\0');
  const int length = control.GetTextBuf(buffer.data(), static_cast<int>(buffer.size()));
  buffer.resize(static_cast<size_t>(length));
  control.SetTextBuf(translate.Translate(buffer).c_str());
}

void TranslateOwnedControl(const CTranslate& translate, TControl& control) {
  const std::string_view name = control.ClassName();
  if (IsOneOf(name, kCaptionPropertyClasses)) {
    SetStrProp(control, "Caption", translate.Translate(GetStrProp(control, "Caption")));
  } else if (name == "THTMLabel") {
    if (auto* lines = dynamic_cast<TStringList*>(GetObjectProp(control, "HTMLText"))) {
      lines->SetText(translate.TranslateKeepingLineBreaks(lines->Text()));
    }
  } else if (!IsOneOf(name, kUserDataClasses)) {
    TranslateControlText(translate, control);
  }
}

}  // namespace

void CTranslate::TranslateMenuItem(TMenuItem* item) const {
  if (item == nullptr)
    return;
  item->SetCaption(Translate(item->Caption()));
  for (int i = 0; i < item->Count(); ++i) {
    TranslateMenuItem(item->GetItem(i));
  }
}

void CTranslate::TranslateComponent(TComponent* root) const {
  if (root == nullptr || dictionary_ == nullptr)
    return;
  if (auto* control = dynamic_cast<TControl*>(root)) {
    TranslateControlText(*this, *control);
  }
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->GetComponent(i);
    if (auto* control = dynamic_cast<TControl*>(component)) {
      TranslateOwnedControl(*this, *control);
    }
    if (auto* menu = dynamic_cast<TMainMenu*>(component)) {
      TMenuItem* items = menu->Items();
      for (int j = 0; j < items->Count(); ++j) {
        TranslateMenuItem(items->GetItem(j));
      }
    }
  }
}

}  // namespace kova
