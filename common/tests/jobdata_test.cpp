#include <gtest/gtest.h>

#include "core/jobdata.h"

namespace {

TextLineArray Lines(std::initializer_list<const char*> texts) {
  TextLineArray lines(1);
  for (const char* t : texts) lines.emplace_back(t);
  return lines;
}

TEST(SplitAtDelimiter, RunsOfBlanksSeparateOneField) {
  std::string head, rest;
  SplitAtDelimiter("   1.5     -2    3E+4  ", " ", head, rest);
  EXPECT_EQ(head, "1.5");
  SplitAtDelimiter("", "", head, rest);
  EXPECT_EQ(head, "-2");
  SplitAtDelimiter("", "", head, rest);
  EXPECT_EQ(head, "3E+4");
  EXPECT_EQ(rest, "");
}

TEST(SplitAtDelimiter, RemembersTheDelimiterAndSkipsOneCharacter) {
  std::string head, rest;
  SplitAtDelimiter("a, b,,c", ",", head, rest);
  EXPECT_EQ(head, "a");
  EXPECT_EQ(rest, "b,,c");
  SplitAtDelimiter("", "", head, rest);  // the comma is remembered
  EXPECT_EQ(head, "b");
  EXPECT_EQ(rest, "c");                  // leading repeats after the split are removed
  SplitAtDelimiter("x:y", ":", head, rest);
  EXPECT_EQ(head, "x");
  EXPECT_EQ(rest, "y");
}

TEST(SplitFields, LineIntoNumbers) {
  EXPECT_EQ(SplitFields("  1   2.5  -3 "), (std::vector<std::string>{"1", "2.5", "-3"}));
  EXPECT_TRUE(SplitFields("   ").empty());
  EXPECT_EQ(SplitFields("a\tb c"), (std::vector<std::string>{"a\tb", "c"}));  // a TAB is no blank
}

TEST(FindLabelLine, FindsByTheTextBeforeTheColon) {
  TextLineArray lines = Lines({"Job: C:\\JOBS\\DATA // LOADS (A)", "LOAD DATA:", "Uniform Load [kN/m]:   12.500",
                               "Uniform Load [kN/m]", "BEAM/STRIP DATA:  strip"});
  int index = -1;
  std::string value = "x";
  FindLabelLine(lines, 1, 5, "Uniform Load [kN/m]", index, value);
  EXPECT_EQ(index, 3);
  EXPECT_EQ(value, "12.500");
  FindLabelLine(lines, 4, 5, "  Uniform Load [kN/m]", index, value);  // the label is trimmed on its left
  EXPECT_EQ(index, 4);                                                // a line without a colon matches
  EXPECT_EQ(value, "");
  FindLabelLine(lines, 1, 5, "BEAM/STRIP DATA", index, value);
  EXPECT_EQ(index, 5);
  EXPECT_EQ(value, "strip");
  FindLabelLine(lines, 1, 5, "DATA", index, value);  // "C:\JOBS\DATA" is no label: line 1's label is "Job"
  EXPECT_EQ(index, 0);
  EXPECT_EQ(value, "");
  FindLabelLine(lines, 1, 99, "LOAD DATA", index, value);  // a range past the loaded lines is safe
  EXPECT_EQ(index, 2);
}

// One rule for every reader of an answer: yes and no once trimmed and upper-cased; any other text
// is neither (an edge answered "LOAD DEPENDENT!" is not free, and not fixed either).
TEST(Answers, YesAndNoOnceTrimmedAndUpperCased) {
  const struct {
    const char* answer;
    bool yes, no;
    const char* listed;
  } cases[] = {
      {"Y", true, false, "Y"},   {"y", true, false, "Y"},   {"  y ", true, false, "Y"}, {"N", false, true, "N"},
      {" n", false, true, "N"},  {"", false, false, ""},    {"YES", false, false, "YES"},
      {"LOAD DEPENDENT!", false, false, "LOAD DEPENDENT!"}, {"\tY", false, false, "\tY"},  // a TAB is no blank
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsYesAnswer(c.answer), c.yes) << c.answer;
    EXPECT_EQ(IsNoAnswer(c.answer), c.no) << c.answer;
    EXPECT_EQ(ListedAnswer(c.answer), c.listed) << c.answer;
  }
}

