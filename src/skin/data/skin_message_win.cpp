#include <windows.h>

#include "skin/data/skin_message.h"

namespace kova {

void DefaultSkinMessage(const WideString& text) {
  MessageBoxW(nullptr, AsWin(text), L"", MB_OK);
}

}  // namespace kova
