#include "engine/KxSysCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int sysOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

const KxSysCalls kDefaults{sysOpen, ::write, ::fsync, ::rename, ::linkat, ::close};
KxSysCalls g_calls = kDefaults;

} // namespace

KxSysCalls& kxSys() { return g_calls; }
const KxSysCalls& kxSysDefaults() { return kDefaults; }
