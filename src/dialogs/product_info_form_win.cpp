#include "dialogs/product_info_form_win.h"

namespace kova {
namespace {

ComponentDescription ProductInfoFormDescription() {
  ComponentDescription footer{
      "TPanel",
      "pnlFooter",
      {{"Align", u"alBottom"},
       {"Height", u"41"},
       {"BevelOuter", u"bvNone"},
       {"Color", u"$00484849"}},
      {{"TImage", "ImageMainFooter", {{"Align", u"alClient"}, {"Stretch", u"True"}}},
       {"TKOVAButton", "KOVAButtonClose", PushButtonProperties(u"302", u"9", u"Cerrar")}}};

  ComponentDescription body{
      "TPanel",
      "pnlMain",
      {{"Align", u"alClient"}, {"BevelOuter", u"bvNone"}, {"Color", u"$00484849"}},
      {{"THTMLabel",
        "lblHeader",
        {{"Left", u"20"},
         {"Top", u"24"},
         {"Width", u"369"},
         {"Height", u"60"},
         {"Transparent", u"True"},
         {"URLColor", u"$00FFC53B"},
         {"Font.Name", u"Verdana"},
         {"Font.Height", u"-11"},
         {"Font.Color", u"clWhite"}}}}};

  return FadingDialogDescription("ProductInfoForm", u"409", u"180",
                                 {CaptionDescription(u"379"), std::move(footer), std::move(body)});
}

}  // namespace

TProductInfoForm::TProductInfoForm(TComponent* owner, CMsg& manager)
    : TKovaDialog(owner, manager, CaptionButtons::kClose) {
  LoadDescription(ProductInfoFormDescription());

  SetTitle(u"Acerca de %s");
  SetHtmlText(Find<THTMLabel>(u"lblHeader"), u"<b>%s</b> está instalado y protege este equipo.",
              /*wrap=*/true);
  Find<TKOVAButton>(u"KOVAButtonClose").SetCaption(DialogText(u"Cerrar"));

  LoadFrameImages();
  LoadButtonImages({u"KOVAButtonClose"});
  Find<TKOVAButton>(u"KOVAButtonClose").OnClick = [this](TObject*) { KOVAButtonCloseClick(); };

  FinishFrame({}, {TSkinOption::xoTransparent});
}

void TProductInfoForm::KOVAButtonCloseClick() {
  Close();
}

std::unique_ptr<IModalDialog> CreateProductInfoDialog(CMsg& manager) {
  return std::make_unique<FormDialog<TProductInfoForm>>(manager);
}

}  // namespace kova
