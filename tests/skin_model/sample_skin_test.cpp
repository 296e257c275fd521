// The product's skin, packed from its committed sources, loads into a complete model.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kova-skin-sample/sample_skin_images.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin_fixture.h"

namespace kova {
namespace {

testing::SkinSource ProductSkin() {
  const char* root = std::getenv("KOVA_SOURCE_DIR");
  const std::filesystem::path ini_path =
      std::filesystem::path(root != nullptr ? root : ".") / "host/sample-install/skin/KOVASkin.ini";
  std::ifstream file(ini_path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return {text.str(), SampleSkinImages()};
}

TEST(ProductSkinTest, EveryObjectOfTheTableIsPresent) {
  const testing::SkinSource source = ProductSkin();
  ASSERT_FALSE(source.ini.empty()) << "KOVASkin.ini not found";
  TSkinData data(nullptr);
  testing::Load(data, source);
  ASSERT_FALSE(data.Empty());
  EXPECT_EQ(data.SkinName(), "KOVA Dark");
  const std::pair<const char*, int32_t> objects[] = {{"Title", 2},
                                                     {"Left", 2},
                                                     {"Right", 2},
                                                     {"Top", 2},
                                                     {"Bottom", 2},
                                                     {"Personality", 2},
                                                     {"Buttons", 5},
                                                     {"Progress", 2},
                                                     {"Progress.Chunk", 1},
                                                     {"GroupBoxEdge", 2},
                                                     {"GroupBox", 1},
                                                     {"Tabs", 5},
                                                     {"StatusBarEdges", 3},
                                                     {"Tab.Pane", 1},
                                                     {"ToolBars", 5},
                                                     {"ComboButton", 4},
                                                     {"SunkEdge", 4},
                                                     {"ExtraImages", 5},
                                                     {"Headerbar", 5},
                                                     {"MenuItem", 5},
                                                     {"MenuBackground", 1},
                                                     {"Scrollbar", 23},
                                                     {"HorzScroll", 4},
                                                     {"VertScroll", 4},
                                                     {"HorzScrollThumb", 3},
                                                     {"VertScrollThumb", 3},
                                                     {"Trackbar.ThumbHorz", 5},
                                                     {"Trackbar.ThumbVert", 5},
                                                     {"Trackbar.ThumbLeft", 5},
                                                     {"Trackbar.ThumbRight", 5},
                                                     {"Trackbar.ThumbUp", 5},
                                                     {"Trackbar.ThumbDown", 5},
                                                     {"UpDown.Horz", 8},
                                                     {"UpDown.Vert", 8},
                                                     {"Track", 1},
                                                     {"TRACKVERT", 1},
                                                     {"Toolbar", 1},
                                                     {"ComboxArrow", 4}};
  for (const auto& [name, frames] : objects) {
    const TDataSkinObject* object = data.FindObject(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_FALSE(object->Map.Empty()) << name;
    EXPECT_EQ(object->Frame, frames) << name;
    // Every state of a side-by-side strip has a whole number of pixels.
    const bool stacked = object == data.Top.get() || object == data.Bottom.get();
    const int length = stacked ? object->Map.Height() : object->Map.Width();
    EXPECT_EQ(length % frames, 0) << name;
  }
  EXPECT_FALSE(data.Tabs->Map2.Empty());
  EXPECT_FALSE(data.UpDownHorz->Map2.Empty());
  EXPECT_EQ(data.Button->RadioButtonFrame, 4);
  EXPECT_EQ(data.Button->CheckButtonFrame, 4);

  // The title bar matches the dialogs' body; the caption text is white.
  EXPECT_EQ(data.GetCaptionColor(), RGBToColor(73, 72, 72));
  EXPECT_EQ(data.Title->ActiveText, 0xFFFFFF);
  EXPECT_EQ(data.Color(TShemeColor::csButtonFace), RGBToColor(73, 72, 72));
  EXPECT_EQ(data.PreColors.size(), 3u);

  // Close, maximize, restore, minimize, help, icon, then the three child-window buttons.
  ASSERT_EQ(data.SysButtons.size(), 9u);
  const int32_t actions[] = {0, 1, 1, 2, 4, 3, 7, 8, 9};
  for (size_t i = 0; i < 9; ++i) {
    const TDataSkinSysButton& b = *data.SysButtons[i];
    EXPECT_EQ(b.Action, actions[i]) << b.IDName;
    EXPECT_EQ(b.Map.Empty(), b.Action == 3) << b.IDName;
    EXPECT_EQ(b.Frame, b.Action == 3 ? 6 : 4) << b.IDName;
  }
  EXPECT_EQ(data.SysButtons[6]->Map.Width(), 48);
  // Help shares the position of the maximize button shown on a normal window.
  EXPECT_EQ(data.SysButtons[4]->Xcoord, data.SysButtons[1]->Xcoord);
}

}  // namespace
}  // namespace kova
