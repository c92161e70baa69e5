#pragma once

#include <string>

// Numbers of the results as --json and --batch write them.

// A double as the shortest text that reads back as the same double.
std::string DoubleText(double value);

// A limit or a rate the record took from a limit it holds as a float:
// that float's shortest text ("0.01", not "0.009999999776482582"). A rate
// the engine computed is no float and is written as a double.
std::string LimitText(double value);
