#include <gtest/gtest.h>

#include "skin/data/skin_class_map.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin_fixture.h"

namespace kova {
namespace {

using testing::Load;
using testing::SkinSource;
using testing::Solid;

TEST(SkinDataTest, ConstructorDefaults) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_FALSE(data.SkinControls().Has(TSkinControlType::xcMenuItem));
  EXPECT_FALSE(data.SkinControls().Has(TSkinControlType::xcFastReport));
  EXPECT_TRUE(data.SkinControls().Has(TSkinControlType::xcSystemMenu));
  EXPECT_EQ(data.Options(), (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK,
                                          TSkinOption::xoCaptionButtonHint}));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(data.Version(), u"5.25.04.13");
  data.SetVersion(u"1.0");
  EXPECT_EQ(data.Version(), u"5.25.04.13");
  EXPECT_EQ(data.SkinStore(), u"(none)");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_TRUE(data.Loading());
  EXPECT_TRUE(data.Empty());
  // The always-present objects exist before any skin is loaded.
  for (const char* name : {"Left", "Right", "Top", "Bottom", "Title", "Buttons"}) {
    EXPECT_NE(data.FindObject(name), nullptr) << name;
  }
  EXPECT_EQ(data.MenuImageCount(), 8);
}

TEST(SkinDataTest, PublishedPropertiesByName) {
  TSkinData data(nullptr);
  const ClassInfo& info = data.ClassType();
  for (const char* name :
       {"Active", "DisableTag", "SkinControls", "Options", "SkinFile", "SkinStore", "SkinFormtype",
        "Version", "MenuUpdate", "MenuMerge", "OnFormSkin", "OnSkinChanged", "OnSkinControl",
        "OnBeforeSkinForm", "OnAfterSkinForm"}) {
    EXPECT_NE(info.FindProperty(name), nullptr) << name;
  }
  EXPECT_TRUE(TSkinData::ChangeProperty(data, "SkinFormtype", "sfDialog"));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfDialog);
  EXPECT_FALSE(TSkinData::ChangeProperty(data, "SkinFormtype", "sfNothing"));
  EXPECT_FALSE(TSkinData::ChangeProperty(data, "DisableTag", "sfDialog"));
}

TEST(SkinClassMapTest, DefaultRowsAndLookup) {
  TSkinData data(nullptr);
  ASSERT_EQ(data.Skin3rd().Count(), 118);
  EXPECT_EQ(data.Skin3rd().Get(0), u"TCategoryButtons=scrollbar");
  struct Case {
    const char16_t* class_name;
    const char16_t* kind;
  } cases[] = {{u"TTBXDockablePanel", u"panel"},
               {u"tlmdfontsizecombobox", u"combobox"},
               {u"TRzDBRadioButton", u"radiobutton"},
               {u"TcxButton", u"bitbtn"},
               {u"TDBCheckboxEh", u"checkbox"},
               {u"TLMDEdit", u"edit"},
               {u"TUnknownThing", u""},
               {u"TRzButton", u"button"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FindSkin3rdKind(data.Skin3rd(), c.class_name), c.kind);
  }
  // A class whose name is a prefix of a listed one does not match it.
  EXPECT_EQ(FindSkin3rdKind(data.Skin3rd(), u"TRzButtonEd"), u"");
}

