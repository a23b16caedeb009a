// The forms of job data files: a whole listing passes, and each way a file departs from its
// form is named with its line.
#include "core/tablereader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/solverstops.h"

#include "testdir.h"

namespace {

const char* const kEnd = "------ END OF SUPPORT DATA ------";

DataFileForm Form() {
  return {{"SUPPORT DATA"},
          kEnd,
          {{"ELASTIC SUPPORTS", "tt", 2, 5, -1}, {"SOIL", "t", 1, 4, 3}, {"ROWS", "tt", 1, 9, -1, "SECOND PART", ""}},
          {"FREE TEXT AFTER A TABLE"}};
}

TextLineArray Whole() {
  return {"",
          "Job: ELASTIC SUPPORTS: // SUPPORTS",  // the header's job name may hold any label
          "SUPPORT DATA:",
          "ELASTIC SUPPORTS:",
          "Node 'i'   Vert.   Rotat.",
          "            [kN/m]   [kN*m/rad]",
          "    2   5.0E+3   0.0E+0",
          "    5   0   -.0E+0",  // a value of 0 is a value
          "SOIL:",
          "Element 'i'  k",
          "    1   1.0E+4",
          "    2   1.0E+4",
          "    3   1.0E+4",
          "FREE TEXT AFTER A TABLE",
          "ROWS:",
          "h1",
          "h2",
          "    7   1",  // the first part's ROWS table: never looked at
          "",
          "SECOND PART:",
          "ROWS:",
          "h1",
          "h2",
          "    9   1",
          "**REMARK: rows end here",
          "",
          kEnd,
          ""};
}

TEST(DataFileDamage, AWholeFileAndEachDeparture) {
  const struct {
    const char* what;
    int line;             // the line changed (0: none), or removed when text is nullptr
    const char* text;
    std::string damage;   // "" whole
  } cases[] = {
      {"whole", 0, "", ""},
      {"trailing blanks after the END line", 27, "   ", ""},
      {"label missing", 2, "SUPORT DATA:", "the label \"SUPPORT DATA\" is missing"},
      {"END line missing", 26, "", "line 24: the END line is missing"},
      {"text after the END line", 27, "more", "line 27: the END line is missing"},
      {"heading missing", 4, nullptr, "line 5: a heading of ELASTIC SUPPORTS is missing"},
      {"row numbered beyond the table", 6, "    6   5.0E+3   0.0E+0", "line 6: a line of another form in ELASTIC SUPPORTS"},
      {"row with a fraction for its number", 6, "    2.5   5.0E+3   0.0E+0",
       "line 6: a line of another form in ELASTIC SUPPORTS"},
      {"row lacking a value", 7, "    5   1.0", "line 7: a line of another form in ELASTIC SUPPORTS"},
      // Two spring rows for one node would be read as the last alone.
      {"a node given twice", 7, "    2   1.0E+3   0.0E+0", "line 7: ELASTIC SUPPORTS gives 2 twice"},
      {"an element given twice in a table of fixed rows", 12, "    1   2.0E+4", "line 12: SOIL gives 1 twice"},
      {"garbage in place of a row", 6, "\x01#garbage~~", "line 6: a line of another form in ELASTIC SUPPORTS"},
      {"fixed table short", 12, nullptr, "line 12: SOIL holds 2 of its 3 rows"},
      {"fixed table with a row too many", 13, "    4   1.0E+4", "line 13: a line of another form in SOIL"},
      {"a table of the second part out of form", 23, "    99   1", "line 23: a line of another form in ROWS"},
  };
  for (const auto& c : cases) {
    TextLineArray lines = Whole();
    if (c.line > 0 && c.text) lines[static_cast<size_t>(c.line)] = c.text;
    if (c.line > 0 && !c.text) lines.erase(lines.begin() + c.line);
    const int n = static_cast<int>(lines.size()) - 1;
    EXPECT_EQ(DataFileDamage(lines, n, Form()), c.damage) << c.what;
  }
  // A file of no lines is no file: its absence is the caller's to judge.
  EXPECT_EQ(DataFileDamage(TextLineArray(1), 0, Form()), "");
}

// A field that the readers would read as a number from its start but that holds more (trailing
// text, a comma, a second sign, a hexadecimal form, high-byte characters) damages the file, as
// does a value beyond the range the analyses compute with, which is named so; in a table's rows,
// in a line of values among its headings, and in the values that stand by their labels.
TEST(DataFileDamage, EveryNumericFieldHoldsOneNumber) {
  DataFileForm form{{"DATA"},
                    "END",
                    {{"DATA", "tvt", 2, 3, -1}},
                    {},
                    {{"Uniform Load [kN/m]"}, {"HALF-SPACE", "E = #[kPa]; Nu = #"}, {"COUNT", "#", 0, true}}};
  const TextLineArray whole{"",
                            "Job: J // LOADS (A)",
                            "DATA:",
                            "heading",
                            "   4   2.5E+7   -0.2",
                            "row heading",
                            "    1   1.5   -2.0E-4",
                            "    3   +7   1e3",
                            "Uniform Load [kN/m]: 12.5",
                            "HALF-SPACE: E = 1.00000E+4[kPa];   Nu = .3000",
                            "COUNT: ",
                            "",
                            "END"};
  EXPECT_EQ(DataFileDamage(whole, 12, form), "");
  const std::string range = std::string(kValueOutOfRange) + " (at most 1E+30)";
  const struct {
    int line;
    const char* text;
    std::string damage;
  } cases[] = {
      {6, "    1   1e   -2.0E-4", "line 6: \"1e\" is not a number in DATA"},
      {6, "    1   1,5   -2.0E-4", "line 6: \"1,5\" is not a number in DATA"},
      {6, "    1   1.5   +-3", "line 6: \"+-3\" is not a number in DATA"},
      {6, "    1   0x10   -2.0E-4", "line 6: \"0x10\" is not a number in DATA"},
      {6, "    1   1.5\xe9\xe9   -2.0E-4", "line 6: \"1.5\xe9\xe9\" is not a number in DATA"},
      {6, "    1   1.5.2   -2.0E-4", "line 6: \"1.5.2\" is not a number in DATA"},
      {6, "    1e   1.5   -2.0E-4", "line 6: \"1e\" is not a number in DATA"},
      {6, "    1   1E308   -2.0E-4", "line 6: 1E308 " + range + " in DATA"},
      {7, "    3   +7   -1.0000001E+30", "line 7: -1.0000001E+30 " + range + " in DATA"},
      {4, "   4   2.5E+7   -0.2x", "line 4: \"-0.2x\" is not a number"},
      {4, "   4   1e308   -0.2", "line 4: 1e308 " + range},
      {8, "Uniform Load [kN/m]: 12.5e", "line 8: \"12.5e\" is not a number"},
      {8, "Uniform Load [kN/m]: 12,5", "line 8: \"12,5\" is not a number"},
      {8, "Uniform Load [kN/m]: 12.5 kN", "line 8: \"12.5 kN\" is not of the form \"#\""},
      {8, "Uniform Load [kN/m]: 1E308", "line 8: 1E308 " + range},
      {8, "Uniform Load [kN/m]:", "line 8: \"\" is not of the form \"#\""},
      {9, "HALF-SPACE: E = 1,0E+4[kPa];   Nu = .3000", "line 9: \"1,0E+4\" is not a number"},
      {9, "HALF-SPACE: E = 1.0E+4[kPa];   Nu = .3000e", "line 9: \".3000e\" is not a number"},
      {9, "HALF-SPACE: E = 1.0E+4   Nu = .3", "line 9: \"E = 1.0E+4   Nu = .3\" is not of the form \"E = #[kPa]; Nu = #\""},
      {10, "COUNT: 2e", "line 10: \"2e\" is not a number"},
  };
  for (const auto& c : cases) {
    TextLineArray lines = whole;
    lines[static_cast<size_t>(c.line)] = c.text;
    EXPECT_EQ(DataFileDamage(lines, 12, form), c.damage) << c.text;
  }
  // The solvers stop on a damaged file as damaged, and on a value out of range as such.
  EXPECT_EQ(DataFileStop("", kStopBadLoadData), 0);
  EXPECT_EQ(DataFileStop("line 7: \"1e\" is not a number in DATA", kStopBadLoadData), kStopBadLoadData);
  EXPECT_EQ(DataFileStop("line 7: 1E308 " + range + " in DATA", kStopBadLoadData), kStopValueTooLarge);
}

TEST(DataFileDamage, ElementRowsWithoutALabel) {
  DataFileForm form{{}, "END", {{"", "", 2, 0, 2, "", "", 2}}, {}};
  TextLineArray lines{"", "heading", "  1  0.5  0.3", "  2  0.5  0.3", "", "END"};
  EXPECT_EQ(DataFileDamage(lines, 5, form), "");
  form.tables[0].rows = 3;  // a count beyond the rows
  EXPECT_EQ(DataFileDamage(lines, 5, form), "line 4: the element table holds 2 of its 3 rows");
}

TEST(LoadCaseListDamage, ControlCharactersAndSharedFirstLetters) {
  TestDirectory dir;
  const struct {
    const char* what;
    std::string bytes;
    std::string damage;
  } cases[] = {
      {"names", "A dead\r\n\r\n  B live\r\nc\r\n", ""},
      {"no list", "", ""},
      {"garbage", "A\r\n\x02\x7f\xfe\r\n", "line 2: a name with control characters"},
      {"two names of one letter", "A dead\r\nB\r\nA live\r\n", "line 3: two load cases begin with \"A\""},
  };
  for (const auto& c : cases) {
    if (c.bytes.empty()) std::remove("J.CAS");
    else WriteBytes("J.CAS", c.bytes);
    EXPECT_EQ(LoadCaseListDamage("J.CAS"), c.damage) << c.what;
  }
}

}  // namespace

// An answer field of a value line may be left empty, as the writers leave an unanswered "(?)"
// (a tank's "In-Plane Def.(?)"); its number is still checked.
TEST(DataFileDamage, AnAnswerOfAValueLineMayBeEmpty) {
  DataFileForm form{{"PLATE"}, "END", {}, {}, {{"PLATE", "# ?", 2}}};
  const struct {
    const char* line;
    std::string damage;
  } cases[] = {{"     0.200            ", ""},
               {"     0.200   Y", ""},
               {"     0,200   Y", "line 4: \"0,200\" is not a number"},
               {"        Y", "line 4: \"Y\" is not a number"}};
  for (const auto& c : cases) {
    const TextLineArray lines{"", "Job: J // GEOMETRY", "PLATE:", "Poisson's Ratio  In-Plane Def.(?)", c.line, "", "END"};
    EXPECT_EQ(DataFileDamage(lines, 6, form), c.damage) << c.line;
  }
}
