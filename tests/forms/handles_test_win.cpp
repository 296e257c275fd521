// The owning handle wrapper: every kind is counted while it lives and really closed by
// its own closer when its owner lets go.
#include "base/win/handles_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <functional>
#include <string>

namespace kova {
namespace {

bool IsGdiObject(HGDIOBJ object) {
  return GetObjectType(object) != 0;
}

bool IsKernelHandle(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

// Makes one handle of a kind, checks that the platform still knows it, and after its
// wrapper is gone that the platform has closed it.
struct KindCase {
  const char* name;
  HandleKind kind;
  // Runs |probe| while the wrapper lives and answers whether the handle is still open
  // after the wrapper went out of scope.
  std::function<bool(const std::function<void()>& probe)> make_probe_and_drop;
};

template <class Wrapper, class Make, class IsOpen>
std::function<bool(const std::function<void()>&)> Case(Make make, IsOpen is_open) {
  return [make, is_open](const std::function<void()>& probe) {
    typename Wrapper::Handle raw{};
    {
      Wrapper owner(make());
      raw = owner.Get();
      EXPECT_TRUE(owner.IsValid());
      EXPECT_TRUE(is_open(raw));
      probe();
    }
    return is_open(raw);
  };
}

LRESULT CALLBACK CountingHook(int code, WPARAM wparam, LPARAM lparam);
int g_hook_calls = 0;
LRESULT CALLBACK CountingHook(int code, WPARAM wparam, LPARAM lparam) {
  ++g_hook_calls;
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool HookFires() {
  const int before = g_hook_calls;
  MSG msg;
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  return g_hook_calls > before;
}

const wchar_t kAtomName[] = L"KovaHandlesTestAtom";

std::vector<KindCase> Cases() {
  return {
      {"bitmap", HandleKind::kBitmap,
       Case<UniqueBitmap>([] { return CreateBitmap(2, 2, 1, 32, nullptr); }, IsGdiObject)},
      {"font", HandleKind::kFont,
       Case<UniqueFont>(
           [] {
             LOGFONTW font{};
             font.lfHeight = 12;
             return CreateFontIndirectW(&font);
           },
           IsGdiObject)},
      {"brush", HandleKind::kBrush,
       Case<UniqueBrush>([] { return CreateSolidBrush(RGB(1, 2, 3)); }, IsGdiObject)},
      {"pen", HandleKind::kPen,
       Case<UniquePen>([] { return CreatePen(PS_SOLID, 1, 0); }, IsGdiObject)},
      {"region", HandleKind::kRegion,
       Case<UniqueRegion>([] { return CreateRectRgn(0, 0, 4, 4); }, IsGdiObject)},
      {"memory DC", HandleKind::kMemoryDC,
       Case<UniqueMemoryDC>([] { return CreateCompatibleDC(nullptr); }, IsGdiObject)},
      {"icon", HandleKind::kIcon,
       Case<UniqueIcon>([] { return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)); },
                        [](HICON icon) {
                          ICONINFO info{};
                          const bool open = GetIconInfo(icon, &info);
                          UniqueBitmap color(info.hbmColor);
                          UniqueBitmap mask(info.hbmMask);
                          return open;
                        })},
      {"menu", HandleKind::kMenu,
       Case<UniqueMenu>([] { return CreatePopupMenu(); },
                        [](HMENU menu) { return IsMenu(menu) != 0; })},
      {"window", HandleKind::kWindow,
       Case<UniqueWindow>(
           [] {
             return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    nullptr, nullptr);
           },
           [](HWND window) { return IsWindow(window) != 0; })},
      {"kernel handle", HandleKind::kKernelHandle,
       Case<UniqueKernelHandle>([] { return CreateEventW(nullptr, TRUE, FALSE, nullptr); },
                                IsKernelHandle)},
      {"file handle", HandleKind::kKernelHandle,
       Case<UniqueFileHandle>(
           [] {
             wchar_t path[MAX_PATH];
             wchar_t name[MAX_PATH];
             GetTempPathW(MAX_PATH, path);
             GetTempFileNameW(path, L"kh", 0, name);
             return CreateFileW(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr);
           },
           IsKernelHandle)},
      {"atom", HandleKind::kAtom,
       Case<UniqueAtom>([] { return GlobalAddAtomW(kAtomName); },
                        [](ATOM) { return GlobalFindAtomW(kAtomName) != 0; })},
      {"hook", HandleKind::kHook,
       Case<UniqueHook>(
           [] {
             return SetWindowsHookExW(WH_GETMESSAGE, CountingHook, nullptr, GetCurrentThreadId());
           },
           [](HHOOK) { return HookFires(); })},
      {"registry key", HandleKind::kRegistryKey,
       Case<UniqueRegKey>(
           [] {
             HKEY key = nullptr;
             RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key);
             return key;
           },
           [](HKEY key) {
             DWORD subkeys = 0;
             return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
           })},
  };
}

