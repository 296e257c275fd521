// Tab controls, button tabs and pages painted from the skin, on real windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "family_window_fixture.h"
#include "forms/classes/strings.h"
#include "forms/classes/typinfo.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/forms.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_tab_set_win.h"
#include "skin/apply/win_skin_tab_sheet_win.h"
#include "skin/apply/win_skin_tab_win.h"
#include "skin/data/system_colors.h"

namespace kova {

// A framework tab control over the platform's class, asking for close buttons when told.
class TTestTabs : public TWinControl {
  KOVA_DECLARE_CLASS(TTestTabs)

 public:
  explicit TTestTabs(TComponent* owner) : TWinControl(owner) {}
  int ShowCloseButton() const { return close_buttons_ ? 1 : 0; }
  void SetShowCloseButton(int show) { close_buttons_ = show != 0; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.system_class = WC_TABCONTROLW;
    params.style |= WS_CLIPCHILDREN;
  }

 private:
  bool close_buttons_ = false;
};

const ClassInfo& TTestTabs::StaticClass() {
  static const ClassInfo info(
      "TTestTabs", &TWinControl::StaticClass(),
      PropertyListBuilder<TTestTabs>()
          .Integer("ShowCloseButton", &TTestTabs::ShowCloseButton, &TTestTabs::SetShowCloseButton)
          .Build());
  return info;
}

// The older tab set: a list of tab texts and the index of the picked one, by name.
class TTestTabSet : public TCustomControl {
  KOVA_DECLARE_CLASS(TTestTabSet)

 public:
  explicit TTestTabSet(TComponent* owner) : TCustomControl(owner) {}
  TStringList* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return index_; }
  void SetTabIndex(int index) {
    index_ = index;
    ++changes_;
  }
  int Changes() const { return changes_; }

 private:
  std::unique_ptr<TStringList> tabs_ = std::make_unique<TStringList>();
  int index_ = 0;
  int changes_ = 0;
};

const ClassInfo& TTestTabSet::StaticClass() {
  static const ClassInfo info(
      "TTestTabSet", &TCustomControl::StaticClass(),
      PropertyListBuilder<TTestTabSet>()
          .Object<TStringList>("Tabs", &TTestTabSet::Tabs)
          .Integer("TabIndex", &TTestTabSet::TabIndex, &TTestTabSet::SetTabIndex)
          .Build());
  return info;
}

// A windowless child painting itself in one colour.
class TTestMark : public TGraphicControl {
  KOVA_DECLARE_CLASS(TTestMark)

 public:
  static constexpr TColor kColor = 0x3060F0;
  explicit TTestMark(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(kColor);
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
};

const ClassInfo& TTestMark::StaticClass() {
  static const ClassInfo info("TTestMark", &TGraphicControl::StaticClass(), {});
  return info;
}

namespace {

using testing::At;
using testing::FamilyObject;
using testing::ObjectColor;
using testing::OnScreen;
using testing::Painted;
using testing::Pump;
using testing::RealClick;

constexpr TColor kWhite = 0xFFFFFF;

void AddTabs(HWND tabs, std::initializer_list<const wchar_t*> texts) {
  int index = 0;
  for (const wchar_t* text : texts) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                 reinterpret_cast<LPARAM>(&item));
  }
}

RECT ItemRect(HWND tabs, int index) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// A point inside a tab clear of its text: near the tab's start along its text, half-way
// in from its outer edge, moved by the one pixel the skin moves tabs towards the page.
POINT InsideTab(const RECT& r, TabPosition position) {
  switch (position) {
    case TabPosition::kTop:
      return {r.left + 3, r.top + 5};
    case TabPosition::kBottom:
      return {r.left + 3, r.bottom - 6};
    case TabPosition::kLeft:
      return {r.left + 5, r.bottom - 4};
    case TabPosition::kRight:
      return {r.right - 6, r.top + 3};
  }
  return {r.left, r.top};
}

class SkinTabsTest : public testing::FamilyWindowTest {};

