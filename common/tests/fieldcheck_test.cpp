#include <gtest/gtest.h>

#include "core/fieldcheck.h"
#include "core/globals.h"

namespace {

struct Case {
  const char* text;
  const char* allowed;
  int kind;
  int code;
  const char* after;  // the text as the check leaves it
};

TEST(NormaliseNumberText, Table) {
  const Case cases[] = {
      {"007", NumberCharsDigits, 1, 0, "7"},
      {"", NumberCharsDigits, 1, 2, "0"},
      {"000", NumberCharsDigits, 1, 2, "0"},
      {"1.5", NumberCharsUnsigned, 1, 2, "1.5"},   // kind 1 wants a whole number
      {"1.5E3", NumberCharsUnsigned, 2, 0, "1.5E3"},
      {"1E.5", NumberCharsUnsigned, 2, 5, "1E.5"},
      {"1.2.3", NumberCharsUnsigned, 2, 4, "1.2.3"},
      {"1e2E3", NumberCharsUnsigned, 2, 3, "1e2E3"},
      {"-2", NumberCharsUnsigned, 2, 6, "-2"},
      {"-2", NumberCharsSigned, 3, 2, "-2"},
      {"-2", NumberCharsSigned, 9, 0, "-2"},        // no range test
      {"abc", NumberCharsSigned, 9, 6, "abc"},
      {"0", NumberCharsUnsigned, 4, 0, "0"},
      {"0.49", NumberCharsUnsigned, 4, 0, ".49"},
      {"0.5", NumberCharsUnsigned, 4, 2, ".5"},
      {"0.0009", NumberCharsUnsigned, 5, 0, ".0009"},
      {"0.001", NumberCharsUnsigned, 5, 2, ".001"},
      {"0.5", NumberCharsUnsigned, 6, 0, ".5"},
      {"0", NumberCharsUnsigned, 6, 7, "0"},
      {"0.51", NumberCharsUnsigned, 6, 7, ".51"},
  };
  Substructure = "BASE PLATE";
  for (const auto& c : cases) {
    std::string text = c.text;
    int code = -1;
    NormaliseNumberText(text, c.allowed, code, c.kind);
    EXPECT_EQ(code, c.code) << c.text << " kind " << c.kind;
    EXPECT_EQ(text, c.after) << c.text;
  }
}

TEST(NormaliseNumberText, RoofStructureAcceptsZeroCounts) {
  std::string text = "";
  int code = -1;
  Substructure = "ROOF STRUCTURE";
  NormaliseNumberText(text, NumberCharsDigits, code, 1);
  EXPECT_EQ(code, 0);
  Substructure.clear();
  text = "";
  NormaliseNumberText(text, NumberCharsDigits, code, 1);
  EXPECT_EQ(code, 2);
}

TEST(IsNumberText, Table) {
  const Case cases[] = {
      {"007", NumberCharsDigits, 1, 0, "7"},
      {"", NumberCharsDigits, 1, 2, "0"},       // 0 is never a count here
      {"2.5", NumberCharsUnsigned, 1, 2, "2.5"},
      {"2.5", NumberCharsUnsigned, 2, 0, "2.5"},
      {"0", NumberCharsUnsigned, 2, 2, "0"},
      {"0", NumberCharsUnsigned, 3, 0, "0"},
      {"-1", NumberCharsSigned, 4, 2, "-1"},
      {"-1", NumberCharsSigned, 7, 0, "-1"},
      {"1e2e3", NumberCharsUnsigned, 2, 3, "1e2e3"},
      {"1..2", NumberCharsUnsigned, 2, 4, "1..2"},
      {"2E.5", NumberCharsUnsigned, 2, 5, "2E.5"},
      {"1,5", NumberCharsUnsigned, 2, 6, "1,5"},
      {" 12 ", NumberCharsDigits, 1, 0, " 12 "},  // blanks round the text are not judged
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    int code = -1;
    IsNumberText(text, c.allowed, code, c.kind);
    EXPECT_EQ(code, c.code) << c.text << " kind " << c.kind;
    EXPECT_EQ(text, c.after) << c.text;
  }
}

// What a key typed into a cell adds: every character a number of the column may hold, "-"
// before the number only in a signed column.
TEST(CellTakesCharacter, Table) {
  const struct {
    char ch;
    const char* before;
    bool negative, taken;
  } cases[] = {
      {'7', "", false, true},     {'.', "1", false, true},   {'+', "", false, true},
      {'E', "1.5", false, true},  {'e', "5", false, true},   {'-', "5E", false, true},   // "5E-1"
      {'-', "5e", false, true},   {'-', "", false, false},   {'-', "5", false, false},
      {'-', "", true, true},      {'-', "2", true, true},    {',', "2", true, false},    // "2,0E-4"
      {',', "2", false, false},   {' ', "", true, false},    {'x', "1", true, false},
      {'\xe9', "1", true, false},  // a high-byte letter
  };
  for (const auto& c : cases)
    EXPECT_EQ(CellTakesCharacter(c.ch, c.before, c.negative), c.taken)
        << "'" << c.ch << "' after \"" << c.before << "\"" << (c.negative ? " signed" : "");
}

TEST(IsCellNumber, Table) {
  const struct {
    const char* text;
    bool negative, number;
  } cases[] = {
      {"", false, true},        {"  ", false, true},       {"1.5E3", false, true},   {"5E-1", false, true},
      {" +2.0e+04 ", false, true}, {".5", false, true},    {"5.", false, true},      {"-3", true, true},
      {"-3", false, false},     {"2,0E-4", true, false},   {"2,0", false, false},    {"1e", false, false},
      {"1E+", true, false},     {".", false, false},       {"+", false, false},      {"-", true, false},
      {"1.2.3", false, false},  {"1e2e3", false, false},   {"E5", false, false},     {"+-3", true, false},
      {"0x10", false, false},   {"1 2", false, false},     {"1E400", false, false},  {"1E-3x", false, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsCellNumber(c.text, c.negative), c.number) << "\"" << c.text << "\"" << (c.negative ? " signed" : "");
}

TEST(ItemWarning, TheRangeOfACountStandsOnItsOwnLine) {
  EXPECT_EQ(ItemWarning(1), "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(ItemWarning(2, CountRange(1, 5000, "elements")),
            "INCORRECT DATA of Item  2!\r\n(1 to 5000 elements)\r\n\r\nENTER NEW DATA.");
}

}  // namespace
