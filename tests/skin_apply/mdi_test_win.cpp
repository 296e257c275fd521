// The skin manager's MDI operations with a real MDI frame, client and children.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::HasRegion;
using testing::Pump;

class MdiTest : public testing::SkinApplyTest {
 protected:
  // A frame with its MDI client, registered as the manager's MDI frame.
  void MakeFrame() {
    frame_ = Keep(testing::MakeWindow(testing::kFrameClass, 600, 400, WS_OVERLAPPEDWINDOW));
    CLIENTCREATESTRUCT ccs{};
    client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400,
                              frame_, nullptr, myinstance(), &ccs);
    ASSERT_NE(client_, nullptr);
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(Manager().AddForm(frame_));
  }
  // An MDI child; its creation registers it through the thread's hook.
  HWND Child(int x) {
    HWND child = CreateWindowExW(WS_EX_MDICHILD, testing::kChildClass, L"child",
                                 WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, x, 10, 200, 150,
                                 client_, nullptr, myinstance(), nullptr);
    EXPECT_NE(child, nullptr);
    return child;
  }
  TWinSkinForm& Entry(HWND wnd) {
    TWinSkinForm* entry = Manager().FindSkinForm(wnd);
    EXPECT_NE(entry, nullptr);
    return *entry;
  }

  HWND frame_ = nullptr;
  HWND client_ = nullptr;
};

TEST_F(MdiTest, FrameRecordsItsClientAndChildrenAreCountedAsMdiChildren) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  TSkinManage& manager = Manager();
  EXPECT_EQ(manager.FMDIClientWnd, client_);
  EXPECT_EQ(Entry(frame_).FormStyle(), SkinFormStyle::kMDIFrame);
  EXPECT_EQ(manager.FMDIForm, nullptr);  // a plain window has no form object

  HWND a = Child(10);
  HWND b = Child(220);
  ASSERT_EQ(Entry(a).FormStyle(), SkinFormStyle::kMDIChild);
  // A registered window that is no MDI child is not counted.
  ASSERT_TRUE(manager.AddForm(Keep(testing::MakeWindow(testing::kPlainClass, 100, 100))));
  EXPECT_EQ(manager.Forms().size(), 4u);
  EXPECT_EQ(manager.GetMDIChildNum(), 2);
  DestroyWindow(b);
  manager.DeleteDeleted();
  EXPECT_EQ(manager.GetMDIChildNum(), 1);
  (void)a;

  // The frame's record goes with its entry.
  DestroyWindow(frame_);
  manager.DeleteDeleted();
  EXPECT_EQ(manager.FMDIClientWnd, nullptr);
}

TEST_F(MdiTest, MaximizingRemovesRegionsAndRestoringGivesThemBackExceptToMinimized) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  HWND a = Child(10);
  HWND b = Child(220);
  HWND c = Child(400);
  Pump(50);  // set-up cuts every normal child to its region
  for (HWND child : {a, b, c}) {
    ASSERT_TRUE(Entry(child).Cropped());
    ASSERT_TRUE(HasRegion(child));
  }
  ShowWindow(c, SW_MINIMIZE);
  ASSERT_EQ(Entry(c).WindowState(), SkinWindowState::kMinimized);

  TSkinManage& manager = Manager();
  SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
  ASSERT_EQ(Entry(a).WindowState(), SkinWindowState::kMaximized);
  manager.SetMDIMax(true);
  EXPECT_TRUE(manager.FMDIMax);
  for (HWND child : {a, b, c}) {
    EXPECT_FALSE(HasRegion(child));
    EXPECT_FALSE(Entry(child).Cropped());
  }

  SendMessageW(client_, WM_MDIRESTORE, reinterpret_cast<WPARAM>(a), 0);
  EXPECT_FALSE(HasRegion(a));  // restoring alone leaves it to the manager
  manager.SetMDIMax(false);
  EXPECT_FALSE(manager.FMDIMax);
  for (HWND child : {a, b}) {
    EXPECT_TRUE(HasRegion(child));
    EXPECT_EQ(Entry(child).WindowState(), SkinWindowState::kNormal);
  }
  EXPECT_FALSE(HasRegion(c));
  EXPECT_EQ(Entry(c).WindowState(), SkinWindowState::kMinimized);
  // The frame is no MDI child: its own region stays through all of it.
  EXPECT_TRUE(HasRegion(frame_));
}

