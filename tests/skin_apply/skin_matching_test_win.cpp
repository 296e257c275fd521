// Which controls of a framework form or a plain dialog get which skinning object, on
// real windows: the disable tag, the skin's class map, the families, windows that skin
// themselves, the skin's OnSkinControl, and the containers whose children are matched.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "control_skin_fixture.h"
#include "foreign_controls_win.h"
#include "forms/controls/buttons.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/forms.h"
#include "forms/controls/groupbox.h"
#include "forms/controls/stdctrls.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_bit_button_win.h"
#include "skin/apply/win_skin_box_win.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/apply/win_skin_check_box_win.h"
#include "skin/apply/win_skin_combo_box_win.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_edit_win.h"
#include "skin/apply/win_skin_group_box_win.h"
#include "skin/apply/win_skin_obj_image_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"
#include "skin/data/system_colors.h"

namespace kova {
namespace {

using testing::TDCEdit;
using testing::TFooGrid;
using testing::TRzCheckBox;
using testing::TSelfSkinned;

bool AnswersSkinned(HWND wnd) {
  return SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1;
}

template <class T>
bool Is(const TSkinControl* skin) {
  return dynamic_cast<const T*>(skin) != nullptr;
}

class SkinMatchingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::Load(skin_, testing::FrameColoredSkin());
    form_.SetBounds(60, 60, 400, 300);
    form_.SetVisible(true);
  }
  void TearDown() override { form_.SetVisible(false); }

  template <class T>
  T* Add(TWinControl* parent, int x, int y, int w, int h) {
    auto* control = new T(&form_);
    control->SetParent(parent);
    control->SetBounds(x, y, w, h);
    return control;
  }
  void Without(TSkinControlType family) {
    TSkinControlTypes families = skin_.SkinControls();
    families.Exclude(family);
    skin_.SetSkinControls(families);
  }

  TSkinData skin_{nullptr};
  TForm form_{nullptr};
};

TEST_F(SkinMatchingTest, DisableTagKeepsAControlAndARadioGroupsButtonsUnskinned) {
  auto* kept = Add<TButton>(&form_, 10, 10, 80, 24);
  kept->SetTag(skin_.DisableTag());
  auto* group = Add<TRadioGroup>(&form_, 10, 40, 180, 100);
  group->Items().SetText(u"One\r\nTwo\r\nThree");
  group->SetTag(skin_.DisableTag());
  auto* skinned_group = Add<TRadioGroup>(&form_, 200, 40, 180, 100);
  skinned_group->Items().SetText(u"Four\r\nFive");
  auto* panel = Add<TPanel>(&form_, 10, 150, 180, 60);
  panel->SetTag(skin_.DisableTag());
  auto* in_panel = Add<TCheckBox>(panel, 10, 10, 100, 21);

  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_EQ(controls.Find(kept), nullptr);
  EXPECT_FALSE(AnswersSkinned(kept->Handle()));
  EXPECT_EQ(controls.Find(group), nullptr);
  for (int i = 0; i < group->ButtonCount(); ++i) {
    EXPECT_EQ(controls.Find(group->Button(i)), nullptr) << i;
    EXPECT_FALSE(AnswersSkinned(group->Button(i)->Handle())) << i;
  }
  // A radio group without the tag: the group and every button of it.
  EXPECT_TRUE(Is<TSkinGroupBox>(controls.Find(skinned_group)));
  for (int i = 0; i < skinned_group->ButtonCount(); ++i) {
    EXPECT_TRUE(Is<TSkinRadioButton>(controls.Find(skinned_group->Button(i)))) << i;
  }
  // Only radio and check groups pass the tag on: a tagged panel's children are skinned.
  EXPECT_EQ(controls.Find(panel), nullptr);
  EXPECT_TRUE(Is<TSkinCheckBox>(controls.Find(in_panel)));
}

