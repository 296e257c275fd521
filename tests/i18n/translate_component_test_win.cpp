// The control walk over real framework forms, controls and menus.
#include <gtest/gtest.h>

#include <memory>

#include "forms/classes/strings.h"
#include "forms/controls/control.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/forms.h"
#include "forms/controls/menus.h"
#include "forms/controls/stdctrls.h"
#include "htmltext/html_label_win.h"
#include "i18n/translate.h"
#include "table_dictionary.h"

namespace kova {
namespace {

using testing::TableDictionary;

// An edit control of the product's own under another class name: its text is a label
// text, not the user's data.
class TKovaEdit : public TEdit {
  KOVA_DECLARE_CLASS(TKovaEdit)
 public:
  using TEdit::TEdit;
};
const ClassInfo& TKovaEdit::StaticClass() {
  static const ClassInfo info("TKovaEdit", &TEdit::StaticClass(), {});
  return info;
}

// A control whose visible caption is a published property of its own.
class THTMLRadioButton : public TGraphicControl {
  KOVA_DECLARE_CLASS(THTMLRadioButton)
 public:
  using TGraphicControl::TGraphicControl;
  WideString html_caption;
};
const ClassInfo& THTMLRadioButton::StaticClass() {
  static const ClassInfo info(
      "THTMLRadioButton", &TGraphicControl::StaticClass(),
      PropertyListBuilder<THTMLRadioButton>()
          .String(
              "Caption", [](const THTMLRadioButton& b) { return b.html_caption; },
              [](THTMLRadioButton& b, const WideString& v) { b.html_caption = v; })
          .Build());
  return info;
}

class TranslateComponentTest : public ::testing::Test {
 protected:
  TranslateComponentTest() {
    dictionary_.entries = {{u"Desinstalar", u"Uninstall"},
                           {u"Siguiente", u"Next"},
                           {u"Archivo", u"File"},
                           {u"Salir", u"Exit"},
                           {u"Sí, quiero desinstalarlo", u"Yes, I want to uninstall it"},
                           {WideString(1500, u'a'), WideString(1600, u'b')}};
  }
  TableDictionary dictionary_;
  CTranslate translate_{&dictionary_};
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
};

TEST_F(TranslateComponentTest, ControlsAreTranslatedByTheirExactClass) {
  form_->SetCaption(u"Desinstalar");
  struct Case {
    TControl* control;
    const char16_t* expected;
  } cases[] = {
      {new TLabel(form_.get()), u"Next"},     {new TButton(form_.get()), u"Next"},
      {new TEdit(form_.get()), u"Siguiente"}, {new TMemo(form_.get()), u"Siguiente"},
      {new TKovaEdit(form_.get()), u"Next"},  {new TLabel(form_.get()), u"Sin traducción"},
  };
  for (auto& c : cases) {
    c.control->SetParent(form_.get());
    c.control->SetText(c.control == cases[5].control ? u"Sin traducción" : u"Siguiente");
  }
  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(form_->Caption(), u"Uninstall");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control->ClassName());
    EXPECT_EQ(c.control->GetText(), c.expected);
  }
}

TEST_F(TranslateComponentTest, CaptionPropertyAndOnlyOneLevelOfOwnership) {
  auto* radio = new THTMLRadioButton(form_.get());
  radio->html_caption = u"Sí, quiero desinstalarlo";
  radio->SetText(u"Siguiente");  // not the visible caption of this class
  auto* panel = new TPanel(form_.get());
  auto* grandchild = new TLabel(panel);  // owned by the panel, not the form
  grandchild->SetText(u"Siguiente");

  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(radio->html_caption, u"Yes, I want to uninstall it");
  EXPECT_EQ(radio->GetText(), u"Siguiente");
  EXPECT_EQ(grandchild->GetText(), u"Siguiente");
}

TEST_F(TranslateComponentTest, MainMenuItemsAndSubItemsButNotPopupMenus) {
  auto* main_menu = new TMainMenu(form_.get());
  auto* file = new TMenuItem(form_.get());
  file->SetCaption(u"Archivo");
  auto* exit = new TMenuItem(form_.get());
  exit->SetCaption(u"Salir");
  file->Add(exit);
  main_menu->Items()->Add(file);
  auto* popup = new TPopupMenu(form_.get());
  auto* popup_item = new TMenuItem(form_.get());
  popup_item->SetCaption(u"Salir");
  popup->Items()->Add(popup_item);

  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(file->Caption(), u"File");
  EXPECT_EQ(exit->Caption(), u"Exit");
  EXPECT_EQ(popup_item->Caption(), u"Salir");
}

TEST_F(TranslateComponentTest, LongControlTextIsLookedUpAndWrittenBackWhole) {
  auto* label = new TLabel(form_.get());
  label->SetText(WideString(1500, u'a'));
  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(label->GetText(), WideString(1600, u'b'));

  label->SetText(WideString(1400, u'c'));  // no translation: kept whole, not cut
  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(label->GetText(), WideString(1400, u'c'));
}

TEST_F(TranslateComponentTest, HtmlLabelIsTranslatedThroughItsTextLines) {
  auto* label = new THTMLabel(form_.get());
  TStringList lines;
  lines.Add(u"Siguiente");
  label->SetHTMLText(&lines);
  label->SetText(u"Desinstalar");  // a label's plain text is not what it shows

  translate_.TranslateComponent(form_.get());
  EXPECT_EQ(label->DrawnText(), u"Next");
  EXPECT_EQ(label->GetText(), u"Desinstalar");
}

TEST(TranslateComponentWithoutDictionaryTest, NothingChanges) {
  CTranslate translate(nullptr);
  TForm form(nullptr);
  form.SetCaption(u"Desinstalar");
  translate.TranslateComponent(&form);
  translate.TranslateComponent(nullptr);
  EXPECT_EQ(form.Caption(), u"Desinstalar");
}

}  // namespace
}  // namespace kova
