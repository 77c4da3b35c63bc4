#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "platform/FileSizeSignal.h"
#include "engine/KxLocale.h"
#include "platform/ProcessLocale.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    kxIgnoreFileSizeSignal();
#ifndef ROLVA_SANITIZED
    // The leak checker would take what the system reclaims for a leak.
    cliLeaveDatabasesToTheSystem();
#endif
    std::setlocale(LC_ALL, "");
    kxSetLocale(kxReadProcessLocale());
    std::ios::sync_with_stdio(false);
    return rolvaMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