TEST(StrColorTest, Table) {
  struct Case {
    const char* text;
    TColor color;
  } cases[] = {
      {"10,20,30", RGBToColor(10, 20, 30)},
      {"  73 72 72  ", RGBToColor(73, 72, 72)},
      {"1;2;3;4", RGBToColor(1, 2, 3)},
      {"255,255,255,", 0xFFFFFF},
      {"256,257,258", RGBToColor(0, 1, 2)},
      {"10,20", RGBToColor(10, 20, 0)},
      {"7", RGBToColor(7, 0, 0)},
      {"", 0},
      {"abc", 0},
      {"99999999999999999999,0,1", RGBToColor(255, 0, 1)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(strcolor(c.text), c.color) << c.text;
  }
}

TEST(SkinDataTest, ColoursAndDefaults) {
  TSkinData data(nullptr);
  Load(data, {"[Colours]\nButtonFace=10,20,30\nHilight=1 2 3\n"
              "[Colour1]\ncolor=5,6,7\n[COLOURS]\n[colour2]\n"
              "[Customcolors]\nColor0=1,1,1\nColor9=9,9,9\n",
              {}});
  EXPECT_EQ(data.Color(TShemeColor::csButtonFace), RGBToColor(10, 20, 30));
  EXPECT_TRUE(data.IsColorSet(TShemeColor::csButtonFace));
  EXPECT_EQ(data.Color(TShemeColor::csMenuBar), RGBToColor(10, 20, 30));
  EXPECT_FALSE(data.IsColorSet(TShemeColor::csMenuBar));
  EXPECT_EQ(data.Color(TShemeColor::csHilight), RGBToColor(1, 2, 3));
  EXPECT_EQ(data.Color(TShemeColor::csText), SystemColor(8));
  EXPECT_EQ(data.Color(TShemeColor::csButtonDkshadow), SystemColor(21));
  EXPECT_EQ(data.Color(TShemeColor::csTitleTextNoActive), SystemColor(19));
  EXPECT_FALSE(data.IsColorSet(TShemeColor::csText));
  // No top border image: the caption colour is the button face.
  EXPECT_EQ(data.Color(TShemeColor::csCaption), RGBToColor(10, 20, 30));
  ASSERT_EQ(data.PreColors.size(), 2u);
  EXPECT_EQ(data.PreColors[0], RGBToColor(5, 6, 7));
  EXPECT_EQ(data.PreColors[1], SystemColor(8));
  TColor color = 1;
  EXPECT_TRUE(data.GetPrecolor(color, 0));
  EXPECT_EQ(color, RGBToColor(5, 6, 7));
  EXPECT_FALSE(data.GetPrecolor(color, 2));
  EXPECT_FALSE(data.GetPrecolor(color, -1));
  EXPECT_EQ(color, RGBToColor(5, 6, 7));
  EXPECT_EQ(data.CustomColors[0], RGBToColor(1, 1, 1));
  EXPECT_EQ(data.CustomColors[5], 0xFFFFFF);
  EXPECT_EQ(data.CustomColors[9], RGBToColor(9, 9, 9));
  EXPECT_EQ(data.CaptionBrushColor, RGBToColor(10, 20, 30));
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.Loading());
}

TEST(SkinDataTest, MissingTrackComesFromTheLibrary) {
  TSkinData data(nullptr);
  Load(data, {"[Track]\nImage=track.bmp\nLeftWidth=5\nFrame=2\n",
              {{"track.bmp", Solid(40, 10, 0x00FF00)}}});
  ASSERT_NE(data.Track, nullptr);
  EXPECT_EQ(data.Track->LeftWidth, 5);
  EXPECT_EQ(data.Track->Frame, 2);
  EXPECT_EQ(data.Track->Map.Pixel(0, 0), 0x00FF00);
  ASSERT_NE(data.TrackVert, nullptr);
  EXPECT_EQ(data.TrackVert->IDName, "TRACKVERT");
  EXPECT_EQ(data.TrackVert->Frame, 1);
  EXPECT_FALSE(data.TrackVert->Map.Empty());
  for (int32_t margin : {data.TrackVert->LeftWidth, data.TrackVert->TopHeight,
                         data.TrackVert->RightWidth, data.TrackVert->BottomHeight}) {
    EXPECT_EQ(margin, 3);
  }
}

TEST(SkinDataTest, TabPaneMarginsClampedToFour) {
  TSkinData data(nullptr);
  Load(data, {"[Tab.Pane]\nImage=pane.bmp\nLeftWidth=10\nTopHeight=3\nRightWidth=4\n"
              "BottomHeight=99\nFrame=7\n",
              {{"pane.bmp", Solid(20, 20, 0)}}});
  ASSERT_NE(data.TabPane, nullptr);
  EXPECT_EQ(data.TabPane->LeftWidth, 4);
  EXPECT_EQ(data.TabPane->TopHeight, 3);
  EXPECT_EQ(data.TabPane->RightWidth, 4);
  EXPECT_EQ(data.TabPane->BottomHeight, 4);
  EXPECT_EQ(data.TabPane->Frame, 1);
}

