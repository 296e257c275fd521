// The controls of a skinned window: handed to the control list when the window is set
// up, joined by a size grip made later, and given back when the window is un-skinned.
#include <windows.h>

#include <gtest/gtest.h>

#include "forms/controls/forms.h"
#include "forms/controls/stdctrls.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

bool AnswersSkinned(HWND wnd) {
  return SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1;
}

class FormControlsTest : public testing::SkinApplyTest {
 protected:
  HWND Child(HWND parent, const wchar_t* cls, DWORD style, int y) {
    return CreateWindowExW(0, cls, L"c", WS_CHILD | WS_VISIBLE | style, 10, y, 100, 20, parent,
                           nullptr, myinstance(), nullptr);
  }
};

TEST_F(FormControlsTest, PlainWindowHandsItsControlsOverAndGetsThemBack) {
  Data(TSkinFormType::sfMainform);
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 300, 200, WS_OVERLAPPEDWINDOW));
  HWND push = Child(wnd, L"BUTTON", BS_PUSHBUTTON, 10);
  HWND check = Child(wnd, L"BUTTON", BS_AUTOCHECKBOX, 40);
  HWND group = Child(wnd, L"BUTTON", BS_GROUPBOX, 70);
  const LONG_PTR push_proc = GetWindowLongPtrW(push, GWLP_WNDPROC);
  ShowWindow(wnd, SW_SHOW);
  Manager().AddForm(wnd);
  Pump(100);
  TWinSkinForm* entry = Manager().FindSkinForm(wnd);
  ASSERT_NE(entry, nullptr);
  ASSERT_NE(entry->Controls(), nullptr);
  EXPECT_TRUE(AnswersSkinned(push));
  EXPECT_TRUE(AnswersSkinned(check));
  EXPECT_FALSE(AnswersSkinned(group));  // group boxes keep their own look
  EXPECT_NE(GetWindowLongPtrW(push, GWLP_WNDPROC), push_proc);

  // A size grip made after set-up joins through the creation hook.
  HWND grip = Child(wnd, L"SCROLLBAR", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 100);
  EXPECT_TRUE(AnswersSkinned(grip));
  // An ordinary scroll bar made then is not adopted by the hook.
  HWND bar = Child(wnd, L"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 130);
  EXPECT_FALSE(AnswersSkinned(bar));

  entry->UnSubclass();
  for (HWND control : {push, check, grip}) {
    EXPECT_FALSE(AnswersSkinned(control));
  }
  EXPECT_EQ(GetWindowLongPtrW(push, GWLP_WNDPROC), push_proc);
  EXPECT_EQ(entry->Controls()->Count(), 0u);
}

TEST_F(FormControlsTest, FrameworkFormSkinsItsControlsExceptTheDisableTag) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TForm* form = MakeForm();
  form->SetBounds(40, 40, 300, 200);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 80, 24);
  auto* kept = new TButton(form);
  kept->SetParent(form);
  kept->SetBounds(10, 40, 80, 24);
  kept->SetTag(data->DisableTag());
  form->SetVisible(true);
  Manager().AddForm(form->Handle());
  Pump(100);
  TWinSkinForm* entry = Manager().FindSkinForm(form->Handle());
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(AnswersSkinned(button->Handle()));
  EXPECT_FALSE(AnswersSkinned(kept->Handle()));
  // A changed skin reaches the controls and keeps them skinned once.
  const size_t count = entry->Controls()->Count();
  entry->SkinChange();
  entry->InitControls();
  EXPECT_EQ(entry->Controls()->Count(), count);
  entry->UnSubclass();
  EXPECT_FALSE(AnswersSkinned(button->Handle()));
  form->SetVisible(false);
}

}  // namespace
}  // namespace kova