TEST_F(SkinTabsTest, FocusedTabFromStateTwoOnItsSideInEveryPosition) {
  struct Case {
    const char* name;
    DWORD style;
    TabPosition position;
  };
  const Case cases[] = {
      {"top", 0, TabPosition::kTop},
      {"bottom", TCS_BOTTOM, TabPosition::kBottom},
      {"left", TCS_VERTICAL | TCS_MULTILINE, TabPosition::kLeft},
      {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, TabPosition::kRight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UniqueWindow tabs(Child(WC_TABCONTROLW, L"", c.style, 20, 20, 300, 220));
    AddTabs(tabs.Get(), {L"One", L"Two", L"Three"});
    SendMessageW(tabs.Get(), TCM_SETCURSEL, 1, 0);
    TSkinControls controls(&skin_, nullptr);
    auto* object = dynamic_cast<TSkinTab*>(controls.AddControlh(tabs.Get()));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetPosition(), c.position);

    const TBitmap shown = Painted(tabs.Get());
    for (int i = 0; i < 3; ++i) {
      const RECT item = ItemRect(tabs.Get(), i);
      const POINT p = InsideTab(item, c.position);
      EXPECT_EQ(At(shown, p.x, p.y), ObjectColor(FamilyObject::kTabs, i == 1 ? 2 : 1))
          << "tab " << i << " at " << p.x << "," << p.y;
      // Its text in the state's colour: 0,255,255 focused, 255,255,0 at rest.
      const TColor text = i == 1 ? 0xFFFF00 : 0x00FFFF;
      int inked = 0;
      for (int y = item.top; y < item.bottom; ++y) {
        for (int x = item.left; x < item.right; ++x) {
          inked += At(shown, x, y) == text;
        }
      }
      EXPECT_GT(inked, 5) << "tab " << i;
    }
    // The page frame comes from the Tabs object's own pane image; the corner of the
    // control away from the tabs is the page's, the one on the tab side beyond the last
    // tab the parent's.
    RECT page{};
    GetClientRect(tabs.Get(), &page);
    SendMessageW(tabs.Get(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    EXPECT_EQ(At(shown, (page.left + page.right) / 2, (page.top + page.bottom) / 2),
              ObjectColor(FamilyObject::kTabBorder, 1));
    const POINT beyond = c.position == TabPosition::kTop      ? POINT{295, 3}
                         : c.position == TabPosition::kBottom ? POINT{295, 216}
                         : c.position == TabPosition::kLeft   ? POINT{3, 216}
                                                              : POINT{296, 216};
    EXPECT_EQ(At(shown, beyond.x, beyond.y), kWhite);
  }
}

TEST_F(SkinTabsTest, TheControlsScrollArrowsAreLeftToThem) {
  // More tabs than fit on one row: the control shows its own scroll arrows.
  HWND tabs = Child(WC_TABCONTROLW, L"", 0, 20, 20, 160, 100);
  AddTabs(tabs, {L"General", L"Network", L"Updates", L"Reports", L"Advanced"});
  HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(IsWindowVisible(arrows));
  TSkinTab skinned(nullptr);
  skinned.Inithwnd(tabs, &skin_, nullptr, nullptr);
  RECT over{};
  GetWindowRect(arrows, &over);
  MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&over), 2);
  // Painting into a black bitmap: the strip covers the tab row but not the arrows.
  const TBitmap shown = Painted(tabs);
  EXPECT_EQ(At(shown, (over.left + over.right) / 2, (over.top + over.bottom) / 2), 0u);
  EXPECT_NE(At(shown, over.left - 3, (over.top + over.bottom) / 2), 0u);
  skinned.Unsubclass();
}

TEST_F(SkinTabsTest, OwnerDrawnTabControlsStayUnskinned) {
  HWND drawn = Child(WC_TABCONTROLW, L"", TCS_OWNERDRAWFIXED, 20, 20, 200, 100);
  HWND plain = Child(WC_TABCONTROLW, L"", 0, 20, 140, 200, 100);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  EXPECT_EQ(controls.Find(drawn), nullptr);
  EXPECT_EQ(SendMessageW(drawn, kMsgIsSkinned, 0, 0), 0);
  EXPECT_NE(dynamic_cast<TSkinTab*>(controls.Find(plain)), nullptr);
  // Without tab images in the skin the control paints itself.
  skin_.Tabs.reset();
  AddTabs(plain, {L"One"});
  EXPECT_NE(At(Painted(plain), InsideTab(ItemRect(plain, 0), TabPosition::kTop).x,
               InsideTab(ItemRect(plain, 0), TabPosition::kTop).y),
            ObjectColor(FamilyObject::kTabs, 2));
}

