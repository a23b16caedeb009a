#include <gtest/gtest.h>

#include "core/jobdata.h"
#include "testsupport.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"

namespace trabix {
namespace {

using testing::LoadFixture;

// The geometry header of a fixture job read into the globals, as the readers of its other files
// need it.
void ReadFixtureGeometry(const std::string& file) {
  int count = 0;
  TextLineArray geo = LoadFixture(file, count);
  ASSERT_EQ(ReadGeometryHeader(geo, count), 2) << file;
}

void ExpectSameLines(const TextLineArray& got, int gotCount, const TextLineArray& want, int wantCount) {
  ASSERT_EQ(gotCount, wantCount);
  for (int i = 1; i <= wantCount; ++i) EXPECT_EQ(got[i], want[i]) << "line " << i;
}

// Reads a fixture's geometry, writes the listing again: the same file, line by line.
TEST(GeometryFile, FixturesRoundTrip) {
  const struct {
    const char* file;
    bool strip, symmetric;
    double length, elements, modulus, poisson, expansion;
    double row2[3];
  } cases[] = {
      {"BEAMJOB.GEO", false, false, 6, 3, 3.0e7, 0.2, 1.0e-5, {2.5, 0.3, 0.5}},
      {"STRIPSYM.GEO", true, true, 1.5, 2, 2.5e7, 0.15, 1.2e-5, {0.75, 0.4, 0.0}},
  };
  for (const auto& c : cases) {
    int count = 0;
    TextLineArray fixture = LoadFixture(c.file, count);
    StructureFlags.assign(6, "x");
    EXPECT_EQ(ReadGeometryHeader(fixture, count), 2) << c.file;
    EXPECT_EQ(StructureFlags[kStripSlot], c.strip ? "Y" : "N");
    EXPECT_EQ(StructureFlags[kSymmetricHalfSlot], c.symmetric ? "Y" : "N");
    EXPECT_EQ(GeometryValues[kLengthSlot], c.length);
    EXPECT_EQ(GeometryValues[kElementCountSlot], c.elements);
    EXPECT_EQ(GeometryValues[kModulusSlot], c.modulus);
    EXPECT_EQ(GeometryValues[kPoissonSlot], c.poisson);
    EXPECT_EQ(GeometryValues[kExpansionSlot], c.expansion);
    EXPECT_EQ(ReadElementTable(fixture, count, 2), ElementCount());
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ElementTable(2, k + 1), c.row2[k]) << c.file << " column " << k + 1;

    TextLineArray lines;
    int written = 0, firstRow = 0;
    ListGeometry(lines, written, firstRow, fixture[1]);
    EXPECT_EQ(firstRow, 7);
    ListElementTable(lines, ElementTable, ElementCount(), firstRow, c.strip ? 2 : 1);
    ExpectSameLines(lines, written, fixture, count);
  }
}

TEST(GeometryFile, DataLabelIsNotTakenFromTheJobsName) {
  // A job in a folder called DATA: its first line holds the word, and the word's kind too.
  TextLineArray lines = {"", "Job: C:\\DATA\\SYMMETRIC STRIP!\\X1 // GEOMETRY & MAT. PROPERTIES", "DATA:  BEAM!",
                         "head", "    4          2             1.0000E+6            0.000", "Coefficient of Thermal Expansion:   0.000E+0"};
  StructureFlags.assign(6, "");
  EXPECT_EQ(ReadGeometryHeader(lines, 5), 2);
  EXPECT_EQ(StructureFlags[kStripSlot], "N");
  EXPECT_EQ(StructureFlags[kSymmetricHalfSlot], "N");
  EXPECT_EQ(GeometryValues[kLengthSlot], 4.0);
  EXPECT_EQ(GeometryValues[kModulusSlot], 1.0e6);
  // Without its DATA line the file is no geometry file, whatever its first line says.
  GeometryValues[kLengthSlot] = 7;
  EXPECT_EQ(ReadGeometryHeader(lines, 1), 0);
  EXPECT_EQ(GeometryValues[kLengthSlot], 7.0);
}

TEST(GeometryFile, ShortTableIsReported) {
  int count = 0;
  TextLineArray fixture = LoadFixture("BEAMJOB.GEO", count);
  ReadGeometryHeader(fixture, count);
  GeometryValues[kElementCountSlot] = 9;  // more elements than rows
  EXPECT_LT(ReadElementTable(fixture, count, 2), ElementCount());
  GeometryValues[kElementCountSlot] = 1.0e9;  // a damaged count stays bounded
  EXPECT_EQ(ElementCount(), kMaxElements);
}

TEST(SupportFile, FixturesRoundTrip) {
  const struct {
    const char* geo;
    const char* sup;
  } cases[] = {{"BEAMJOB.GEO", "BEAMJOB.SUP"}, {"STRIPSYM.GEO", "STRIPSYM.SUP"}};
  for (const auto& c : cases) {
    int count = 0;
    ReadFixtureGeometry(c.geo);
    TextLineArray fixture = LoadFixture(c.sup, count);
    ReadSupportData(fixture, count);
    int n = ElementCount();
    int springs = 0, soil = 0;
    CompactZeroRows(SpringTable, n + 1, 2, springs);
    CompactZeroRows(SoilTable, n, 4, soil);
    TextLineArray lines;
    int written = 0, elasticFirst = springs, winklerFirst = soil;
    ListSupports(lines, written, elasticFirst, winklerFirst, fixture[1], UnyieldingNodes);
    if (elasticFirst) ListSupportRows(lines, 3, elasticFirst, elasticFirst + springs - 1, SpringTable);
    if (winklerFirst) ListSupportRows(lines, 4, winklerFirst, winklerFirst + soil - 1, SoilTable);
    ExpectSameLines(lines, written, fixture, count);
  }
}

TEST(SupportFile, ReadsEverySection) {
  int count = 0;
  ReadFixtureGeometry("BEAMJOB.GEO");
  TextLineArray sup = LoadFixture("BEAMJOB.SUP", count);
  ReadSupportData(sup, count);
  const char* flags[] = {"", "Y", "Y", "Y", "Y", "Y", "N", "N"};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(SupportFlags[i], flags[i]) << "item " << i;
  EXPECT_EQ(ParseNumber(SupportFlags[kHalfSpaceModulusSlot]), 15000.0);
  EXPECT_EQ(ParseNumber(SupportFlags[kHalfSpacePoissonSlot]), 0.3);
  EXPECT_EQ(ParseNumber(SupportFlags[kHalfSpaceYieldSlot]), 150.0);
  EXPECT_EQ(UnyieldingNodes, "1, 4");
  EXPECT_EQ(SpringTable(2, 1), 5000.0);
  EXPECT_EQ(SpringTable(3, 2), 250.5);
  EXPECT_EQ(SpringTable(1, 1), 0.0);
  EXPECT_EQ(SpringTable(4, 0), 4.0);
  EXPECT_EQ(SoilTable(2, 2), 3.0e4);
  EXPECT_EQ(SoilTable(2, 3), 150.0);
  EXPECT_EQ(SoilTable(3, 4), 0.0);

  TextLineArray cross = LoadFixture("STRIPSYM.SUP", count);
  ReadSupportData(cross, count);
  EXPECT_EQ(SupportFlags[kAnisotropicHalfSpaceSlot], "Y");
  EXPECT_EQ(SupportFlags[kIsotropicHalfSpaceSlot], "N");
  EXPECT_EQ(SupportFlags[kRightEdgeFixedSlot], "LOAD DEPENDENT!");
  const double values[] = {2.0e4, 4.0e4, 8.0e3, 0.2, 0.15, 200.0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ParseNumber(SupportFlags[8 + i]), values[i]) << "item " << 8 + i;
}

TEST(SupportFile, SymmetricHalfAndEmptyTables) {
  StructureFlags.assign(6, "N");
  StructureFlags[kSymmetricHalfSlot] = "Y";
  GeometryValues.assign(6, 0.0);
  GeometryValues[kElementCountSlot] = 2;
  SupportFlags.assign(kSupportFlagSlots, "N");
  SupportFlags[kLeftEdgeFixedSlot] = "y";
  SupportFlags[kRightEdgeFixedSlot] = "Y";
  SupportFlags[kElasticSupportsSlot] = SupportFlags[kWinklerSlot] = "Y";  // flagged, but no rows to list
  TextLineArray lines;
  int count = 0, elastic = 0, winkler = 0;
  ListSupports(lines, count, elastic, winkler, "Job: X // SUPPORTS", "");
  ASSERT_EQ(count, 6);
  EXPECT_EQ(lines[3], "Left Edge Fixed against Rotation (?):  Y");
  EXPECT_EQ(lines[4], "Right Edge Fixed against Rotation (?):  LOAD DEPENDENT!");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "------------------------ END OF SUPPORT DATA ------------------------");
  EXPECT_EQ(elastic, 0);
  EXPECT_EQ(winkler, 0);
}

