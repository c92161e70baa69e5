#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs talo-cli on the arguments as the program got them (the program name
// first) and returns the exit status: 0 done, 1 a file or standard output
// could not be written, 2 refused input.
int RunTaloCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
