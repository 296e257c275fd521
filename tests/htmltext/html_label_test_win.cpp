// The HTML label on the form framework: text assignment, sizing, anchors and hover.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "forms/classes/typinfo.h"
#include "forms/controls/forms.h"
#include "forms/controls/messages.h"
#include "forms/controls/stdctrls.h"
#include "forms/graphics/dib_bitmap.h"
#include "base/win/handles_win.h"
#include "htmltext/html_label_win.h"
#include "screenshot_win.h"

namespace kova {
namespace {

class HTMLabelTest : public ::testing::Test {
 protected:
  HTMLabelTest() {
    form_->SetBounds(0, 0, 400, 300);
    label_->SetParent(form_.get());
    label_->SetBounds(0, 0, 300, 100);
    label_->open_target = [this](const WideString& target) { opened_.push_back(target); };
    label_->SetOnAnchorClick(
        [this](TObject*, const WideString& anchor) { clicked_.push_back(anchor); });
  }

  void Assign(std::vector<WideString> lines) {
    TStringList list;
    for (const auto& line : lines)
      list.Add(line);
    label_->SetHTMLText(&list);
  }
  // A press on the first character of the text.
  void PressOnFirstCharacter() { label_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5)); }

  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
  THTMLabel* label_ = new THTMLabel(form_.get());
  std::vector<WideString> clicked_;
  std::vector<WideString> opened_;
};

TEST_F(HTMLabelTest, AssignedLinesBecomeOneLineAndOnlyMarkUpBreaksIt) {
  Assign({u"a", u"b"});
  EXPECT_EQ(label_->HTMLText()->Count(), 1);
  EXPECT_EQ(label_->DrawnText(), u"ab");
  const int one_line = label_->MeasureText().cy;

  Assign({u"a\r\n", u"b\r"});
  EXPECT_EQ(label_->DrawnText(), u"ab");
  EXPECT_EQ(label_->MeasureText().cy, one_line);

  Assign({u"a<BR>b"});
  EXPECT_EQ(label_->MeasureText().cy, 2 * one_line);
}

TEST_F(HTMLabelTest, AnchorClicksReachTheEventAndOnlyWebAndMailTargetsTheShell) {
  struct Case {
    const char16_t* target;
    bool opened;
  } cases[] = {
      {u"#", false},
      {u"mailto:help@orvane.example", true},
      {u"https://www.orvane.example/kova", true},
      {u"file://C:/Windows/notepad.exe", false},
      {u"kova-update://run", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.target));
    clicked_.clear();
    opened_.clear();
    Assign({u"<A href=\"" + WideString(c.target) + u"\">Pulse aquí</A> para continuar"});
    PressOnFirstCharacter();
    EXPECT_EQ(clicked_, std::vector<WideString>{c.target});
    EXPECT_EQ(opened_.size(), c.opened ? 1u : 0u);
  }
  clicked_.clear();
  Assign({u"Sin enlaces"});
  PressOnFirstCharacter();
  EXPECT_TRUE(clicked_.empty());
}

TEST_F(HTMLabelTest, HoverTakesTheHandCursorAndLeavingGivesItBack) {
  label_->hover = true;
  Assign({u"<A href=\"#\">uno</A> y <A href=\"#dos\">dos</A>"});
  label_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(label_->Cursor(), crHandPoint);
  EXPECT_EQ(label_->HoveredAnchor(), 0);
  label_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(290, 90));  // beside the text
  EXPECT_EQ(label_->Cursor(), crDefault);
  label_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  label_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(label_->HoveredAnchor(), -1);
  // Coming back beside the text gives the default cursor again.
  label_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(290, 90));
  EXPECT_EQ(label_->Cursor(), crDefault);
}

TEST_F(HTMLabelTest, AutoSizingFollowsTheTextInTheDimensionItChanges) {
  label_->SetAlign(TAlign::alTop);
  const int width = label_->Width();
  Assign({u"uno<BR>dos<BR>tres"});
  label_->SetAutoSizing(true);
  const int three_lines = label_->Height();
  EXPECT_EQ(three_lines, label_->MeasureText().cy);
  EXPECT_EQ(label_->Width(), width);

  Assign({u"uno"});
  EXPECT_LT(label_->Height(), three_lines);
  EXPECT_EQ(label_->Width(), width);
}