TEST_F(MdiTest, ChildBorderOptionMakesSetMdiMaxSkipTheChildrenButNotSetMdiMax2) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  MakeFrame();
  HWND a = Child(10);
  HWND b = Child(220);
  Pump(50);
  ASSERT_TRUE(HasRegion(a));
  TSkinManage& manager = Manager();
  data->SetOptions(TSkinOptions::FromMask(data->Options().Mask() |
                                          TSkinOptions{TSkinOption::xoMDIChildBorder}.Mask()));

  manager.SetMDIMax(true);
  EXPECT_TRUE(manager.FMDIMax);
  EXPECT_TRUE(HasRegion(a));
  EXPECT_TRUE(HasRegion(b));
  manager.SetMDIMax(false);

  manager.SetMDIMax2(true);
  EXPECT_FALSE(HasRegion(a));
  EXPECT_FALSE(HasRegion(b));
  manager.SetMDIMax(false);  // skips the visit: the regions stay away
  EXPECT_FALSE(manager.FMDIMax);
  EXPECT_FALSE(HasRegion(a));
  manager.SetMDIMax2(true);
  manager.SetMDIMax2(false);
  EXPECT_TRUE(HasRegion(a));
  EXPECT_TRUE(HasRegion(b));
}

TEST_F(MdiTest, ChildWithTheSystemBorderGetsNoRegionButAFrameRefreshOnRestore) {
  Data(TSkinFormType::sfMainform, {TSkinOption::xoMDIChildBorder});
  MakeFrame();
  HWND a = Child(10);
  Pump(50);
  EXPECT_FALSE(Entry(a).SkinFrame());
  EXPECT_FALSE(HasRegion(a));
  TSkinManage& manager = Manager();
  manager.SetMDIMax2(true);
  const int before = testing::g_child_frame_changes;
  manager.SetMDIMax2(false);
  EXPECT_FALSE(HasRegion(a));
  EXPECT_GT(testing::g_child_frame_changes, before);
}

