#include "forms/controls/timer.h"

#include "forms/win/thread_timer_win.h"

namespace kova {

const ClassInfo& TTimer::StaticClass() {
  static const ClassInfo info(
      "TTimer", &TComponent::StaticClass(),
      PropertyListBuilder<TTimer>()
          .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
          .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
          .Method<TNotifyEvent>("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer)
          .Build());
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  StopThreadTimer(timer_);
  timer_ = 0;
}

void TTimer::SetInterval(int ms) {
  if (ms != interval_) {
    interval_ = ms;
    Update();
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    Update();
  }
}

void TTimer::SetOnTimer(TNotifyEvent event) {
  on_timer_ = std::move(event);
  Update();
}

void TTimer::Update() {
  StopThreadTimer(timer_);
  timer_ = 0;
  if (enabled_ && interval_ > 0 && on_timer_ && !IsLoading()) {
    timer_ = StartThreadTimer(static_cast<UINT>(interval_), [this] {
      TNotifyEvent event = on_timer_;  // the handler may disable or replace it
      event(this);
    });
  }
}

}  // namespace kova
