// Shared helpers of the engine tests: run the engine on the fixed-metric canvas and
// find what it drew.
#pragma once

#include <gtest/gtest.h>

#include "htmltext/fixed_metric_canvas.h"
#include "htmltext/html_draw.h"

namespace kova::testing {

// Default font Tahoma 8: 4 pixels per character (5 bold), ascent 8, height 10.
inline constexpr int kCharWidth = 4;
inline constexpr int kLineHeight = 10;

inline HTMLDrawParams ParamsFor(Rect rect) {
  HTMLDrawParams params;
  params.rect = rect;
  return params;
}

// The first text operation that drew exactly |text|, or nullptr.
inline const CanvasOp* FindTextOp(const FixedMetricCanvas& canvas, WideStringView text) {
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind == CanvasOp::Kind::kText && op.text == text)
      return &op;
  }
  return nullptr;
}

// The same, failing the test (and answering an empty operation) when nothing drew it.
inline const CanvasOp& FindText(const FixedMetricCanvas& canvas, WideStringView text) {
  if (const CanvasOp* op = FindTextOp(canvas, text))
    return *op;
  ADD_FAILURE() << "nothing drew \"" << WideToUtf8(text) << "\"";
  static const CanvasOp kMissing;
  return kMissing;
}

inline std::vector<CanvasOp> OpsOfKind(const FixedMetricCanvas& canvas, CanvasOp::Kind kind) {
  std::vector<CanvasOp> result;
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind == kind)
      result.push_back(op);
  }
  return result;
}

}  // namespace kova::testing
