#include "dialogs/dialog_frame_win.h"

#include <stdexcept>

#include "forms/kovactrl/register.h"
#include "frame/form_manager_win.h"
#include "i18n/translate.h"
#include "launch/launch.h"
#include "resources/image_strip.h"
#include "resources/resource_ids.h"
#include "resources/resource_images_win.h"
#include "resources/text_helpers_win.h"
#include "skin/apply/skin_manage_win.h"

namespace kova {
namespace {

HMODULE ThisModule() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &self);
  return self;
}

// The one "%s" of a translated text takes the product name; the name itself is never
// read as a format.
WideString FillProductName(WideString text, const WideString& product_name) {
  if (const size_t at = text.find(u"%s"); at != WideString::npos) {
    text.replace(at, 2, product_name);
  }
  return text;
}

void FillStrip(TKOVAButton& button, std::initializer_list<int> ids, HMODULE module) {
  button.SkinImages().SetWidth(button.Width());
  button.SkinImages().SetHeight(button.Height());
  ImageListStrip strip(button.SkinImages());
  for (const int id : ids) {
    AddPngToStrip(strip, module, id);
  }
}

}  // namespace

ComponentDescription CaptionDescription(std::u16string_view close_left,
                                        std::u16string_view minimize_left) {
  const std::vector<std::pair<std::string_view, std::u16string_view>> button_properties = {
      {"Top", u"8"},
      {"Width", u"24"},
      {"Height", u"15"},
      {"Anchors", u"[akTop,akRight]"},
      {"Cursor", u"-21"},
      // The strips hold normal, hover and pressed images (step 9).
      {"OverSkinImageIndex", u"1"},
      {"DownSkinImageIndex", u"2"}};
  ComponentDescription caption{
      "TPanel",
      "pnlCaption",
      {{"Align", u"alTop"},
       {"Height", u"32"},
       {"BevelOuter", u"bvNone"},
       {"Color", u"$00484849"},
       {"Tag", u"99"}},
      {{"TImage", "ImageHeader", {{"Align", u"alClient"}, {"Stretch", u"True"}}},
       {"TLabel",
        "lblCaption",
        {{"Left", u"8"},
         {"Top", u"6"},
         {"Transparent", u"True"},
         {"Font.Name", u"Verdana"},
         {"Font.Height", u"-12"},
         {"Font.Color", u"clWhite"}}}}};
  if (close_left.empty()) {
    return caption;
  }
  if (!minimize_left.empty()) {
    ComponentDescription minimize{"TKOVAButton", "btnMinimize", button_properties};
    minimize.properties.emplace_back("Left", minimize_left);
    caption.children.push_back(std::move(minimize));
  }
  ComponentDescription close{"TKOVAButton", "btnClose", button_properties};
  close.properties.emplace_back("Left", close_left);
  caption.children.push_back(std::move(close));
  return caption;
}

std::vector<ComponentDescription> FrameComponentDescriptions() {
  return {{"TKOVABorder", "wndBorder"},
          {"TTimer", "Timer1", {{"Interval", u"500"}, {"Enabled", u"True"}}},
          // Loaded with the form, so the skin manager learns of it before it is switched
          // on; the title bar (tag 99) stays out of skinning.
          {"TSkinData",
           "SkinManager",
           {{"Active", u"False"},
            {"DisableTag", u"99"},
            {"SkinFormtype", u"sfOnlyThisForm"},
            {"MenuUpdate", u"True"},
            {"MenuMerge", u"False"},
            {"SkinStore", u"(none)"}}}};
}

void AppendFrameComponents(ComponentDescription& form) {
  for (ComponentDescription& component : FrameComponentDescriptions()) {
    form.children.push_back(std::move(component));
  }
}

ComponentDescription FadingDialogDescription(std::string_view name,
                                             std::u16string_view client_width,
                                             std::u16string_view client_height,
                                             std::vector<ComponentDescription> children) {
  ComponentDescription form{"TForm",
                            name,
                            {{"BorderStyle", u"bsNone"},
                             {"BorderIcons", u"[]"},
                             {"ClientWidth", client_width},
                             {"ClientHeight", client_height},
                             {"Color", u"$00484849"},
                             {"Position", u"poScreenCenter"},
                             {"AlphaBlend", u"True"},
                             {"AlphaBlendValue", u"0"},
                             {"Font.Name", u"Tahoma"},
                             {"Font.Height", u"-11"}},
                            std::move(children)};
  AppendFrameComponents(form);
  return form;
}