// A strip's load lines as its documents print them: the beam's units of the file per metre, every
// other line (labels, headings, rows, temperatures) as it stands.
TEST(StripLoadLine, UnitsPerMetre) {
  const struct {
    const char* line;
    const char* printed;
  } cases[] = {
      {"Uniform Load [kN/m]: 12.5", "Uniform Load [kPa]: 12.5"},
      {"                     [kN]                   [kN*m]", "                    [kN/m]                 [kN*m/m]"},
      {"                     [kN]                   [kN*m]  ", "                    [kN/m]                 [kN*m/m]"},
      {"(Nodes i,j)         [kN/m]                  [kN/m]", "(Nodes i,j)          [kPa]                   [kPa]"},
      {"BEAM LOAD DATA:", "BEAM LOAD DATA:"},
      {"Self Weight (Mass Density) [kg/m^3]: 2500.0", "Self Weight (Mass Density) [kg/m^3]: 2500.0"},
      {" Node 'i'      Downward Force Pi      Clockwise Moment Mi", " Node 'i'      Downward Force Pi      Clockwise Moment Mi"},
      {"(Nodes i,j)        [Celsius]               [Celsius]", "(Nodes i,j)        [Celsius]               [Celsius]"},
      {"    2               10.0000                 15.0000", "    2               10.0000                 15.0000"},
      {"Central Point Load [kN]: 5.0", "Central Point Load [kN]: 5.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripLoadLine(c.line), c.printed) << c.line;
}

TEST(FindAnswer, MissingQuestionReadsNo) {
  TextLineArray lines = Lines({"Left Edge Fixed against Rotation (?):  Y"});
  int index = -1;
  std::string value;
  FindAnswer(lines, 1, "Left Edge Fixed against Rotation (?)", index, value);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(value, "Y");
  FindAnswer(lines, 1, "Right Edge Fixed against Rotation (?)", index, value);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(value, "N");
}

TEST(FindTextLine, WholeTrimmedLine) {
  TextLineArray lines = Lines({"a", "  END  ", "END x"});
  int index = -1;
  FindTextLine(lines, 3, "END", index);
  EXPECT_EQ(index, 2);
  FindTextLine(lines, 3, "none", index);
  EXPECT_EQ(index, 0);
}

TEST(FirstZeroEntry, TextEmptyOrZeroLinesEndATable) {
  TextLineArray lines = Lines({"1 2", "3 4", "", "0 5", "**REMARK"});
  const struct {
    int p, q, expected;
  } cases[] = {{1, 5, 3}, {4, 5, 4}, {5, 5, 5}, {1, 2, 77}};
  for (const auto& c : cases) {
    int index = 77;
    FirstZeroEntry(lines, c.p, c.q, index);
    EXPECT_EQ(index, c.expected) << c.p << ".." << c.q;
  }
}

TEST(ParseNumberTable, FieldsByPositionAndClearedRows) {
  TextLineArray lines = Lines({"7  1.5  2.5  9.5", "8 x"});
  Table2D<double> t;
  t.Redim(3, 3);
  t(2, 2) = 99;
  t(3, 1) = 99;
  ParseNumberTable(lines, 2, t, 3, 2, 1, 3);
  EXPECT_EQ(t(1, 0), 7);
  EXPECT_EQ(t(1, 1), 1.5);
  EXPECT_EQ(t(1, 2), 2.5);
  EXPECT_EQ(t(1, 3), 0);  // beyond maxCol: untouched
  EXPECT_EQ(t(2, 1), 0);  // "x" reads 0
  EXPECT_EQ(t(2, 2), 0);  // cleared first
  EXPECT_EQ(t(3, 1), 0);  // a line past n only clears its row
}

TEST(ReadElementTable, SkipsTheElementNumberAndKeepsMissingColumns) {
  TextLineArray lines = Lines({"   1    2.0000    0.5000", "   2    3.0000"});
  Table2D<float> t;
  t.Redim(2, 3);
  t(2, 2) = 4;
  ReadElementTable(lines, 2, t, 2, 3, 1, 2);
  EXPECT_EQ(t(1, 1), 2.0f);
  EXPECT_EQ(t(1, 2), 0.5f);
  EXPECT_EQ(t(2, 1), 3.0f);
  EXPECT_EQ(t(2, 2), 4.0f);
  EXPECT_EQ(t(1, 0), 0.0f);
}

TEST(ReadIndexedRows, RowsGoWhereTheirIndexSays) {
  TextLineArray lines = Lines({"NODAL LOADING:", "head", "units", "   3   10.0  -2.0", "   1    5.0   1.0",
                               "   9    1.0   1.0", "**REMARK: - x", "   2  100.0 100.0"});
  Table2D<double> t;
  t.Redim(4, 2);
  t(2, 1) = 42;
  int rows = ReadIndexedRows(lines, t, 8, 4, 2, 4);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(t(3, 1), 10.0);
  EXPECT_EQ(t(3, 2), -2.0);
  EXPECT_EQ(t(1, 1), 5.0);
  EXPECT_EQ(t(2, 0), 2.0);   // row 2 keeps its number
  EXPECT_EQ(t(2, 1), 42.0);  // and its old values
  EXPECT_EQ(t(4, 1), 0.0);   // 9 lies outside 1..4 and the remark ends the table
}

TEST(ReadIndexedRows, AFileCutShortEndsWithItsLastLine) {
  TextLineArray lines = Lines({"head", "2 7.5", "1 2.5"});
  lines.resize(50, "5 5");  // stale lines past the count are not read
  Table2D<double> t;
  t.Redim(5, 1);
  EXPECT_EQ(ReadIndexedRows(lines, t, 3, 5, 1, 2), 2);
  EXPECT_EQ(t(2, 1), 7.5);
  EXPECT_EQ(t(1, 1), 2.5);
  EXPECT_EQ(t(5, 1), 0.0);
}

TEST(ScatterRowsByIndex, RoundsTheIndex) {
  Table2D<double> source, target;
  source(1, 0) = 1.6;
  source(1, 1) = 8;
  source(2, 0) = -1;
  source(2, 1) = 9;
  ScatterRowsByIndex(source, 2, target, 3, 1);
  EXPECT_EQ(target(2, 1), 8);
  EXPECT_EQ(target(1, 1), 0);
}

TEST(CompactZeroRows, KeepsRowsWithValuesMovedUp) {
  Table2D<double> t;
  t.Redim(4, 2);
  for (int r = 1; r <= 4; ++r) t(r, 0) = r;
  t(2, 1) = 5;
  t(4, 2) = 7;
  int kept = -1;
  CompactZeroRows(t, 4, 2, kept);
  EXPECT_EQ(kept, 2);
  EXPECT_EQ(t(1, 0), 2);
  EXPECT_EQ(t(1, 1), 5);
  EXPECT_EQ(t(2, 0), 4);
  EXPECT_EQ(t(2, 2), 7);
  EXPECT_EQ(t(3, 0), 0);
  EXPECT_EQ(t(4, 2), 0);
  Table2D<double> zero;
  zero.Redim(3, 2);
  CompactZeroRows(zero, 3, 2, kept);
  EXPECT_EQ(kept, 0);
}

TEST(ReadGeometrySections, BeamStrip) {
  TextLineArray lines = Lines({"Job: C:\\X // GEOMETRY & MAT. PROPERTIES", "BEAM/STRIP DATA:  strip",
                               "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio",
                               "       10         5.5             2.1000E+7            0.200",
                               "Coefficient of Thermal Expansion:   1.000E-5", "Element 'i' ...", "   1  0.5500  0.3000"});
  Table2D<double> data;
  data.Redim(8, 6);
  std::vector<std::string> answers;
  int s1 = -1, s2 = -1, s3 = -1;
  ReadGeometrySections(lines, 7, GeometryBeamStrip, data, answers, s1, s2, s3);
  EXPECT_EQ(answers[1], "Y");
  EXPECT_EQ(data(1, 1), 10);
  EXPECT_EQ(data(1, 2), 5.5);
  EXPECT_EQ(data(1, 3), 2.1e7);
  EXPECT_EQ(data(1, 4), 0.2);
  EXPECT_EQ(data(1, 5), 1e-5);
  EXPECT_EQ(s1, 7);
  EXPECT_EQ(s2, 0);
  EXPECT_EQ(s3, 0);
}

TEST(ReadGeometrySections, TankWithShellRoofAndRoofWithoutElements) {
  TextLineArray lines = Lines({"Job: x // GEOMETRY & MAT. PROPERTIES", "-----", "BASE PLATE DATA:", "head",
                               "   8   6.0000   3.0000E+7", "Poisson's Ratio  In-Plane Def.(?)", "     0.200            Y",
                               "Coefficient of Thermal Expansion:   1.000E-5", "Element", "row", "-----", "ROOF GEOMETRY DATA:",
                               "Shell Structure (?)  Y", "Radial Section in form of a CURVE (?)  N", "head",
                               "       4   1.0000   6.0000", "head", "    2.0000E+7    0.250", "Coefficient of Thermal Expansion:   2.000E-5"});
  Table2D<double> data;
  std::vector<std::string> answers(8);
  int s1 = 0, s2 = 0, s3 = 0;
  ReadGeometrySections(lines, 19, GeometryTank, data, answers, s1, s2, s3);
  EXPECT_EQ(data(1, 1), 8);
  EXPECT_EQ(data(1, 3), 3e7);
  EXPECT_EQ(data(1, 4), 0.2);
  EXPECT_EQ(answers[1], "Y");
  EXPECT_EQ(s1, 10);
  EXPECT_EQ(s2, 0);  // no wall section
  EXPECT_EQ(answers[4], "Y");
  EXPECT_EQ(answers[7], "N");
  EXPECT_EQ(data(3, 1), 4);
  EXPECT_EQ(data(3, 3), 6);
  EXPECT_EQ(data(3, 5), 0.25);
  EXPECT_EQ(data(3, 6), 2e-5);
  EXPECT_EQ(answers[3], "Y");  // a shell counts as deforming in its plane
  EXPECT_EQ(s3, 22);           // two heading lines follow the shell's coefficient line

  lines[16] = "       0";
  ReadGeometrySections(lines, 19, GeometryTank, data, answers, s1, s2, s3);
  EXPECT_EQ(s3, 0);  // a roof with 0 elements has no table
}

TEST(NodeNumbers, ThePiecesThatNameNodesInOrderOnce) {
  struct Case {
    const char* list;
    bool wholeOnly;
    std::vector<int> nodes;
  };
  const Case cases[] = {{"1,5", true, {1, 5}},          {" 3,,2.9, 0, 7, 5,3 ", false, {3, 2, 5}},
                        {" 3,,2.9, 0, 7, 5,3 ", true, {3, 5}}, {"x, -1, 1E9", false, {}},
                        {"", true, {}},             {"2, 2.0, 02", true, {2}}};
  for (const Case& c : cases) EXPECT_EQ(NodeNumbers(c.list, 5, c.wholeOnly), c.nodes) << c.list << " " << c.wholeOnly;
}

}  // namespace
