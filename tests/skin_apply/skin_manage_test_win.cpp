#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "forms/controls/extctrls.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

// A dialog of the system dialog class, as message boxes are.
HWND SystemDialog() {
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION;
  tpl.t.cx = 100;
  tpl.t.cy = 50;
  return CreateDialogIndirectParamW(
      GetModuleHandleW(nullptr), &tpl.t, nullptr,
      [](HWND, UINT, WPARAM, LPARAM) CALLBACK -> INT_PTR { return FALSE; }, 0);
}

using SkinManageTest = testing::SkinApplyTest;

// The skin engine finds a window's control under the framework's own property, whose
// name carries the module and the thread.
TEST_F(SkinManageTest, ControlsAreFoundUnderTheFrameworksPropertyOfModuleAndThread) {
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%.8llX%.8lX",
           static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(myinstance())),
           static_cast<unsigned long>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropertyName(), WideFromWin(expected));
  TForm* form = MakeForm();
  EXPECT_EQ(GetPropW(form->Handle(), expected), static_cast<TControl*>(form));
  EXPECT_EQ(FindControlx(form->Handle()), form);
}

TEST_F(SkinManageTest, RegistersPlainWindowsAndFollowsTheirDestruction) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  EXPECT_TRUE(manager.AddForm(wnd));
  EXPECT_FALSE(manager.AddForm(wnd));  // a second time is a no-op
  ASSERT_EQ(manager.Forms().size(), 1u);
  TWinSkinForm* entry = manager.FindSkinForm(wnd);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(SendMessageW(wnd, kMsgIsSkinned, 0, 0), 1);
  EXPECT_EQ(entry->State(), SkinFormState::kNew);
  Pump(50);  // the posted set-up message
  EXPECT_EQ(entry->State(), SkinFormState::kReady);
  DestroyWindow(wnd);
  EXPECT_EQ(entry->State(), SkinFormState::kDeleted);
  manager.DeleteDeleted();
  EXPECT_TRUE(manager.Forms().empty());
}

TEST_F(SkinManageTest, WindowsThatAreNotRegistered) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  EXPECT_FALSE(manager.AddForm(Keep(testing::MakeWindow(testing::kSkinnedClass, 200, 100))));
  EXPECT_FALSE(manager.AddForm(Keep(testing::MakeWindow(testing::kPlainClass, 0, 0))));
  // A window of another module that is neither a form nor a dialog.
  EXPECT_FALSE(manager.AddForm(Keep(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50,
                                                    nullptr, nullptr, nullptr, nullptr))));
  EXPECT_TRUE(manager.Forms().empty());
  // Nor as a menu.
  manager.AddMenu(Keep(testing::MakeWindow(testing::kSkinnedClass, 50, 50)));
  EXPECT_TRUE(manager.Menus().empty());
  // Nothing while switched off.
  manager.FActive = false;
  EXPECT_FALSE(manager.AddForm(Keep(testing::MakeWindow(testing::kPlainClass, 200, 100))));
}

TEST_F(SkinManageTest, ZeroSizeMdiChildIsRegistered) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  HWND frame = Keep(testing::MakeWindow(testing::kFrameClass, 400, 300, WS_OVERLAPPEDWINDOW));
  CLIENTCREATESTRUCT ccs{};
  HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                frame, nullptr, myinstance(), &ccs);
  ASSERT_NE(client, nullptr);
  HWND child = CreateWindowExW(WS_EX_MDICHILD, testing::kChildClass, L"child", WS_CHILD, 0, 0, 0, 0,
                               client, nullptr, myinstance(), nullptr);
  ASSERT_NE(child, nullptr);
  SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(child, &r);
  ASSERT_EQ((r.right - r.left) * (r.bottom - r.top), 0) << "the system kept a size";
  manager.AddForm(child);
  EXPECT_NE(manager.FindSkinForm(child), nullptr);
}

