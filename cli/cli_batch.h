#pragma once

#include <iosfwd>
#include <string>

struct CliOptions;

// Why an option given with --batch does not go with it, or "".
std::string MisplacedBatchOption(const CliOptions& o);

// Computes every plan of the CSV file at path, one a row, into csv: the
// file's columns as given, then the results. Rows are independent: each
// starts from a new analysis, and a refused row gets its message in the
// error column (refused is set) while the others are still computed.
// Messages of the engine go to err. False, with the reason on err, when
// the file cannot be read or its header names a column that is no option
// of a plan.
bool ComputeBatch(const std::string& path, std::string& csv, bool& refused, std::ostream& err);