TEST(SupportFile, MissingFileReadsAsNoSupports) {
  GeometryValues.assign(6, 0.0);
  GeometryValues[kElementCountSlot] = 3;
  TextLineArray none;
  ReadSupportData(none, 0);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(SupportFlags[i], "N");
  EXPECT_EQ(UnyieldingNodes, "");
  EXPECT_EQ(SoilTable(3, 1), 0.0);
}

TEST(UnyieldingNodeList, CommaSeparatedNodesWithinTheStructure) {
  EXPECT_EQ(UnyieldingNodeList("1, 4", 5), (std::vector<int>{1, 4}));
  EXPECT_EQ(UnyieldingNodeList(" 3,,2.9, 0, 7, 5,3 ", 5), (std::vector<int>{3, 2, 5}));
  EXPECT_TRUE(UnyieldingNodeList("", 5).empty());
}

TEST(LoadFile, FixturesRoundTrip) {
  const struct {
    const char* geo;
    const char* load;
  } cases[] = {{"BEAMJOB.GEO", "BEAMJOB.LDA"}, {"STRIPSYM.GEO", "STRIPSYM.LDS"}};
  for (const auto& c : cases) {
    int count = 0;
    ReadFixtureGeometry(c.geo);
    StructureFlags[kSymmetricLoadsSlot] = "";
    TextLineArray fixture = LoadFixture(c.load, count);
    int nodal = 0, trapezoidal = 0, temperature = 0;
    ReadLoadData(fixture, count, nodal, trapezoidal, temperature);
    int n = ElementCount();
    CompactZeroRows(NodalLoadTable, n + 1, 2, nodal);
    CompactZeroRows(LoadTable, n, 2, trapezoidal);
    CompactZeroRows(TemperatureTable, n, 2, temperature);
    TextLineArray lines;
    int written = 0, nodalFirst = nodal, trapezoidalFirst = trapezoidal, temperatureFirst = temperature;
    ListLoads(lines, written, nodalFirst, trapezoidalFirst, temperatureFirst, fixture[1]);
    if (nodal) ListLoadRows(lines, 3, nodalFirst, nodalFirst + nodal - 1, NodalLoadTable);
    if (trapezoidal) ListLoadRows(lines, 4, trapezoidalFirst, trapezoidalFirst + trapezoidal - 1, LoadTable);
    if (temperature) ListLoadRows(lines, 5, temperatureFirst, temperatureFirst + temperature - 1, TemperatureTable);
    ExpectSameLines(lines, written, fixture, count);
  }
}

