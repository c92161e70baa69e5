#pragma once

#include <string>

// Numbers to and from text, the same in every process locale.

// printf-style formatting with a decimal point whatever the locale.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The leading number of the text (blanks skipped; sign, digits, point,
// exponent); the rest is ignored and a text without a number reads as 0.
// Never reads "inf", "nan" or hexadecimal; a value too large for a double
// is held at the largest finite one.
double ReadDouble(const std::string& text);

// The integer form of the same rule: stops at the decimal point (2.9 reads
// as 2); held within the range of int.
int ReadInt(const std::string& text);

// Narrows a double to a float without leaving float's finite range.
float NarrowToFloat(double value);

// The shortest "%g" text (1 to 9 digits) that reads back as the same
// float, with the exponent written plainly: 0.01f gives "0.01", not the
// "0.009999999776..." of its double; 1e-7f gives "1e-7". Infinities and
// NaN come out as printf writes them.
std::string ShortestFloatText(float value);

// Converts a real to int by truncation toward zero, held within int's range
// (a NaN gives 0), so that no input reaches an undefined conversion.
int TruncToInt(double value);
