// The device tool's entry point, callable in-process so that tests run commands as a user
// would and read what they print.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command (args without the program name). Returns 0 on success; 1 after printing
// a one-line error or a usage line to err.
int runCedevice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
