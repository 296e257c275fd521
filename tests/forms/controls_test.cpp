// The window side of the framework under the real window system: properties by name,
// class names, windows carrying their controls, modal loops, layered forms, menus,
// declarative forms and the GDI/USER object balance.
#include <gtest/gtest.h>

#include "base/streams.h"
#include "forms/classes/typinfo.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/form_description.h"
#include "forms/controls/stdctrls.h"
#include "forms/controls/timer.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/graphics/gif_image.h"
#include "forms/graphics/png_image.h"
#include "image_fixtures.h"

namespace kova {
namespace {

class TNamedEdit : public TEdit {
  KOVA_DECLARE_CLASS(TNamedEdit)

 public:
  using TEdit::TEdit;
};

const ClassInfo& TNamedEdit::StaticClass() {
  static const ClassInfo info("TNamedEdit", &TEdit::StaticClass(), {});
  return info;
}

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

TEST(ControlPropertiesTest, ReadAndWriteByName) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetAutoSize(false);

  EXPECT_TRUE(SetStrProp(*label, "Caption", u"Hello"));
  EXPECT_EQ(label->Caption(), u"Hello");
  EXPECT_TRUE(SetOrdProp(*label, "Left", 12));
  EXPECT_EQ(label->Left(), 12);
  EXPECT_FALSE(SetStrProp(*label, "Left", u"7"));  // wrong kind is not written
  EXPECT_EQ(label->Left(), 12);
  EXPECT_TRUE(SetEnumProp(*label, "Align", "alTop"));
  EXPECT_EQ(label->Align(), TAlign::alTop);
  EXPECT_TRUE(SetSetProp(*label, "Anchors", "[akRight,akBottom]"));
  EXPECT_EQ(GetSetProp(*label, "Anchors"), "[akRight,akBottom]");

  TObject* font = GetObjectProp(*label, "Font", &TFont::StaticClass());
  ASSERT_EQ(font, &label->Font());
  EXPECT_TRUE(SetOrdProp(*font, "Size", 9));
  EXPECT_EQ(label->Font().Size(), 9);

  int clicks = 0;
  EXPECT_TRUE(
      SetMethodProp(*label, "OnClick", std::any(TNotifyEvent([&](TObject*) { ++clicks; }))));
  label->Click();
  EXPECT_EQ(clicks, 1);

  EXPECT_FALSE(IsPublishedProp(*label, "HTMLText"));
  EXPECT_FALSE(SetStrProp(*label, "NoSuchProperty", u"x"));
  EXPECT_EQ(GetStrProp(*label, "NoSuchProperty"), u"");
  EXPECT_FALSE(GetOrdProp(*label, "NoSuchProperty").has_value());
}

TEST(ControlPropertiesTest, TextBufferCutsAndWritesWholeText) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  const WideString long_text(1500, u'x');
  edit->SetTextBuf(long_text.c_str());
  EXPECT_EQ(edit->GetTextLen(), 1500);  // the window holds all of it
  char16_t buffer[8];
  EXPECT_EQ(edit->GetTextBuf(buffer, 8), 7);
  EXPECT_EQ(WideString(buffer), u"xxxxxxx");
}

TEST(ControlClassTest, ExactClassNamesAndAncestry) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  auto* named = new TNamedEdit(&form);
  auto* memo = new TMemo(&form);
  EXPECT_EQ(form.ClassName(), "TForm");
  EXPECT_EQ(edit->ClassName(), "TEdit");
  EXPECT_EQ(named->ClassName(), "TNamedEdit");
  EXPECT_EQ(memo->ClassName(), "TMemo");
  EXPECT_TRUE(named->InheritsFrom(TEdit::StaticClass()));
  EXPECT_TRUE(named->InheritsFrom(TControl::StaticClass()));
  EXPECT_FALSE(edit->InheritsFrom(TNamedEdit::StaticClass()));
  // Windows are of classes named after the framework class.
  named->SetParent(&form);
  wchar_t class_name[64];
  GetClassNameW(named->Handle(), class_name, 64);
  EXPECT_EQ(WideFromWin(class_name), u"TNamedEdit");
}