TEST_F(SkinManageTest, FormTaggedNinetyNineStaysUnskinned) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  TForm* form = MakeForm();
  HWND wnd = form->Handle();
  EXPECT_EQ(manager.FindTForm(wnd), form);
  form->SetTag(99);
  EXPECT_FALSE(manager.AddForm(wnd));
  form->SetTag(0);
  EXPECT_TRUE(manager.AddForm(wnd));
  // The entry of a form belongs to the form and leaves the registry with it.
  EXPECT_EQ(manager.FindSkinForm(wnd)->Form(), form);
  EXPECT_TRUE(manager.DeleteForm(wnd));
  EXPECT_TRUE(manager.Forms().empty());
  ASSERT_TRUE(manager.AddForm(wnd));
  forms_.clear();
  EXPECT_TRUE(manager.Forms().empty());
}

TEST_F(SkinManageTest, ControlOfTheFrameworkIsFoundByItsWindow) {
  TForm* form = MakeForm();
  TPanel* panel = new TPanel(form);
  panel->SetParent(form);
  EXPECT_EQ(FindControlx(panel->Handle()), panel);
  EXPECT_EQ(FindControlx(Keep(testing::MakeWindow(testing::kPlainClass, 10, 10))), nullptr);
}

TEST_F(SkinManageTest, MessageBoxTakesTheDialogSkin) {
  Data(TSkinFormType::sfMainform);
  TSkinData* last_main = Data(TSkinFormType::sfMainform);
  TSkinData* dialog = Data(TSkinFormType::sfDialog);
  TSkinManage& manager = Manager();
  HWND box = Keep(SystemDialog());
  ASSERT_EQ(GetWindowClassname(box), u"#32770");
  ASSERT_TRUE(manager.AddForm(box));
  EXPECT_EQ(manager.FindSkinForm(box)->SkinData(), dialog);
  // A main window takes the last main-form skin.
  HWND main = Keep(testing::MakeWindow(testing::kPlainClass, 100, 100));
  ASSERT_TRUE(manager.AddForm(main));
  EXPECT_EQ(manager.FindSkinForm(main)->SkinData(), last_main);

  datas_.pop_back();  // the dialog skin goes away
  HWND box2 = Keep(SystemDialog());
  ASSERT_TRUE(manager.AddForm(box2));
  EXPECT_EQ(manager.FindSkinForm(box2)->SkinData(), last_main);
}

TEST_F(SkinManageTest, ActivationHookRegistersTheWindow) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  (void)data;
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100, WS_POPUP));
  ShowWindow(wnd, SW_SHOW);
  SetActiveWindow(wnd);
  Pump(50);
  EXPECT_NE(manager.FindSkinForm(wnd), nullptr);
  EXPECT_EQ(manager.FState, 1);
}

TEST_F(SkinManageTest, ActionOneBeforeAnyActivationOnlySwitchesOn) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = *SkinManager();
  ASSERT_EQ(manager.FState, 0);
  manager.FActive = false;
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kActivate, 250);
  EXPECT_TRUE(manager.FActive);
  Pump(350);
  EXPECT_EQ(changed, 0);  // no timer ran
  manager.SetAction(SkinAction::kDeactivate, 250);
  EXPECT_FALSE(manager.FActive);
}

TEST_F(SkinManageTest, OnlyTheLastRequestWithinTheIntervalRuns) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  manager.FState = 1;
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  ASSERT_TRUE(manager.AddForm(wnd));
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kDeactivate, 250);  // switch off: would release the window
  Pump(100);
  manager.SetAction(SkinAction::kPurge, 250);  // purge: replaces it
  Pump(450);
  EXPECT_EQ(changed, 1);
  EXPECT_TRUE(manager.FActive);
  EXPECT_NE(manager.FindSkinForm(wnd), nullptr);
}

TEST_F(SkinManageTest, SwitchingOffAndOnAgainRegistersTheScreensForms) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  manager.FState = 1;
  TForm* form_a = MakeForm();
  TForm* form_b = MakeForm();
  TForm* hidden = MakeForm();
  form_a->Show();
  form_b->Show();
  HWND a = form_a->Handle();
  HWND b = form_b->Handle();
  manager.AddForm(a);  // when showing did not register it already
  manager.AddForm(b);
  ASSERT_NE(manager.FindSkinForm(a), nullptr);
  ASSERT_NE(manager.FindSkinForm(b), nullptr);
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kDeactivate, 250);
  Pump(400);
  EXPECT_TRUE(manager.Forms().empty());
  EXPECT_FALSE(manager.FActive);
  EXPECT_FALSE(manager.AddForm(a));
  EXPECT_EQ(SendMessageW(a, kMsgIsSkinned, 0, 0), 0);  // given back

  manager.SetActionData(data);
  manager.SetAction(SkinAction::kActivate, 250);
  Pump(400);
  EXPECT_NE(manager.FindSkinForm(a), nullptr);
  EXPECT_NE(manager.FindSkinForm(b), nullptr);
  EXPECT_EQ(manager.FindSkinForm(a)->Form(), form_a);
  // A form that is not visible is left out of the sweep.
  EXPECT_EQ(manager.FindSkinForm(hidden->Handle()), nullptr);
}

