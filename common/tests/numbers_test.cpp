#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/numbers.h"

namespace {

struct MaskCase {
  double value;
  const char* mask;
  const char* expected;
};

// Each row is a behaviour of the masks; rows marked "decision" fix a corner the rules leave open.
const MaskCase kMaskCases[] = {
    {1.5, "* ##0.000", "    1.500"},          // "*" + blank: two padded places
    {-1.5, "* ##0.000", "   -1.500"},         // minus left of the digits, fill left of it
    {-0.5, "* ##0.000", "   -0.500"},
    {12345.5, "* ##0.000", "12345.500"},
    {-12345.5, "* ##0.000", "-12345.500"},    // integer digits beyond the places are all printed
    {123456.25, "* ##0.000", "123456.250"},
    {3.25, "*x##0.0", "xxxx3.2"},              // any fill character; 3.25 is an exact tie: to even
    {12345, "#.0000E+##", "1.2345E+4"},
    {1.5e-12, "#.0000E+##", "1.5000E-12"},    // more exponent digits widen the field
    {-0.000123456, "#.0000E+##", "-1.2346E-4"},
    {9.99996, "#.0000E+##", "1.0000E+1"},     // rounding carries into the exponent
    {0, "#.0000E+##", ".0000E+0"},            // decision: zero keeps the mask strictly
    {1234, "0.00E-00", "1.23E3"},             // "E-": no plus sign, no leading zeros
    {0.00125, "0.00E-00", "1.25E-3"},
    {1234, "##0.0E+0", "123.4E+1"},           // as many mantissa integer digits as codes
    {0.0005, "###0.000", "0.001"},            // 0.0005 is a little above the tie in binary
    {0.125, "###0.000", "0.125"},
    {0.125, "0.00", "0.12"},                  // exact binary tie: to even
    {0.375, "0.00", "0.38"},
    {2.675, "0.00", "2.67"},                  // 2.675 is below the tie in binary
    {2.5, "0", "2"},
    {3.5, "0", "4"},
    {-2.5, "0", "-2"},
    {5, "000", "005"},
    {-5, "000", "-005"},
    {1234567.891, "#,##0.00", "1,234,567.89"},
    {12, "#,##0", "12"},
    {0.256, "0.0%", "25.6%"},
    {1.5, "0.00;(0.00);\"zero\"", "1.50"},
    {-1.5, "0.00;(0.00);\"zero\"", "(1.50)"},
    {0, "0.00;(0.00);\"zero\"", "zero"},
    {0, "0.00;(0.00);", "0.00"},              // an empty third section falls back to the first
    {-1.5, "0.00;;", "-1.50"},                // so does an empty second one
    {2.25, "\"L=\"0.0\" m\"", "L=2.2 m"},
    {5, "\\#0", "#5"},
    {5, "0abc", "5"},                         // other characters are dropped
    {-5, "$0", "$-5"},                        // the minus stands left of the digits
    {-5.25, " ##0.00", " -5.25"},             // and reads back: never "- 5.25"
    {-5.25, "\"P=\" 0.0", "P= -5.2"},
    {0.5, "#.##", ".5"},
    {0, "#.##", "."},                         // decision: all "#" masks show nothing for zero
    {1.5, "0.0#", "1.5"},
    {-0.0001, "0.000", "0.000"},              // decision: no minus on a value that prints as zero
    {1e20, "##0.0", "100000000000000000000.0"},
    {0.5, "", ".5"},                          // empty mask: the plain text without its blank
    {-2, "", "-2"},
};

TEST(FormatNumber, MaskTable) {
  for (const auto& c : kMaskCases)
    EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << "value " << c.value << " mask " << c.mask;
}

TEST(FormatNumber, SinglePrecisionFormatsItsSevenDigits) {
  EXPECT_EQ(FormatNumber(0.1f, "0.000000000"), "0.100000000");
  EXPECT_EQ(FormatNumber(static_cast<double>(0.1f), "0.000000000"), "0.100000001");
  EXPECT_EQ(FormatNumber(-1.5f, "* ##0.000"), "   -1.500");
}

struct TextCase {
  double value;
  const char* expected;
};

TEST(NumberToText, DoubleTable) {
  const TextCase cases[] = {
      {0.5, " .5"},
      {-2, "-2"},
      {0, " 0"},
      {-0.001, "-.001"},
      {123.25, " 123.25"},
      {1e20, " 1E+20"},
      {1.5e-7, " 1.5E-07"},
      {1e-5, " .00001"},
      {1.234567890123e-5, " 1.234567890123E-05"},  // the digits no longer fit in 15 places
      {123456789012345, " 123456789012345"},
      {1234567890123456, " 1.23456789012346E+15"},
      {0.1, " .1"},
      {static_cast<double>(1.1f), " 1.10000002384186"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
}

TEST(NumberToText, SingleAndWholeNumbers) {
  EXPECT_EQ(NumberToText(1.1f), " 1.1");
  EXPECT_EQ(NumberToText(0.1f), " .1");
  EXPECT_EQ(NumberToText(1234567.0f), " 1234567");
  EXPECT_EQ(NumberToText(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(NumberToText(-0.25f), "-.25");
  EXPECT_EQ(NumberToText(3), " 3");
  EXPECT_EQ(NumberToText(-12), "-12");
}

TEST(ParseNumber, Table) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"  12.5", 12.5},
      {"\t\n7", 7},
      {"\r7", 0},             // CR is not skipped
      {"+3", 3},
      {"-3.5E2", -350},
      {"1.5D3", 1500},
      {"2d-2", 0.02},
      {".5", 0.5},
      {"5.", 5},
      {"12abc", 12},
      {" 1 2", 1},
      {"1e", 1},
      {"1e+", 1},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"&HFF", 255},
      {"&hff", 255},
      {"&O17", 15},
      {"&Q17", 15},
      {"&B101", 5},
      {"&B102", 2},
      {"1E-99999", 0},
      {"0.000000000000000000000123", 1.23e-22},
      {"1234567890123456789012", 1.23456789012345678e21},  // digits past 18 only scale
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.expected) << "'" << c.text << "'";
  EXPECT_EQ(ParseNumber("1E99999"), DBL_MAX);  // the exponent is capped; the value stays finite
}

TEST(ParseNumber, ReadsBackWhatTheMasksWrite) {
  const double values[] = {1.5, -1.5, 12345.678, 0.001, -2.5e-7, 6.02e23};
  for (double v : values) {
    EXPECT_NEAR(ParseNumber(FormatNumber(v, "#.0000E+##")), v, std::fabs(v) * 1e-4);
    EXPECT_NEAR(ParseNumber(FormatNumber(v, " ###0.00000")), v, 1e-5);
    EXPECT_NEAR(ParseNumber(FormatNumber(v, "* ###0.00000")), v, 1e-5);
    EXPECT_DOUBLE_EQ(ParseNumber(NumberToText(v)), v);
  }
}

TEST(Trim, RemovesBlanksOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\tx\t"), "\tx\t");
  EXPECT_EQ(LTrim("  x "), "x ");
  EXPECT_EQ(RTrim("  x "), "  x");
  EXPECT_EQ(Trim("   "), "");
}

}  // namespace

// A numeric field holds one number: what the number fields take, nothing after it.
TEST(IsOneNumber, SignDigitsPointExponentAndNothingElse) {
  for (const char* text : {"0", "-2", "+7", "1.5", ".5", "-.5", "5.", "2E-4", "1e3", "  3.0E+7  ", "1E308", "."})
    EXPECT_TRUE(IsOneNumber(text)) << text;
  for (const char* text : {"", " ", "1e", "1E+", "1,5", "+-3", "--3", "0x10", "&H10", "1.5.2", ".E5", "-", "E5", "1D3",
                           "12 kN", "1.5\xe9", "\xe91.5", "1.5\t"})
    EXPECT_FALSE(IsOneNumber(text)) << text;
}
