// A host stand-in: its own command line and directory are what the setup start reads.
#include "launch/launch.h"

int main() {
  return static_cast<int>(kova::LaunchSetupConfirmed());
}