TEST(SkinDataTest, TileAndStretchClamps) {
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nLeft=l.bmp\nLeftStretch=2\nTopStretch=0\nmenuBar=m.bmp\n"
              "TileMenu=5\n"
              "[Progress]\nBitmap=p.bmp\nTile=2\n"
              "[SunkEdge]\nImage=s.bmp\nTile=2\n"
              "[ToolBars]\nImage=s.bmp\nTile=1\n",
              {{"l.bmp", Solid(4, 30, 0)},
               {"m.bmp", Solid(20, 10, 0)},
               {"p.bmp", Solid(20, 10, 0)},
               {"s.bmp", Solid(40, 10, 0)}}});
  EXPECT_EQ(data.Left->Tile, 1);
  EXPECT_EQ(data.Top->Tile, 0);
  EXPECT_EQ(data.Right->Tile, 1);  // default
  EXPECT_EQ(data.Progress->Tile, 1);
  EXPECT_EQ(data.SunkEdge->Tile, 0);
  EXPECT_EQ(data.ToolBars->Tile, 1);
  EXPECT_EQ(data.MenuBar->Tile, 1);
  EXPECT_EQ(data.MenuBar->LeftWidth, 1);
  EXPECT_EQ(data.MenuBar->Frame, 2);
}

TEST(SkinDataTest, BordersReadTheirMarginsAlongTheirLength) {
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nLeft=l.bmp\nLeftTopHeight=7\nLeftBotHeight=8\nLeftFrame=2\n"
              "LeftTrans=0\nTop=t.bmp\nTopTopHeight=5\nTopBotHeight=6\n",
              {{"l.bmp", Solid(8, 30, 0)}, {"t.bmp", Solid(30, 40, 0x102030)}}});
  EXPECT_EQ(data.Left->TopHeight, 7);
  EXPECT_EQ(data.Left->BottomHeight, 8);
  EXPECT_EQ(data.Left->LeftWidth, 0);
  EXPECT_EQ(data.Left->Frame, 2);
  EXPECT_EQ(data.Left->Trans, 0);
  EXPECT_EQ(data.Top->LeftWidth, 5);
  EXPECT_EQ(data.Top->RightWidth, 6);
  EXPECT_EQ(data.Top->TopHeight, 0);
  EXPECT_EQ(data.Top->Frame, 1);
  EXPECT_EQ(data.Top->Trans, 1);
  EXPECT_TRUE(data.Bottom->Map.Empty());
  EXPECT_EQ(data.Color(TShemeColor::csCaption), 0x102030);
}

TEST(SkinDataTest, ImageNamesNeedTheLowerCaseExtension) {
  TSkinData data(nullptr);
  Load(data, {"[SunkEdge]\nImage=EDGE.bmp\n[ToolBars]\nImage=edge.BMP\n",
              {{"edge.bmp", Solid(8, 8, 0)}}});
  ASSERT_NE(data.SunkEdge, nullptr);
  ASSERT_NE(data.ToolBars, nullptr);
  EXPECT_EQ(data.ToolBars->Map.Width(), 0);
  // SunkEdge is rebuilt only together with a combo button; here it is the loaded image.
  EXPECT_EQ(data.SunkEdge->Map.Width(), 8);
}

TEST(SkinDataTest, TitleReadsTextSettings) {
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nTextBack=tb.bmp\nTextShift=4\nTextShiftVert=2\nTextRightClip=9\n"
              "TextAlignment=1\nActiveTextR=255\nActiveTextG=255\nActiveTextB=255\n"
              "InActiveTextR=10\nInActiveTextG=-1\nInActiveTextB=1\n[Fonts]\nFontHeight=17\n",
              {{"tb.bmp", Solid(20, 40, 0)}}});
  const TDataSkinTitle& t = *data.Title;
  EXPECT_EQ(t.LeftWidth, 4);
  EXPECT_EQ(t.TopHeight, 2);
  EXPECT_EQ(t.RightWidth, 9);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.FontHeight, 17);
  EXPECT_EQ(t.ActiveText, 0xFFFFFF);
  EXPECT_EQ(t.InActiveText, kNoColor);
  EXPECT_EQ(t.Frame, 2);
  EXPECT_EQ(t.Map.Height(), 40);
}

TEST(SkinDataTest, ButtonReadsColoursAndGlyphs) {
  TSkinData data(nullptr);
  Load(data, {"[Colours]\nButtonText=1,2,3\n"
              "[Buttons]\nBitmap=b.bmp\nNormalColour=0x00FF00\nMouseOverColour2=9,9,9\n"
              "Tile=3\n",
              {{"b.bmp", Solid(50, 20, 0)}}});
  const TDataSkinButton& b = *data.Button;
  EXPECT_EQ(b.NormalColour, 0x00FF00);
  EXPECT_EQ(b.PressedColour, -1);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasMouseOverColour2);
  EXPECT_EQ(b.NormalColour2, RGBToColor(1, 2, 3));
  EXPECT_EQ(b.MouseOverColour2, RGBToColor(9, 9, 9));
  EXPECT_EQ(b.Tile, 0);
  EXPECT_EQ(b.Frame, 5);
}