TEST_F(SkinTabsTest, ARealClickOnATabStillSwitchesThePage) {
  HWND tabs = Child(WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, 20, 20, 300, 200, 300);
  AddTabs(tabs, {L"General", L"Network", L"Updates"});
  for (int i = 0; i < 3; ++i) {
    testing::TabPages().push_back(Child(L"STATIC", L"page", 0, 40, 70, 200, 100));
    if (i > 0) {
      ShowWindow(testing::TabPages().back(), SW_HIDE);
    }
  }
  TSkinControls controls(&skin_, nullptr);
  ASSERT_NE(controls.AddControlh(tabs), nullptr);
  Pump(50);
  const RECT third = ItemRect(tabs, 2);
  RealClick(tabs, {(third.left + third.right) / 2, (third.top + third.bottom) / 2});
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(Notified(tabs, TCN_SELCHANGE));
  EXPECT_TRUE(IsWindowVisible(testing::TabPages()[2]));
  EXPECT_FALSE(IsWindowVisible(testing::TabPages()[0]));
  // On screen the picked tab now shows the focused state, the first the resting one.
  Pump(50);
  const POINT now = InsideTab(ItemRect(tabs, 2), TabPosition::kTop);
  const POINT before = InsideTab(ItemRect(tabs, 0), TabPosition::kTop);
  EXPECT_EQ(OnScreen(tabs, now.x, now.y), ObjectColor(FamilyObject::kTabs, 2));
  EXPECT_EQ(OnScreen(tabs, before.x, before.y), ObjectColor(FamilyObject::kTabs, 1));
}

TEST_F(SkinTabsTest, CloseButtonsWhenTheControlAsksForThemClickCloseTheTab) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 400, 300);
  auto* tabs = new TTestTabs(&form);
  tabs->SetParent(&form);
  tabs->SetBounds(10, 10, 360, 200);
  form.SetVisible(true);
  SetForegroundWindow(form.Handle());
  HWND wnd = tabs->Handle();
  AddTabs(wnd, {L"Alpha", L"Beta", L"Gamma"});
  TSkinTab skinned(nullptr);
  skinned.Init(nullptr, tabs, &skin_, nullptr, false);
  EXPECT_FALSE(skinned.WantsCloseButtons());
  RECT none = skinned.CloseButtonRect(0);
  EXPECT_TRUE(IsRectEmpty(&none));

  ASSERT_TRUE(SetOrdProp(*tabs, "ShowCloseButton", 1));
  ASSERT_TRUE(skinned.WantsCloseButtons());
  const RECT close = skinned.CloseButtonRect(1);
  const RECT tab = ItemRect(wnd, 1);
  ASSERT_FALSE(IsRectEmpty(&close));
  EXPECT_GE(close.left, tab.left);
  EXPECT_LE(close.right, tab.right + 1);
  Pump(50);
  // Its cross is drawn in the focused tab's text colour (0,255,255 in the skin) or the
  // resting one's: the centre of the cross is one of them.
  const TColor centre =
      At(Painted(wnd), (close.left + close.right) / 2, (close.top + close.bottom) / 2);
  EXPECT_TRUE(centre == 0x00FFFF || centre == 0xFFFF00) << std::hex << centre;

  // A real click on the body of the second tab picks it; one on its cross closes it.
  RealClick(wnd, {tab.left + 4, (tab.top + tab.bottom) / 2});
  EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0), 3);
  RealClick(wnd, {(close.left + close.right) / 2, (close.top + close.bottom) / 2});
  ASSERT_EQ(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[16] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(wnd, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"Gamma");
  // The closed tab was the picked one: the next one is picked in its place.
  EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 1);
  skinned.Unsubclass();
}

TEST_F(SkinTabsTest, TabControlModeLetsTheFrameworkPaintWindowlessChildren) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 400, 300);
  auto* tabs = new TTestTabs(&form);
  tabs->SetParent(&form);
  tabs->SetBounds(10, 10, 360, 200);
  auto* mark = new TTestMark(&form);
  mark->SetParent(tabs);
  mark->SetBounds(100, 100, 40, 30);
  form.SetVisible(true);
  AddTabs(tabs->Handle(), {L"Alpha", L"Beta"});
  struct Case {
    bool tab_control;
    TColor at_mark;
  };
  const Case cases[] = {{true, TTestMark::kColor},
                        {false, ObjectColor(FamilyObject::kTabBorder, 1)}};
  for (const Case& c : cases) {
    TSkinTab skinned(nullptr);
    if (c.tab_control) {
      skinned.SetTabControlMode();
    }
    skinned.Init(nullptr, tabs, &skin_, nullptr, false);
    EXPECT_EQ(At(Painted(tabs->Handle()), 120, 115), c.at_mark) << c.tab_control;
    skinned.Unsubclass();
  }
}

