// The range controls of the platform's common controls: progress bar, track bar and
// up-down buttons, and the date-time picker.
#pragma once

#include <algorithm>

#include "forms/controls/control.h"

namespace kova {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TUDOrientation { udHorizontal, udVertical };
enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };
extern const EnumTypeInfo kProgressBarOrientationInfo;
extern const EnumTypeInfo kTrackBarOrientationInfo;
extern const EnumTypeInfo kUDOrientationInfo;
extern const EnumTypeInfo kDateTimeKindInfo;
extern const EnumTypeInfo kDTDateModeInfo;

// Min, Max and Position of a control over a platform class that keeps a range; the
// control keeps them too, so they hold before the window exists.
class TRangeControl : public TWinControl {
  KOVA_DECLARE_CLASS(TRangeControl)

 public:
  explicit TRangeControl(TComponent* owner);
  int Min() const { return min_; }
  int Max() const { return max_; }
  virtual int Position() const;
  void SetMin(int value) { SetRange(value, std::max(max_, value)); }
  void SetMax(int value) { SetRange(std::min(min_, value), value); }
  void SetRange(int min, int max);
  void SetPosition(int value);

  TNotifyEvent OnChange;

 protected:
  void CreateWindowHandle() override;
  // Sends the range and the position to the window.
  virtual void ApplyRange() = 0;
  virtual void ApplyPosition() = 0;
  // The position changed from the window's side (the user moved it).
  void PositionChanged(int position);

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

class TProgressBar : public TRangeControl {
  KOVA_DECLARE_CLASS(TProgressBar)

 public:
  explicit TProgressBar(TComponent* owner);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation orientation);
  int Step() const { return step_; }
  void SetStep(int step) { step_ = step; }
  void StepIt() { SetPosition(Position() + step_); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void ApplyRange() override;
  void ApplyPosition() override;

 private:
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  int step_ = 10;
};

class TTrackBar : public TRangeControl {
  KOVA_DECLARE_CLASS(TTrackBar)

 public:
  explicit TTrackBar(TComponent* owner);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  int Position() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void ApplyRange() override;
  void ApplyPosition() override;
  bool ScrollReflected(UINT msg, WPARAM wparam) override;

 private:
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  int frequency_ = 1;
};

// Up-down buttons; with an associated control they sit at its right edge and show the
// position in it.
class TUpDown : public TRangeControl {
  KOVA_DECLARE_CLASS(TUpDown)

 public:
  explicit TUpDown(TComponent* owner);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation);
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool wrap) { wrap_ = wrap; }
  int Position() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void ApplyRange() override;
  void ApplyPosition() override;
  bool ScrollReflected(UINT msg, WPARAM wparam) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  TWinControl* associate_ = nullptr;
  bool wrap_ = false;
};

// A date or time field with a drop-down calendar (dmComboBox) or up-down buttons.
class TDateTimePicker : public TWinControl {
  KOVA_DECLARE_CLASS(TDateTimePicker)

 public:
  explicit TDateTimePicker(TComponent* owner);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind kind);
  TDTDateMode DateMode() const { return date_mode_; }
  void SetDateMode(TDTDateMode mode);
  // The date and time shown, as the platform's system time.
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& time);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

 private:
  void Recreate();

  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateMode date_mode_ = TDTDateMode::dmComboBox;
  SYSTEMTIME time_{};
  bool time_set_ = false;
};

}  // namespace kova
