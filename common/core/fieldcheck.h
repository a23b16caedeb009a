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

// The numbers of a data table's cell: whether they may be below 0.
// Whether a character typed into a cell can belong to its number, `before` being the cell's text
// ahead of the caret (or of the selection the character replaces): digits, the point, "+" and an
// exponent letter always; "-" in a column of signed numbers, elsewhere only as the exponent's
// sign, right after the letter ("5E-1" is a length).
bool CellTakesCharacter(char character, const std::string& before, bool negative);
// Whether a cell's text (blanks around it aside) is one number of its column: empty (read as 0),
// or a sign ("-" only where negative), digits with at most one point and one digit at least,
// then perhaps an exponent letter, its sign and its digits; nothing else, and a value a double
// holds. Anything else would be read as another number than the one typed ("2,0E-4" as 2).
bool IsCellNumber(const std::string& text, bool negative);

// The warning of a refused item of a data dialog: "INCORRECT DATA of Item  n!" CR LF CR LF
// "ENTER NEW DATA."; an item with a range (a count) names it on a line of its own after the item:
// "INCORRECT DATA of Item  2!" CR LF "(1 to 5000 elements)" CR LF CR LF "ENTER NEW DATA.".
std::string ItemWarning(int item, const std::string& range = std::string());
// The range of a count item: "(first to last noun)".
std::string CountRange(int first, int last, const std::string& noun);
