#pragma once

#include <iosfwd>

#include <QStringList>

// Runs talo-cli on the arguments (the program name first) and returns the
// exit status: 0 done, 1 a file could not be written, 2 refused input.
int RunTaloCli(const QStringList& arguments, std::ostream& out, std::ostream& err);
