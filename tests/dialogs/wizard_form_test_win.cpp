// The wizard's form as the library builds it in-process: what its form description
// wires together that no window message shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "dialog_user_win.h"
#include "dialogs/uninstall_form_win.h"
#include "frame/form_manager_win.h"
#include "frame/modal_dialog.h"
#include "host_context.h"
#include "htmltext/html_label_win.h"
#include "../frame/test_installation_win.h"

namespace kova::testing {
namespace {

constexpr wchar_t kWizardTitle[] = L"Uninstall KOVA Internet Security";

// The program lives in the sample installation, beside the library's files.
std::filesystem::path InstallationDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

TEST(WizardFormTest, TheChoiceTextsAcceleratorFocusesItsRadioButton) {
  ScopedSetupKey key;
  key.SetValue(L"Path", InstallationDirectory().wstring() + L"\\");
  key.SetValue(L"Language", L"English");
  host::HostContext context(nullptr, host::ContextMode::kNormal, {}, nullptr);
  CMsg manager(&context);
  const THTMLabel* label = nullptr;
  const TControl* radio = nullptr;
  UserScript script({WhenShown(kWizardTitle, [&](HWND wizard) {
    auto* form = dynamic_cast<TForm*>(FindControl(wizard));
    ASSERT_NE(form, nullptr);
    label = dynamic_cast<const THTMLabel*>(form->FindComponent(u"HTMLabelUninstall"));
    radio = dynamic_cast<const TControl*>(form->FindComponent(u"RBtnUninstall"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->FocusControl(), radio);
    PressNamedButton(wizard, L"Cancel");
  })});
  std::unique_ptr<IModalDialog> wizard = CreateUninstallDialog(manager);
  wizard->ShowModal();
  EXPECT_TRUE(script.Finished());
  EXPECT_NE(radio, nullptr);
}

}  // namespace
}  // namespace kova::testing
