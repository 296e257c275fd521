// A product-style form put together the way the dialogs are: described as data, images
// from the resource module, formatted texts in HTML labels, translated through the real
// language library and dictionary, run modally and closed by its Next button. The
// screenshot lands in screenshots/sample_form.png.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "config/sibling_interfaces.h"
#include "config/unique_module_win.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/form_description.h"
#include "forms/controls/timer.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/kovactrl/kova_border.h"
#include "forms/kovactrl/kova_button.h"
#include "forms/kovactrl/register.h"
#include "base/win/handles_win.h"
#include "htmltext/html_label_win.h"
#include "i18n/translate.h"
#include "resources/image_strip.h"
#include "resources/resource_ids.h"
#include "resources/resource_images_win.h"
#include "screenshot_win.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

fs::path BuildDirectory() {
  wchar_t buffer[1024] = {};
  GetEnvironmentVariableW(L"KOVA_BINARY_DIR", buffer, 1024);
  std::wstring path = buffer;
  for (auto& c : path) {
    if (c == L'/')
      c = L'\\';
  }
  return path.starts_with(L"\\") ? fs::path(L"Z:" + path) : fs::path(path);
}

// The language library's dictionary object with the English dictionary loaded.
class EnglishDictionary {
 public:
  EnglishDictionary()
      : module_(UniqueModule::Load((BuildDirectory() / "bin" / "TREMLang.dll").c_str())) {
    auto create = Entry<LangCreateDictionaryFn>("_00001_");
    release_ = Entry<LangReleaseFn>("_00002_");
    if (create != nullptr)
      create(&dictionary_);
  }
  ~EnglishDictionary() {
    if (release_ != nullptr)
      release_();
  }
  ILangDictionary* Get() const { return dictionary_; }
  fs::path File() const { return BuildDirectory() / "lang" / "English" / "KOVADict.kvd"; }

 private:
  template <class Fn>
  Fn Entry(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), name)));
  }

  UniqueModule module_;
  ILangDictionary* dictionary_ = nullptr;
  LangReleaseFn release_ = nullptr;
};

// A white-text HTML label across the form.
ComponentDescription HtmlLabel(std::string_view name, std::u16string_view top,
                               std::u16string_view height) {
  return {"THTMLabel",
          name,
          {{"Left", u"20"},
           {"Top", top},
           {"Width", u"430"},
           {"Height", height},
           {"Transparent", u"True"},
           {"URLColor", u"$00FFC53B"},
           {"Font.Name", u"Verdana"},
           {"Font.Color", u"clWhite"}}};
}

// A footer push button drawn from the four-state image strip.
ComponentDescription PushButton(std::string_view name, std::u16string_view left,
                                std::u16string_view caption, std::u16string_view result) {
  return {"TKOVAButton",
          name,
          {{"Left", left},
           {"Top", u"180"},
           {"Width", u"97"},
           {"Height", u"24"},
           {"Caption", caption},
           {"OverSkinImageIndex", u"1"},
           {"DownSkinImageIndex", u"2"},
           {"DisabledSkinImageIndex", u"3"},
           {"StrechSkin", u"True"},
           {"StretchMargin", u"10"},
           {"TextColorNormal", u"clWhite"},
           {"ModalResult", result}}};
}

const ComponentDescription kSampleForm{
    "TForm",
    "SampleForm",
    {{"Caption", u"Desinstalación de %s"},
     {"BorderStyle", u"bsNone"},
     {"BorderIcons", u"[]"},
     {"ClientWidth", u"474"},
     {"ClientHeight", u"220"},
     {"Color", u"$00484849"},
     {"Position", u"poScreenCenter"}},
    {
        {"TPanel",
         "pnlCaption",
         {{"Align", u"alTop"}, {"Height", u"32"}, {"BevelOuter", u"bvNone"}},
         {{"TImage", "ImageHeader", {{"Align", u"alClient"}, {"Stretch", u"True"}}},
          {"TLabel",
           "lblCaption",
           {{"Left", u"10"},
            {"Top", u"8"},
            {"Caption", u"Desinstalación de %s"},
            {"Transparent", u"True"},
            {"Font.Name", u"Verdana"},
            {"Font.Color", u"clWhite"}}}}},
        HtmlLabel("lblQuestion", u"50", u"40"),
        HtmlLabel("lblOption", u"100", u"20"),
        PushButton("KOVAButtonNext", u"250", u"Siguiente", u"1"),
        PushButton("KOVAButtonCancel", u"355", u"Cancelar", u"2"),
        {"TKOVABorder", "wndBorder"},
        {"TTimer", "Timer1", {{"Interval", u"400"}, {"OnTimer", u"Timer1Timer"}}},
    }};

