// A framework form with a skinned frame: its message method meets the skin's probes,
// caption changes, skin changes and dialog characters; its colour and main menu follow
// the skin while skinned and come back when the skin goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/controls/forms.h"
#include "forms/controls/menus.h"
#include "forms/controls/messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/system_colors.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

constexpr TColor kTop = 0xA03010;
constexpr TColor kSide = 0x20C020;
constexpr TColor kBottom = 0x3040F0;
constexpr TColor kFormColorBefore = 0x123456;
constexpr int kBorder = 4;
constexpr int kCaption = 22;

// Plain one-colour borders, no caption buttons, and a form colour of its own.
testing::SkinSource MethodSkin() {
  return {
      "[Personality]\n"
      "Top=top.bmp\nTopFrame=1\nLeft=left.bmp\nLeftFrame=1\n"
      "Right=right.bmp\nRightFrame=1\nBottom=bottom.bmp\nBottomFrame=1\n"
      "TextShift=8\nTextAlignment=0\n"
      "[Colours]\nButtonFace=10,200,30\n",
      {{"top.bmp", testing::Solid(40, kCaption, kTop)},
       {"left.bmp", testing::Solid(kBorder, 20, kSide)},
       {"right.bmp", testing::Solid(kBorder, 20, kSide)},
       {"bottom.bmp", testing::Solid(20, kBorder, kBottom)}}};
}

struct Seen {
  UINT msg;
  WPARAM wparam;
  LPARAM lparam;
};

class FormMethodTest : public testing::SkinApplyTest {
 protected:
  TSkinData* SkinData() {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(TSkinFormType::sfMainform);
    testing::Load(*data, MethodSkin());
    data->Loaded();
    datas_.push_back(std::move(data));
    return datas_.back().get();
  }

  // A sizable form whose message method records what reaches it, before the skin
  // replaces the method.
  TForm* RecordingForm() {
    TForm* form = MakeForm();
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetBounds(40, 40, 320, 200);
    form->SetColor(kFormColorBefore);
    TWndMethod old = form->WindowProc;
    form->WindowProc = [this, old, form](TMessage& message) {
      seen_.push_back({message.Msg, message.WParam, message.LParam});
      if (old) {
        old(message);
      } else {
        form->WndProc(message);
      }
    };
    return form;
  }

  void Skin(TForm* form) {
    form->SetVisible(true);
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump(30);
    Manager().AddForm(form->Handle());
    Pump(80);
    ASSERT_NE(Manager().FindSkinForm(form->Handle()), nullptr);
  }

  bool Reached(UINT msg) const {
    for (const Seen& s : seen_) {
      if (s.msg == msg) {
        return true;
      }
    }
    return false;
  }

  std::vector<Seen> seen_;
};

TEST_F(FormMethodTest, SkinMessagesAreAnsweredAndOthersReachTheFormsMethod) {
  SkinData();
  TForm* form = RecordingForm();
  Skin(form);
  HWND wnd = form->Handle();
  const struct {
    UINT msg;
    WPARAM wparam;
    LPARAM lparam;
    bool answered;  // by the skin, with `result`, without reaching the form's method
    LRESULT result;
  } cases[] = {
      {kMsgProbeSkinned, 0, kSkinMarker, true, kSkinMarker},
      {kMsgProbeSkinned, 0, 7, true, 1},
      {kMsgPaintFrameInto, 0, kSkinMarker, true, kSkinMarker},
      {kMsgPaintFrameInto, 0, 7, false, 0},
      // The menu bar's accelerators use none of it, so the form's own labels still can.
      {CM_DIALOGCHAR, 'K', 0, false, 0},
      {WM_USER + 7, 1, 2, false, 0},
  };
  for (const auto& c : cases) {
    seen_.clear();
    const LRESULT result = SendMessageW(wnd, c.msg, c.wparam, c.lparam);
    EXPECT_EQ(Reached(c.msg), !c.answered) << std::hex << c.msg << " " << c.lparam;
    if (c.answered) {
      EXPECT_EQ(result, c.result) << std::hex << c.msg << " " << c.lparam;
    }
  }
}

TEST_F(FormMethodTest, PaintProbePaintsTheFrameIntoTheGivenDeviceContext) {
  SkinData();
  TForm* form = RecordingForm();
  form->SetCaption(u"");
  Skin(form);
  HWND wnd = form->Handle();
  RECT r{};
  GetWindowRect(wnd, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_NE(bitmap.Get(), nullptr);
  const ScopedSelectObject select(dc.Get(), bitmap.Get());
  PatBlt(dc.Get(), 0, 0, w, h, BLACKNESS);

  EXPECT_EQ(SendMessageW(wnd, kMsgPaintFrameInto, reinterpret_cast<WPARAM>(dc.Get()), kSkinMarker),
            kSkinMarker);
  auto pixel = [&](int x, int y) { return static_cast<TColor>(GetPixel(dc.Get(), x, y)); };
  EXPECT_EQ(pixel(1, h / 2), kSide);
  EXPECT_EQ(pixel(w - 2, h / 2), kSide);
  EXPECT_EQ(pixel(w / 2, h - 2), kBottom);
  EXPECT_EQ(pixel(w / 2, kCaption / 2), kTop);
  EXPECT_EQ(pixel(w / 2, h / 2), 0u);  // the client area is not the frame's
}

TEST_F(FormMethodTest, NewCaptionIsDrawnInTheSkinnedTitleStrip) {
  SkinData();
  TForm* form = RecordingForm();
  form->SetCaption(u"A");
  Skin(form);
  HWND wnd = form->Handle();
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
  TWinSkinForm* entry = Manager().FindSkinForm(wnd);
  const RECT before = entry->CaptionRect();
  form->SetCaption(u"A caption much wider than one letter");
  Pump(50);
  const RECT after = entry->CaptionRect();
  EXPECT_GT(after.right - after.left, (before.right - before.left) + 100);
  // The system's own caption painted for the new text is covered by the skin's strip.
  RECT r{};
  GetWindowRect(wnd, &r);
  const UniqueWindowDC dc = TakeWindowDC(wnd);
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc.Get(), (r.right - r.left) - 8, 3)), kTop);
}

