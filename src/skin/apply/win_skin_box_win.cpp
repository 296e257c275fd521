#include "skin/apply/win_skin_box_win.h"

#include "base/win/handles_win.h"
#include "skin/data/system_colors.h"

namespace kova {

void FillFormColor(HWND wnd, HDC dc, const TSkinData& data) {
  RECT client{};
  GetClientRect(wnd, &client);
  const UniqueBrush brush(
      CreateSolidBrush(static_cast<COLORREF>(ResolveColor(data.Color(TShemeColor::csButtonFace)))));
  FillRect(dc, &client, brush.Get());
}

const ClassInfo& TSkinBox::StaticClass() {
  static const ClassInfo info("TSkinBox", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinBox::Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
                    bool) {
  TSkinControl::Init(list, control, data, canvas, true);
}

bool TSkinBox::BeforeProc(TMessage& message) {
  if (message.Msg != WM_ERASEBKGND || skin_data_ == nullptr || message.WParam == 0) {
    return TSkinControl::BeforeProc(message);
  }
  FillFormColor(handle_, reinterpret_cast<HDC>(message.WParam), *skin_data_);
  message.Result = 1;
  return false;
}

const ClassInfo& TSkinBoxH::StaticClass() {
  static const ClassInfo info("TSkinBoxH", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinBoxH::BeforeProc(TMessage& message) {
  if (message.Msg != WM_ERASEBKGND || skin_data_ == nullptr) {
    return TSkinControl::BeforeProc(message);
  }
  FillFormColor(handle_, reinterpret_cast<HDC>(message.WParam), *skin_data_);
  message.Result = 1;
  return false;
}

}  // namespace kova
