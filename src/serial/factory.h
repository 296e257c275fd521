// The process-wide class factory: creates an object from the class name found in a
// byte stream. Every class that can appear on the wire is registered with it when the
// library is loaded; afterwards it is only read, so it needs no lock.
#pragma once

#include <cstddef>
#include <functional>
#include <map>

#include "base/text.h"
#include "serial/interfaces.h"

namespace kova {

class CTarnFactory final : public ITarnFactory {
 public:
  // Replaces an earlier creator of the same name.
  void Register(const char16_t* class_name, TarnCreator creator) override;
  // Exact, case-sensitive match of the whole name; null when there is none.
  TarnCreator FindCreator(const char16_t* class_name) override;

 private:
  std::map<WideString, TarnCreator, std::less<>> TarnFactoryData;
};

// The same factory on every call, with every class of the library registered. It
// lives until the module is unloaded.
ITarnFactory* GetTarnFactory();

// The wire names of every class the library registers, in registration order.
const char16_t* const* TarnRegisteredClassNames(std::size_t* count);

}  // namespace kova
