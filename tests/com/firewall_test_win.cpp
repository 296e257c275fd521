#include "com/firewall.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "app_context/app_context.h"
#include "com/com_ptr.h"
#include "message_box_answerer_win.h"

namespace kova {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::MessageBoxAnswerer;

// The host's context object as kova-host.exe builds it: the application context comes
// from the product's module.
class HostContextWithApplication final : public IHostContext {
 public:
  explicit HostContextWithApplication(host::AppContextOptions options) : options_(options) {}

  HostResult KOVA_HOSTCALL QueryInterface(const HostGuid&, void** object) override {
    *object = nullptr;
    return static_cast<HostResult>(E_NOINTERFACE);
  }
  HostULong KOVA_HOSTCALL AddRef() override { return 2; }
  HostULong KOVA_HOSTCALL Release() override { return 1; }
  HostResult KOVA_HOSTCALL GetConnection(ISendToIPCEx** connection) override {
    *connection = nullptr;
    return static_cast<HostResult>(E_FAIL);
  }
  HostResult KOVA_HOSTCALL GetApplicationContext(void** application_context,
                                                 std::int32_t reserved) override {
    reserved_arguments_.push_back(reserved);
    return host::GetApplicationContext(
        options_, [this](const std::string& line) { log_.push_back(line); }, application_context);
  }

  const std::vector<std::string>& log() const { return log_; }
  const std::vector<std::int32_t>& reserved_arguments() const { return reserved_arguments_; }

 private:
  host::AppContextOptions options_;
  std::vector<std::string> log_;
  std::vector<std::int32_t> reserved_arguments_;
};

class SetFirewallStateTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(host::LiveAppContextObjects(), 0); }
};

TEST_F(SetFirewallStateTest, CallsActivateOrKeepInactiveWithZero) {
  struct Case {
    bool activate;
    const char* call;
  };
  for (const Case& c : {Case{true, "firewall: Activate(0) -> 0x00000000"},
                        Case{false, "firewall: KeepInactive(0) -> 0x00000000"}}) {
    SCOPED_TRACE(c.call);
    MessageBoxAnswerer answerer(IDNO);
    HostContextWithApplication context({});
    EXPECT_TRUE(SetFirewallState(&context, c.activate));
    EXPECT_THAT(context.reserved_arguments(), ElementsAre(0));
    EXPECT_THAT(context.log(),
                ElementsAre("application context: handed out -> 0x00000000",
                            "application context: CreateObject(\"VESKGUIUtils.Firewall\") -> "
                            "0x00000000",
                            c.call, "firewall: released", "application context: released"));
    EXPECT_TRUE(answerer.boxes().empty());
  }
}

TEST_F(SetFirewallStateTest, ARefusedApplicationContextCreatesNothing) {
  HostContextWithApplication context({.refuse_context = true});
  EXPECT_FALSE(SetFirewallState(&context, true));
  EXPECT_THAT(context.log(), ElementsAre("application context: refused -> 0x80004005"));
}

TEST_F(SetFirewallStateTest, AFailedCreateObjectCallsNoFirewallMethod) {
  HostContextWithApplication context({.fail_create_object = true});
  EXPECT_FALSE(SetFirewallState(&context, true));
  EXPECT_THAT(context.log(),
              ElementsAre("application context: handed out -> 0x00000000",
                          "application context: CreateObject(\"VESKGUIUtils.Firewall\") -> "
                          "0x80004005",
                          "application context: released"));
}

TEST_F(SetFirewallStateTest, AFirewallWithoutItsInterfaceIsReportedAndNotCalled) {
  MessageBoxAnswerer answerer(IDNO);
  HostContextWithApplication context({.fail_firewall_query = true});
  EXPECT_FALSE(SetFirewallState(&context, true));

  ASSERT_EQ(answerer.boxes().size(), 1u);
  EXPECT_EQ(answerer.boxes()[0].title, L"HRCHECK: ");
  const std::string text = WideToUtf8(FromWin(answerer.boxes()[0].text.c_str()));
  EXPECT_THAT(text, HasSubstr("source->QueryInterface(*Iid, &raw)"));
  EXPECT_THAT(text, HasSubstr("com_ptr.h/"));
  EXPECT_THAT(context.log(),
              ElementsAre("application context: handed out -> 0x00000000",
                          "application context: CreateObject(\"VESKGUIUtils.Firewall\") -> "
                          "0x00000000",
                          "firewall: QueryInterface(IVKGUIFirewall) -> 0x80004002",
                          "firewall: released", "application context: released"));
}