template <class T>
T& Find(TForm& form, const char16_t* name) {
  return *static_cast<T*>(form.FindComponent(name));
}

void SetLines(THTMLabel& label, const WideString& text) {
  TStringList lines;
  lines.Add(text);
  label.SetHTMLText(&lines);
}

TEST(SampleFormTest, DescribedTranslatedFormWithProductImagesRunsModally) {
  RegisterKOVACtrlClasses();
  RegisterComponentClass<THTMLabel>();
  const UniqueModule resources =
      UniqueModule::Load((BuildDirectory() / "bin" / "KOVAResources.dll").c_str());
  ASSERT_TRUE(resources);
  EnglishDictionary dictionary;
  ASSERT_NE(dictionary.Get(), nullptr);
  CTranslate translate(dictionary.Get());
  ASSERT_NE(translate.LoadDictionary(WideString(FromWin(dictionary.File().c_str()))), 0);

  TForm form(nullptr);
  const fs::path shot_file = fs::current_path() / "screenshots" / "sample_form.png";
  HandlerTable handlers{{"Timer1Timer", std::any(TNotifyEvent([&](TObject*) {
                           Find<TTimer>(form, u"Timer1").SetEnabled(false);
                           EXPECT_TRUE(testing::SaveFormScreenshot(form, shot_file));
                           Find<TKOVAButton>(form, u"KOVAButtonNext").Click();
                         }))}};
  LoadForm(form, kSampleForm, handlers);
  SetLines(Find<THTMLabel>(form, u"lblQuestion"),
           u"¿Estás seguro de que quieres desinstalar %s y todos sus componentes?");
  SetLines(Find<THTMLabel>(form, u"lblOption"), u"Sí, quiero desinstalarlo");

  EXPECT_EQ(SetImagePng(Find<TImage>(form, u"ImageHeader"), resources.Get(), resource_id::kHeader),
            1);
  for (const char16_t* name : {u"KOVAButtonNext", u"KOVAButtonCancel"}) {
    TKOVAButton& button = Find<TKOVAButton>(form, name);
    button.SkinImages().SetWidth(80);
    button.SkinImages().SetHeight(24);
    ImageListStrip strip(button.SkinImages());
    for (int id : {resource_id::kButtonNormal, resource_id::kButtonHover,
                   resource_id::kButtonPressed, resource_id::kButtonDisabled}) {
      AddPngToStrip(strip, resources.Get(), id);
    }
    EXPECT_EQ(button.SkinImages().Count(), 4);
  }
  EXPECT_NE(Find<TKOVABorder>(form, u"wndBorder")
                .SetResources(resources.Get(), resource_id::kFrameIds, L"PNG"),
            0);

  translate.TranslateComponent(&form);
  EXPECT_EQ(form.Caption(), u"Uninstall %s");
  EXPECT_EQ(Find<TLabel>(form, u"lblCaption").Caption(), u"Uninstall %s");
  EXPECT_EQ(Find<TKOVAButton>(form, u"KOVAButtonNext").Caption(), u"Next");
  EXPECT_EQ(Find<THTMLabel>(form, u"lblOption").DrawnText(), u"Yes, I want to uninstall it");

  EXPECT_EQ(form.ShowModal(), 1);
  EXPECT_TRUE(fs::exists(shot_file));
}

}  // namespace
}  // namespace kova
