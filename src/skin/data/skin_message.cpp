#include "skin/data/skin_message.h"

namespace kova {

namespace {

SkinMessageHook g_hook = nullptr;

}  // namespace

SkinMessageHook SetSkinMessageHook(SkinMessageHook hook) {
  SkinMessageHook previous = g_hook ? g_hook : &DefaultSkinMessage;
  g_hook = hook;
  return previous;
}

void ShowSkinMessage(const WideString& text) {
  (g_hook ? g_hook : &DefaultSkinMessage)(text);
}

}  // namespace kova