TEST(ControlWindowTest, WindowCarriesItsControl) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  const HWND window = panel->Handle();
  EXPECT_EQ(FindControl(window), panel);
  EXPECT_EQ(FindControl(form.Handle()), &form);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);

  char expected[64];
  std::snprintf(
      expected, sizeof expected, "ControlOfs%.8llX%.8lX",
      static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
      static_cast<unsigned long>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropertyName(), Latin1ToWide(expected));
  EXPECT_EQ(GetPropW(window, AsWin(ControlPropertyName())), static_cast<TControl*>(panel));
}

TEST(ControlWindowTest, ClickedRadioButtonSelectsItselfAndReleasesItsSibling) {
  TForm form(nullptr);
  auto* first = new TRadioButton(&form);
  auto* second = new TRadioButton(&form);
  first->SetParent(&form);
  second->SetParent(&form);
  first->SetChecked(true);
  int second_clicks = 0;
  second->OnClick = [&](TObject*) { ++second_clicks; };

  // What a mouse click on the button sends to it.
  SendMessageW(second->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(second_clicks, 1);

  // Clicking the selected button again changes nothing and reports the click once.
  SendMessageW(second->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(second->Checked());
  EXPECT_EQ(second_clicks, 2);
}

TEST(ControlWindowTest, ReplacedMessageMethodSeesNotifications) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  form.Handle();
  std::vector<UINT> seen;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    button->WndProc(m);
  };
  button->SetEnabled(false);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  button->WindowProc = nullptr;
}

TEST(ControlLayoutTest, AlignAndAnchorsFollowTheParent) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 400, 300);
  auto* top = new TPanel(&form);
  top->SetParent(&form);
  top->SetHeight(32);
  top->SetAlign(TAlign::alTop);
  auto* client = new TPanel(&form);
  client->SetParent(&form);
  client->SetAlign(TAlign::alClient);
  auto* corner = new TButton(&form);
  corner->SetParent(&form);
  corner->SetBounds(300, 270, 90, 24);
  corner->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  form.Handle();

  EXPECT_EQ(top->Width(), 400);
  EXPECT_EQ(client->Top(), 32);
  EXPECT_EQ(client->Height(), 268);
  form.SetBounds(0, 0, 500, 350);
  EXPECT_EQ(top->Width(), 500);
  EXPECT_EQ(client->Height(), 318);
  EXPECT_EQ(corner->Left(), 400);
  EXPECT_EQ(corner->Top(), 320);
}