TEST_F(SkinMatchingTest, ClassMapLineForAGridMatchesItsChildren) {
  auto* grid = Add<TFooGrid>(&form_, 10, 10, 200, 100);
  auto* in_grid = Add<TCheckBox>(grid, 10, 10, 120, 21);
  auto* button = Add<TButton>(&form_, 10, 150, 80, 24);
  TStringList map;
  map.Add(u"TFOOGRID=Scrollbar");  // class names and kinds in any case
  map.Add(u"TButton=nil");
  map.Add(u"TButton=button");  // only the first line of a class counts
  skin_.SetControlList(map);
  TSkinControls controls(&skin_, nullptr);
  // The grid gets the scrolling-control object; its children are matched after it.
  EXPECT_TRUE(Is<TSkinScrollbar>(controls.AddComp(grid)));
  EXPECT_TRUE(Is<TSkinCheckBox>(controls.Find(in_grid)));
  EXPECT_EQ(controls.AddComp(button), nullptr);
  EXPECT_FALSE(AnswersSkinned(button->Handle()));

  // With the scroll bar family off the line still claims the grid: nothing below it.
  Without(TSkinControlType::xcScrollbar);
  TSkinControls gated(&skin_, nullptr);
  controls.DeleteControls();
  EXPECT_EQ(gated.AddComp(grid), nullptr);
  EXPECT_EQ(gated.Find(in_grid), nullptr);
}

TEST_F(SkinMatchingTest, ClassMapLineNilKeepsAMemoUnskinned) {
  auto* memo = Add<TMemo>(&form_, 10, 10, 150, 100);
  auto* edit = Add<TEdit>(&form_, 10, 120, 150, 21);
  // A memo is an edit to the rules while scroll bars are not skinned.
  Without(TSkinControlType::xcScrollbar);
  {
    TSkinControls controls(&skin_, nullptr);
    controls.InitControls(&form_);
    EXPECT_TRUE(Is<TSkinEdit>(controls.Find(memo)));
  }
  TStringList map;
  map.Add(u"tmemo=nil");
  skin_.SetControlList(map);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_EQ(controls.Find(memo), nullptr);
  EXPECT_FALSE(AnswersSkinned(memo->Handle()));
  EXPECT_TRUE(Is<TSkinEdit>(controls.Find(edit)));
}

TEST_F(SkinMatchingTest, ClearedButtonFamilyLeavesFrameworkButtonsUnskinned) {
  auto* button = Add<TButton>(&form_, 10, 10, 80, 24);
  auto* bit = Add<TBitBtn>(&form_, 100, 10, 80, 24);
  auto* check = Add<TCheckBox>(&form_, 10, 40, 120, 21);
  Without(TSkinControlType::xcButton);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_EQ(controls.Find(button), nullptr);
  EXPECT_FALSE(AnswersSkinned(button->Handle()));
  EXPECT_TRUE(Is<TSkinBitButton>(controls.Find(bit)));  // its own family
  EXPECT_TRUE(Is<TSkinCheckBox>(controls.Find(check)));

  // With the bit button family off too, a bit button is a button, and stays unskinned.
  Without(TSkinControlType::xcBitBtn);
  TSkinControls none(&skin_, nullptr);
  controls.DeleteControls();
  none.InitControls(&form_);
  EXPECT_EQ(none.Find(bit), nullptr);
}

TEST_F(SkinMatchingTest, AWindowThatSkinsItselfGetsNoSecondObject) {
  auto* own = Add<TSelfSkinned>(&form_, 10, 10, 80, 24);
  auto* button = Add<TButton>(&form_, 100, 10, 80, 24);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_EQ(controls.Find(own), nullptr);
  EXPECT_EQ(controls.AddComp(own), nullptr);
  EXPECT_EQ(controls.AddControlh(own->Handle()), nullptr);
  // Another list meets the first one's objects the same way.
  TSkinControls second(&skin_, nullptr);
  EXPECT_EQ(second.AddComp(button), nullptr);
  EXPECT_EQ(second.AddControlh(button->Handle()), nullptr);
  EXPECT_EQ(second.Count(), 0u);
}

