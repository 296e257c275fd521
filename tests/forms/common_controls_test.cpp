// The framework controls over the platform's common controls and the other controls the
// skin engine matches: built from a form description, their published properties by
// name, and their behaviour under real messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "forms/classes/typinfo.h"
#include "forms/controls/buttons.h"
#include "forms/controls/comctrls.h"
#include "forms/controls/form_description.h"
#include "forms/controls/groupbox.h"
#include "forms/controls/listctrls.h"
#include "forms/controls/scrollctrls.h"
#include "forms/controls/tabs.h"
#include "forms/graphics/dib_bitmap.h"

namespace kova {
namespace {

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

class CommonControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBounds(40, 40, 520, 420);
    LoadForm(
        form_,
        {"TForm",
         "",
         {},
         {{"TRadioGroup",
           "rgChoice",
           {{"Left", u"8"},
            {"Top", u"8"},
            {"Width", u"160"},
            {"Height", u"100"},
            {"Caption", u"Choice"},
            {"Items.Text", u"One\r\nTwo\r\nThree"},
            {"ItemIndex", u"1"}}},
          {"TGroupBox", "gbFrame", {{"Left", u"180"}, {"Top", u"8"}, {"Caption", u"Frame"}}},
          {"TScrollBar",
           "sbVert",
           {{"Left", u"380"},
            {"Top", u"8"},
            {"Kind", u"sbVertical"},
            {"Max", u"50"},
            {"PageSize", u"10"},
            {"LargeChange", u"10"}}},
          {"TCheckBox",
           "cbMixed",
           {{"Left", u"8"}, {"Top", u"120"}, {"AllowGrayed", u"True"}, {"State", u"cbGrayed"}}},
          {"TProgressBar", "pbDone", {{"Left", u"8"}, {"Top", u"150"}, {"Position", u"40"}}},
          {"TTrackBar",
           "tbLevel",
           {{"Left", u"8"}, {"Top", u"170"}, {"Max", u"20"}, {"Position", u"5"}}},
          {"TUpDown", "udCount", {{"Left", u"170"}, {"Top", u"150"}, {"Max", u"9"}}},
          {"TDateTimePicker", "dtWhen", {{"Left", u"200"}, {"Top", u"150"}, {"Kind", u"dtkTime"}}},
          {"TPageControl",
           "pcPages",
           {{"Left", u"8"}, {"Top", u"220"}, {"Width", u"300"}, {"Height", u"150"}},
           {{"TTabSheet", "tsFirst", {{"Caption", u"First"}}},
            {"TTabSheet", "tsSecond", {{"Caption", u"Second"}}}}},
          {"TTabControl",
           "tcTabs",
           {{"Left", u"320"},
            {"Top", u"220"},
            {"Width", u"180"},
            {"Height", u"60"},
            {"Tabs.Text", u"A\r\nB"},
            {"Style", u"tsButtons"}}},
          {"THeaderControl", "hcHead", {{"Align", u"alNone"}, {"Left", u"320"}, {"Top", u"290"}}},
          {"TListView",
           "lvList",
           {{"Left", u"320"},
            {"Top", u"310"},
            {"Height", u"60"},
            {"ViewStyle", u"vsReport"},
            {"Items.Text", u"x\r\ny"}}},
          {"TStatusBar", "sbStatus", {{"SimplePanel", u"True"}, {"SimpleText", u"ready"}}},
          {"TScrollBox",
           "sbBox",
           {{"Left", u"200"}, {"Top", u"100"}, {"Width", u"100"}, {"Height", u"40"}},
           {{"TBitBtn", "bbInside", {{"Top", u"60"}, {"Kind", u"bkOK"}}}}},
          {"TSpeedButton", "spTool", {{"Left", u"470"}, {"Top", u"8"}, {"GroupIndex", u"1"}}}}});
    form_.SetVisible(true);
    PumpFor(30);
  }
  void TearDown() override { form_.SetVisible(false); }

  template <class T>
  T& Get(const char16_t* name) {
    auto* component = dynamic_cast<T*>(form_.FindComponent(name));
    EXPECT_NE(component, nullptr) << WideToUtf8(name);
    return *component;
  }

