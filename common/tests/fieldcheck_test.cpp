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

}  // namespace
