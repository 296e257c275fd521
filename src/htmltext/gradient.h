// Stepped two-colour fills for label and paragraph backgrounds.
#pragma once

#include "htmltext/canvas.h"

namespace kova {

enum class GradientDirection { kHorizontal, kVertical };

// Fills |rect| from |from| to |to| in |steps| bands (0 counts as 1). Band k starts at
// round(k * span / steps), is span / steps + 1 thick (cut at the far edge), and has
// |from| plus round(k * (to - from) / steps) in each channel.
void GradientFill(HTMLCanvas& canvas, const Rect& rect, Color from, Color to, int steps,
                  GradientDirection direction);

}  // namespace kova