std::vector<std::pair<std::string_view, std::u16string_view>> PushButtonProperties(
    std::u16string_view left, std::u16string_view top, std::u16string_view caption) {
  return {{"Left", left},
          {"Top", top},
          {"Width", u"97"},
          {"Height", u"24"},
          {"Caption", caption},
          {"Anchors", u"[akRight,akBottom]"},
          {"OverSkinImageIndex", u"1"},
          {"DownSkinImageIndex", u"2"},
          {"DisabledSkinImageIndex", u"3"},
          {"StrechSkin", u"True"},
          {"StretchMargin", u"10"},
          {"Alignment", u"taCenter"},
          {"Cursor", u"-21"},
          // White on every state image, the disabled one included.
          {"TextColorNormal", u"clWhite"},
          {"TextColorOver", u"clWhite"},
          {"TextColorDown", u"clWhite"},
          {"TextColorDisabled", u"clWhite"}};
}

TKovaDialog::TKovaDialog(TComponent* owner, CMsg& manager, CaptionButtons caption_buttons)
    : TForm(owner), manager_(manager), caption_buttons_(caption_buttons) {}

TKovaDialog::~TKovaDialog() {
  if (Application().Handle() == (HandleAllocated() ? WindowHandle() : nullptr)) {
    Application().SetHandle(nullptr);
  }
  if (auto_menu_ != nullptr) {
    SetMenu(nullptr);
    delete auto_menu_;
    auto_menu_ = nullptr;
  }
}

void TKovaDialog::LoadDescription(const ComponentDescription& description) {
  RegisterKOVACtrlClasses();
  RegisterComponentClass<THTMLabel>();
  RegisterComponentClass<TSkinData>();
  UseSkinManager();
  LoadForm(*this, description);
  translator_ = manager_.GetTranslator();
  resources_ = manager_.GetResourceModule();
  border_ = &Find<TKOVABorder>(u"wndBorder");
  skin_ = &Find<TSkinData>(u"SkinManager");

  if (caption_buttons_ != CaptionButtons::kNone) {
    Find<TKOVAButton>(u"btnClose").OnClick = [this](TObject*) { btnCloseClick(); };
  }
  if (caption_buttons_ == CaptionButtons::kCloseAndMinimize) {
    Find<TKOVAButton>(u"btnMinimize").OnClick = [this](TObject*) { btnMinimizeClick(); };
  }
  Find<TTimer>(u"Timer1").SetOnTimer([this](TObject*) { Timer1Timer(); });
  OnShow = [this](TObject*) { FormShow(); };
  OnShortCut = [this](MSG& message, bool& handled) { FormShortCut(message, handled); };

  if (translator_ != nullptr) {
    translator_->TranslateComponent(this);
  }
  // The window styles are added when the window is created (CreateParams).
}

void TKovaDialog::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  // The system menu (and minimise box) let the task bar button restore, minimise and
  // close the borderless window; compositing keeps the drawn frame free of flicker.
  params.style |=
      WS_SYSMENU | (caption_buttons_ == CaptionButtons::kCloseAndMinimize ? WS_MINIMIZEBOX : 0);
  params.ex_style |= WS_EX_COMPOSITED;
}

WideString TKovaDialog::DialogText(const WideString& source) const {
  const WideString translated = translator_ != nullptr ? translator_->Translate(source) : source;
  return FillProductName(translated, manager_.GetProductName());
}

void TKovaDialog::SetTitle(const WideString& source) {
  TLabel& caption = Find<TLabel>(u"lblCaption");
  caption.SetCaption(DialogText(source));
  SetCaption(caption.Caption());
}

void TKovaDialog::SetHtmlText(THTMLabel& label, const WideString& source, bool wrap) {
  WideString text = DialogText(source);
  if (wrap) {
    int line_count = 0;
    text = WrapHtml(label.Font(), label.Width(), text, line_count);
  }
  TStringList lines;
  lines.Add(text);
  label.SetHTMLText(&lines);
}

