#include "skin/apply/win_skin_box_win.h"

#include "base/win/handles_win.h"
#include "skin/data/system_colors.h"

namespace kova {

const ClassInfo& TSkinBoxH::StaticClass() {
  static const ClassInfo info("TSkinBoxH", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinBoxH::BeforeProc(TMessage& message) {
  if (message.Msg != WM_ERASEBKGND || skin_data_ == nullptr) {
    return TSkinControl::BeforeProc(message);
  }
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  RECT client{};
  GetClientRect(handle_, &client);
  const UniqueBrush brush(CreateSolidBrush(
      static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonFace)))));
  FillRect(dc, &client, brush.Get());
  message.Result = 1;
  return false;
}

}  // namespace kova