TEST_F(MdiTest, SetCaptionGivesMdiChildrenACaptionAndNoOtherWindow) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  HWND a = Child(10);
  SetWindowLongPtrW(a, GWL_STYLE, GetWindowLongPtrW(a, GWL_STYLE) & ~WS_CAPTION);
  HWND plain = Keep(testing::MakeWindow(testing::kPlainClass, 100, 100));
  TSkinManage& manager = Manager();
  ASSERT_TRUE(manager.AddForm(plain));
  manager.SetCaption();
  EXPECT_EQ(GetWindowLongPtrW(a, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(GetWindowLongPtrW(plain, GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(MdiTest, ChildCreatedMaximizedIsNotCutToARegion) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  HWND a = CreateWindowExW(WS_EX_MDICHILD, testing::kChildClass, L"child",
                           WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, 0, 0, 200,
                           150, client_, nullptr, myinstance(), nullptr);
  ASSERT_NE(a, nullptr);
  Pump(50);
  TSkinManage& manager = Manager();
  // Registered at creation, or at latest when asked.
  manager.AddForm(a);
  ASSERT_NE(manager.FindSkinForm(a), nullptr);
  EXPECT_EQ(Entry(a).WindowState(), SkinWindowState::kMaximized);
  EXPECT_FALSE(HasRegion(a));
}

// The client subclass of a skinned frame.

TEST_F(MdiTest, ClientLosesItsScrollBarsUnlessTheSkinKeepsThem) {
  const struct {
    TSkinOptions options;
    bool kept;
  } cases[] = {
      {{}, false},
      {{TSkinOption::xoMDIScrollbar}, true},
  };
  for (const auto& c : cases) {
    Data(TSkinFormType::sfMainform, c.options);
    MakeFrame();
    const LONG_PTR bars = WS_HSCROLL | WS_VSCROLL;
    SetWindowLongPtrW(client_, GWL_STYLE, GetWindowLongPtrW(client_, GWL_STYLE) | bars);
    SetWindowPos(client_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_EQ((GetWindowLongPtrW(client_, GWL_STYLE) & bars) == bars, c.kept);
    DestroyWindow(frame_);
    Manager().DeleteDeleted();
    datas_.clear();
  }
}

TEST_F(MdiTest, ClientGetsItsOwnProcedureBackWhenTheFrameIsUnskinned) {
  Data(TSkinFormType::sfMainform);
  frame_ = Keep(testing::MakeWindow(testing::kFrameClass, 600, 400, WS_OVERLAPPEDWINDOW));
  CLIENTCREATESTRUCT ccs{};
  client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, frame_,
                            nullptr, myinstance(), &ccs);
  const LONG_PTR own = GetWindowLongPtrW(client_, GWLP_WNDPROC);
  ShowWindow(frame_, SW_SHOWNOACTIVATE);
  ASSERT_TRUE(Manager().AddForm(frame_));
  EXPECT_NE(GetWindowLongPtrW(client_, GWLP_WNDPROC), own);
  Entry(frame_).UnSubclass();
  EXPECT_EQ(GetWindowLongPtrW(client_, GWLP_WNDPROC), own);
}

TEST_F(MdiTest, TilingOrCascadingLeavesTheMaximizedState) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  Child(10);
  Pump(30);
  for (UINT msg : {static_cast<UINT>(WM_MDITILE), static_cast<UINT>(WM_MDICASCADE)}) {
    Manager().SetMDIMax(true);
    SendMessageW(client_, msg, 0, 0);
    EXPECT_FALSE(Manager().FMDIMax) << std::hex << msg;
  }
}

TEST_F(MdiTest, MenuUpdateIsOffWhileChildrenComeAndBackWhenTheLastGoes) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  data->SetMenuUpdate(true);
  MakeFrame();
  auto create = [&] {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = testing::kChildClass;
    mcs.szTitle = L"child";
    mcs.hOwner = myinstance();
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    mcs.style = WS_OVERLAPPEDWINDOW;
    auto child = reinterpret_cast<HWND>(
        SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    EXPECT_NE(child, nullptr);
    return child;
  };
  HWND a = create();
  HWND b = create();
  Pump(30);
  EXPECT_FALSE(data->MenuUpdate());
  // The active child left behind is maximized: so are the children in the manager's eyes.
  SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
  SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
  BOOL maximized = FALSE;
  SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  SendMessageW(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
  EXPECT_EQ(Manager().FMDIMax, maximized != FALSE);
  EXPECT_FALSE(data->MenuUpdate());
  SendMessageW(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(a), 0);
  EXPECT_FALSE(Manager().FMDIMax);
  EXPECT_TRUE(data->MenuUpdate());
}

TEST_F(MdiTest, FrameMenuSetThroughTheClientMovesIntoTheSkinnedFrame) {
  Data(TSkinFormType::sfMainform);
  MakeFrame();
  Pump(30);
  const UniqueMenu owned(CreateMenu());
  HMENU menu = owned.Get();
  AppendMenuW(menu, MF_STRING, 1, L"File");
  SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  EXPECT_EQ(GetMenu(frame_), nullptr);
  EXPECT_EQ(Entry(frame_).NativeMenu(), menu);
  Entry(frame_).UnSubclass();
  EXPECT_EQ(GetMenu(frame_), menu);
  SetMenu(frame_, nullptr);  // the menu is the test's to destroy
}

}  // namespace
}  // namespace kova
