#pragma once
// Runs another program to its end: no shell, its input from /dev/null, its output and
// errors shared with ours.

#include <string>
#include <vector>

// The program's exit status (0–255); -1 when it could not be started or did not exit
// normally (killed by a signal).
int kxRunProgram(const std::string& program, const std::vector<std::string>& arguments);
