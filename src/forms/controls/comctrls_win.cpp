#include "forms/controls/comctrls.h"

#include <commctrl.h>

#include "forms/controls/common_controls.h"

namespace kova {

const EnumTypeInfo kProgressBarOrientationInfo{"TProgressBarOrientation",
                                               {"pbHorizontal", "pbVertical"}};
const EnumTypeInfo kTrackBarOrientationInfo{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const EnumTypeInfo kUDOrientationInfo{"TUDOrientation", {"udHorizontal", "udVertical"}};
const EnumTypeInfo kDateTimeKindInfo{"TDateTimeKind", {"dtkDate", "dtkTime"}};
const EnumTypeInfo kDTDateModeInfo{"TDTDateMode", {"dmComboBox", "dmUpDown"}};

// --- TRangeControl ---

const ClassInfo& TRangeControl::StaticClass() {
  static const ClassInfo info(
      "TRangeControl", &TWinControl::StaticClass(),
      PropertyListBuilder<TRangeControl>()
          .Integer("Max", &TRangeControl::Max, &TRangeControl::SetMax)
          .Integer("Min", &TRangeControl::Min, &TRangeControl::SetMin)
          .Integer("Position", &TRangeControl::Position, &TRangeControl::SetPosition)
          .Method<TNotifyEvent>(
              "OnChange", [](const TRangeControl& c) { return c.OnChange; },
              [](TRangeControl& c, TNotifyEvent e) { c.OnChange = std::move(e); })
          .Build());
  return info;
}

TRangeControl::TRangeControl(TComponent* owner) : TWinControl(owner) {}

int TRangeControl::Position() const {
  return position_;
}

void TRangeControl::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(max, min);
  position_ = std::clamp(position_, min_, max_);
  if (HandleAllocated()) {
    ApplyRange();
    ApplyPosition();
  }
}

void TRangeControl::SetPosition(int value) {
  value = std::clamp(value, min_, max_);
  if (value == Position() && value == position_) {
    return;
  }
  position_ = value;
  if (HandleAllocated()) {
    ApplyPosition();
  }
  if (OnChange) {
    OnChange(this);
  }
}

void TRangeControl::PositionChanged(int position) {
  if (position != position_) {
    position_ = position;
    if (OnChange) {
      OnChange(this);
    }
  }
}

void TRangeControl::CreateWindowHandle() {
  ApplyRange();
  ApplyPosition();
}

// --- TProgressBar ---

const ClassInfo& TProgressBar::StaticClass() {
  static const ClassInfo info("TProgressBar", &TRangeControl::StaticClass(),
                              PropertyListBuilder<TProgressBar>()
                                  .Enum("Orientation", kProgressBarOrientationInfo,
                                        &TProgressBar::Orientation, &TProgressBar::SetOrientation)
                                  .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
                                  .Build());
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) {
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  TRangeControl::CreateParams(params);
  params.system_class = PROGRESS_CLASSW;
  if (orientation_ == TProgressBarOrientation::pbVertical) {
    params.style |= PBS_VERTICAL;
  }
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  if (orientation != orientation_) {
    orientation_ = orientation;
    RecreateWnd();
  }
}

void TProgressBar::ApplyRange() {
  SendMessageW(WindowHandle(), PBM_SETRANGE32, static_cast<WPARAM>(min_),
               static_cast<LPARAM>(max_));
}

void TProgressBar::ApplyPosition() {
  SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

// --- TTrackBar ---

const ClassInfo& TTrackBar::StaticClass() {
  static const ClassInfo info(
      "TTrackBar", &TRangeControl::StaticClass(),
      PropertyListBuilder<TTrackBar>()
          .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
          .Enum("Orientation", kTrackBarOrientationInfo, &TTrackBar::Orientation,
                &TTrackBar::SetOrientation)
          .Build());
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  SetBounds(0, 0, 150, 45);
  max_ = 10;
  tab_stop_ = true;
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TRangeControl::CreateParams(params);
  params.system_class = TRACKBAR_CLASSW;
  params.style |=
      TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation != orientation_) {
    orientation_ = orientation;
    if (!IsLoading()) {
      SetBounds(Left(), Top(), Height(), Width());
    }
    RecreateWnd();
  }
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = std::max(frequency, 1);
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  }
}

int TTrackBar::Position() const {
  if (HandleAllocated()) {
    return static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0));
  }
  return position_;
}

