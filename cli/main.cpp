#include "cli/CliCommand.h"
#include "platform/FileSizeSignal.h"
#include "engine/KxLocale.h"
#include "platform/ProcessLocale.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    kxIgnoreFileSizeSignal();
    std::setlocale(LC_ALL, "");
    kxSetLocale(kxReadProcessLocale());
    std::ios::sync_with_stdio(false);
    return rolvaMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
