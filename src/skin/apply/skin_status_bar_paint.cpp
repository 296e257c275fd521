#include "skin/apply/skin_status_bar_paint.h"

#include <algorithm>

#include "skin/apply/skin_control_draw.h"

namespace kova {

int StatusPanelFrame(const TDataSkinObject& edges, StatusPanelEdge edge) {
  switch (edge) {
    case StatusPanelEdge::kNone:
      return 0;
    case StatusPanelEdge::kRaised:
      return edges.Frame >= 2 ? 2 : 1;
    case StatusPanelEdge::kSunken:
      return 1;
  }
  return 1;
}

ImageRect StatusPanelTextRect(const TDataSkinObject& edges, const ImageRect& panel) {
  // Text keeps two pixels clear of the edge's own margins, and at least of the rectangle.
  return {panel.left + std::max(edges.LeftWidth, 0) + 2, panel.top + std::max(edges.TopHeight, 0),
          panel.right - std::max(edges.RightWidth, 0) - 2,
          panel.bottom - std::max(edges.BottomHeight, 0)};
}

bool ComposeStatusBar(TBitmap& buffer, const TSkinData& skin,
                      std::span<const StatusPanelLook> panels, TColor background) {
  const TDataSkinObject* edges = skin.StatusBarEdges.get();
  if (edges == nullptr || edges->Map.Empty() || buffer.Empty()) {
    return false;
  }
  buffer.Fill(background);
  for (const StatusPanelLook& panel : panels) {
    const int frame = StatusPanelFrame(*edges, panel.edge);
    if (frame > 0) {
      DrawSkinMap(buffer, panel.rect, *edges, frame);
    }
  }
  return true;
}

}  // namespace kova