void TKovaDialog::LoadFrameImages() {
  Icon().LoadFromResourceID(ThisModule(), resource_id::kWindowIcon);
  SetImagePng(Find<TImage>(u"ImageHeader"), resources_, resource_id::kHeader);
  SetImagePng(Find<TImage>(u"ImageMainFooter"), resources_, resource_id::kFooter);
  if (resources_ != nullptr) {
    border_->SetResources(resources_, resource_id::kFrameIds, L"PNG");
  }
}

void TKovaDialog::LoadButtonImages(std::initializer_list<const char16_t*> push_buttons) {
  for (const char16_t* name : push_buttons) {
    FillStrip(Find<TKOVAButton>(name),
              {resource_id::kButtonNormal, resource_id::kButtonHover, resource_id::kButtonPressed,
               resource_id::kButtonDisabled},
              resources_);
  }
  if (caption_buttons_ != CaptionButtons::kNone) {
    FillStrip(Find<TKOVAButton>(u"btnClose"),
              {resource_id::kCloseNormal, resource_id::kCloseHover, resource_id::kClosePressed},
              resources_);
  }
  if (caption_buttons_ == CaptionButtons::kCloseAndMinimize) {
    FillStrip(
        Find<TKOVAButton>(u"btnMinimize"),
        {resource_id::kMinimizeNormal, resource_id::kMinimizeHover, resource_id::kMinimizePressed},
        resources_);
  }
}

void TKovaDialog::FinishFrame(TSkinControlTypes skin_controls, TSkinOptions skin_options) {
  SetClearTypeFonts(*this);

  skin_->SetSkinControls(skin_controls);
  skin_->SetOptions(skin_options);
  const CInterfaceGlobalCatalog* catalog = manager_.GetGlobalCatalog();
  const WideString skin_file = catalog != nullptr ? catalog->skin_file_name : WideString();
  skin_->LoadFromFile(GetModuleDirectory() + u"\\" + skin_file);
  skin_->SetActive(true);

  caption_ = &Find<TPanel>(u"pnlCaption");
  saved_caption_proc_ = caption_->WindowProc;
  caption_->WindowProc = [this](TMessage& message) { CaptionWindowProc(message); };
}

void TKovaDialog::CaptionWindowProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      message.Result = HTCAPTION;
      return;
    case WM_SYSCOMMAND:
      // The move started on the title bar belongs to the form, not to the panel.
      message.Result = Perform(WM_SYSCOMMAND, message.WParam, message.LParam);
      return;
    default:
      if (saved_caption_proc_) {
        saved_caption_proc_(message);
      } else {
        caption_->WndProc(message);
      }
  }
}

void TKovaDialog::FormShow() {
  Application().SetHandle(WindowHandle());
}

void TKovaDialog::Timer1Timer() {
  if (AlphaBlend()) {
    SetAlphaBlend(false);
    border_->SetAlphaBlendValue(255);
  }
  FLASHWINFO flash{};
  flash.cbSize = sizeof(flash);
  flash.hwnd = WindowHandle();
  flash.dwFlags = FLASHW_TRAY | FLASHW_TIMER;
  flash.uCount = kRevealFlashCount;
  flash.dwTimeout = kRevealFlashTimeoutMs;
  FlashWindowEx(&flash);
  Find<TTimer>(u"Timer1").SetEnabled(false);
}

void TKovaDialog::FormShortCut(MSG& message, bool& handled) {
  if (GetKeyState(VK_LMENU) < 0 && message.wParam == VK_F4) {
    btnCloseClick();
    handled = true;
  }
  if (Menu() == nullptr) {
    // An empty main menu keeps the framework's shortcut handling from asking again.
    auto_menu_ = new TMainMenu(this);
    SetMenu(auto_menu_);
  }
}

void TKovaDialog::btnCloseClick() {
  Close();
}

void TKovaDialog::btnMinimizeClick() {
  SetWindowState(TWindowState::wsMinimized);
}

}  // namespace kova
