// Time from the host's KOVA_ShowForm(3) to the uninstall wizard's first complete paint:
// the form built from its description, translated, laid out and skinned, and every one
// of its windows painted once. The wizard paints while still transparent, so its fade-in
// 500 ms later is not part of the figure. Runs the library of a fresh installation, as
// a host process does.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "dialog_user_win.h"
#include "../../tests/frame/host_library_win.h"
#include "../../tests/frame/test_installation_win.h"

namespace kova {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kWizardTitle[] = L"Uninstall KOVA Internet Security";

// When run by hand rather than by CTest, the build tree is the one this program is in.
void DefaultBuildDirectory() {
  if (GetEnvironmentVariableW(L"KOVA_BINARY_DIR", nullptr, 0) == 0) {
    SetEnvironmentVariableA("KOVA_BINARY_DIR", KOVA_BINARY_DIR_DEFAULT);
  }
}

// Watches the thread's message queue. Painting messages are not sent but taken from
// the queue, so after each WM_PAINT of a wizard window the watch posts itself a check,
// which the queue hands out as soon as that paint returns (posted messages come before
// paints). The wizard counts as painted at the first check that finds it visible with
// none of its windows waiting for paint; then the watch presses Cancel, which ends
// KOVA_ShowForm.
class FirstPaintWatch {
 public:
  FirstPaintWatch()
      : hook_(SetWindowsHookExW(WH_GETMESSAGE, &FirstPaintWatch::OnMessage, nullptr,
                                GetCurrentThreadId())),
        started_(Clock::now()) {
    current_ = this;
  }
  ~FirstPaintWatch() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  FirstPaintWatch(const FirstPaintWatch&) = delete;
  FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

  bool Painted() const { return painted_; }
  double Seconds() const { return std::chrono::duration<double>(painted_at_ - started_).count(); }

 private:
  static constexpr UINT kCheck = WM_APP + 0x2F1;

  static LRESULT CALLBACK OnMessage(int code, WPARAM removed, LPARAM lparam) {
    auto* message = reinterpret_cast<MSG*>(lparam);
    FirstPaintWatch* watch = current_;
    if (code == HC_ACTION && removed == PM_REMOVE && watch != nullptr && !watch->painted_) {
      if (message->message == WM_PAINT && IsWizard(GetAncestor(message->hwnd, GA_ROOT))) {
        PostThreadMessageW(GetCurrentThreadId(), kCheck, 0, 0);
      } else if (message->message == kCheck && message->hwnd == nullptr) {
        message->message = WM_NULL;
        watch->Check();
      }
    }
    return CallNextHookEx(nullptr, code, removed, lparam);
  }

  static bool IsWizard(HWND root) {
    wchar_t title[128] = {};
    GetWindowTextW(root, title, 128);
    return std::wstring(title) == kWizardTitle;
  }

  static BOOL CALLBACK StillToPaint(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
      *reinterpret_cast<bool*>(found) = true;
      return FALSE;
    }
    return TRUE;
  }

  void Check() {
    HWND wizard = FindWindowW(nullptr, kWizardTitle);
    if (wizard == nullptr || !IsWindowVisible(wizard) || GetUpdateRect(wizard, nullptr, FALSE)) {
      return;
    }
    bool waiting = false;
    EnumChildWindows(wizard, &FirstPaintWatch::StillToPaint, reinterpret_cast<LPARAM>(&waiting));
    if (waiting) {
      return;
    }
    painted_at_ = Clock::now();
    painted_ = true;
    testing::PressNamedButton(wizard, L"Cancel");
  }

  static inline FirstPaintWatch* current_ = nullptr;
  HHOOK hook_;
  Clock::time_point started_;
  Clock::time_point painted_at_{};
  bool painted_ = false;
};

using testing::HostLibrary;

// Shows the wizard once from the library and answers how long it took to be painted,
// or nothing when it closed unpainted.
std::optional<double> SecondsToFirstPaint(HostLibrary& library) {
  FirstPaintWatch watch;
  library.ShowForm(3);
  if (!watch.Painted()) {
    return std::nullopt;
  }
  return watch.Seconds();
}

constexpr char kNotLoaded[] = "the library of the installation did not load and initialise";
constexpr char kNotPainted[] = "the wizard closed without being painted";

// One host process's road: load and initialise the library (not timed), then the
// wizard until it is painted; the library is let go again before the next round.
void BM_WizardFirstPaint(benchmark::State& state) {
  DefaultBuildDirectory();
  testing::ScopedSetupKey key;
  const testing::TestInstallation installation("first-paint");
  installation.Register(key);
  for (auto _ : state) {
    HostLibrary library(installation.Directory());
    if (!library.Loaded() || library.Initialize() != 1) {
      state.SkipWithError(kNotLoaded);
      break;
    }
    const std::optional<double> seconds = SecondsToFirstPaint(library);
    library.Uninitialize();
    if (!seconds) {
      state.SkipWithError(kNotPainted);
      break;
    }
    state.SetIterationTime(*seconds);
  }
}
BENCHMARK(BM_WizardFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same library showing the wizard a second time (skin and dictionary already read).
void BM_WizardFirstPaintAgain(benchmark::State& state) {
  DefaultBuildDirectory();
  testing::ScopedSetupKey key;
  const testing::TestInstallation installation("first-paint-again");
  installation.Register(key);
  HostLibrary library(installation.Directory());
  if (!library.Loaded() || library.Initialize() != 1) {
    state.SkipWithError(kNotLoaded);
    return;
  }
  if (!SecondsToFirstPaint(library)) {
    state.SkipWithError(kNotPainted);
    library.Uninitialize();
    return;
  }
  for (auto _ : state) {
    const std::optional<double> seconds = SecondsToFirstPaint(library);
    if (!seconds) {
      state.SkipWithError(kNotPainted);
      break;
    }
    state.SetIterationTime(*seconds);
  }
  library.Uninitialize();
}
BENCHMARK(BM_WizardFirstPaintAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kova