TEST_F(SkinMatchingTest, OnSkinControlDecidesFirstOrLeavesItToTheRules) {
  auto* chosen = Add<TButton>(&form_, 10, 10, 80, 24);
  auto* panel = Add<TPanel>(&form_, 10, 40, 200, 80);
  auto* in_panel = Add<TButton>(panel, 10, 10, 80, 24);
  auto* left = Add<TCheckBox>(&form_, 10, 130, 120, 21);
  std::vector<WideString> asked;
  TObject* entry_seen = nullptr;
  TComponent entry(nullptr);
  skin_.OnSkinControl = [&](TObject* sender, TObject* form_entry, TObject* control,
                            const WideString& class_name, std::unique_ptr<TComponent>& result) {
    EXPECT_EQ(sender, &skin_);
    entry_seen = form_entry;
    asked.push_back(class_name);
    if (control == chosen) {
      result = std::make_unique<TSkinCheckBox>(nullptr);  // a look of the handler's choice
    } else if (control == panel) {
      auto box = std::make_unique<TSkinBox>(nullptr);
      box->SetSetColor(true);
      result = std::move(box);
    }
  };
  TSkinControls controls(&skin_, nullptr, &entry);
  controls.InitControls(&form_);
  EXPECT_EQ(entry_seen, &entry);
  EXPECT_NE(std::find(asked.begin(), asked.end(), u"TBUTTON"), asked.end());
  // The handler's object is listed and initialised: it answers for the window.
  TSkinControl* object = controls.Find(chosen);
  ASSERT_TRUE(Is<TSkinCheckBox>(object));
  EXPECT_TRUE(object->Initialized());
  EXPECT_TRUE(AnswersSkinned(chosen->Handle()));
  // A panel's children are collected too, by the rules (the handler answered nothing).
  EXPECT_TRUE(Is<TSkinBox>(controls.Find(panel)));
  EXPECT_EQ(panel->Color(), skin_.Color(TShemeColor::csButtonFace));
  EXPECT_TRUE(Is<TSkinButton>(controls.Find(in_panel)));
  EXPECT_TRUE(Is<TSkinCheckBox>(controls.Find(left)));
  EXPECT_FALSE(Is<TSkinRadioButton>(controls.Find(left)));

  // Un-skinned, the panel gets its colour back.
  controls.DeleteControls();
  EXPECT_EQ(panel->Color(), clBtnFace);
}

TEST_F(SkinMatchingTest, ContainersAndForeignControls) {
  auto* group = Add<TGroupBox>(&form_, 10, 10, 180, 100);
  auto* in_group = Add<TRadioButton>(group, 10, 20, 120, 21);
  auto* rz = Add<TRzCheckBox>(&form_, 200, 10, 120, 21);
  auto* plain_edit = Add<TDCEdit>(&form_, 200, 40, 120, 21);
  auto* combo_edit = Add<TDCEdit>(&form_, 200, 70, 120, 21);
  combo_edit->SetNumButtons(1);
  auto* speed = Add<TSpeedButton>(&form_, 200, 100, 40, 24);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_TRUE(Is<TSkinGroupBox>(controls.Find(group)));
  EXPECT_TRUE(Is<TSkinRadioButton>(controls.Find(in_group)));
  auto* image = dynamic_cast<TSkinObjImage*>(controls.Find(rz));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Kind(), 1);
  // No buttons: an edit skinned as a plain window.
  TSkinControl* edit = controls.Find(plain_edit->Handle());
  ASSERT_TRUE(Is<TSkinEdit>(edit));
  EXPECT_TRUE(edit->IsHwnd());
  // One button: a combo box.
  EXPECT_TRUE(Is<TSkinComBox>(controls.Find(combo_edit)));
  // A windowless speed button gets its object too.
  TSkinControl* speed_skin = controls.Find(speed);
  ASSERT_TRUE(Is<TSkinSpeedButton>(speed_skin));
  EXPECT_EQ(speed_skin->GraphicControl(), speed);

  // Its control going away first leaves the object behind as destroyed, then purged.
  delete speed;
  const size_t count = controls.Count();
  controls.PurgeDestroyed();
  EXPECT_EQ(controls.Count(), count - 1);
}

TEST_F(SkinMatchingTest, PlainWindowTableGivesFrameworkPanelsTheFormColour) {
  auto* panel = Add<TPanel>(&form_, 10, 10, 120, 60);
  auto* label_host = Add<TNotebook>(&form_, 150, 10, 120, 60);
  TSkinControls controls(&skin_, nullptr);
  // Met as plain windows (inside a dialog that is not a framework form): the control
  // behind the window takes the skin's form colour, and no object is listed for it.
  EXPECT_EQ(controls.AddControlh(panel->Handle()), nullptr);
  EXPECT_EQ(controls.AddControlh(label_host->Handle()), nullptr);
  EXPECT_EQ(controls.Count(), 0u);
  EXPECT_EQ(panel->Color(), skin_.Color(TShemeColor::csButtonFace));
  EXPECT_EQ(label_host->Color(), skin_.Color(TShemeColor::csButtonFace));
}

}  // namespace
}  // namespace kova