TEST(SkinDataTest, RadioAndCheckFrameCounts) {
  struct Case {
    int width, height;
    int32_t frames;
  } cases[] = {{52, 13, 4}, {64, 16, 4}, {26, 13, 4}, {78, 13, 6}, {96, 16, 6}, {0, 0, 4}};
  for (const Case& c : cases) {
    TSkinData data(nullptr);
    SkinSource source{"[Buttons]\nRadioButton=r.bmp\nCheckButton=r.bmp\n", {}};
    if (c.width > 0) {
      source.images["r.bmp"] = Solid(c.width, c.height, 0);
    }
    Load(data, source);
    EXPECT_EQ(data.Button->RadioButtonFrame, c.frames) << c.width << "x" << c.height;
    EXPECT_EQ(data.Button->CheckButtonFrame, c.frames) << c.width << "x" << c.height;
  }
  TSkinData given(nullptr);
  Load(given,
       {"[Buttons]\nRadioButton=r.bmp\nRadioButtonFrame=2\n", {{"r.bmp", Solid(52, 13, 0)}}});
  EXPECT_EQ(given.Button->RadioButtonFrame, 2);
}

std::vector<std::string> SysButtonNames(const TSkinData& data) {
  std::vector<std::string> names;
  for (const auto& button : data.SysButtons) {
    if (button->Action < 7 || button->Action > 9) {
      names.push_back(button->IDName);
    }
  }
  return names;
}

TEST(SkinDataTest, CaptionButtonSections) {
  TSkinData data(nullptr);
  Load(data, {"[Button]\nAction=1\n[buttons]\nAction=1\n[Button.Radio]\nAction=1\n"
              "[BUTTON.CHECKBOX]\nAction=1\n[Button1]\nAction=2\n[button_close]\nAction=0\n"
              "[ButtonHidden]\nAction=-1\n[ButtonShown]\nAction=-1\nVisibility=0\n"
              "[NotAButton]\nAction=1\n",
              {}});
  EXPECT_EQ(SysButtonNames(data),
            (std::vector<std::string>{"BUTTON1", "BUTTON_CLOSE", "BUTTONSHOWN"}));
  ASSERT_EQ(data.SysButtons.size(), 6u);
  const TDataSkinSysButton& shown = *data.SysButtons[2];
  EXPECT_EQ(shown.Visibility1, -1);
  EXPECT_EQ(shown.Frame, 6);
  EXPECT_EQ(data.SysButtons[0]->Visibility1, 0);
  EXPECT_EQ(data.SysButtons[0]->CombineOp, -1);
  for (size_t i = 3; i < 6; ++i) {
    const TDataSkinSysButton& extra = *data.SysButtons[i];
    EXPECT_EQ(extra.Action, static_cast<int32_t>(4 + i));
    EXPECT_EQ(extra.Align, 100);
    EXPECT_EQ(extra.Visibility, 100);
    EXPECT_EQ(extra.Visibility1, 100);
    EXPECT_EQ(extra.Frame, 4);
    EXPECT_EQ(extra.IDName, "BUTTONSHOWN");
    EXPECT_TRUE(extra.Map.Empty());  // no MDICONTROLS
  }
}

TEST(SkinDataTest, CaptionButtonFrameRatios) {
  struct Case {
    int width, height, action;
    int32_t frames;
    bool keeps_image;
  } cases[] = {{60, 20, 1, 3, true},   {114, 19, 1, 6, true}, {76, 20, 1, 3, true},
               {77, 20, 1, 6, true},   {60, 20, -1, 6, true}, {60, 20, 3, 3, false},
               {114, 19, 11, 6, false}};
  for (const Case& c : cases) {
    TSkinData data(nullptr);
    Load(data,
         {"[ButtonX]\nButtonImage=b.bmp\nVisibility=0\nAction=" + std::to_string(c.action) + "\n",
          {{"b.bmp", Solid(c.width, c.height, 0)}}});
    ASSERT_EQ(data.SysButtons.size(), 4u);
    EXPECT_EQ(data.SysButtons[0]->Frame, c.frames) << c.width << "x" << c.height;
    EXPECT_EQ(!data.SysButtons[0]->Map.Empty(), c.keeps_image) << c.action;
  }
  TSkinData given(nullptr);
  Load(given, {"[ButtonX]\nButtonImage=b.bmp\nframe=2\nAction=3\n", {{"b.bmp", Solid(60, 20, 0)}}});
  EXPECT_EQ(given.SysButtons[0]->Frame, 2);
  EXPECT_FALSE(given.SysButtons[0]->Map.Empty());
}

