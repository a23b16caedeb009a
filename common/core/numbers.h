#pragma once
// Number masks, number texts and number parsing as every listing and job file uses them.
#include <string>

// Formats a number through a mask of digit places ("* ##0.000", "#.0000E+##", "###0.000", ...).
std::string FormatNumber(double value, const std::string& mask);
// A value kept in single precision: its 7 significant digits are what is formatted.
std::string FormatNumber(float value, const std::string& mask);

// The plain text of a number: 15 significant digits (7 for single precision), a leading blank
// for a number not below 0, no trailing zeros, no 0 before the point (" .5", "-2", " 1.5E+20").
std::string NumberToText(double value);
std::string NumberToText(float value);
std::string NumberToText(int value);
std::string NumberToText(long long value);

// Reads the number at the start of a text; a text that is no number reads 0.
double ParseNumber(const std::string& text);

// Whether a text, without the blanks about it, is one number as the numeric fields hold it: an
// optional sign, digits with at most one decimal point, then an optional exponent ("E" or "e",
// an optional sign, digits): "1.5", "-.5", "2E-4", and "." alone (0 through a mask without a 0
// place). "1e", "1,5", "+-3", "0x10" or digits followed by
// other characters are no number, though ParseNumber reads a number from their start.
bool IsOneNumber(const std::string& text);
// The largest magnitude of a value of a job's data files that the analyses compute with: their
// products and sums of the data (stiffnesses, load terms) must stay far within double precision.
constexpr double kLargestDataValue = 1.0E+30;

// Trimming removes blanks only, never TABs.
std::string Trim(const std::string& text);
std::string LTrim(const std::string& text);
std::string RTrim(const std::string& text);
