// TTimer: fires OnTimer every Interval milliseconds from the thread's message loop
// while Enabled.
#pragma once

#include <cstdint>

#include "forms/classes/component.h"

namespace kova {

class TTimer : public TComponent {
  KOVA_DECLARE_CLASS(TTimer)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const TNotifyEvent& OnTimer() const { return on_timer_; }
  void SetOnTimer(TNotifyEvent event);

 protected:
  void Loaded() override { Update(); }

 private:
  void Update();

  int interval_ = 1000;
  bool enabled_ = true;
  TNotifyEvent on_timer_;
  uintptr_t timer_ = 0;
};

}  // namespace kova
