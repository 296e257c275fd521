#include "dialogs/uninstall_form_win.h"

#include "launch/launch.h"

namespace kova {
namespace {

ComponentDescription UninstallFormDescription() {
  ComponentDescription footer{
      "TPanel",
      "pnlFooter",
      {{"Align", u"alBottom"},
       {"Height", u"41"},
       {"BevelOuter", u"bvNone"},
       {"Color", u"$00484849"}},
      {{"TImage", "ImageMainFooter", {{"Align", u"alClient"}, {"Stretch", u"True"}}},
       {"TKOVAButton", "KOVAButtonNext", PushButtonProperties(u"266", u"9", u"Siguiente")},
       {"TKOVAButton", "KOVAButtonCancel", PushButtonProperties(u"369", u"9", u"Cancelar")}}};
  footer.children[1].properties.emplace_back("Enabled", u"False");

  ComponentDescription page{"TPage",
                            "Uninstall Page",
                            {{"Color", u"$00484849"}},
                            {{"THTMLabel",
                              "lblHeader",
                              {{"Left", u"20"},
                               {"Top", u"24"},
                               {"Width", u"434"},
                               {"Height", u"60"},
                               {"Transparent", u"True"},
                               {"URLColor", u"$00FFC53B"},
                               {"Font.Name", u"Verdana"},
                               {"Font.Height", u"-11"},
                               {"Font.Style", u"[fsBold]"},
                               {"Font.Color", u"clWhite"}}},
                             {"TPanel",
                              "pnlChoice",
                              {{"Left", u"0"},
                               {"Top", u"100"},
                               {"Width", u"474"},
                               {"Height", u"34"},
                               {"BevelOuter", u"bvNone"},
                               {"Color", u"$00484849"}},
                              {{"TRadioButton",
                                "RBtnUninstall",
                                {{"Left", u"33"},
                                 {"Top", u"3"},
                                 {"Width", u"16"},
                                 {"Height", u"25"},
                                 {"Color", u"$00484849"}}},
                               {"THTMLabel",
                                "HTMLabelUninstall",
                                {{"Left", u"55"},
                                 {"Top", u"6"},
                                 {"Width", u"380"},
                                 {"Height", u"22"},
                                 {"Transparent", u"True"},
                                 {"Cursor", u"-21"},
                                 {"FocusControl", u"RBtnUninstall"},
                                 {"Font.Name", u"Tahoma"},
                                 {"Font.Height", u"-15"},
                                 {"Font.Style", u"[fsBold]"},
                                 {"Font.Color", u"clWhite"}}}}}}};

  return FadingDialogDescription(
      "UninstallForm", u"474", u"416",
      {CaptionDescription(u"444", u"418"),
       std::move(footer),
       {"TNotebook", "NoteBook1", {{"Align", u"alClient"}, {"Color", u"$00484849"}}, {page}}});
}

}  // namespace

TUninstallForm::TUninstallForm(TComponent* owner, CMsg& manager)
    : TKovaDialog(owner, manager, CaptionButtons::kCloseAndMinimize) {
  LoadDescription(UninstallFormDescription());

  SetTitle(u"Desinstalación de %s");
  SetHtmlText(Find<THTMLabel>(u"lblHeader"),
              u"¿Estás seguro de que quieres desinstalar %s y todos sus componentes?",
              /*wrap=*/true);
  SetHtmlText(Find<THTMLabel>(u"HTMLabelUninstall"), u"Sí, quiero desinstalarlo",
              /*wrap=*/false);
  Find<TKOVAButton>(u"KOVAButtonNext").SetCaption(DialogText(u"Siguiente"));
  Find<TKOVAButton>(u"KOVAButtonCancel").SetCaption(DialogText(u"Cancelar"));

  LoadFrameImages();
  LoadButtonImages({u"KOVAButtonNext", u"KOVAButtonCancel"});

  auto& radio = Find<TRadioButton>(u"RBtnUninstall");
  radio.SetChecked(true);
  radio.OnClick = [this](TObject*) { RBtnUninstallClick(); };
  Find<THTMLabel>(u"HTMLabelUninstall").OnClick = [this](TObject*) { HTMLabelUninstallClick(); };
  Find<TKOVAButton>(u"KOVAButtonNext").OnClick = [this](TObject*) { KOVAButtonNextClick(); };
  Find<TKOVAButton>(u"KOVAButtonCancel").OnClick = [this](TObject*) { KOVAButtonCancelClick(); };

  FinishFrame({TSkinControlType::xcRadioButton, TSkinControlType::xcEdit},
              {TSkinOption::xoTransparent, TSkinOption::xoNoFocusRect});
  RBtnUninstallClick();
}

void TUninstallForm::RBtnUninstallClick() {
  Find<TKOVAButton>(u"KOVAButtonNext").SetEnabled(true);
}

void TUninstallForm::HTMLabelUninstallClick() {
  auto& radio = Find<TRadioButton>(u"RBtnUninstall");
  if (radio.CanFocus()) {
    radio.SetChecked(true);
    radio.SetFocus();
  }
}

void TUninstallForm::KOVAButtonNextClick() {
  if (Find<TRadioButton>(u"RBtnUninstall").Checked()) {
    // The setup program runs on its own; the wizard closes whatever it answered.
    LaunchSetupConfirmed();
  }
  Close();
}

void TUninstallForm::KOVAButtonCancelClick() {
  Close();
}

std::unique_ptr<IModalDialog> CreateUninstallDialog(CMsg& manager) {
  return std::make_unique<FormDialog<TUninstallForm>>(manager);
}

}  // namespace kova
