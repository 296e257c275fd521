#include "forms/kovactrl/register.h"

#include "forms/controls/form_description.h"
#include "forms/kovactrl/kova_border.h"
#include "forms/kovactrl/kova_button.h"

namespace kova {

void RegisterKOVACtrlClasses() {
  RegisterComponentClass<TKOVAButton>();
  RegisterComponentClass<TKOVABorder>();
}

}  // namespace kova
