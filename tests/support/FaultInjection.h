#pragma once
// Makes the N-th file call of one kind fail, through the table of file calls every writer
// uses. A sweep runs an operation once to count its calls of each kind, then once per call
// with that call failing, and hands each run to a check: the previous file unchanged, no
// output claimed as success, the right code, no temporary file left.

#include "engine/KxSysCalls.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <string>
#include <unistd.h>

enum class FaultCall { Open, Write, Fsync, Rename, Linkat, Close };
inline constexpr std::array<FaultCall, 6> kFaultCalls = {FaultCall::Open,   FaultCall::Write,
                                                         FaultCall::Fsync,  FaultCall::Rename,
                                                         FaultCall::Linkat, FaultCall::Close};

inline const char* faultCallName(FaultCall call) {
    static const char* const names[] = {"open", "write", "fsync", "rename", "linkat", "close"};
    return names[static_cast<int>(call)];
}

// The error a failing call reports: a full disk for what writes, an I/O error otherwise.
inline int faultError(FaultCall call) {
    return call == FaultCall::Write || call == FaultCall::Open || call == FaultCall::Linkat ? ENOSPC
                                                                                            : EIO;
}

class FaultInjector {
  public:
    FaultInjector() {
        state() = {};
        KxSysCalls& sys = kxSys();
        sys.open = [](const char* p, int f, mode_t m) {
            if (state().noUnnamed && (f & O_TMPFILE) == O_TMPFILE) {
                errno = EOPNOTSUPP;
                return -1;
            }
            return fails(FaultCall::Open) ? -1 : kxSysDefaults().open(p, f, m);
        };
        sys.write = [](int fd, const void* d, size_t n) -> ssize_t { return fails(FaultCall::Write) ? -1 : kxSysDefaults().write(fd, d, n); };
        sys.fsync = [](int fd) { return fails(FaultCall::Fsync) ? -1 : kxSysDefaults().fsync(fd); };
        sys.rename = [](const char* a, const char* b) { return fails(FaultCall::Rename) ? -1 : kxSysDefaults().rename(a, b); };
        sys.linkat = [](int a, const char* b, int c, const char* d, int f) {
            return fails(FaultCall::Linkat) ? -1 : kxSysDefaults().linkat(a, b, c, d, f);
        };
        // A close that reports an error has still released the descriptor, as on Linux.
        sys.close = [](int fd) {
            const int rc = kxSysDefaults().close(fd);
            return fails(FaultCall::Close) ? -1 : rc;
        };
    }
    ~FaultInjector() {
        kxSys() = kxSysDefaults();
        state() = {};
    }
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // Counts calls from now on; the `nth` call of that kind (from 1) fails, 0 for none.
    void arm(FaultCall call, int nth) {
        const bool noUnnamed = state().noUnnamed;
        state() = {};
        state().noUnnamed = noUnnamed;
        state().armed = call;
        state().nth = nth;
    }
    // Makes the system seem unable to give files without a name, so that named temporary
    // files are used.
    void refuseUnnamedFiles(bool refuse) { state().noUnnamed = refuse; }
    int calls(FaultCall call) const { return state().counts[static_cast<int>(call)]; }
    bool fired() const { return state().fired; }

  private:
    struct State {
        std::array<int, 6> counts{};
        FaultCall armed = FaultCall::Open;
        int nth = 0;
        bool fired = false;
        bool noUnnamed = false;
    };
    static State& state() {
        static State s;
        return s;
    }
    static bool fails(FaultCall call) {
        State& s = state();
        const int n = ++s.counts[static_cast<int>(call)];
        if (call == s.armed && n == s.nth) {
            s.fired = true;
            errno = faultError(call);
            return true;
        }
        return false;
    }
};

// One sweep over every call kind. `run` performs the operation and answers whether it
// reported success; `check` is called after each run with the call kind, whether a fault was
// injected, and that answer. Returns the number of faults injected.
inline int sweepFaults(FaultInjector& faults, const std::function<void()>& prepare,
                       const std::function<bool()>& run,
                       const std::function<void(FaultCall, int, bool)>& check) {
    int injected = 0;
    for (FaultCall call : kFaultCalls) {
        faults.arm(call, 0);
        prepare();
        faults.arm(call, 0);
        run();
        const int total = faults.calls(call);
        for (int nth = 1; nth <= total; ++nth) {
            faults.arm(call, 0);
            prepare();
            faults.arm(call, nth);
            const bool ok = run();
            ++injected;
            check(call, nth, ok);
        }
    }
    return injected;
}