TEST(SkinDataTest, RestoreButtonSharesTheMaximizePosition) {
  TSkinData data(nullptr);
  Load(data, {"[ButtonA]\nAction=4\nXcoord=5\nYcoord=6\n"
              "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=3\n"
              "[ButtonRestore]\nAction=4\nXcoord=1\nYcoord=1\n",
              {}});
  ASSERT_EQ(data.SysButtons.size(), 6u);
  // Before any maximize button the restore button keeps its own position.
  EXPECT_EQ(data.SysButtons[0]->Xcoord, 5);
  EXPECT_EQ(data.SysButtons[2]->Xcoord, 40);
  EXPECT_EQ(data.SysButtons[2]->Ycoord, 3);
}

TEST(SkinDataTest, MdiControlsGiveThreeFourStateButtons) {
  TSkinData data(nullptr);
  TBitmap strip(144, 14);
  for (int x = 0; x < 144; ++x) {
    for (int y = 0; y < 14; ++y) {
      strip.SetPixel(x, y, RGBToColor(x, 0, 0));
    }
  }
  Load(data, {"[ButtonClose]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", strip}}});
  ASSERT_EQ(data.SysButtons.size(), 4u);
  const int32_t xs[] = {48, 32, 16};
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *data.SysButtons[static_cast<size_t>(1 + i)];
    EXPECT_EQ(b.Map.Width(), 48);
    EXPECT_EQ(b.Map.Height(), 14);
    EXPECT_EQ(b.Map.Pixel(0, 0), RGBToColor(48 * i, 0, 0));
    EXPECT_EQ(b.Map.Pixel(47, 13), RGBToColor(48 * i + 47, 0, 0));
    EXPECT_EQ(b.Xcoord, xs[i]);
    EXPECT_EQ(b.Frame, 4);
  }
}

TEST(SkinDataTest, FrameCountsOfTheObjectTable) {
  const std::string sections[] = {"GroupBoxEdge",       "GroupBox",        "Tabs",
                                  "StatusBarEdges",     "ToolBars",        "ExtraImages",
                                  "Headerbar",          "MenuItem",        "MenuBackground",
                                  "Scrollbar",          "HorzScroll",      "VertScroll",
                                  "HorzScrollThumb",    "VertScrollThumb", "Trackbar.ThumbHorz",
                                  "Trackbar.ThumbDown", "UpDown.Horz",     "UpDown.Vert",
                                  "Progress.Chunk"};
  std::string ini = "[Progress]\nBitmap=i.bmp\nStyle=1\n";
  for (const std::string& s : sections) {
    ini += "[" + s + "]\nImage=i.bmp\nFrame=9\n";
    if (s == "VertScrollThumb") {
      ini += "FrameCount=7\n";
    }
  }
  TSkinData data(nullptr);
  Load(data, {ini, {{"i.bmp", Solid(40, 40, 0)}}});
  const std::pair<const char*, int32_t> expected[] = {
      {"GroupBoxEdge", 2},       {"GroupBox", 1},        {"Tabs", 5},
      {"StatusBarEdges", 3},     {"ToolBars", 5},        {"ExtraImages", 5},
      {"Headerbar", 9},          {"MenuItem", 5},        {"MenuBackground", 1},
      {"Scrollbar", 23},         {"HorzScroll", 4},      {"VertScroll", 4},
      {"HorzScrollThumb", 3},    {"VertScrollThumb", 7}, {"Trackbar.ThumbHorz", 5},
      {"Trackbar.ThumbDown", 5}, {"UpDown.Horz", 8},     {"UpDown.Vert", 8},
      {"Progress.Chunk", 9},     {"Progress", 1},        {"Toolbar", 1}};
  for (const auto& [name, frames] : expected) {
    const TDataSkinObject* object = data.FindObject(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->Frame, frames) << name;
  }
}

