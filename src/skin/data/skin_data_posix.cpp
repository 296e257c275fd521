// Without a window system the hint has nowhere to show and there is no application
// icon; the model itself is complete.
#include "skin/data/skin_data.h"

namespace kova {

void TSkinData::ShowHint(int, int, const WideString&) {}
void TSkinData::DestroyHint() {}
void TSkinData::TakeAppIcon() {}
bool TSkinData::GetScrollBarInfo(SkinWindow, int32_t, tagSCROLLBARINFO&) const {
  return false;
}

}  // namespace kova
