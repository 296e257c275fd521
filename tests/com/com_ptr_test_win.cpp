#include "com/com_ptr.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app_context/app_context.h"
#include "message_box_answerer_win.h"

namespace kova {
namespace {

using testing::MessageBoxAnswerer;

const std::wstring kAnswerHint =
    L"\nPress [Y]es to terminate,[N]o to continue and [C]ancel to Debug";

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
  return text.rfind(prefix, 0) == 0;
}

bool EndsWith(const std::wstring& text, const std::wstring& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A live firewall object of the application context (one reference, ours).
IUnknownPtr NewFirewallObject() {
  void* raw = nullptr;
  EXPECT_EQ(host::GetApplicationContext({}, nullptr, &raw), S_OK);
  IVMKApplicationContextPtr context;
  context.Attach(static_cast<IVMKApplicationContext*>(raw));
  BSTR prog_id = SysAllocString(kFirewallProgId);
  IDispatch* firewall = nullptr;
  EXPECT_EQ(context->CreateObject(prog_id, &firewall), S_OK);
  SysFreeString(prog_id);
  IUnknownPtr result;
  result.Attach(firewall);
  return result;
}

class ComPtrTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(host::LiveAppContextObjects(), 0); }
};

TEST_F(ComPtrTest, BindingAsksForTheInterfaceAndReleasesItAtTheEnd) {
  MessageBoxAnswerer answerer(IDNO);
  {
    IUnknownPtr object = NewFirewallObject();
    IVKGUIFirewallPtr firewall(object.Get());
    ASSERT_TRUE(firewall);
    IDispatchPtr copy_of_dispatch(firewall.Get());
    IDispatchPtr second = copy_of_dispatch;
    IDispatchPtr moved = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_EQ(moved.Get(), copy_of_dispatch.Get());
    EXPECT_EQ(firewall->KeepInactive(0), S_OK);
    EXPECT_EQ(host::LiveAppContextObjects(), 1);
  }
  EXPECT_TRUE(answerer.boxes().empty());
}

struct MisuseCase {
  const char* name;
  const wchar_t* condition;
  std::function<void(IUnknown* object)> misuse;
};

TEST_F(ComPtrTest, MisuseShowsTheAssertionBoxAndNoGoesOn) {
  const MisuseCase cases[] = {
      {"empty wrapper used", L"interface_ != nullptr",
       [](IUnknown*) {
         IDispatchPtr empty;
         EXPECT_EQ(empty.operator->(), nullptr);
       }},
      {"bound twice", L"interface_ == nullptr",
       [](IUnknown* object) {
         IDispatchPtr bound(object);
         EXPECT_EQ(bound.Bind(object), S_OK);
         EXPECT_TRUE(bound);
       }},
      {"no interface ID", L"Iid != nullptr",
       [](IUnknown* object) {
         TComInterface<IUnknown, nullptr> without_iid;
         EXPECT_EQ(without_iid.Bind(object), E_INVALIDARG);
         EXPECT_FALSE(without_iid);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IUnknownPtr object = NewFirewallObject();
    MessageBoxAnswerer answerer(IDNO);
    c.misuse(object.Get());
    ASSERT_EQ(answerer.boxes().size(), 1u);
    const auto& box = answerer.boxes()[0];
    EXPECT_EQ(box.title, L"_ASSERTE: ");
    EXPECT_TRUE(box.has_yes_no_cancel);
    EXPECT_TRUE(StartsWith(box.text, std::wstring(c.condition) + L" @ ")) << box.text.c_str();
    EXPECT_NE(box.text.find(L"com_ptr.h/"), std::wstring::npos) << box.text.c_str();
    EXPECT_TRUE(EndsWith(box.text, kAnswerHint)) << box.text.c_str();
  }
}

TEST_F(ComPtrTest, YesToAnAssertionRaisesTheFailedCondition) {
  MessageBoxAnswerer answerer(IDYES);
  IDispatchPtr empty;
  try {
    empty->AddRef();
    FAIL() << "no exception";
  } catch (const ComError& error) {
    EXPECT_EQ(error.result(), E_FAIL);
    EXPECT_TRUE(StartsWith(AsWin(error.text()), L"interface_ != nullptr failed - "));
    EXPECT_NE(error.text().find(u"com_ptr.h/"), WideString::npos);
  }
  EXPECT_EQ(answerer.boxes().size(), 1u);
}

TEST(CheckResultTest, ASuccessIsReturnedWithoutABox) {
  MessageBoxAnswerer answerer(IDYES);
  EXPECT_EQ(CheckResult(S_FALSE, "call()", "file.cpp", 7), S_FALSE);
  EXPECT_TRUE(answerer.boxes().empty());
}

TEST(CheckResultTest, AFailureIsShownAndNoReturnsIt) {
  MessageBoxAnswerer answerer(IDNO);
  EXPECT_EQ(CheckResult(E_NOINTERFACE, "object->QueryInterface(iid, &out)", "file.cpp", 12),
            E_NOINTERFACE);
  ASSERT_EQ(answerer.boxes().size(), 1u);
  const auto& box = answerer.boxes()[0];
  EXPECT_EQ(box.title, L"HRCHECK: ");
  EXPECT_TRUE(box.has_yes_no_cancel);
  EXPECT_EQ(box.text, std::wstring(AsWin(WithAnswerHint(ResultText(
                          E_NOINTERFACE, "object->QueryInterface(iid, &out)", "file.cpp", 12)))));
  // With the system's words for the result, or its number where the system has none.
  EXPECT_NE(box.text.find(L"object->QueryInterface(iid, &out)"), std::wstring::npos);
  EXPECT_NE(box.text.find(L" @ file.cpp/12\n"), std::wstring::npos) << box.text.c_str();
}

TEST(CheckResultTest, TheTextNamesTheCallTheResultAndThePlace) {
  // A result the system has words for: they stand on the same line as the place.
  const std::wstring known = AsWin(ResultText(E_FAIL, "Call()", "f.cpp", 3));
  EXPECT_TRUE(StartsWith(known, L"'Call()': ")) << known.c_str();
  EXPECT_TRUE(EndsWith(known, L" @ f.cpp/3")) << known.c_str();
  EXPECT_GT(known.size(), std::wstring(L"'Call()':  @ f.cpp/3").size());
  EXPECT_EQ(known.find_first_of(L"\r\n"), std::wstring::npos) << known.c_str();

  // A facility code no system message table covers: the number, hex and decimal.
  constexpr HRESULT kUnknown = static_cast<HRESULT>(0xA7FF1234);
  EXPECT_EQ(ResultText(kUnknown, "Call()", "f.cpp", 3),
            u"(Call()) Error: A7FF1234 (-1476455884) @ f.cpp/3");
}

TEST(CheckResultTest, YesRaisesTheResult) {
  MessageBoxAnswerer answerer(IDYES);
  try {
    CheckResult(E_NOINTERFACE, "call()", "file.cpp", 5);
    FAIL() << "no exception";
  } catch (const ComError& error) {
    EXPECT_EQ(error.result(), E_NOINTERFACE);
    EXPECT_EQ(error.text(), ResultText(E_NOINTERFACE, "call()", "file.cpp", 5));
  }
}

}  // namespace
}  // namespace kova