  TForm form_{nullptr};
};

TEST_F(CommonControlsTest, DescribedControlsAreWindowsOfThePlatformsClasses) {
  for (const char16_t* name :
       {u"rgChoice", u"gbFrame", u"sbVert", u"pbDone", u"tbLevel", u"udCount", u"dtWhen",
        u"pcPages", u"tcTabs", u"hcHead", u"lvList", u"sbStatus", u"bbInside"}) {
    EXPECT_TRUE(Get<TWinControl>(name).HandleAllocated()) << WideToUtf8(name);
  }
  // Each window answers its platform class's own messages.
  int min = -1;
  int max = -1;
  SendMessageW(Get<TUpDown>(u"udCount").WindowHandle(), UDM_GETRANGE32,
               reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 9);
  SYSTEMTIME time{};
  EXPECT_EQ(SendMessageW(Get<TDateTimePicker>(u"dtWhen").WindowHandle(), DTM_GETSYSTEMTIME, 0,
                         reinterpret_cast<LPARAM>(&time)),
            GDT_VALID);
  EXPECT_NE(SendMessageW(Get<TStatusBar>(u"sbStatus").WindowHandle(), SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(
      SendMessageW(Get<TGroupBox>(u"gbFrame").WindowHandle(), WM_GETDLGCODE, 0, 0) & DLGC_STATIC,
      DLGC_STATIC);
  // What the description set, as the windows report it.
  EXPECT_NE(GetWindowLongW(Get<TScrollBar>(u"sbVert").WindowHandle(), GWL_STYLE) & SBS_VERT, 0);
  EXPECT_EQ(SendMessageW(Get<TProgressBar>(u"pbDone").WindowHandle(), PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageW(Get<TTrackBar>(u"tbLevel").WindowHandle(), TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_NE(
      GetWindowLongW(Get<TDateTimePicker>(u"dtWhen").WindowHandle(), GWL_STYLE) & DTS_TIMEFORMAT,
      0);
  EXPECT_EQ(SendMessageW(Get<TListView>(u"lvList").WindowHandle(), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_NE(GetWindowLongW(Get<TTabControl>(u"tcTabs").WindowHandle(), GWL_STYLE) & TCS_BUTTONS, 0);
  EXPECT_EQ(SendMessageW(Get<TTabControl>(u"tcTabs").WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(Get<TBitBtn>(u"bbInside").Caption(), u"OK");
  EXPECT_EQ(Get<TBitBtn>(u"bbInside").ModalResult(), mrOk);
}

TEST_F(CommonControlsTest, PublishedPropertiesTheSkinReadsByName) {
  const struct {
    const char16_t* name;
    const char* property;
    const char* text;
  } cases[] = {
      {u"sbVert", "Kind", "sbVertical"}, {u"cbMixed", "State", "cbGrayed"},
      {u"cbMixed", "Checked", "False"},  {u"pcPages", "Style", "tsTabs"},
      {u"tcTabs", "Style", "tsButtons"}, {u"pcPages", "MultiLine", "False"},
      {u"dtWhen", "Kind", "dtkTime"},    {u"dtWhen", "DateMode", "dmComboBox"},
      {u"bbInside", "Kind", "bkOK"},     {u"bbInside", "Default", "False"},
      {u"spTool", "Down", "False"},      {u"rgChoice", "ItemIndex", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetPropText(Get<TComponent>(c.name), c.property), Utf8ToWide(c.text))
        << WideToUtf8(c.name) << "." << c.property;
  }
  EXPECT_EQ(GetObjectProp(Get<TPageControl>(u"pcPages"), "ActivePage"),
            &Get<TTabSheet>(u"tsFirst"));
  EXPECT_EQ(SendMessageW(Get<TCheckBox>(u"cbMixed").WindowHandle(), BM_GETCHECK, 0, 0),
            BST_INDETERMINATE);
}

TEST_F(CommonControlsTest, RadioGroupKeepsTheCheckedItem) {
  auto& group = Get<TRadioGroup>(u"rgChoice");
  ASSERT_EQ(group.ButtonCount(), 3);
  EXPECT_TRUE(group.Button(1)->Checked());
  int clicks = 0;
  group.OnClick = [&clicks](TObject*) { ++clicks; };
  // A click on the third button, as the user makes it.
  HWND third = group.Button(2)->Handle();
  SendMessageW(third, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(third, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(20);
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_FALSE(group.Button(1)->Checked());
  EXPECT_EQ(clicks, 1);
  // Fewer items, fewer buttons; the index falls out of range.
  group.Items().SetText(u"Only");
  EXPECT_EQ(group.ButtonCount(), 1);
  EXPECT_EQ(group.ItemIndex(), -1);
}

TEST_F(CommonControlsTest, PageControlShowsTheSheetOfTheSelectedTab) {
  auto& pages = Get<TPageControl>(u"pcPages");
  auto& first = Get<TTabSheet>(u"tsFirst");
  auto& second = Get<TTabSheet>(u"tsSecond");
  ASSERT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(SendMessageW(pages.WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(first.WindowHandle()));
  EXPECT_FALSE(IsWindowVisible(second.WindowHandle()));
  // The sheet fills the area inside the tabs.
  const RECT display = pages.DisplayRect();
  EXPECT_EQ(first.Left(), display.left);
  EXPECT_EQ(first.Width(), display.right - display.left);

  // The second tab clicked with the mouse, as the user does.
  RECT tab{};
  SendMessageW(pages.WindowHandle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  int changes = 0;
  pages.OnChange = [&changes](TObject*) { ++changes; };
  SendMessageW(pages.WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(pages.WindowHandle(), WM_LBUTTONUP, 0, at);
  PumpFor(20);
  EXPECT_EQ(pages.ActivePage(), &second);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(IsWindowVisible(first.WindowHandle()));
  EXPECT_TRUE(IsWindowVisible(second.WindowHandle()));
  // A renamed sheet renames its tab.
  second.SetCaption(u"Renamed");
  wchar_t text[32] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(pages.WindowHandle(), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Renamed");
}

TEST_F(CommonControlsTest, ScrollBarAnswersTheSystemsScrollCodes) {
  auto& bar = Get<TScrollBar>(u"sbVert");
  int changes = 0;
  bar.OnChange = [&changes](TObject*) { ++changes; };
  HWND parent = form_.Handle();
  const LPARAM from = reinterpret_cast<LPARAM>(bar.WindowHandle());
  const struct {
    WORD code;
    int position;
  } steps[] = {{SB_LINEDOWN, 1},  {SB_PAGEDOWN, 11}, {SB_BOTTOM, 41},
               {SB_LINEDOWN, 41}, {SB_PAGEUP, 31},   {SB_TOP, 0}};
  for (const auto& step : steps) {
    SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(step.code, 0), from);
    EXPECT_EQ(bar.Position(), step.position) << step.code;
    EXPECT_EQ(GetScrollPos(bar.WindowHandle(), SB_CTL), step.position) << step.code;
  }
  EXPECT_EQ(changes, 5);  // the second line down at the end moved nothing
}

TEST_F(CommonControlsTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
  auto* other = new TSpeedButton(&form_);
  other->SetParent(&form_);
  other->SetBounds(470, 40, 23, 22);
  other->SetGroupIndex(1);
  auto& tool = Get<TSpeedButton>(u"spTool");
  HWND wnd = form_.Handle();
  const auto click = [wnd](int x, int y) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  click(480, 18);
  EXPECT_TRUE(tool.Down());
  click(480, 50);
  EXPECT_TRUE(other->Down());
  EXPECT_FALSE(tool.Down());
  click(480, 50);  // without AllowAllUp the down button stays down
  EXPECT_TRUE(other->Down());
}

TEST_F(CommonControlsTest, ScrollBoxScrollsItsChildrenIntoView) {
  auto& box = Get<TScrollBox>(u"sbBox");
  auto& inside = Get<TBitBtn>(u"bbInside");
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(box.WindowHandle(), SB_VERT, &info));
  EXPECT_GE(info.nMax, 60 + inside.Height() - 1);
  const int top = inside.Top();
  SendMessageW(box.WindowHandle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  EXPECT_LT(inside.Top(), top);
  EXPECT_EQ(inside.Top(), top - box.ScrollOffset().y);
}

}  // namespace
}  // namespace kova
