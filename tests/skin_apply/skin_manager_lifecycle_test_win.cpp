// Who owns what in the skin manager, and what happens when skinning fails: popup-menu
// windows through the hook, failures stopped at the platform's callbacks, managers of
// other modules that join this one, and the actions that re-read or re-make skins.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/application_window_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

using SkinManagerLifecycleTest = testing::SkinApplyTest;

// A component that records its destruction (owned by the object under test).
class DestroyProbe : public TComponent {
 public:
  DestroyProbe(TComponent* owner, bool& destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~DestroyProbe() override { destroyed_ = true; }

 private:
  bool& destroyed_;
};

// Frame recalculations each window of this class was asked for (kept in its user data).
constexpr wchar_t kCountingClass[] = L"KovaFrameCounting";
HWND CountingWindow() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
      if (m == WM_NCCALCSIZE && wp != 0) {
        SetWindowLongPtrW(w, GWLP_USERDATA, GetWindowLongPtrW(w, GWLP_USERDATA) + 1);
      }
      return DefWindowProcW(w, m, wp, lp);
    };
    wc.hInstance = myinstance();
    wc.lpszClassName = kCountingClass;
    return RegisterClassW(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return testing::MakeWindow(kCountingClass, 120, 80);
}
LONG_PTR FrameChanges(HWND wnd) {
  return GetWindowLongPtrW(wnd, GWLP_USERDATA);
}

struct MenuSeen {
  TSkinManage* manager = nullptr;
  size_t listed = 0;
  LRESULT answer = 0;
};
MenuSeen* g_menu_seen = nullptr;

TEST_F(SkinManagerLifecycleTest, PopupMenuWindowIsRegisteredThroughTheHookAndReleased) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  ASSERT_TRUE(manager.HookInstalled());
  HWND owner = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  ShowWindow(owner, SW_SHOW);
  SetForegroundWindow(owner);
  const UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.Get(), MF_STRING, 1, L"One");
  AppendMenuW(menu.Get(), MF_STRING, 2, L"Two");

  MenuSeen seen{&manager};
  g_menu_seen = &seen;
  // Looks while the menu is open, then closes it.
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
    KillTimer(nullptr, id);
    MenuSeen& s = *g_menu_seen;
    s.listed = s.manager->Menus().size();
    if (s.listed == 1) {
      s.answer = SendMessageW(s.manager->Menus().front()->Handle(), kMsgIsSkinned, 0, 0);
    }
    EndMenu();
  });
  ASSERT_NE(timer, 0u);
  TrackPopupMenu(menu.Get(), TPM_RETURNCMD, 50, 50, 0, owner, nullptr);
  g_menu_seen = nullptr;
  Pump(50);
  EXPECT_EQ(seen.listed, 1u);
  EXPECT_EQ(seen.answer, 1);
  EXPECT_TRUE(manager.Menus().empty()) << "released when the menu window went";
  EXPECT_EQ(manager.FMenuKind, SkinMenuKind::kPopup);
}

TEST_F(SkinManagerLifecycleTest, FailureWhileSkinningLeavesTheWindowUnskinnedAndUsable) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  data->OnFormSkin = [](TObject*, const WideString&, bool&) {
    throw std::runtime_error("skin handler failed");
  };
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  ShowWindow(wnd, SW_SHOW);
  SetActiveWindow(wnd);  // the activation hook tries to skin it
  Pump(50);
  EXPECT_EQ(manager.FindSkinForm(wnd), nullptr);
  EXPECT_EQ(SendMessageW(wnd, kMsgIsSkinned, 0, 0), 0);
  EXPECT_TRUE(SetWindowTextW(wnd, L"still works"));
  wchar_t text[32] = {};
  GetWindowTextW(wnd, text, 32);
  EXPECT_STREQ(text, L"still works");
  // The manager goes on working.
  data->OnFormSkin = nullptr;
  EXPECT_TRUE(manager.AddForm(wnd));
}