TEST(FormTest, ModalFormClosedByTimerReturnsItsResult) {
  TForm other(nullptr);
  other.Show();
  TForm form(nullptr);
  form.SetPosition(TPosition::poScreenCenter);
  auto* timer = new TTimer(&form);
  timer->SetInterval(50);
  bool other_enabled_during = true;
  timer->SetOnTimer([&](TObject*) {
    other_enabled_during = IsWindowEnabled(other.Handle()) != FALSE;
    timer->SetEnabled(false);
    form.SetModalResult(mrOk);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(other_enabled_during);
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Modal());
}

TEST(FormTest, CloseEndsTheModalLoopWithCancel) {
  TForm form(nullptr);
  auto* timer = new TTimer(&form);
  timer->SetInterval(30);
  timer->SetOnTimer([&](TObject*) {
    timer->SetEnabled(false);
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(FormTest, ShortCutSeesAltF4BeforeTheControls) {
  TForm form(nullptr);
  bool closed_by_shortcut = false;
  form.OnShortCut = [&](MSG& msg, bool& handled) {
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
      closed_by_shortcut = true;
      handled = true;
      form.Close();
    }
  };
  auto* timer = new TTimer(&form);
  timer->SetInterval(30);
  timer->SetOnTimer([&](TObject*) {
    timer->SetEnabled(false);
    PostMessageW(form.Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_TRUE(closed_by_shortcut);
}

TEST(FormTest, LayeredFormFromTransparentToOpaque) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetAlphaBlend(true);
  form.SetAlphaBlendValue(0);
  form.Show();
  const HWND window = form.Handle();
  BYTE alpha = 1;
  DWORD flags = 0;
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
  form.SetAlphaBlendValue(255);
  ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);
  form.SetAlphaBlend(false);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(FormTest, ClientSizeAndBorderlessStyle) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBorderIcons({});
  form.SetClientWidth(474);
  form.SetClientHeight(416);
  const HWND window = form.Handle();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 474);
  EXPECT_EQ(client.bottom, 416);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
}

TEST(MenuTest, MainMenuBuildsNativeMenuAndNotifiesTheForm) {
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  auto* file = new TMenuItem(&form);
  file->SetCaption(u"File");
  auto* open = new TMenuItem(&form);
  open->SetCaption(u"Open");
  menu->Items()->Add(file);
  file->Add(open);
  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };

  std::vector<UINT> seen;
  form.Handle();
  form.WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    form.WndProc(m);
  };
  form.SetMenu(menu);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_MENUCHANGED), seen.end());
  const HMENU bar = GetMenu(form.Handle());
  ASSERT_NE(bar, nullptr);
  wchar_t text[32];
  GetMenuStringW(bar, 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(WideFromWin(text), u"File");
  GetMenuStringW(GetSubMenu(bar, 0), 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(WideFromWin(text), u"Open");

  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0);
  EXPECT_EQ(opened, 1);
  open->SetCaption(u"Open...");
  GetMenuStringW(GetSubMenu(GetMenu(form.Handle()), 0), 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(WideFromWin(text), u"Open...");
  form.WindowProc = nullptr;
}

TEST(ScreenTest, KnowsFormsAndPopupMenus) {
  const int before = Screen().FormCount();
  {
    TForm form(nullptr);
    auto* popup = new TPopupMenu(&form);
    EXPECT_EQ(Screen().FormCount(), before + 1);
    EXPECT_NE(std::find(Screen().PopupMenus().begin(), Screen().PopupMenus().end(), popup),
              Screen().PopupMenus().end());
  }
  EXPECT_EQ(Screen().FormCount(), before);
  EXPECT_TRUE(Screen().PopupMenus().empty());
}

const ComponentDescription kSampleForm{
    "TForm",
    "SampleForm",
    {{"BorderStyle", u"bsNone"},
     {"ClientWidth", u"300"},
     {"ClientHeight", u"200"},
     {"Color", u"$00484849"}},
    {
        {"TPanel",
         "pnlCaption",
         {{"Align", u"alTop"}, {"Height", u"32"}, {"Tag", u"99"}, {"BevelOuter", u"bvNone"}},
         {{"TLabel",
           "lblCaption",
           {{"Left", u"8"},
            {"Top", u"6"},
            {"Caption", u"Title"},
            {"Transparent", u"True"},
            {"Font.Name", u"Verdana"},
            {"Font.Height", u"-12"},
            {"Font.Color", u"clWhite"}}}}},
        {"TNotebook",
         "NoteBook1",
         {{"Align", u"alClient"}},
         {{"TPage", "First Page", {}, {{"TRadioButton", "RBtnOne", {{"Checked", u"True"}}}}}}},
        {"TLabel", "lblLink", {{"FocusControl", u"RBtnOne"}, {"OnClick", u"LinkClick"}}},
        {"TTimer", "Timer1", {{"Interval", u"500"}, {"Enabled", u"True"}}},
    }};

TEST(FormDescriptionTest, BuildsComponentsAndSetsProperties) {
  TForm form(nullptr);
  int link_clicks = 0;
  LoadForm(form, kSampleForm,
           {{"LinkClick", std::any(TNotifyEvent([&](TObject*) { ++link_clicks; }))}});
  EXPECT_EQ(form.Name(), u"SampleForm");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(form.ClientWidth(), 300);
  auto* caption = dynamic_cast<TPanel*>(form.FindComponent(u"pnlCaption"));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Tag(), 99);
  EXPECT_EQ(caption->Width(), 300);
  auto* title = dynamic_cast<TLabel*>(form.FindComponent(u"lblCaption"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Parent(), caption);
  EXPECT_EQ(title->Font().Name(), u"Verdana");
  EXPECT_EQ(title->Font().Color(), clWhite);
  auto* notebook = dynamic_cast<TNotebook*>(form.FindComponent(u"NoteBook1"));
  ASSERT_NE(notebook, nullptr);
  EXPECT_EQ(notebook->ActivePage(), u"First Page");
  auto* radio = dynamic_cast<TRadioButton*>(form.FindComponent(u"RBtnOne"));
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->Parent(), notebook->PageControl(0));
  EXPECT_TRUE(radio->Checked());
  auto* link = dynamic_cast<TLabel*>(form.FindComponent(u"lblLink"));
  EXPECT_EQ(link->FocusControl(), radio);
  link->Click();
  EXPECT_EQ(link_clicks, 1);
  // Owned components in the order of the description.
  EXPECT_EQ(form.GetComponent(0), caption);
  EXPECT_EQ(form.GetComponent(1), title);
}

