#include "skin/data/image_utils.h"

#include "base/win/handles_win.h"
#include "skin/data/system_colors.h"

namespace kova {

void GradFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2) {
  if (!RectVisible(dc, &rect)) {
    return;
  }
  RECT box{};
  if (GetClipBox(dc, &box) == ERROR) {
    return;
  }
  const GradientSteps steps =
      VisibleGradientSteps({rect.left, rect.top, rect.right, rect.bottom},
                           {box.left, box.top, box.right, box.bottom}, vertical);
  if (steps.Empty()) {
    return;
  }
  const std::vector<TColor>& colors =
      GradientColors(steps.count, ResolveColor(c1), ResolveColor(c2));
  for (int step = steps.first; step <= steps.last; ++step) {
    RECT line = rect;
    if (vertical) {
      line.top = rect.top + step;
      line.bottom = line.top + 1;
    } else {
      line.left = rect.left + step;
      line.right = line.left + 1;
    }
    const UniqueBrush brush(
        CreateSolidBrush(static_cast<COLORREF>(colors[static_cast<size_t>(step)])));
    FillRect(dc, &line, brush.Get());
  }
}

}  // namespace kova