TEST_F(SkinManagerLifecycleTest, FailureWhileSkinningAModalFormEndsItsLoopWithOthersEnabled) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  Manager();
  TForm* other = MakeForm();
  other->Show();
  data->OnFormSkin = [](TObject*, const WideString&, bool&) {
    throw std::runtime_error("skin handler failed");
  };
  TForm* modal = MakeForm();
  EXPECT_THROW(modal->ShowModal(), std::runtime_error);
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
  EXPECT_FALSE(modal->Visible());
}

TEST_F(SkinManagerLifecycleTest, ManagerOfAnotherModuleSharesItsRegistriesUntilItGoes) {
  TSkinManage parent(false);  // stands for the manager of the module that loaded us
  parent.FActive = true;
  TSkinManage* sub = SkinDll(&parent);
  ASSERT_EQ(sub, SkinManager());
  EXPECT_EQ(sub->FModuleInstance, myinstance());
  EXPECT_EQ(sub->FParent, &parent);
  EXPECT_EQ(sub->FState, 2) << "joined, then counted";
  EXPECT_TRUE(sub->HookInstalled());
  ASSERT_EQ(parent.SubManagers().size(), 1u);

  Data(TSkinFormType::sfMainform);  // reports to the sub-manager
  EXPECT_EQ(parent.SkinDatas().size(), 1u);
  sub->FActive = true;
  bool form_destroyed = false;
  auto* form = new TForm(nullptr);  // a form of the joining module: freed with it
  new DestroyProbe(form, form_destroyed);
  ASSERT_TRUE(sub->AddForm(form->Handle()));
  HWND plain = Keep(testing::MakeWindow(testing::kPlainClass, 100, 100));
  ASSERT_TRUE(sub->AddForm(plain));
  ASSERT_EQ(parent.Forms().size(), 2u);
  EXPECT_EQ(parent.FindSkinForm(plain)->ModuleInstance(), myinstance());

  FreeSkinManager();  // the joining module goes away
  EXPECT_TRUE(form_destroyed) << "its form objects are freed, and their entries with them";
  EXPECT_TRUE(parent.Forms().empty());
  EXPECT_TRUE(parent.SubManagers().empty());
  EXPECT_EQ(SendMessageW(plain, kMsgIsSkinned, 0, 0), 0);
  datas_.clear();
}

TEST_F(SkinManagerLifecycleTest, ParentThatGoesFirstLeavesItsSubManagerDetached) {
  auto parent = std::make_unique<TSkinManage>(false);
  TSkinManage* sub = SkinDll(parent.get());
  parent.reset();
  EXPECT_EQ(sub->FParent, nullptr);
  EXPECT_EQ(sub->FState, 4);
  EXPECT_FALSE(sub->HookInstalled());
  EXPECT_TRUE(sub->Forms().empty());
  sub->FActive = true;
  EXPECT_FALSE(sub->AddForm(Keep(testing::MakeWindow(testing::kPlainClass, 100, 100))))
      << "no skin data is shared any more";
}

// Action 3: every entry of the changed skin applies it, and the skin is told once.
TEST_F(SkinManagerLifecycleTest, ChangedSkinIsAppliedToEveryEntryThatUsesIt) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  manager.FState = 1;
  HWND a = Keep(CountingWindow());
  HWND b = Keep(CountingWindow());
  ASSERT_TRUE(manager.AddForm(a));
  ASSERT_TRUE(manager.AddForm(b));
  Pump(50);
  const LONG_PTR before_a = FrameChanges(a);
  const LONG_PTR before_b = FrameChanges(b);
  int told = 0;
  data->OnSkinChanged = [&](TObject*) { ++told; };
  data->UpdateSkin();
  EXPECT_EQ(manager.FAction, SkinAction::kSkinChanged);
  Pump(400);
  EXPECT_EQ(told, 1);
  EXPECT_GT(FrameChanges(a), before_a);
  EXPECT_GT(FrameChanges(b), before_b);
  EXPECT_EQ(manager.Forms().size(), 2u);
  EXPECT_EQ(manager.FActionData, nullptr);
}