TEST_F(HTMLabelTest, PublishedPropertiesAreStoredByName) {
  EXPECT_EQ(GetStrProp(*label_, "Version"), u"1.8.0.2");
  ASSERT_TRUE(SetOrdProp(*label_, "URLColor", RGBColor(59, 197, 255)));
  EXPECT_EQ(label_->url_color, RGBColor(59, 197, 255));
  ASSERT_TRUE(SetEnumProp(*label_, "VAlignment", "tvaCenter"));
  EXPECT_EQ(label_->VAlignment(), TVAlignment::tvaCenter);
  EXPECT_TRUE(IsPublishedProp(*label_, "OnAnchorClick"));
  EXPECT_EQ(label_->ClassName(), "THTMLabel");
}

// Counts the pixels of one colour in what the screen shows of the form.
int CountPixels(TForm& form, TColor color) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  TDibBitmap shot(form.Width(), form.Height());
  ScopedGetDC screen(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, form.Width(), form.Height(), screen.Get(), form.Left(),
         form.Top(), SRCCOPY);
  const TBitmap pixels = shot.ToPixels();
  int count = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    const uint8_t* row = pixels.ScanLine(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      const uint8_t* p = row + x * 4;  // blue, green, red
      count += RGBColor(p[2], p[1], p[0]) == color;
    }
  }
  return count;
}

TEST(HTMLabelFormTest, DialogTextsShowWithLinkAndHoverColours) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(100, 100, 474, 200);
  form.SetColor(RGBColor(73, 72, 72));
  const TColor link = RGBColor(59, 197, 255);
  const TColor hover_background = RGBColor(255, 128, 0);
  const WideString texts[] = {
      u"\u00bfEst\u00e1s seguro de que quieres desinstalar <b>KOVA Internet Security</b> y "
      u"todos sus componentes?",
      u"\u00bfDeseas <b>activar ahora la protecci\u00f3n firewall</b> de KOVA Internet "
      u"Security?<BR>Se desactivar\u00e1 el firewall de Windows",
      u"<A href=\"#\">Activar ahora</A>"};
  std::vector<THTMLabel*> labels;
  int top = 10;
  for (const WideString& text : texts) {
    auto* label = new THTMLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, top, 450, 20);
    label->Font().SetColor(clWhite);
    label->transparent = true;
    label->url_color = link;
    label->hover = true;
    label->hover_color = hover_background;
    TStringList lines;
    lines.Add(text);
    label->SetHTMLText(&lines);
    label->SetAutoSizing(true);
    top += label->Height() + 10;
    labels.push_back(label);
  }
  EXPECT_GT(labels[1]->Height(), labels[2]->Height());  // the break makes two lines
  form.Show();
  EXPECT_GT(CountPixels(form, link), 0);
  EXPECT_EQ(CountPixels(form, hover_background), 0);

  labels[2]->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  EXPECT_GT(CountPixels(form, hover_background), 0);
  EXPECT_TRUE(testing::SaveFormScreenshot(
      form, std::filesystem::current_path() / "screenshots" / "html_labels.png"));
  form.Hide();
}

// Moves the real mouse to a point of the screen and lets the window system deliver what
// follows (moves, leaves) until `done` holds or the messages run dry for a while.
template <class Done>
bool MoveMouseTo(POINT screen, Done done) {
  SetCursorPos(screen.x, screen.y);
  for (int idle = 0; idle < 200 && !done(); ++idle) {
    Application().ProcessMessages();
    Sleep(5);
  }
  return done();
}

