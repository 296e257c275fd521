// The frame every product dialog shares: a borderless form with its own title bar
// (dragging it moves the window), footer, drawn border and title-bar buttons; texts
// translated and filled with the product name; the product's skin; a fade-in 500 ms
// after creation. Dialogs describe their body and call the construction steps in
// order from their own constructor.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "forms/controls/extctrls.h"
#include "forms/controls/form_description.h"
#include "forms/controls/forms.h"
#include "forms/controls/menus.h"
#include "forms/controls/timer.h"
#include "forms/kovactrl/kova_border.h"
#include "forms/kovactrl/kova_button.h"
#include "htmltext/html_label_win.h"
#include "skin/data/skin_data.h"

namespace kova {

class CMsg;
class CTranslate;

inline constexpr TColor kDialogBodyColor = 0x00484849;  // RGB(73, 72, 72)
inline constexpr int kRevealDelayMs = 500;
inline constexpr UINT kRevealFlashCount = 10;
inline constexpr DWORD kRevealFlashTimeoutMs = 300;

// The buttons a dialog's title bar carries.
enum class CaptionButtons { kNone, kClose, kCloseAndMinimize };

// The title bar of a dialog, as a description: pnlCaption with its background image,
// title and buttons at the given left positions (btnClose only when a position is
// given; btnMinimize only when one is given too: the dialog can be minimised).
ComponentDescription CaptionDescription(std::u16string_view close_left = {},
                                        std::u16string_view minimize_left = {});

// The non-visual members every dialog carries: wndBorder, Timer1 and SkinManager.
std::vector<ComponentDescription> FrameComponentDescriptions();
// Adds them to a form's description.
void AppendFrameComponents(ComponentDescription& form);

// A borderless dialog form of the given client size, centred on the screen and faded in,
// holding `children` and the frame's members. Sizes are description values ("409").
ComponentDescription FadingDialogDescription(std::string_view name,
                                             std::u16string_view client_width,
                                             std::u16string_view client_height,
                                             std::vector<ComponentDescription> children);

// Push button properties shared by every 24-pixel button of the dialogs.
std::vector<std::pair<std::string_view, std::u16string_view>> PushButtonProperties(
    std::u16string_view left, std::u16string_view top, std::u16string_view caption);

class TKovaDialog : public TForm {
 public:
  ~TKovaDialog() override;

  CMsg& Manager() const { return manager_; }
  TSkinData& SkinManager() const { return *skin_; }
  TKOVABorder& Border() const { return *border_; }

  // Handlers bound by the frame.
  void FormShow();
  void Timer1Timer();
  void FormShortCut(MSG& message, bool& handled);
  virtual void btnCloseClick();
  void btnMinimizeClick();

 protected:
  TKovaDialog(TComponent* owner, CMsg& manager, CaptionButtons caption_buttons);

  // Steps 1-4: the form from its description, translated, window styles.
  void LoadDescription(const ComponentDescription& description);
  // Translates source, then fills its "%s" with the product name.
  WideString DialogText(const WideString& source) const;
  // Translated title on lblCaption and as the form's caption.
  void SetTitle(const WideString& source);
  // Translated, formatted mark-up, wrapped to the label's width when asked.
  void SetHtmlText(THTMLabel& label, const WideString& source, bool wrap);
  // Steps 6-8: window icon, header and footer images, drawn frame.
  void LoadFrameImages();
  // Step 9: state images of the push buttons and of the title-bar buttons.
  void LoadButtonImages(std::initializer_list<const char16_t*> push_buttons);
  // Steps 10-12: ClearType fonts, the skin, the draggable title bar.
  void FinishFrame(TSkinControlTypes skin_controls, TSkinOptions skin_options);

  template <class T>
  T& Find(const char16_t* name) const {
    auto* component = dynamic_cast<T*>(FindComponent(name));
    if (component == nullptr) {
      throw std::logic_error("dialog component missing");
    }
    return *component;
  }

  void CreateParams(TCreateParams& params) override;

 private:
  void CaptionWindowProc(TMessage& message);

  CMsg& manager_;
  const CTranslate* translator_ = nullptr;
  HMODULE resources_ = nullptr;
  CaptionButtons caption_buttons_;
  TSkinData* skin_ = nullptr;
  TKOVABorder* border_ = nullptr;
  TPanel* caption_ = nullptr;
  TWndMethod saved_caption_proc_;
  TMainMenu* auto_menu_ = nullptr;
};

}  // namespace kova
