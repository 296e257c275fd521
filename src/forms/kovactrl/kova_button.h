// TKOVAButton: a push button drawn from a strip of skin images, one per state (normal,
// hover, pressed, disabled), optionally stretched with fixed corners, with a text
// colour per state. Clicks come from the mouse, and from Space or Enter while it has
// the focus.
#pragma once

#include "forms/controls/control.h"
#include "forms/controls/forms.h"
#include "forms/graphics/image_list.h"

namespace kova {

class TKOVAButton : public TCustomControl {
  KOVA_DECLARE_CLASS(TKOVAButton)

 public:
  enum class State { kNormal, kOver, kDown, kDisabled };

  explicit TKOVAButton(TComponent* owner);
  ~TKOVAButton() override;

  // The image strip: set its size, then add the state images in index order.
  TImageList& SkinImages() { return skin_images_; }
  int OverSkinImageIndex() const { return over_index_; }
  void SetOverSkinImageIndex(int index);
  int DownSkinImageIndex() const { return down_index_; }
  void SetDownSkinImageIndex(int index);
  int DisabledSkinImageIndex() const { return disabled_index_; }
  void SetDisabledSkinImageIndex(int index);
  bool StrechSkin() const { return stretch_; }
  void SetStrechSkin(bool stretch);
  // Pixels at each edge of an image that keep their size when it is stretched.
  int StretchMargin() const { return stretch_margin_; }
  void SetStretchMargin(int margin);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TColor StateTextColor(State state) const { return text_colors_[static_cast<int>(state)]; }
  void SetStateTextColor(State state, TColor color);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }

  State CurrentState() const;
  // The strip index drawn for a state (the normal image when the state has none).
  int ImageIndexFor(State state) const;

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;

 private:
  TImageList skin_images_{nullptr};
  int over_index_ = -1;
  int down_index_ = -1;
  int disabled_index_ = -1;
  bool stretch_ = false;
  int stretch_margin_ = 0;
  TAlignment alignment_ = TAlignment::taCenter;
  TColor text_colors_[4] = {clBtnText, clBtnText, clBtnText, clGrayText};
  TModalResult modal_result_ = mrNone;
  bool pressed_ = false;
};

}  // namespace kova
