#include "platform/FileSizeSignal.h"

#include <csignal>

void kxIgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
