#pragma once
// Under a file-size limit (ulimit -f) the system kills a process whose write passes it. Both
// programs ignore that signal at start, so the write fails with EFBIG instead and is reported
// like a full disk, with the previous file kept.

void kxIgnoreFileSizeSignal();
