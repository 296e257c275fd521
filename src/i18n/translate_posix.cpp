#include "i18n/translate.h"

namespace kova {

// Outside Windows the dictionary object always comes from the caller.
CTranslate::~CTranslate() = default;

}  // namespace kova