void TTrackBar::ApplyRange() {
  SendMessageW(WindowHandle(), TBM_SETRANGEMIN, FALSE, static_cast<LPARAM>(min_));
  SendMessageW(WindowHandle(), TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(max_));
  SendMessageW(WindowHandle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::ApplyPosition() {
  SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, static_cast<LPARAM>(position_));
}

bool TTrackBar::ScrollReflected(UINT, WPARAM) {
  PositionChanged(Position());
  return true;
}

// --- TUpDown ---

const ClassInfo& TUpDown::StaticClass() {
  static const ClassInfo info(
      "TUpDown", &TRangeControl::StaticClass(),
      PropertyListBuilder<TUpDown>()
          .Object<TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
          .Enum("Orientation", kUDOrientationInfo, &TUpDown::Orientation, &TUpDown::SetOrientation)
          .Boolean("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
          .Build());
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) {
  SetBounds(0, 0, 17, 25);
}

void TUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_UPDOWN_CLASS);
  TRangeControl::CreateParams(params);
  params.system_class = UPDOWN_CLASSW;
  params.style |= UDS_ARROWKEYS | UDS_SETBUDDYINT | (wrap_ ? UDS_WRAP : 0) |
                  (orientation_ == TUDOrientation::udHorizontal ? UDS_HORZ : 0) |
                  (associate_ != nullptr ? UDS_ALIGNRIGHT : 0);
}

void TUpDown::CreateWindowHandle() {
  if (associate_ != nullptr) {
    SendMessageW(WindowHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  }
  TRangeControl::CreateWindowHandle();
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation != orientation_) {
    orientation_ = orientation;
    RecreateWnd();
  }
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (associate_ != nullptr) {
    associate_->RemoveFreeNotification(this);
  }
  associate_ = control;
  if (control != nullptr) {
    control->FreeNotification(this);
  }
  RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TRangeControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
  }
}

int TUpDown::Position() const {
  if (HandleAllocated()) {
    BOOL failed = FALSE;
    const auto pos = static_cast<int>(
        SendMessageW(WindowHandle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (failed == FALSE) {
      return pos;
    }
  }
  return position_;
}

void TUpDown::ApplyRange() {
  SendMessageW(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_),
               static_cast<LPARAM>(max_));
}

void TUpDown::ApplyPosition() {
  SendMessageW(WindowHandle(), UDM_SETPOS32, 0, static_cast<LPARAM>(position_));
}

bool TUpDown::ScrollReflected(UINT, WPARAM wparam) {
  if (LOWORD(wparam) == SB_THUMBPOSITION) {
    PositionChanged(Position());
  }
  return true;
}

// --- TDateTimePicker ---

const ClassInfo& TDateTimePicker::StaticClass() {
  static const ClassInfo info(
      "TDateTimePicker", &TWinControl::StaticClass(),
      PropertyListBuilder<TDateTimePicker>()
          .Enum("DateMode", kDTDateModeInfo, &TDateTimePicker::DateMode,
                &TDateTimePicker::SetDateMode)
          .Enum("Kind", kDateTimeKindInfo, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
          .Build());
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 186, 21);
  SetColor(clWindow);
  tab_stop_ = true;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_DATE_CLASSES);
  TWinControl::CreateParams(params);
  params.system_class = DATETIMEPICK_CLASSW;
  params.style |= kind_ == TDateTimeKind::dtkTime       ? DTS_TIMEFORMAT
                  : date_mode_ == TDTDateMode::dmUpDown ? DTS_UPDOWN
                                                        : DTS_SHORTDATEFORMAT;
}

void TDateTimePicker::CreateWindowHandle() {
  if (time_set_) {
    SendMessageW(WindowHandle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time_));
  }
}

void TDateTimePicker::Recreate() {
  if (HandleAllocated()) {
    time_ = DateTime();
    time_set_ = true;
  }
  RecreateWnd();
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  if (kind != kind_) {
    kind_ = kind;
    Recreate();
  }
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
  if (mode != date_mode_) {
    date_mode_ = mode;
    Recreate();
  }
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (!HandleAllocated()) {
    if (time_set_) {
      return time_;
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
  }
  SYSTEMTIME time{};
  SendMessageW(WindowHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return time;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& time) {
  time_ = time;
  time_set_ = true;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time_));
  }
}

}  // namespace kova
