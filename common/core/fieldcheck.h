#pragma once
// Checks of numeric data fields. Codes: 0 valid; 2 value out of range for its kind; 3 more than
// one exponent letter; 4 more than one decimal point; 5 exponent letter before the point;
// 6 a character outside the allowed set; 7 value outside (0, 0.5] for kind 6.
#include <string>

// The three character sets numeric fields accept.
extern const char* const NumberCharsSigned;    // "+-.0123456789Ee"
extern const char* const NumberCharsUnsigned;  // "+.0123456789Ee"
extern const char* const NumberCharsDigits;    // "0123456789"

// Corvane's check. Kinds: 1 positive whole (0 too while the substructure is the roof structure),
// 2 above 0, 3 not below 0, 4 [0, 0.5), 5 [0, 0.001), 6 (0, 0.5] (code 7); others: no range test.
void NormaliseNumberText(std::string& text, const std::string& allowed, int& code, int kind);

// The check of Trabix and the retaining-wall program. Kinds: 1 above 0 and whole, 2 above 0,
// 3 and 4 not below 0; others: no range test.
void IsNumberText(std::string& text, const std::string& allowed, int& code, int kind);