TEST(HandlesTest, EveryKindIsCountedWhileItLivesAndClosedAfter) {
  for (const KindCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const int64_t kind_before = LiveHandles(c.kind);
    const int64_t all_before = LiveHandlesOfAllKinds();
    const bool open_after = c.make_probe_and_drop([&] {
      EXPECT_EQ(LiveHandles(c.kind), kind_before + 1);
      EXPECT_EQ(LiveHandlesOfAllKinds(), all_before + 1);
    });
    EXPECT_FALSE(open_after);
    EXPECT_EQ(LiveHandles(c.kind), kind_before);
    EXPECT_EQ(LiveHandlesOfAllKinds(), all_before);
  }
}

TEST(HandlesTest, WhatThePlatformAnswersForNothingIsNeitherCountedNorClosed) {
  const int64_t before = LiveHandlesOfAllKinds();
  {
    UniqueFileHandle missing(CreateFileW(L"Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(missing.Get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(missing);
    UniqueKernelHandle none(nullptr);
    UniqueBitmap empty;
    UniqueAtom no_atom(0);
    EXPECT_FALSE(none);
    EXPECT_FALSE(empty);
    EXPECT_FALSE(no_atom);
    EXPECT_EQ(LiveHandlesOfAllKinds(), before);
  }
  EXPECT_EQ(LiveHandlesOfAllKinds(), before);
}

TEST(HandlesTest, MovingKeepsOneOwnerAndReleaseHandsTheObjectOn) {
  const int64_t before = LiveHandles(HandleKind::kRegion);
  UniqueRegion first(CreateRectRgn(0, 0, 2, 2));
  const HRGN raw = first.Get();
  UniqueRegion second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.Get(), raw);
  UniqueRegion third;
  third = std::move(second);
  EXPECT_EQ(LiveHandles(HandleKind::kRegion), before + 1);
  EXPECT_TRUE(IsGdiObject(raw));

  const HRGN handed_on = third.Release();
  EXPECT_EQ(handed_on, raw);
  EXPECT_FALSE(third);
  EXPECT_EQ(LiveHandles(HandleKind::kRegion), before);
  EXPECT_TRUE(IsGdiObject(handed_on));  // the new owner frees it
  UniqueRegion new_owner(handed_on);
}

TEST(HandlesTest, ResetClosesTheOldHandleAndCountsTheNewOne) {
  const int64_t before = LiveHandles(HandleKind::kBrush);
  UniqueBrush brush(CreateSolidBrush(RGB(1, 1, 1)));
  const HBRUSH old = brush.Get();
  brush.Reset(CreateSolidBrush(RGB(2, 2, 2)));
  EXPECT_FALSE(IsGdiObject(old));
  EXPECT_EQ(LiveHandles(HandleKind::kBrush), before + 1);
  brush.Reset();
  EXPECT_EQ(LiveHandles(HandleKind::kBrush), before);
}

TEST(HandlesTest, AnOutParameterIsTakenAndCounted) {
  const int64_t before = LiveHandles(HandleKind::kRegistryKey);
  UniqueRegKey key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Receive()),
            ERROR_SUCCESS);
  EXPECT_TRUE(key);
  EXPECT_EQ(LiveHandles(HandleKind::kRegistryKey), before + 1);
  // A failed open through the same owner closes the first key and leaves it empty.
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\No Such Key Of Ours", 0, KEY_READ,
                          key.Receive()),
            ERROR_SUCCESS);
  EXPECT_FALSE(key);
  EXPECT_EQ(LiveHandles(HandleKind::kRegistryKey), before);
}

TEST(HandlesTest, WindowDeviceContextsGoBackToTheirWindow) {
  UniqueWindow window(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  const int64_t before = LiveHandles(HandleKind::kWindowDC);
  {
    UniqueWindowDC whole = TakeWindowDC(window.Get());
    ScopedGetDC client(window.Get());
    ASSERT_TRUE(whole);
    ASSERT_TRUE(client);
    EXPECT_EQ(WindowFromDC(whole.Get()), window.Get());
    EXPECT_EQ(LiveHandles(HandleKind::kWindowDC), before + 2);
    UniqueWindowDC moved = std::move(whole);
    EXPECT_EQ(LiveHandles(HandleKind::kWindowDC), before + 2);
  }
  EXPECT_EQ(LiveHandles(HandleKind::kWindowDC), before);
}

TEST(HandlesTest, LocalMemoryFromThePlatformIsFreed) {
  const int64_t before = LiveHandles(HandleKind::kLocalMemory);
  int count = 0;
  {
    UniqueLocalMemory<LPWSTR> arguments(CommandLineToArgvW(L"one \"two three\"", &count));
    ASSERT_TRUE(arguments);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(std::wstring(arguments.Get()[1]), L"two three");
    EXPECT_EQ(LiveHandles(HandleKind::kLocalMemory), before + 1);
  }
  EXPECT_EQ(LiveHandles(HandleKind::kLocalMemory), before);
}

}  // namespace
}  // namespace kova