TEST_F(SkinManagerLifecycleTest, ChangedSkinOfOneFormIsAppliedToItsForm) {
  Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  TForm* form = MakeForm();
  auto* own = new TSkinData(form);
  own->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  testing::Load(*own, {"[Personality]\nTop=t.bmp\n", {{"t.bmp", testing::Solid(20, 20, 0)}}});
  own->Loaded();
  manager.FState = 1;  // loading a skin of one form counted it up
  ASSERT_TRUE(manager.AddForm(form->Handle()));
  HWND plain = Keep(CountingWindow());
  ASSERT_TRUE(manager.AddForm(plain));
  Pump(50);
  const LONG_PTR before = FrameChanges(plain);
  int told = 0;
  own->OnSkinChanged = [&](TObject*) { ++told; };
  own->UpdateSkin();
  Pump(400);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(FrameChanges(plain), before) << "a window of another skin is left alone";
  EXPECT_EQ(manager.FindSkinForm(form->Handle())->State(), SkinFormState::kReady);
}

// Action 7: the window is skinned afresh; the requester is not told and stays pending.
TEST_F(SkinManagerLifecycleTest, ReskinningOneWindowMakesItsEntryAnew) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  manager.FState = 1;
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  HWND other = Keep(testing::MakeWindow(testing::kPlainClass, 200, 100));
  ASSERT_TRUE(manager.AddForm(wnd));
  ASSERT_TRUE(manager.AddForm(other));
  Pump(50);
  TWinSkinForm* other_entry = manager.FindSkinForm(other);
  int told = 0;
  data->OnSkinChanged = [&](TObject*) { ++told; };
  data->ChangeForm(wnd);
  Pump(400);
  TWinSkinForm* entry = manager.FindSkinForm(wnd);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(SendMessageW(wnd, kMsgIsSkinned, 0, 0), 1);
  EXPECT_EQ(entry->State(), SkinFormState::kReady);  // set up again on its own message
  EXPECT_EQ(manager.Forms().size(), 2u);
  EXPECT_EQ(manager.FindSkinForm(other), other_entry);
  EXPECT_EQ(told, 0);
  EXPECT_EQ(manager.FActionData, data);
}

// After switching off, switching on registers every screen form again, also those that
// other forms own.
TEST_F(SkinManagerLifecycleTest, SwitchingOnAgainRegistersOwnedFormsToo) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  manager.FState = 1;
  TForm* main = MakeForm();
  main->Show();
  auto* owned = new TForm(main);  // freed with `main`
  owned->Show();
  manager.AddForm(main->Handle());
  manager.AddForm(owned->Handle());
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kDeactivate, 250);
  Pump(400);
  ASSERT_TRUE(manager.Forms().empty());
  manager.SetActionData(data);
  manager.SetAction(SkinAction::kActivate, 250);
  Pump(400);
  EXPECT_NE(manager.FindSkinForm(main->Handle()), nullptr);
  ASSERT_NE(manager.FindSkinForm(owned->Handle()), nullptr);
  EXPECT_EQ(manager.FindSkinForm(owned->Handle())->Form(), owned);
}

TEST_F(SkinManagerLifecycleTest, TheSkinsDisableTagKeepsAFormUnskinned) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  TSkinManage& manager = Manager();
  data->SetDisableTag(7);
  TForm* form = MakeForm();
  form->SetTag(7);
  EXPECT_FALSE(manager.AddForm(form->Handle()));
  form->SetTag(99);
  EXPECT_TRUE(manager.AddForm(form->Handle())) << "99 is only the default";
}

// The skin's application icon comes from the framework's application window.
TEST_F(SkinManagerLifecycleTest, TheApplicationWindowIsTheFrameworksOne) {
  HWND wnd = Keep(testing::MakeWindow(testing::kPlainClass, 10, 10));
  const HWND before = Application().Handle();
  Application().SetHandle(wnd);
  EXPECT_EQ(ApplicationWindow(), wnd);
  Application().SetHandle(before);
}

}  // namespace
}  // namespace kova