TEST_F(SetFirewallStateTest, AFailingFirewallMethodAnswersFalse) {
  HostContextWithApplication context({.fail_firewall_method = true});
  EXPECT_FALSE(SetFirewallState(&context, false));
  EXPECT_THAT(context.log(), ::testing::Contains("firewall: KeepInactive(0) -> 0x80004005"));
}

TEST_F(SetFirewallStateTest, NoHostContextAnswersFalse) {
  EXPECT_FALSE(SetFirewallState(nullptr, true));
}

// The product's components are called by vtable slot: CreateObject is slot 9 of the
// application context, Activate and KeepInactive slots 10 and 11 of the firewall.
TEST_F(SetFirewallStateTest, TheMethodsSitAtTheirVtableSlots) {
  std::vector<std::string> log;
  void* context = nullptr;
  ASSERT_EQ(host::GetApplicationContext(
                {}, [&](const std::string& line) { log.push_back(line); }, &context),
            S_OK);
  using CreateObjectSlot = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR, IDispatch**);
  using FirewallSlot = HRESULT(STDMETHODCALLTYPE*)(void*, LONG);
  const auto slots = [](void* object) { return *static_cast<void***>(object); };

  BSTR prog_id = SysAllocString(kFirewallProgId);
  IDispatch* firewall = nullptr;
  EXPECT_EQ(reinterpret_cast<CreateObjectSlot>(slots(context)[9])(context, prog_id, &firewall),
            S_OK);
  SysFreeString(prog_id);
  ASSERT_NE(firewall, nullptr);
  EXPECT_EQ(reinterpret_cast<FirewallSlot>(slots(firewall)[10])(firewall, 0), S_OK);
  EXPECT_EQ(reinterpret_cast<FirewallSlot>(slots(firewall)[11])(firewall, 0), S_OK);
  firewall->Release();
  static_cast<IUnknown*>(context)->Release();

  EXPECT_THAT(log, ElementsAre("application context: handed out -> 0x00000000",
                               "application context: CreateObject(\"VESKGUIUtils.Firewall\") -> "
                               "0x00000000",
                               "firewall: Activate(0) -> 0x00000000",
                               "firewall: KeepInactive(0) -> 0x00000000", "firewall: released",
                               "application context: released"));
}

// Script hosts reach the same methods through IDispatch.
TEST_F(SetFirewallStateTest, TheFirewallAnswersLateBoundCalls) {
  std::vector<std::string> log;
  void* raw = nullptr;
  ASSERT_EQ(host::GetApplicationContext(
                {}, [&](const std::string& line) { log.push_back(line); }, &raw),
            S_OK);
  IVMKApplicationContextPtr context;
  context.Attach(static_cast<IVMKApplicationContext*>(raw));
  BSTR prog_id = SysAllocString(kFirewallProgId);
  IDispatchPtr firewall;
  EXPECT_EQ(context->CreateObject(prog_id, firewall.Receive()), S_OK);
  SysFreeString(prog_id);
  ASSERT_TRUE(firewall);

  for (const wchar_t* name : {L"Activate", L"KeepInactive"}) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    ASSERT_EQ(firewall->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I2;
    argument.iVal = 0;
    DISPPARAMS parameters = {&argument, nullptr, 1, 0};
    EXPECT_EQ(firewall->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                               nullptr, nullptr, nullptr),
              S_OK);
  }
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Uninstall")};
  DISPID id = 0;
  EXPECT_EQ(firewall->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_THAT(log, ::testing::IsSupersetOf({"firewall: Activate(0) -> 0x00000000",
                                            "firewall: KeepInactive(0) -> 0x00000000"}));
}

TEST_F(SetFirewallStateTest, UnknownProgIdsAreNotCreated) {
  void* raw = nullptr;
  ASSERT_EQ(host::GetApplicationContext({}, nullptr, &raw), S_OK);
  IVMKApplicationContextPtr context;
  context.Attach(static_cast<IVMKApplicationContext*>(raw));
  BSTR prog_id = SysAllocString(L"VESKGUIUtils.Other");
  IDispatch* object = reinterpret_cast<IDispatch*>(1);
  EXPECT_TRUE(FAILED(context->CreateObject(prog_id, &object)));
  EXPECT_EQ(object, nullptr);
  SysFreeString(prog_id);
}

}  // namespace
}  // namespace kova
