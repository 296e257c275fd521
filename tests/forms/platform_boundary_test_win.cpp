// Failures in window procedures and timer ticks stop where the platform called us: the
// window stays usable, the modal loop is left with the other windows enabled again, and
// the failure reaches the caller of the framework call that was waiting.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "forms/controls/forms.h"
#include "forms/controls/timer.h"
#include "forms/win/platform_boundary_win.h"

namespace kova {
namespace {

constexpr UINT kFailingMessage = WM_APP + 7;

// A form whose handler of kFailingMessage raises; every other message as usual.
class FailingForm {
 public:
  FailingForm() : form_(nullptr) {
    form_.WindowProc = [this](TMessage& message) {
      if (message.Msg == kFailingMessage) {
        ++failures_;
        throw std::runtime_error("handler failed");
      }
      form_.WndProc(message);
    };
    form_.SetCaption(u"still here");
  }
  TForm& form() { return form_; }
  int failures() const { return failures_; }

 private:
  TForm form_;
  int failures_ = 0;
};

std::wstring WindowText(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

struct FailureSource {
  const char* name;
  // Arranges for a failure once the modal loop of |dialog| runs.
  std::function<void(FailingForm& dialog)> arrange;
};

TEST(PlatformBoundaryTest, AFailureInTheModalLoopEndsItAndReachesTheCaller) {
  const FailureSource sources[] = {
      {"window procedure",
       [](FailingForm& dialog) { PostMessageW(dialog.form().Handle(), kFailingMessage, 0, 0); }},
      {"timer tick",
       [](FailingForm& dialog) {
         auto* timer = new TTimer(&dialog.form());
         timer->SetInterval(20);
         timer->SetOnTimer([timer](TObject*) {
           timer->SetEnabled(false);
           throw std::runtime_error("handler failed");
         });
       }},
  };
  for (const FailureSource& source : sources) {
    SCOPED_TRACE(source.name);
    TForm other(nullptr);
    other.Show();
    FailingForm dialog;
    source.arrange(dialog);
    try {
      dialog.form().ShowModal();
      ADD_FAILURE() << "the modal loop ended without the failure";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "handler failed");
    }
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    EXPECT_FALSE(dialog.form().Modal());
    EXPECT_FALSE(dialog.form().Visible());

    // The dialog's window is still there and works: it answers and runs another loop.
    const HWND window = dialog.form().Handle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(WindowText(window), L"still here");
    auto* closer = new TTimer(&dialog.form());
    closer->SetInterval(20);
    closer->SetOnTimer([&](TObject*) {
      closer->SetEnabled(false);
      PostMessageW(window, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(dialog.form().ShowModal(), mrCancel);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  }
}

TEST(PlatformBoundaryTest, AFailureWithNoFrameworkCallWaitingIsDroppedAtTheWindow) {
  FailingForm dialog;
  const HWND window = dialog.form().Handle();
  // Sent straight through the platform: nothing may unwind into the caller.
  EXPECT_NO_THROW(SendMessageW(window, kFailingMessage, 0, 0));
  EXPECT_EQ(dialog.failures(), 1);
  EXPECT_EQ(WindowText(window), L"still here");
  // A later pump has nothing left over to raise.
  PostMessageW(window, WM_NULL, 0, 0);
  EXPECT_NO_THROW(Application().ProcessMessages());
}

TEST(PlatformBoundaryTest, PumpingMessagesRaisesAHandlersFailure) {
  FailingForm dialog;
  PostMessageW(dialog.form().Handle(), kFailingMessage, 0, 0);
  EXPECT_THROW(Application().ProcessMessages(), std::runtime_error);
  EXPECT_EQ(dialog.failures(), 1);
}

TEST(PlatformBoundaryTest, AnInnerScopeKeepsItsOwnFailureAndOnlyTheFirst) {
  PlatformCallScope outer;
  {
    PlatformCallScope inner;
    EXPECT_FALSE(RunAtPlatformBoundary([] { throw std::runtime_error("first"); }));
    EXPECT_FALSE(RunAtPlatformBoundary([] { throw std::logic_error("second"); }));
    try {
      inner.RethrowPending();
      ADD_FAILURE() << "nothing was raised";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "first");
    }
    EXPECT_NO_THROW(inner.RethrowPending());
  }
  EXPECT_TRUE(RunAtPlatformBoundary([] {}));
  EXPECT_NO_THROW(outer.RethrowPending());
}

}  // namespace
}  // namespace kova
