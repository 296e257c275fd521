// The windowless and painted controls: TPanel, TLabel, TImage and TNotebook.
#pragma once

#include "forms/controls/control.h"
#include "forms/graphics/picture.h"

namespace kova {

class TStrings;
class TStringList;

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
  KOVA_DECLARE_CLASS(TPanel)

 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut bevel);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void Paint() override;

 private:
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
  TAlignment alignment_ = TAlignment::taCenter;
};

class TLabel : public TGraphicControl {
  KOVA_DECLARE_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool wrap);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override { AdjustBounds(); }

 private:
  UINT DrawFlags() const;
  void AdjustBounds();

  bool transparent_ = false;
  bool word_wrap_ = false;
  bool auto_size_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TWinControl* focus_control_ = nullptr;
};

class TImage : public TGraphicControl {
  KOVA_DECLARE_CLASS(TImage)

 public:
  explicit TImage(TComponent* owner);
  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);

 protected:
  void Paint() override;

 private:
  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
};

// A page of a notebook: a plain panel without a bevel.
class TPage : public TCustomControl {
  KOVA_DECLARE_CLASS(TPage)

 public:
  explicit TPage(TComponent* owner);
};

// A stack of pages, one shown at a time; pages are named by the Pages list.
class TNotebook : public TCustomControl {
  KOVA_DECLARE_CLASS(TNotebook)

 public:
  explicit TNotebook(TComponent* owner);
  ~TNotebook() override;

  TStringList& Pages() { return *pages_; }
  int PageIndex() const { return page_index_; }
  void SetPageIndex(int index);
  WideString ActivePage() const;
  void SetActivePage(const WideString& name);
  // The page control of an index (made when the name list grows), or null.
  TPage* PageControl(int index) const;

 private:
  void SyncPages();

  std::unique_ptr<TStringList> pages_;
  std::vector<TPage*> page_controls_;
  int page_index_ = 0;
};

}  // namespace kova