TEST(HTMLabelMouseTest, RealMovesFireEnterExitAndLeaveAndPlaceTheAnchorHint) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(120, 120, 300, 80);
  auto* label = new THTMLabel(&form);
  label->SetParent(&form);
  label->SetBounds(10, 10, 280, 40);
  label->SetShowHint(true);
  TStringList lines;
  lines.Add(u"<A href=\"#uno\">uno</A>");
  label->SetHTMLText(&lines);
  std::vector<std::string> events;
  label->SetOnAnchorEnter(
      [&](TObject*, const WideString& target) { events.push_back("enter " + WideToUtf8(target)); });
  label->SetOnAnchorExit(
      [&](TObject*, const WideString& target) { events.push_back("exit " + WideToUtf8(target)); });
  label->SetOnMouseLeave([&](TObject*) { events.push_back("leave"); });
  form.Show();
  SetForegroundWindow(form.WindowHandle());
  Application().ProcessMessages();

  POINT on_anchor{10 + 3, 10 + 5};
  ClientToScreen(form.WindowHandle(), &on_anchor);
  ASSERT_TRUE(MoveMouseTo(on_anchor, [&] { return !events.empty(); }));
  EXPECT_EQ(events, (std::vector<std::string>{"enter #uno"}));
  ASSERT_TRUE(label->AnchorHintPoint().has_value());
  EXPECT_EQ(label->AnchorHintPoint()->x, on_anchor.x + 10);
  EXPECT_EQ(label->AnchorHintPoint()->y, on_anchor.y - 10);
  EXPECT_EQ(label->Hint(), u"#uno");

  POINT beside{10 + 250, 10 + 30};
  ClientToScreen(form.WindowHandle(), &beside);
  ASSERT_TRUE(MoveMouseTo(beside, [&] { return events.size() >= 2; }));
  EXPECT_EQ(events[1], "exit #uno");
  EXPECT_FALSE(label->AnchorHintPoint().has_value());

  // Back on the anchor, then off the form: the pending hint goes and the label hears
  // that the mouse left.
  ASSERT_TRUE(MoveMouseTo(on_anchor, [&] { return events.size() >= 3; }));
  EXPECT_TRUE(label->AnchorHintPoint().has_value());
  ASSERT_TRUE(MoveMouseTo(POINT{5, 5}, [&] { return events.back() == "leave"; }));
  EXPECT_FALSE(label->AnchorHintPoint().has_value());
  EXPECT_EQ(label->HoveredAnchor(), -1);
  form.Hide();
}

// Alt and the marked character, typed for real, focus the label's control; without Alt,
// or with the label's control unset, the character goes nowhere.
TEST(HTMLabelKeyboardTest, AcceleratorFocusesTheFocusControl) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 120);
  auto* first = new TButton(&form);
  first->SetParent(&form);
  first->SetBounds(10, 10, 80, 25);
  auto* radio = new TRadioButton(&form);
  radio->SetParent(&form);
  radio->SetBounds(10, 50, 20, 20);
  auto* label = new THTMLabel(&form);
  label->SetParent(&form);
  label->SetBounds(40, 50, 200, 20);
  TStringList lines;
  lines.Add(u"<b>&Si</b>, quiero");
  label->SetHTMLText(&lines);
  ASSERT_TRUE(SetObjectProp(*label, "FocusControl", radio));
  EXPECT_EQ(label->FocusControl(), radio);
  form.Show();
  SetForegroundWindow(form.Handle());

  auto type = [&](bool alt, WORD key) {
    first->SetFocus();
    Application().ProcessMessages();
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = vk;
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(in);
    };
    if (alt)
      add(VK_MENU, false);
    add(key, false);
    add(key, true);
    if (alt)
      add(VK_MENU, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (int i = 0; i < 20; ++i) {
      Application().ProcessMessages();
      Sleep(10);
    }
    return GetFocus();
  };
  label->SetHTMLText(&lines);
  EXPECT_EQ(type(false, 'S'), first->Handle());
  EXPECT_EQ(type(true, 'S'), radio->Handle());
  label->SetFocusControl(nullptr);
  EXPECT_EQ(type(true, 'S'), first->Handle());
  form.Hide();
}

}  // namespace
}  // namespace kova
