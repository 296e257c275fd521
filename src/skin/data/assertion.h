// The failure raised when a caller breaks a precondition of the skin data code.
#pragma once

#include <stdexcept>

namespace kova {

class EAssertionFailed : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

}  // namespace kova