TEST_F(SkinTabsTest, TabSetTabsHangFromItsTopAndAPressPicksOne) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 400, 300);
  auto* tabs = new TTestTabSet(&form);
  tabs->SetParent(&form);
  tabs->SetBounds(10, 100, 360, 24);
  for (const char16_t* text : {u"First", u"Second", u"Third"}) {
    tabs->Tabs()->Add(text);
  }
  form.SetVisible(true);
  SetForegroundWindow(form.Handle());
  TSkinTab31 skinned(nullptr);
  skinned.Init(nullptr, tabs, &skin_, nullptr, false);
  const std::vector<RECT> rects = skinned.TabRects();
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].left, 5);  // the default start margin
  EXPECT_EQ(rects[1].left, rects[0].right);
  TBitmap shown = Painted(tabs->Handle());
  EXPECT_EQ(At(shown, rects[0].left + 2, 12), ObjectColor(FamilyObject::kTabs, 2));
  EXPECT_EQ(At(shown, rects[1].left + 2, 12), ObjectColor(FamilyObject::kTabs, 1));
  EXPECT_EQ(At(shown, 350, 12), ResolveColor(form.Color()) & 0xFFFFFF);  // the form behind

  // A real press on the second tab picks it through the control's own property.
  const int changes = tabs->Changes();
  Pump(50);
  RealClick(tabs->Handle(), {rects[1].left + 6, 10});
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(tabs->Changes(), changes + 1);
  shown = Painted(tabs->Handle());
  EXPECT_EQ(At(shown, rects[1].left + 2, 12), ObjectColor(FamilyObject::kTabs, 2));
  EXPECT_EQ(At(shown, rects[0].left + 2, 12), ObjectColor(FamilyObject::kTabs, 1));
  skinned.Unsubclass();
}

TEST_F(SkinTabsTest, ButtonTabsAndForeignPagesPaintTheirTabsWithoutAPane) {
  struct Case {
    const char* name;
    bool buttons;
    TColor picked, resting, disabled;
  };
  const Case cases[] = {
      // Button tabs from the button object: the picked one pressed.
      {"buttons", true, testing::FrameColor(2), testing::FrameColor(1), testing::FrameColor(3)},
      // A foreign page control's tabs from "Tabs".
      {"foreign page", false, ObjectColor(FamilyObject::kTabs, 2),
       ObjectColor(FamilyObject::kTabs, 1), ObjectColor(FamilyObject::kTabs, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UniqueWindow tabs(Child(WC_TABCONTROLW, L"", c.buttons ? TCS_BUTTONS : 0, 20, 20, 300, 150));
    AddTabs(tabs.Get(), {L"One", L"Two"});
    SendMessageW(tabs.Get(), TCM_SETCURSEL, 0, 0);
    std::unique_ptr<TSkinTab> skinned;
    if (c.buttons) {
      skinned = std::make_unique<TSkinTabBtn>(nullptr);
    } else {
      skinned = std::make_unique<TSkinAdvPage>(nullptr);
    }
    skinned->Inithwnd(tabs.Get(), &skin_, nullptr, nullptr);
    TBitmap shown = Painted(tabs.Get());
    const POINT first = InsideTab(ItemRect(tabs.Get(), 0), TabPosition::kTop);
    const POINT second = InsideTab(ItemRect(tabs.Get(), 1), TabPosition::kTop);
    EXPECT_EQ(At(shown, first.x, first.y), c.picked);
    EXPECT_EQ(At(shown, second.x, second.y), c.resting);
    EXPECT_EQ(At(shown, 150, 120), kWhite);  // no page frame: the parent shows
    EnableWindow(tabs.Get(), FALSE);
    shown = Painted(tabs.Get());
    EXPECT_EQ(At(shown, first.x, first.y), c.disabled);
    skinned->Unsubclass();
  }
}

TEST_F(SkinTabsTest, TabSheetsTakeTheFormColour) {
  // A plain page: erased with the form colour, which its labels get too.
  HWND page = Child(L"#32770", L"", WS_CLIPCHILDREN, 20, 20, 200, 120);
  HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 10, 10, 80, 20, page,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  TSkinTabSheet sheet(nullptr);
  sheet.Inithwnd(page, &skin_, nullptr, nullptr);
  Pump(50);
  const TColor form_colour = 0xC80000;  // the skin's 0,0,200
  EXPECT_EQ(OnScreen(page, 150, 90), form_colour);
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(OnScreen(label, 78, 18), form_colour);

  // A framework page takes the colour as its own while skinned, and gets its own back.
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetColor(0x00FF00);
  TSkinTabSheet framework(nullptr);
  framework.Init(nullptr, panel, &skin_, nullptr, false);
  EXPECT_EQ(panel->Color(), skin_.Color(TShemeColor::csButtonFace));
  framework.Unsubclass();
  EXPECT_EQ(panel->Color(), 0x00FF00);
}

}  // namespace
}  // namespace kova