TEST(SkinDataTest, HeaderbarWithoutCountGetsFive) {
  TSkinData data(nullptr);
  Load(data,
       {"[Headerbar]\nImage=i.bmp\n[Progress]\nBitmap=i.bmp\n", {{"i.bmp", Solid(40, 40, 0)}}});
  EXPECT_EQ(data.Headerbar->Frame, 5);
  EXPECT_EQ(data.Progress->Frame, 2);
}

TEST(SkinDataTest, SecondLoadReplacesEveryObject) {
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nLeft=a.bmp\n[SunkEdge]\nImage=a.bmp\n[Tabs]\nImage=a.bmp\n"
              "[ButtonX]\nAction=0\n[Colours]\nButtonFace=1,1,1\n[Colour1]\ncolor=1,1,1\n",
              {{"a.bmp", Solid(30, 30, 0x111111)}}});
  ASSERT_NE(data.SunkEdge, nullptr);
  ASSERT_EQ(data.SysButtons.size(), 4u);
  ASSERT_EQ(data.PreColors.size(), 1u);
  Load(data, {"[ToolBars]\nImage=b.bmp\n", {{"b.bmp", Solid(10, 10, 0x222222)}}});
  EXPECT_EQ(data.SunkEdge, nullptr);
  EXPECT_EQ(data.Tabs, nullptr);
  ASSERT_NE(data.ToolBars, nullptr);
  EXPECT_TRUE(data.Left->Map.Empty());
  EXPECT_EQ(data.SysButtons.size(), 3u);
  EXPECT_TRUE(data.PreColors.empty());
  EXPECT_FALSE(data.IsColorSet(TShemeColor::csButtonFace));
  EXPECT_TRUE(data.ComboxArrow->Map.Empty());
}

TEST(SkinDataTest, UnreadableSkinKeepsTheModel) {
  TSkinData data(nullptr);
  Load(data, {"[Tabs]\nImage=a.bmp\n", {{"a.bmp", Solid(30, 30, 0)}}});
  TMemoryStream garbage(std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8});
  data.LoadFromStream(garbage);
  EXPECT_NE(data.Tabs, nullptr);
}

TEST(SkinDataTest, SkinStreamRoundTrip) {
  const SkinSource source{"[Tabs]\nImage=a.bmp\n", {{"a.bmp", Solid(30, 30, 0)}}};
  TSkinData first(nullptr);
  Load(first, source);
  TMemoryStream persisted;
  first.WriteData(persisted);
  persisted.SetPosition(0);
  TSkinData second(nullptr);
  second.ReadData(persisted);
  EXPECT_EQ(second.SkinData().Data(), source.File());
  EXPECT_NE(second.Tabs, nullptr);

  TMemoryStream empty;
  empty.WriteInt32(0);
  empty.SetPosition(0);
  TSkinData third(nullptr);
  third.ReadData(empty);
  EXPECT_TRUE(third.Empty());
}

TEST(SkinDataTest, DoFormSkinRules) {
  TSkinData data(nullptr);
  struct Case {
    const char16_t* cls;
    bool fast_report;
    bool skin;
  } cases[] = {{u"SysMonthCal32", false, false},
               {u"TfrDesigner", false, true},
               {u"TfrDesigner", true, false},
               {u"TForm1", true, true}};
  for (const Case& c : cases) {
    TSkinControlTypes controls = DefaultSkinControls();
    if (c.fast_report) {
      controls.Include(TSkinControlType::xcFastReport);
    }
    data.SetSkinControls(controls);
    bool skin = true;
    data.DoFormSkin(reinterpret_cast<SkinWindow>(0x1234), c.cls, skin);
    EXPECT_EQ(skin, c.skin) << WideToUtf8(c.cls);
  }
  EXPECT_EQ(data.DecidingWindow(), reinterpret_cast<SkinWindow>(0x1234));
  data.OnFormSkin = [](TObject*, const WideString& cls, bool& skin) { skin = cls == u"Yes"; };
  bool skin = true;
  data.DoFormSkin(nullptr, u"SysMonthCal32", skin);
  EXPECT_FALSE(skin);
  skin = false;
  data.DoFormSkin(nullptr, u"Yes", skin);
  EXPECT_TRUE(skin);
}

}  // namespace
}  // namespace kova
