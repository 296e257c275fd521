// A status bar composed from the skin: its background in the form colour and each
// panel framed with "StatusBarEdges". Panel texts are drawn by the window side.
#pragma once

#include <span>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

// How a panel's edge is drawn, as the status bar's own panel styles ask.
enum class StatusPanelEdge : uint8_t { kSunken, kRaised, kNone };

struct StatusPanelLook {
  ImageRect rect;
  StatusPanelEdge edge = StatusPanelEdge::kSunken;
};

// The frame of "StatusBarEdges" a panel shows: 1 sunken, 2 raised (1 when the image has
// a single frame); 0 for a panel without an edge.
int StatusPanelFrame(const TDataSkinObject& edges, StatusPanelEdge edge);

// The area inside a panel's edge where its text goes.
ImageRect StatusPanelTextRect(const TDataSkinObject& edges, const ImageRect& panel);

// The background and the framed panels. False without a "StatusBarEdges" image.
bool ComposeStatusBar(TBitmap& buffer, const TSkinData& skin,
                      std::span<const StatusPanelLook> panels, TColor background);

}  // namespace kova
