#pragma once
// Which program holds the "deny other writers" lock on a file, where the system tells: on
// Linux the kernel lists every flock in /proc/locks with the holder's process id and the
// file's device and inode, and /proc/<pid>/comm names the process. Elsewhere, or when the
// holder cannot be seen (another user's process hidden, another pid namespace), none.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct KxLockHolder {
    int pid = 0;
    std::string name; // the process's command name; empty when it cannot be read
};

// The holder of an exclusive flock on `path`; none when nothing says.
std::optional<KxLockHolder> kxFindLockHolder(const std::string& path);

// The process id of the first exclusive flock (not a waiter's entry) on the file with
// device `major`:`minor` and `inode` in the text of /proc/locks; none when not listed.
std::optional<int> kxLockHolderPidIn(std::string_view locks, unsigned major, unsigned minor, std::uint64_t inode);