TEST(LoadFile, ReadsValuesTablesAndSymmetry) {
  int count = 0;
  ReadFixtureGeometry("BEAMJOB.GEO");
  TextLineArray load = LoadFixture("BEAMJOB.LDA", count);
  int nodal = 0, trapezoidal = 0, temperature = 0;
  ReadLoadData(load, count, nodal, trapezoidal, temperature);
  EXPECT_EQ(nodal, 2);
  EXPECT_EQ(trapezoidal, 2);
  EXPECT_EQ(temperature, 1);
  EXPECT_EQ(LoadValues[kUniformLoadSlot], 12.5);
  EXPECT_EQ(LoadValues[kMassDensitySlot], 2500.0);
  EXPECT_EQ(NodalLoadTable(2, 1), 10.0);
  EXPECT_EQ(NodalLoadTable(4, 1), -3.5);
  EXPECT_EQ(NodalLoadTable(4, 2), 12.25);
  EXPECT_EQ(NodalLoadTable(3, 1), 0.0);
  EXPECT_EQ(LoadTable(1, 2), 7.5);
  EXPECT_EQ(LoadTable(3, 2), 2.0);
  EXPECT_EQ(TemperatureTable(2, 1), 5.0);
  EXPECT_EQ(TemperatureTable(2, 2), 25.0);

  ReadFixtureGeometry("STRIPSYM.GEO");
  StructureFlags[kSymmetricLoadsSlot] = "";
  TextLineArray symLoad = LoadFixture("STRIPSYM.LDS", count);
  ReadLoadData(symLoad, count, nodal, trapezoidal, temperature);
  EXPECT_EQ(StructureFlags[kSymmetricLoadsSlot], "S");
  EXPECT_EQ(nodal, 1);
  EXPECT_EQ(trapezoidal, 0);
  EXPECT_EQ(NodalLoadTable(3, 1), 50.0);
  symLoad[2] = "LOAD DATA: ANTISYMMETRIC LOADS ";
  ReadLoadData(symLoad, count, nodal, trapezoidal, temperature);
  EXPECT_EQ(StructureFlags[kSymmetricLoadsSlot], "A");
  StructureFlags[kSymmetricHalfSlot] = "N";  // the words count only for a symmetric half
  symLoad[2] = "LOAD DATA: SYMMETRIC LOADS ";
  ReadLoadData(symLoad, count, nodal, trapezoidal, temperature);
  EXPECT_EQ(StructureFlags[kSymmetricLoadsSlot], "A");
}

