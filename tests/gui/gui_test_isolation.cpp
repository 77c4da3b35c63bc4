// The widget tests never touch the user's files: before anything starts, the per-user store,
// the cache (print output) and the settings file are sent to a scratch directory that goes
// when the tests end.

#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <string>

namespace {
class ScratchHome {
  public:
    ScratchHome() : dir_("gui") {
        ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
        ::setenv("XDG_CACHE_HOME", dir_.file("cache").c_str(), 1);
        ::setenv("ROLVA_SETTINGS", dir_.file("rolvadesk.ini").c_str(), 1);
    }

  private:
    TempDir dir_;
};

const ScratchHome scratchHome;
} // namespace
