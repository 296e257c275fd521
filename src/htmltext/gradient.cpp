#include "htmltext/gradient.h"

#include <cmath>

namespace kova {

namespace {

int RoundedStep(long long numerator, int steps) {
  return static_cast<int>(std::lround(static_cast<double>(numerator) / steps));
}

}  // namespace

void GradientFill(HTMLCanvas& canvas, const Rect& rect, Color from, Color to, int steps,
                  GradientDirection direction) {
  if (rect.IsEmpty())
    return;
  from = canvas.Resolve(from);
  to = canvas.Resolve(to);
  const bool horizontal = direction == GradientDirection::kHorizontal;
  const int span = horizontal ? rect.Width() : rect.Height();
  // More bands than pixels would only paint the same pixels again.
  steps = std::clamp(steps, 1, std::max(1, span));
  const int thickness = span / steps + 1;
  const int dr = RedOf(to) - RedOf(from);
  const int dg = GreenOf(to) - GreenOf(from);
  const int db = BlueOf(to) - BlueOf(from);
  for (int k = 0; k < steps; ++k) {
    const int start = RoundedStep(static_cast<long long>(k) * span, steps);
    const int end = std::min(span, start + thickness);
    const Color color = Rgb(RedOf(from) + RoundedStep(static_cast<long long>(k) * dr, steps),
                            GreenOf(from) + RoundedStep(static_cast<long long>(k) * dg, steps),
                            BlueOf(from) + RoundedStep(static_cast<long long>(k) * db, steps));
    Rect band = horizontal ? Rect{rect.left + start, rect.top, rect.left + end, rect.bottom}
                           : Rect{rect.left, rect.top + start, rect.right, rect.top + end};
    canvas.FillRect(band, color);
  }
}

}  // namespace kova
