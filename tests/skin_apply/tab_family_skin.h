// A skin for the tab, track bar, up-down, status bar and date-time tests: every strip
// paints frame n of its object in a colour of its own, ObjectColor(object, n), so one
// pixel read back tells which object and which frame a control shows there.
#pragma once

#include "control_skin_fixture.h"

namespace kova::testing {

enum class FamilyObject : int {
  kTabs = 1,
  kTabBorder,
  kTabPane,
  kTrack,
  kTrackVert,
  kThumbHorz,
  kThumbVert,
  kUpDownHorz,
  kUpDownVert,
  kUpDownGlyph,
  kStatusEdges,
  kComboButton,
};

// Red tells the object, green the frame; blue stays clear of the magenta key.
inline TColor ObjectColor(FamilyObject object, int frame) {
  return static_cast<TColor>(static_cast<int>(object) * 16 | (frame * 16) << 8);
}

inline TBitmap ObjectStrip(FamilyObject object, int cell_w, int cell_h, int frames) {
  TBitmap b(cell_w * frames, cell_h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < cell_h; ++y) {
      for (int x = 0; x < cell_w; ++x) {
        b.SetPixel(f * cell_w + x, y, ObjectColor(object, f + 1));
      }
    }
  }
  return b;
}

// The frame-coloured push buttons and scroll bars, and the objects of these families.
// `tabs_style` 1 makes the tab pane come from "Tab.Pane" rather than the "Tabs" object's
// own border image.
inline SkinSource TabFamilySkin(int tabs_style = 0) {
  SkinSource source = FrameColoredSkin();
  source.ini +=
      "[Tabs]\nImage=tabs.bmp\nBorder=tabborder.bmp\nLeftWidth=2\nRightWidth=2\n"
      "TopHeight=2\nBottomHeight=1\nStyle=" +
      std::to_string(tabs_style) +
      "\nNormalColour2=255,255,0\nMouseOverColour2=0,255,255\n"
      "[Tab.Pane]\nImage=tabpane.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\n"
      "BottomHeight=2\n"
      "[Track]\nImage=track.bmp\nFrame=1\nLeftWidth=2\nRightWidth=2\n"
      "[TRACKVERT]\nImage=trackvert.bmp\nFrame=1\nTopHeight=2\nBottomHeight=2\n"
      "[Trackbar.ThumbHorz]\nImage=thumbh.bmp\n"
      "[Trackbar.ThumbVert]\nImage=thumbv.bmp\n"
      "[UpDown.Horz]\nImage=udh.bmp\nGlyphImage=udglyph.bmp\n"
      "[UpDown.Vert]\nImage=udv.bmp\nGlyphImage=udglyph.bmp\n"
      "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\n"
      "BottomHeight=2\n"
      "[ComboButton]\nImage=combo.bmp\n";
  source.images["tabs.bmp"] = ObjectStrip(FamilyObject::kTabs, 20, 20, 5);
  source.images["tabborder.bmp"] = ObjectStrip(FamilyObject::kTabBorder, 20, 20, 1);
  source.images["tabpane.bmp"] = ObjectStrip(FamilyObject::kTabPane, 20, 20, 1);
  source.images["track.bmp"] = ObjectStrip(FamilyObject::kTrack, 20, 6, 1);
  source.images["trackvert.bmp"] = ObjectStrip(FamilyObject::kTrackVert, 6, 20, 1);
  source.images["thumbh.bmp"] = ObjectStrip(FamilyObject::kThumbHorz, 10, 18, 5);
  source.images["thumbv.bmp"] = ObjectStrip(FamilyObject::kThumbVert, 18, 10, 5);
  source.images["udh.bmp"] = ObjectStrip(FamilyObject::kUpDownHorz, 12, 12, 8);
  source.images["udv.bmp"] = ObjectStrip(FamilyObject::kUpDownVert, 12, 12, 8);
  // Glyphs: a 4 x 4 mark on a see-through 8 x 8 cell.
  TBitmap glyphs = ObjectStrip(FamilyObject::kUpDownGlyph, 8, 8, 8);
  for (int f = 0; f < 8; ++f) {
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        if (x < 2 || x >= 6 || y < 2 || y >= 6) {
          glyphs.SetPixel(f * 8 + x, y, 0xFF00FF);
        }
      }
    }
  }
  source.images["udglyph.bmp"] = glyphs;
  source.images["edges.bmp"] = ObjectStrip(FamilyObject::kStatusEdges, 20, 20, 3);
  source.images["combo.bmp"] = ObjectStrip(FamilyObject::kComboButton, 17, 21, 4);
  return source;
}

}  // namespace kova::testing
