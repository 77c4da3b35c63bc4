#pragma once
// The file calls every writer of the program makes. Production code calls through this
// table, which goes straight to the system; tests swap single entries to make a call fail
// (a full disk on the third write, a rename refused) and check that nothing is lost.

#include <sys/types.h>

struct KxSysCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, size_t n);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*linkat)(int fromDir, const char* from, int toDir, const char* to, int flags);
    int (*close)(int fd);
};

// The table in use. Tests change it; kxSysDefaults() gives the system's own calls back.
KxSysCalls& kxSys();
const KxSysCalls& kxSysDefaults();
