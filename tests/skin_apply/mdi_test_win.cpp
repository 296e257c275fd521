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

}  // namespace
}  // namespace kova
