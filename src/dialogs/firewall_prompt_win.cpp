#include "dialogs/firewall_prompt_win.h"

#include "com/firewall.h"
#include "forms/controls/stdctrls.h"
#include "frame/form_manager_win.h"

namespace kova {
namespace {

// Both choices read the same: bold white Verdana on the body colour.
ComponentDescription ChoiceDescription(std::string_view name, std::u16string_view top,
                                       std::u16string_view caption) {
  return {"TRadioButton",
          name,
          {{"Left", u"28"},
           {"Top", top},
           {"Width", u"357"},
           {"Height", u"24"},
           {"Caption", caption},
           {"Color", u"$00484849"},
           {"Font.Name", u"Verdana"},
           {"Font.Height", u"-11"},
           {"Font.Style", u"[fsBold]"},
           {"Font.Color", u"clWhite"}}};
}

constexpr char16_t kWarning[] =
    u"Se desactivará el firewall de Windows para evitar posibles conflictos o problemas de "
    u"rendimiento";

constexpr std::pair<const char16_t*, const char16_t*> kCaptions[] = {
    {u"RBtnActivar", u"Activar ahora"},
    {u"Label1", kWarning},
    {u"RBtnNoActivar", u"No activar el firewall"},
    {u"BtnEnter", u"Aceptar"}};

ComponentDescription FirewallPromptDescription() {
  auto enter = PushButtonProperties(u"110", u"198", u"Aceptar");
  for (auto& [property, value] : enter) {
    if (property == "Width") {
      value = u"115";
    } else if (property == "Anchors") {
      value = u"[akLeft,akBottom]";
    }
  }

  ComponentDescription form_panel{
      "TPanel",
      "pnlForm",
      {{"Align", u"alClient"}, {"BevelOuter", u"bvNone"}, {"Color", u"$00484849"}},
      {{"THTMLabel",
        "lblHeader",
        {{"Left", u"10"},
         {"Top", u"12"},
         {"Width", u"385"},
         {"Height", u"30"},
         {"AutoSizing", u"True"},
         {"Transparent", u"True"},
         {"URLColor", u"$00FFC53B"},
         {"Font.Name", u"Verdana"},
         {"Font.Height", u"-11"},
         {"Font.Color", u"clWhite"}}},
       ChoiceDescription("RBtnActivar", u"51", u"Activar ahora"),
       {"TLabel",
        "Label1",
        {{"Left", u"48"},
         {"Top", u"81"},
         {"Width", u"337"},
         {"Height", u"26"},
         {"AutoSize", u"False"},
         {"WordWrap", u"True"},
         {"Transparent", u"True"},
         {"Caption", kWarning},
         {"Font.Name", u"Verdana"},
         {"Font.Height", u"-11"},
         {"Font.Color", u"clMedGray"}}},
       ChoiceDescription("RBtnNoActivar", u"137", u"No activar el firewall"),
       {"TKOVAButton", "BtnEnter", std::move(enter)}}};

  ComponentDescription form{"TForm",
                            "FirewallActivateForm",
                            {{"BorderStyle", u"bsNone"},
                             {"BorderIcons", u"[]"},
                             {"ClientWidth", u"409"},
                             {"ClientHeight", u"320"},
                             {"Color", u"$00484849"},
                             {"Position", u"poScreenCenter"},
                             {"Font.Name", u"Tahoma"},
                             {"Font.Height", u"-11"}},
                            {CaptionDescription(),
                             {"TImage",
                              "ImageMainFooter",
                              {{"Align", u"alBottom"}, {"Height", u"32"}, {"Stretch", u"True"}}},
                             {"TPanel",
                              "pnlMain",
                              {{"Align", u"alClient"},
                               {"BevelOuter", u"bvNone"},
                               {"Color", u"$00484849"},
                               {"Tag", u"99"}},
                              {std::move(form_panel)}}}};
  AppendFrameComponents(form);
  return form;
}

}  // namespace

TFirewallActivateForm::TFirewallActivateForm(TComponent* owner, CMsg& manager)
    : TKovaDialog(owner, manager, CaptionButtons::kNone) {
  LoadDescription(FirewallPromptDescription());

  SetTitle(u"Configurar %s");
  SetHtmlText(Find<THTMLabel>(u"lblHeader"),
              u"¿Deseas <b>activar ahora la protección firewall</b> de %s?", /*wrap=*/false);
  for (const auto& [name, text] : kCaptions) {
    Find<TControl>(name).SetCaption(DialogText(text));
  }

  LoadFrameImages();
  LoadButtonImages({u"BtnEnter"});
  Find<TRadioButton>(u"RBtnActivar").SetChecked(true);
  Find<TKOVAButton>(u"BtnEnter").OnClick = [this](TObject*) { BtnEnterClick(); };

  FinishFrame({TSkinControlType::xcCheckBox, TSkinControlType::xcRadioButton},
              {TSkinOption::xoTransparent});
}

void TFirewallActivateForm::BtnEnterClick() {
  // The component reports its own failures; the prompt closes whatever it answered.
  SetFirewallState(Manager().GetHostContext(), Find<TRadioButton>(u"RBtnActivar").Checked());
  Close();
}

}  // namespace kova