TEST_F(FormMethodTest, FormTakesTheSkinsColourAndGetsItsOwnBackWhenUnskinned) {
  TSkinData* data = SkinData();
  std::vector<HWND> told;
  WideString told_class;
  data->OnBeforeSkinForm = [&](TObject*, TObject* form, SkinWindow wnd, const WideString& cls) {
    EXPECT_NE(form, nullptr);
    told.push_back(static_cast<HWND>(wnd));
    told_class = cls;
  };
  TForm* form = RecordingForm();
  Skin(form);
  HWND wnd = form->Handle();
  EXPECT_EQ(told, std::vector<HWND>{wnd});
  wchar_t class_name[100] = {};
  GetClassNameW(wnd, class_name, 100);
  EXPECT_EQ(told_class, WideString(class_name, class_name + wcslen(class_name)));
  const TColor skin_color = ResolveColor(data->Color(TShemeColor::csButtonFace));
  ASSERT_NE(skin_color, kFormColorBefore);
  EXPECT_EQ(form->Color(), skin_color);

  Manager().FindSkinForm(wnd)->UnSubclass();
  EXPECT_EQ(form->Color(), kFormColorBefore);
  // The form's own method is back: the probe is no longer answered by the skin.
  seen_.clear();
  EXPECT_NE(SendMessageW(wnd, kMsgProbeSkinned, 0, kSkinMarker), kSkinMarker);
  EXPECT_TRUE(Reached(kMsgProbeSkinned));
}

TEST_F(FormMethodTest, ChangedSkinRecoloursAndLaysTheFormOutAgainAtItsSize) {
  TSkinData* data = SkinData();
  TForm* form = RecordingForm();
  Skin(form);
  HWND wnd = form->Handle();
  form->SetColor(kFormColorBefore);
  RECT client_before{};
  GetClientRect(wnd, &client_before);
  RECT window_before{};
  GetWindowRect(wnd, &window_before);
  seen_.clear();

  SendMessageW(wnd, kMsgApplySkinChange, 0, 0);
  EXPECT_FALSE(Reached(kMsgApplySkinChange));
  EXPECT_EQ(form->Color(), ResolveColor(data->Color(TShemeColor::csButtonFace)));
  // The form saw its client one pixel taller, then its own height again.
  std::vector<int> heights;
  for (const Seen& s : seen_) {
    if (s.msg == WM_SIZE) {
      heights.push_back(HIWORD(s.lparam));
    }
  }
  const int h = client_before.bottom;
  const std::vector<int> expected{h + 1, h};
  ASSERT_GE(heights.size(), 2u);
  EXPECT_EQ(std::vector<int>(heights.end() - 2, heights.end()), expected);
  RECT window_after{};
  GetWindowRect(wnd, &window_after);
  EXPECT_EQ(window_after.bottom - window_after.top, window_before.bottom - window_before.top);
  EXPECT_EQ(Manager().FindSkinForm(wnd)->State(), SkinFormState::kReady);
}

TEST_F(FormMethodTest, MainMenuMovesIntoTheSkinnedFrameAndComesBack) {
  SkinData();
  TForm* form = RecordingForm();
  auto* menu = new TMainMenu(form);
  auto* item = new TMenuItem(menu);
  item->SetCaption(u"File");
  menu->Items()->Add(item);
  form->SetMenu(menu);
  HWND wnd = form->Handle();
  HMENU native = GetMenu(wnd);
  ASSERT_NE(native, nullptr);
  form->SetVisible(true);
  RECT window_before{};
  GetWindowRect(wnd, &window_before);
  RECT client_before{};
  GetClientRect(wnd, &client_before);
  Skin(form);

  TWinSkinForm* entry = Manager().FindSkinForm(wnd);
  EXPECT_EQ(GetMenu(wnd), nullptr);  // the skin draws the bar; the system draws none
  EXPECT_EQ(entry->NativeMenu(), native);
  EXPECT_EQ(entry->MenuHeight(), GetSystemMetrics(SM_CYMENU));
  RECT client_skinned{};
  GetClientRect(wnd, &client_skinned);
  EXPECT_EQ(client_skinned.bottom, client_before.bottom);

  // The framework puts a changed menu back on the window: it moves into the frame too.
  auto* more = new TMenuItem(menu);
  more->SetCaption(u"Edit");
  menu->Items()->Add(more);
  form->SetMenu(menu);
  Pump(30);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_NE(entry->NativeMenu(), nullptr);
  const HMENU current = entry->NativeMenu();

  entry->UnSubclass();
  EXPECT_EQ(GetMenu(wnd), current);
  RECT window_after{};
  GetWindowRect(wnd, &window_after);
  RECT client_after{};
  GetClientRect(wnd, &client_after);
  EXPECT_EQ(window_after.bottom - window_after.top, window_before.bottom - window_before.top);
  EXPECT_EQ(window_after.right - window_after.left, window_before.right - window_before.left);
  EXPECT_EQ(client_after.bottom, client_before.bottom);
}

}  // namespace
}  // namespace kova