TEST_F(SkinManageTest, ActionsRunFromAFrameworkTimerThatStopsAfterEachRequest) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.Timer().Interval(), 100);
  EXPECT_FALSE(manager.Timer().Enabled());
  manager.FState = 1;
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kPurge, 250);
  EXPECT_TRUE(manager.Timer().Enabled());
  EXPECT_EQ(manager.Timer().Interval(), 250);
  Pump(400);
  EXPECT_EQ(changed, 1);
  EXPECT_FALSE(manager.Timer().Enabled());
  Pump(300);
  EXPECT_EQ(changed, 1);
}

TEST_F(SkinManageTest, SkinDataOfOneFormSkinsItsOwnerWhenLoaded) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  TForm* form = MakeForm();
  auto* data = new TSkinData(form);  // owned by the form
  data->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  testing::Load(*data, {"[Personality]\nTop=t.bmp\n", {{"t.bmp", testing::Solid(20, 20, 0)}}});
  data->SetActive(true);
  data->Loaded();
  TWinSkinForm* entry = manager.FindSkinForm(form->Handle());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->SkinData(), data);
  EXPECT_EQ(entry->Form(), form);
  // The framework still finds its control behind the subclassed window.
  EXPECT_EQ(FindControl(form->Handle()), form);
}

// The dialogs bring only a skin of their own: that skin alone takes their form, and no
// other window.
TEST_F(SkinManageTest, FormSkinWithoutAMainFormSkinTakesOnlyItsOwner) {
  TForm* form = MakeForm();
  auto* data = new TSkinData(form);
  data->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  testing::Load(*data, {"[Personality]\nTop=t.bmp\n", {{"t.bmp", testing::Solid(20, 20, 0)}}});
  data->Loaded();
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.FDefaultData, nullptr);

  EXPECT_TRUE(manager.AddForm(form->Handle()));
  ASSERT_NE(manager.FindSkinForm(form->Handle()), nullptr);
  EXPECT_EQ(manager.FindSkinForm(form->Handle())->SkinData(), data);

  TForm* other = MakeForm();
  EXPECT_FALSE(manager.AddForm(other->Handle()));
  EXPECT_EQ(manager.FindSkinForm(other->Handle()), nullptr);
}

TEST_F(SkinManageTest, PopupMenusOfTheScreenAreRecognised) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  TPopupMenu popup(nullptr);
  const UniqueMenu other(CreatePopupMenu());
  manager.FindPopupMenu(other.Get());
  EXPECT_FALSE(manager.FPopupPending);
  manager.FindPopupMenu(popup.Handle());
  EXPECT_TRUE(manager.FPopupPending);
}

TEST_F(SkinManageTest, SkinDataRequestsGoThroughTheManager) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.SkinDatas().size(), 1u);
  EXPECT_EQ(manager.FDefaultData, data);
  data->SetActive(true);
  EXPECT_EQ(manager.FState, 1);
  EXPECT_EQ(manager.FAction, SkinAction::kActivate);
  EXPECT_EQ(manager.FActionData, data);
  data->InstallThread(GetCurrentThreadId());
  data->InstallThread(GetCurrentThreadId());
  EXPECT_EQ(manager.ThreadCount(), 1u);
  data->UnInstallThread(GetCurrentThreadId());
  EXPECT_EQ(manager.ThreadCount(), 0u);
  datas_.clear();
  EXPECT_TRUE(manager.SkinDatas().empty());
  EXPECT_EQ(manager.FDefaultData, nullptr);
}

}  // namespace
}  // namespace kova
