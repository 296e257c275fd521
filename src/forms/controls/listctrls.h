// Column-based controls of the platform's common controls: the header control, the
// list view, and the status bar with its panels. Sections, columns and panels are
// collection items with a text and a width.
#pragma once

#include <memory>

#include "forms/classes/collection.h"
#include "forms/classes/strings.h"
#include "forms/controls/control.h"

namespace kova {

// A text with a width: one header section, list column or status panel.
class TTextItem : public TCollectionItem {
  KOVA_DECLARE_CLASS(TTextItem)

 public:
  explicit TTextItem(TCollection* collection) : TCollectionItem(collection) {}
  const WideString& Text() const { return text_; }
  void SetText(const WideString& text);
  int Width() const { return width_; }
  void SetWidth(int width);

 private:
  WideString text_;
  int width_ = 50;
};

// A control whose items are a collection of TTextItem, refilled into the window on
// every change.
class TTextItemControl : public TWinControl {
  KOVA_DECLARE_CLASS(TTextItemControl)

 public:
  explicit TTextItemControl(TComponent* owner);
  ~TTextItemControl() override;
  TCollection& Items() { return *items_; }
  TTextItem* AddItem(const WideString& text, int width);

 protected:
  void CreateWindowHandle() override { Refill(); }
  virtual void Refill() = 0;
  std::unique_ptr<TCollection> items_;
};

class THeaderControl : public TTextItemControl {
  KOVA_DECLARE_CLASS(THeaderControl)

 public:
  explicit THeaderControl(TComponent* owner);
  TCollection& Sections() { return Items(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Refill() override;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
extern const EnumTypeInfo kViewStyleInfo;

// A list view: Columns head the report view, Items are the first column's texts.
class TListView : public TTextItemControl {
  KOVA_DECLARE_CLASS(TListView)

 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  TCollection& Columns() { return Items(); }
  TStringList& Lines() { return *lines_; }
  TViewStyle ViewStyle() const { return view_style_; }
  void SetViewStyle(TViewStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Refill() override;

 private:
  std::unique_ptr<TStringList> lines_;
  TViewStyle view_style_ = TViewStyle::vsIcon;
};

// A status bar along the bottom of its parent: one simple text, or its panels.
class TStatusBar : public TTextItemControl {
  KOVA_DECLARE_CLASS(TStatusBar)

 public:
  explicit TStatusBar(TComponent* owner);
  TCollection& Panels() { return Items(); }
  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool simple);
  const WideString& SimpleText() const { return simple_text_; }
  void SetSimpleText(const WideString& text);
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool grip);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Refill() override;

 private:
  bool simple_panel_ = false;
  WideString simple_text_;
  bool size_grip_ = true;
};

}  // namespace kova