TEST(FormDescriptionTest, RejectsUnknownClassesPropertiesAndHandlers) {
  const std::vector<ComponentDescription> bad = {
      {"TForm", "", {}, {{"TNoSuchClass", "x", {}}}},
      {"TForm", "", {}, {{"TLabel", "x", {{"NoSuchProperty", u"1"}}}}},
      {"TForm", "", {}, {{"TLabel", "x", {{"Left", u"abc"}}}}},
      {"TForm", "", {}, {{"TLabel", "x", {{"Align", u"alSideways"}}}}},
      {"TForm", "", {}, {{"TLabel", "x", {{"OnClick", u"Missing"}}}}},
      {"TForm", "", {}, {{"TLabel", "x", {{"FocusControl", u"Nobody"}}}}},
  };
  for (const ComponentDescription& d : bad) {
    TForm form(nullptr);
    EXPECT_THROW(LoadForm(form, d), EFrameworkError) << d.children[0].class_name;
  }
}

TEST(ObjectBalanceTest, RepeatedFormsLeaveNoGdiOrUserObjects) {
  const auto make_and_destroy = [] {
    TForm form(nullptr);
    LoadForm(form, kSampleForm, {{"LinkClick", std::any(TNotifyEvent())}});
    auto* menu = new TMainMenu(&form);
    auto* item = new TMenuItem(&form);
    item->SetCaption(u"Item");
    menu->Items()->Add(item);
    form.SetMenu(menu);
    // Paint the whole form off screen (showing windows is slow under emulation).
    TDibBitmap shot(form.Width(), form.Height());
    SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Canvas().Handle()),
                 PRF_CLIENT | PRF_CHILDREN);
  };
  make_and_destroy();  // first use makes the per-process objects (cached fonts)
  const int64_t gdi = LiveGdiObjects();
  const int64_t user = LiveUserObjects();
  const int64_t all = LiveHandlesOfAllKinds();
  for (int i = 0; i < 1000; ++i) {
    make_and_destroy();
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(LiveHandlesOfAllKinds(), all);  // atoms, hooks and kernel handles too
  EXPECT_EQ(LiveHandles(HandleKind::kWindow), 0);
}

TEST(GraphicsTest, PngWithAlphaBlendsOverTheBackground) {
  TMemoryStream stream(testing::MakeHalfTransparentPng(8, 8));
  TPngImage png;
  ASSERT_TRUE(png.LoadFromStream(stream));
  TDibBitmap target(8, 8);
  target.Canvas().Brush().SetColor(clBlue);
  target.Canvas().FillRect(RECT{0, 0, 8, 8});
  target.Canvas().Draw(0, 0, png);
  EXPECT_EQ(target.Canvas().Pixel(1, 4), clRed);   // opaque half
  EXPECT_EQ(target.Canvas().Pixel(6, 4), clBlue);  // transparent half shows through
}

TEST(GraphicsTest, AnimatedGifAdvancesFromTheMessageLoop) {
  TMemoryStream stream(testing::MakeAnimatedGif(4, 3, 2));
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(stream));
  int changes = 0;
  gif.OnChange = [&](TObject*) { ++changes; };
  gif.SetAnimate(true);
  PumpFor(400);
  gif.SetAnimate(false);
  EXPECT_GE(changes, 2);
  const int frozen = changes;
  PumpFor(150);
  EXPECT_EQ(changes, frozen);
}

}  // namespace
}  // namespace kova
