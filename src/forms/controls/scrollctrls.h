// The scroll bar control and the scroll box, a container that scrolls its children when
// they reach beyond its client area.
#pragma once

#include "forms/controls/control.h"

namespace kova {

enum class TScrollBarKind { sbHorizontal, sbVertical };
extern const EnumTypeInfo kScrollBarKindInfo;

// A stand-alone scroll bar over the system's class. It answers the system's scroll codes
// itself: Position moves by SmallChange, LargeChange or to the dragged thumb.
class TScrollBar : public TWinControl {
  KOVA_DECLARE_CLASS(TScrollBar)

 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return page_size_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  void SetMax(int value) { SetParams(position_, min_, value); }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  void SetPageSize(int value);
  // Position kept within Min and Max - PageSize + 1 (Max when there is no page).
  void SetParams(int position, int min, int max);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int value) { small_change_ = value; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int value) { large_change_ = value; }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  bool ScrollReflected(UINT msg, WPARAM wparam) override;

 private:
  void UpdateWindow();

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int page_size_ = 0;
  int small_change_ = 1;
  int large_change_ = 1;
};

// A container with the window's own scroll bars: they show when a child reaches beyond
// the client area, and scrolling moves the children.
class TScrollBox : public TWinControl {
  KOVA_DECLARE_CLASS(TScrollBox)

 public:
  explicit TScrollBox(TComponent* owner);
  // Where the view is: how far the children are scrolled.
  POINT ScrollOffset() const { return offset_; }
  void ScrollTo(int x, int y);
  // Recomputes the scroll ranges from the children.
  void UpdateScrollRange();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

 private:
  SIZE ContentSize() const;
  void Scroll(int bar, WORD code);

  POINT offset_{0, 0};
  bool updating_ = false;
};

}  // namespace kova
