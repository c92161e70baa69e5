#pragma once

#include <string>
#include <vector>

// Comma-separated values as RFC 4180 has them.

using CsvRow = std::vector<std::string>;

// The rows of the text: cells quoted or not, "" a quote inside a quoted
// cell, commas and line ends kept inside quotes, lines ended by CRLF or LF,
// the last one with or without. False with the reason when a quoted cell is
// not closed or is followed by anything but a comma or a line end.
bool ReadCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error);

// One line of cells ending in "\n"; a cell holding a comma, a quote or a
// line end is quoted.
std::string CsvLine(const CsvRow& cells);
