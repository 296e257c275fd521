// The non-client objects of a skinned window's title strip: caption buttons drawn from
// the skin, each normal, hot or pressed, and the transitions between those states as
// the mouse moves over them. Only one object of a window is hot at a time.
#pragma once

#include <windows.h>

#include <cstdint>

#include "forms/graphics/bitmap.h"
#include "skin/data/skin_objects.h"

namespace kova {

class TWinSkinForm;

enum class NCObjectState : int32_t { kNormal = 1, kPressed = 2, kHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;
  virtual ~TNCObject() = default;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Draw() = 0;

  RECT Rect() const { return rect_; }
  void SetRect(const RECT& rect) { rect_ = rect; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  NCObjectState State() const { return state_; }
  void SetState(NCObjectState state) { state_ = state; }

 protected:
  TWinSkinForm& owner_;

 private:
  RECT rect_{};
  bool visible_ = false;
  NCObjectState state_ = NCObjectState::kNormal;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data);

  void Draw() override;

  const TDataSkinSysButton& Data() const { return data_; }
  int32_t Action() const { return data_.Action; }
  bool IsIconButton() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  const TBitmap& Image() const { return data_.Map; }
  int Frames() const { return data_.Frame; }

 private:
  const TDataSkinSysButton& data_;
  bool enabled_ = true;
};

}  // namespace kova
