// The matching rules of framework controls and the skin's class map, row by row, on
// objects of any class name and ancestry.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fake_framework_class.h"
#include "skin/apply/skin_control_rules.h"

namespace kova {

std::ostream& operator<<(std::ostream& out, const ControlMatch& m) {
  return out << "{kind " << static_cast<int>(m.kind) << ", colour " << m.set_color << ", plain "
             << m.plain_window << ", children " << static_cast<int>(m.children) << ", extra "
             << static_cast<int>(m.extra) << "}";
}

namespace {

using testing::FakeClass;
using testing::FakeProperty;
using testing::MakeFake;
using C = ChildrenStep;
using K = SkinControlKind;
using F = TSkinControlType;

const EnumTypeInfo kTabStyle{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const EnumTypeInfo kDateKind{"TDateTimeKind", {"dtkDate", "dtkTime"}};
const EnumTypeInfo kDateMode{"TDTDateMode", {"dmComboBox", "dmUpDown"}};
const EnumTypeInfo kCxKind{"TcxButtonKind", {"cxbkStandard", "cxbkDropDown", "cxbkDropDownButton"}};

constexpr uint32_t kVScroll = 0x00200000;

ControlMatch M(K kind, C children = C::kNone, bool set_color = false) {
  ControlMatch m;
  m.kind = kind;
  m.children = children;
  m.set_color = set_color;
  return m;
}

ControlMatch Extra(K kind, MatchExtra extra) {
  ControlMatch m = M(kind);
  m.extra = extra;
  return m;
}

ControlMatch Plain(K kind) {
  ControlMatch m = M(kind);
  m.plain_window = true;
  return m;
}

// A windowed control class below TWinControl, a graphic one below TGraphicControl.
std::vector<std::string> Win(std::initializer_list<const char*> classes) {
  std::vector<std::string> out{"TControl", "TWinControl"};
  out.insert(out.end(), classes.begin(), classes.end());
  return out;
}
std::vector<std::string> Graphic(std::initializer_list<const char*> classes) {
  std::vector<std::string> out{"TControl", "TGraphicControl"};
  out.insert(out.end(), classes.begin(), classes.end());
  return out;
}

MatchContext AllFamilies() {
  MatchContext context;
  context.families = DefaultSkinControls();
  context.skin_has_tabs = true;
  return context;
}

struct RuleCase {
  std::vector<std::string> lineage;
  std::vector<FakeProperty> properties = {};
  uint32_t style = 0;
  ControlMatch expected = {};
  bool active_page = false;
};

ControlMatch Match(const RuleCase& c, const MatchContext& context) {
  const bool windowed = c.lineage.size() > 1 && c.lineage[1] == "TWinControl";
  const ClassInfo& info = FakeClass(c.lineage, c.properties, c.active_page);
  auto control = MakeFake(info, c.properties);
  TComponent page(nullptr);
  control->object = &page;
  return MatchFrameworkControl(*control, windowed, c.style, context);
}

TEST(SkinControlRulesTest, BuiltInRulesRowByRow) {
  const std::vector<RuleCase> cases = {
      {Win({"TCustomTabControl", "TTabControl"}), {}, 0, M(K::kTabControl)},
      {Win({"TCustomTabControl", "TPageControl"}), {{"Style", &kTabStyle, 0}}, 0, M(K::kTab)},
      {Win({"TCustomTabControl", "TPageControl"}),
       {{"Style", &kTabStyle, 1}},
       0,
       M(K::kTabButtons)},
      {Win({"TCustomTabControl", "TPageControl"}),
       {{"Style", &kTabStyle, 2}},
       0,
       M(K::kTabButtons)},
      {Win({"TCoolBar"}), {}, 0, Extra(K::kNone, MatchExtra::kCoolBarBands)},
      {Win({"TTabSet"}), {}, 0, M(K::kTab31)},
      {Win({"TCustomControl", "TTabSheet"}), {}, 0, M(K::kTabSheet)},
      {Win({"TTabbedNotebook"}), {}, 0, M(K::kTab)},
      // Other vendors' page controls, told by their published active page and style.
      {Win({"TRzPageControl"}), {{"Style", &kTabStyle, 0}}, 0, M(K::kTab), true},
      {Win({"TRzPageControl"}), {{"Style", &kTabStyle, 1}}, 0, M(K::kTabButtons), true},
      {Win({"TMvcPanel"}), {}, 0, M(K::kNone, C::kMatchAfter), true},
      {Win({"THeaderControl"}), {}, 0, M(K::kHeader)},
      {Win({"TButtonControl", "TCheckBox"}), {}, 0, M(K::kCheckBox)},
      {Win({"TTrackBar"}), {}, 0, M(K::kTrackBar)},
      {Win({"TUpDown"}), {}, 0, M(K::kUpDown)},
      {Win({"TSpinButton"}), {}, 0, M(K::kUpDown)},
      {Win({"TMediaPlayer"}), {}, 0, M(K::kMediaPlayer)},
      {Win({"TGroupBox", "TRadioGroup"}), {}, 0, M(K::kGroupBox, C::kRadioButtons, true)},
      {Win({"TDBNavigator"}), {}, 0, M(K::kBox, C::kMatchAfter, true)},
      {Win({"TRzCheckBox"}), {}, 0, M(K::kObjImageCheck)},
      {Win({"TRzDBCheckBox"}), {}, 0, M(K::kObjImageCheck)},
      {Win({"TRzRadioButton"}), {}, 0, M(K::kObjImageRadio)},
      {Win({"TRzDBRadioButton"}), {}, 0, M(K::kObjImageRadio)},
      {Win({"TcxCheckBox"}), {}, 0, M(K::kObjImageCheck3)},
      {Win({"TcxDBCheckBox"}), {}, 0, M(K::kObjImageCheck3)},
      {Win({"TGroupBox"}), {}, 0, M(K::kGroupBox, C::kMatchBefore)},
      {Win({"TButtonControl", "TRadioButton"}), {}, 0, M(K::kRadioButton)},
      {Win({"TToolBar"}), {}, 0, Extra(K::kBox, MatchExtra::kToolBar)},
      {Win({"TStatusBar"}), {}, 0, M(K::kStatusBar)},
      {Win({"TRangeControl", "TProgressBar"}), {}, 0, M(K::kProgress)},
      {Win({"TScrollBar"}), {}, 0, M(K::kScrollbar)},
      // The framework's combo box descends from its list box, and its window has the
      // list's scroll style: still a combo box.
      {Win({"TListBox", "TComboBox"}), {}, kVScroll, M(K::kComboBox)},
      {Win({"TTntComboBox"}), {}, 0, M(K::kComboBox)},
      {Win({"TDateTimePicker"}),
       {{"Kind", &kDateKind, 0}, {"DateMode", &kDateMode, 0}},
       0,
       M(K::kDateTime)},
      {Win({"TDateTimePicker"}),
       {{"Kind", &kDateKind, 1}, {"DateMode", &kDateMode, 0}},
       0,
       M(K::kEdit)},
      {Win({"TDateTimePicker"}),
       {{"Kind", &kDateKind, 0}, {"DateMode", &kDateMode, 1}},
       0,
       M(K::kEdit)},
      {Win({"TRichEdit"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TdxDBMemo"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TButton", "TBitBtn"}), {}, 0, M(K::kBitButton)},
      {Graphic({"TSpeedButton"}), {}, 0, M(K::kSpeedButton)},
      {Win({"TCustomControl", "TPanel"}), {}, 0, M(K::kBox, C::kMatchBefore)},
      {Win({"TdxDBGrid"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TListView"}), {}, 0, M(K::kListView)},
      {Win({"TEdit", "TMemo"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TListBox"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TScrollBox"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TCustomGrid", "TStringGrid"}), {}, 0, M(K::kScrollingControl)},
      {Win({"TSomeoneElsesView"}), {}, kVScroll, M(K::kScrollingControl)},
      {Win({"TButton"}), {}, 0, M(K::kButton)},
      {Win({"TEdit"}), {}, 0, M(K::kEdit)},
      {Win({"TCustomFrame"}), {}, 0, M(K::kNone, C::kComponents)},
      {Win({"TCustomControl", "TForm"}), {}, 0, M(K::kBox, C::kComponents)},
      {Win({"TDCEdit"}), {{"NumButtons", nullptr, 1}}, 0, M(K::kComboBox)},
      {Win({"TDCDBEdit"}), {{"NumButtons", nullptr, 0}}, 0, Plain(K::kEdit)},
      {Win({"TDCEdit"}), {{"NumButtons", nullptr, 2}}, 0, M(K::kNone, C::kMatchAfter)},
      // Anything else: a windowed control has its children matched, a graphic one
      // nothing.
      {Win({"TNotebook"}), {}, 0, M(K::kNone, C::kMatchAfter)},
      {Graphic({"TLabel"}), {}, 0, M(K::kNone)},
  };
  for (const RuleCase& c : cases) {
    EXPECT_EQ(Match(c, AllFamilies()), c.expected) << c.lineage.back();
  }
}

TEST(SkinControlRulesTest, ClosedFamiliesPassTheControlToLaterRules) {
  const auto without = [](std::initializer_list<F> families) {
    MatchContext context = AllFamilies();
    for (F f : families) {
      context.families.Exclude(f);
    }
    return context;
  };
  MatchContext no_tabs_in_skin = AllFamilies();
  no_tabs_in_skin.skin_has_tabs = false;
  struct GateCase {
    std::vector<std::string> lineage;
    MatchContext context;
    ControlMatch expected;
    std::vector<FakeProperty> properties = {};
  };
  const std::vector<GateCase> cases = {
      {Win({"TButton"}), without({F::xcButton}), M(K::kNone, C::kMatchAfter)},
      // A bit button whose family is off is still a button.
      {Win({"TButton", "TBitBtn"}), without({F::xcBitBtn}), M(K::kButton)},
      {Win({"TButton", "TBitBtn"}), without({F::xcBitBtn, F::xcButton}),
       M(K::kNone, C::kMatchAfter)},
      // A radio group without radio buttons is still a group box.
      {Win({"TGroupBox", "TRadioGroup"}), without({F::xcRadioButton}),
       M(K::kGroupBox, C::kMatchBefore)},
      // A memo without skinned scroll bars is still an edit.
      {Win({"TEdit", "TMemo"}), without({F::xcScrollbar}), M(K::kEdit)},
      {Win({"TCustomTabControl", "TPageControl"}), without({F::xcTab}),
       M(K::kNone, C::kMatchAfter)},
      {Win({"TCustomTabControl", "TPageControl"}), no_tabs_in_skin, M(K::kNone, C::kMatchAfter)},
      {Win({"TCustomControl", "TTabSheet"}), no_tabs_in_skin, M(K::kNone, C::kMatchAfter)},
      {Win({"TDCEdit"}),
       without({F::xcCombo}),
       M(K::kNone, C::kMatchAfter),
       {{"NumButtons", nullptr, 1}}},
      {Win({"TDCEdit"}),
       without({F::xcEdit}),
       M(K::kNone, C::kMatchAfter),
       {{"NumButtons", nullptr, 0}}},
      {Graphic({"TSpeedButton"}), without({F::xcSpeedButton}), M(K::kNone)},
      {Win({"TToolButton"}), AllFamilies(), M(K::kNone, C::kMatchAfter)},
  };
  for (const GateCase& c : cases) {
    EXPECT_EQ(Match({c.lineage, c.properties}, c.context), c.expected) << c.lineage.back();
  }
  MatchContext frame_skinned = AllFamilies();
  frame_skinned.frame_skinned = true;
  EXPECT_EQ(Match({Win({"TToolButton"})}, frame_skinned),
            Extra(K::kNone, MatchExtra::kToolButtonMenu));
}

TEST(SkinControlRulesTest, ClassMapKinds) {
  MatchContext no_buttons = AllFamilies();
  no_buttons.families.Exclude(F::xcButton);
  MatchContext no_tabs_in_skin = AllFamilies();
  no_tabs_in_skin.skin_has_tabs = false;
  const auto button = MakeFake(FakeClass(Win({"TMapped"})));
  struct MapCase {
    const char16_t* kind;
    MatchContext context;
    std::optional<ControlMatch> expected;
  };
  const std::vector<MapCase> cases = {
      {u"", AllFamilies(), std::nullopt},  // no line: the built-in rules decide
      {u"nil", AllFamilies(), ControlMatch{}},
      {u"somethingelse", AllFamilies(), ControlMatch{}},  // claimed and left alone
      {u"combobox", AllFamilies(), M(K::kComboBox)},
      {u"comboboxex", AllFamilies(), M(K::kComboBox)},
      {u"edit", AllFamilies(), M(K::kEdit)},
      {u"radiobutton", AllFamilies(), M(K::kRadioButton)},
      {u"panel", AllFamilies(), M(K::kBox)},
      {u"trackbar", AllFamilies(), M(K::kTrackBar)},
      {u"trackbar", no_buttons, ControlMatch{}},  // gated by the button family
      {u"button", AllFamilies(), M(K::kButton)},
      {u"button", no_buttons, ControlMatch{}},  // claimed, and the gate is off
      {u"datetimepicker", AllFamilies(), M(K::kDateTime)},
      {u"mediaplayer", AllFamilies(), M(K::kMediaPlayer)},
      {u"bitbtn", AllFamilies(), M(K::kBitButton)},
      {u"pngbitbtn", AllFamilies(), M(K::kPngBitButton)},
      {u"pngspeedbutton", AllFamilies(), M(K::kPngSpeedButton)},
      {u"menubtn", AllFamilies(), M(K::kMenuButton)},
      {u"speedbutton", AllFamilies(), M(K::kSpeedButton)},
      {u"tab", AllFamilies(), M(K::kTab)},
      {u"tab", no_tabs_in_skin, ControlMatch{}},
      {u"progress", AllFamilies(), M(K::kProgress)},
      {u"scrollbar", AllFamilies(), M(K::kScrollingControl, C::kMatchAfter)},
      {u"singlescrollbar", AllFamilies(), M(K::kSingleScrollbar)},
      {u"embedscrollbar", AllFamilies(), M(K::kNone, C::kEmbedScrollbars)},
      {u"container", AllFamilies(), M(K::kNone, C::kMatchAfter)},
      {u"groupbox", AllFamilies(), M(K::kGroupBox)},
      {u"advpagecontrol", no_tabs_in_skin, M(K::kAdvPage)},
      {u"radiogroup", AllFamilies(), M(K::kGroupBox, C::kRadioItems, true)},
      {u"checkgroup", AllFamilies(), M(K::kGroupBox, C::kCheckItems, true)},
      {u"checkbox", AllFamilies(), M(K::kCheckBox)},
  };
  for (const MapCase& c : cases) {
    EXPECT_EQ(Find3rdControl(c.kind, "TMapped", *button, c.context), c.expected)
        << WideToUtf8(c.kind);
  }
}

TEST(SkinControlRulesTest, DropDownCxButtonIsAMenuButton) {
  const ClassInfo& info = FakeClass(Win({"TcxButton"}), {{"Kind", &kCxKind, 0}});
  auto standard = MakeFake(info, {{"Kind", &kCxKind, 0}});
  auto drop_down = MakeFake(info, {{"Kind", &kCxKind, 2}});
  const MatchContext all = AllFamilies();
  EXPECT_EQ(Find3rdControl(u"bitbtn", "TcxButton", *standard, all), M(K::kBitButton));
  EXPECT_EQ(Find3rdControl(u"bitbtn", "tcxbutton", *drop_down, all), M(K::kMenuButton));
  // Only the class line "tcxbutton=" turns a drop-down kind into a menu button.
  EXPECT_EQ(Find3rdControl(u"bitbtn", "TcxButtonEx", *drop_down, all), M(K::kBitButton));
}

TEST(SkinControlRulesTest, GroupItemsAndNeverSkinnedClasses) {
  auto radio = MakeFake(FakeClass(Win({"TButtonControl", "TRadioButton"})));
  auto rz = MakeFake(FakeClass(Win({"TRzRadioButton"})));
  auto bar = MakeFake(FakeClass(Win({"TScrollBar"})));
  auto memo = MakeFake(FakeClass(Win({"TEdit", "TMemo"})));
  auto label = MakeFake(FakeClass(Graphic({"TLabel"})));
  struct ItemCase {
    ChildrenStep step;
    const TObject* child;
    bool windowed;
    K kind;
  };
  const ItemCase cases[] = {
      {C::kRadioButtons, rz.get(), true, K::kRadioButton},
      {C::kRadioItems, radio.get(), true, K::kRadioButton},
      {C::kRadioItems, rz.get(), true, K::kObjImageRadio},
      {C::kCheckItems, radio.get(), true, K::kCheckBox},
      {C::kCheckItems, rz.get(), true, K::kObjImageCheck},
      {C::kEmbedScrollbars, bar.get(), true, K::kScrollbar},
      {C::kEmbedScrollbars, memo.get(), true, K::kScrollingControl},
      {C::kEmbedScrollbars, label.get(), false, K::kNone},
  };
  for (const ItemCase& c : cases) {
    EXPECT_EQ(GroupItemKind(c.step, *c.child, c.windowed, 0), c.kind) << c.child->ClassName();
  }
  for (const char* name : {"TDBComboBoxEh", "tfrdesignerpage", "TfrPBox"}) {
    EXPECT_TRUE(NeverSkinnedClass(name)) << name;
  }
  EXPECT_FALSE(NeverSkinnedClass("TComboBox"));
  for (const char* name : {"TRadioGroup", "TRzCheckGroup", "tlmddbradiogroup"}) {
    EXPECT_TRUE(PassesDisableTag(name)) << name;
  }
  EXPECT_FALSE(PassesDisableTag("TGroupBox"));
}

}  // namespace
}  // namespace kova