TEST(LoadFile, EmptyTablesLeaveTheirSectionsOut) {
  StructureFlags.assign(6, "N");
  LoadValues = {0, 2.5, 0};
  TextLineArray lines;
  int count = 0, nodal = 0, trapezoidal = 0, temperature = 1;
  ListLoads(lines, count, nodal, trapezoidal, temperature, "Job: X // LOADS (A)");
  const char* expected[] = {"",
                            "Job: X // LOADS (A)",
                            "LOAD DATA:",
                            "Uniform Load [kN/m]: 2.5",
                            "Self Weight (Mass Density) [kg/m^3]: 0.0",
                            "",
                            "TEMPERATURE LOADING (CHANGES):",
                            " Elment 'i'     Above the Element       Below the Element",
                            "(Nodes i,j)        [Celsius]               [Celsius]",
                            "",
                            "**REMARK: - ELEMENT NUMBERING STARTS AT BEAM/STRIP LEFT EDGE",
                            "          - TEMPERATURE INCREASE IS CONSIDERED TO BE POSITIVE",
                            "",
                            "------------------------- END OF LOAD DATA -------------------------"};
  ASSERT_EQ(count, 13);
  for (int i = 1; i <= count; ++i)
    if (i != 9) {
      EXPECT_EQ(lines[i], expected[i]) << i;
    }
  EXPECT_EQ(nodal, 0);
  EXPECT_EQ(trapezoidal, 0);
  EXPECT_EQ(temperature, 9);

  temperature = 0;
  ListLoads(lines, count, nodal, trapezoidal, temperature, "Job: X // LOADS (A)");
  ASSERT_EQ(count, 6);
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "------------------------- END OF LOAD DATA -------------------------");
}

TEST(FileNames, ByJobAndCaseLetter) {
  EXPECT_EQ(LoadFileName("C:\\J\\ONE", "  dead load"), "C:\\J\\ONE.LDd");
  EXPECT_EQ(ResultsFileName("C:\\J\\ONE", "A"), "C:\\J\\ONE.RBA");
  EXPECT_EQ(GeometryFileName("X"), "X.geo");
  EXPECT_EQ(LoadHeader("X", "A1"), "Job: X // LOADS (A1)");
}

}  // namespace
}  // namespace trabix
