// The job check before an analysis: support, load-case and geometry rules on written job files,
// with their exact messages, and the correction loop driven through the port.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/loadentry.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "testsupport.h"

namespace corvane {
namespace {

// The port answering from a script (No when it is used up), recording the questions and the
// dialogs opened; the dialogs run the given actions.
struct Script {
  std::vector<int> answers;
  std::vector<std::string> asked;
  int supports = 0, loadCases = 0, geometry = 0;
  std::function<void()> onSupports, onLoadCases;
  std::function<int()> onGeometry;
  void Install() {
    CheckHooks.ask = [this](const std::string& m) {
      asked.push_back(m);
      return asked.size() <= answers.size() ? answers[asked.size() - 1] : kAnswerNo;
    };
    CheckHooks.editSupports = [this] {
      ++supports;
      if (onSupports) onSupports();
    };
    CheckHooks.editLoadCases = [this] {
      ++loadCases;
      if (onLoadCases) onLoadCases();
    };
    CheckHooks.editGeometry = [this] {
      ++geometry;
      return onGeometry ? onGeometry() : 0;
    };
  }
  ~Script() { CheckHooks = CheckPort{}; }
};

// A job's geometry: element counts, items 2.. per substructure, element widths.
struct Geometry {
  const char* type;
  int n[4];
  double items[4][7];
  std::vector<float> widths[4];
  const char* answer1;  // "Y" strip / base plate in-plane
};

void WriteGeometry(const Geometry& g) {
  StructureType = g.type;
  Substructure = std::string(g.answer1) == "Y" && StructureType == "BEAM/STRIP" ? "STRIP" : "BEAM";
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kStripSlot] = g.answer1;
  for (int s = 1; s <= 3; ++s) {
    JobDataTable(s, 1) = g.n[s];
    for (int i = 2; i <= 6; ++i) JobDataTable(s, i) = g.items[s][i];
    int cols = ElementTableColumns(StructureCode(), s, GeometryAnswers);
    WorkTables[s].Redim(g.n[s], cols);
    for (int r = 1; r <= g.n[s]; ++r) {
      WorkTables[s](r, 1) = r <= static_cast<int>(g.widths[s].size()) ? g.widths[s][r - 1] : 1.0f;
      for (int k = 2; k <= cols; ++k) WorkTables[s](r, k) = 0.5f;
    }
  }
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
}

// Support answers 1..19 (missing ones "N"), the unyielding list and elastic rows (node, kv, kr).
struct Supports {
  std::vector<std::string> flags;
  std::string nodes;
  std::vector<std::array<float, 3>> springs;
};

void WriteSupports(const Supports& s, int nb) {
  const int type = StructureCode();
  ClearSupportFlags(type);
  for (size_t i = 0; i < s.flags.size(); ++i) SupportFlags[i + 1] = s.flags[i];
  UnyieldingNodes = s.nodes;
  for (auto* t : {&ElasticSupportTable, &WinklerTable, &WallRestraintTable, &WallWinklerTable}) t->Redim(0, 0);
  for (int r = 1; r <= nb + 1; ++r) ElasticSupportTable(r, 0) = static_cast<float>(r);
  for (int r = 1; r <= nb; ++r) WinklerTable(r, 0) = static_cast<float>(r), WinklerTable(r, 1) = 1000, WinklerTable(r, 2) = 1000;
  for (const auto& row : s.springs) {
    ElasticSupportTable(static_cast<int>(row[0]), 1) = row[1];
    ElasticSupportTable(static_cast<int>(row[0]), 2) = row[2];
  }
  ASSERT_TRUE(SaveSupportFile(type));
}

void WriteCases(const std::vector<std::string>& names) {
  TextLineArray lines(1);
  for (const auto& n : names) lines.push_back(n);
  ASSERT_TRUE(SaveTextLines(JobSpec + ".CAS", lines, static_cast<int>(names.size())));
}

const Geometry kBeam = {"BEAM/STRIP", {0, 4, 0, 0}, {{}, {0, 0, 4, 3e7, 0.2, 1e-5, 0}, {}, {}}, {}, "N"};

// Runs the support check once, answering No.
std::string SupportMessage(const Geometry& g, const Supports& s, int passMarker = 0) {
  TestDirectory dir;
  JobSpec = "JOB";
  WriteGeometry(g);
  WriteSupports(s, g.n[1]);
  Script script;
  script.Install();
  int conflict = 0, success = 1;
  CheckSupportData(StructureCode(), conflict, passMarker, success);
  EXPECT_EQ(conflict, script.asked.empty() ? 0 : 1);
  EXPECT_EQ(success, script.asked.empty() ? 1 : 0);
  return script.asked.empty() ? "" : script.asked[0];
}

TEST(CorrectDataQuery, TextCaptionAndNobodyToAsk) {
  EXPECT_EQ(CorrectionQueryText(" UNSTABLE STRUCTURE."), " UNSTABLE STRUCTURE.\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_STREQ(kCorrectionCaption, " WARNING!");
  int answer = 0;
  CorrectDataQuery("x", answer);
  EXPECT_EQ(answer, kAnswerNo);
}

TEST(CheckSupportData, RulesAndPairTexts) {
  const Geometry plate = {"PLATE", {0, 4, 0, 0}, {{}, {0, 0, 1, 5, 3e7, 0.2, 1e-5}, {}, {}}, {}, "N"};
  const struct {
    const char* name;
    Geometry g;
    Supports s;
    const char* message;
  } cases[] = {
      {"nothing chosen", kBeam, {{}, "", {}}, " SUPPORT CONDITIONS ARE NOT SPECIFIED"},
      {"fixed left edge with rotational spring at node 1", kBeam, {{"Y", "N", "Y", "N", "N", "N", "N"}, "", {{1, 0, 50}}},
       " INCORRECT SUPPORT DATA OF ITEM 1 OR 3 "},
      {"fixed right edge with rotational spring at node n + 1", kBeam,
       {{"Y", "N", "Y", "N", "N", "N", "Y"}, "", {{1, 0, 50}, {5, 0, 50}}}, " INCORRECT SUPPORT DATA OF ITEM 3 OR 7 "},
      {"spring under an unyielding node", kBeam, {{"Y", "Y", "Y", "N", "N", "N", "N"}, "1,3", {{3, 100, 0}}},
       " INCORRECT SUPPORT DATA OF ITEM 2 OR 3 "},
      {"spring under an unyielding node of a plate", plate, {{"N", "Y", "Y", "N", "N", "N", "N"}, "5", {{5, 100, 0}}},
       " INCORRECT SUPPORT DATA OF ITEM 2 OR 3 "},
      {"one unyielding node, no fixed edge", kBeam, {{"N", "Y", "N", "N", "N", "N", "N"}, "3", {}}, " UNSTABLE STRUCTURE."},
      {"only elastic supports", kBeam, {{"N", "N", "Y", "N", "N", "N", "N"}, "", {{2, 100, 0}, {4, 100, 0}}},
       " UNSTABLE STRUCTURE."},
      {"entries 3, 07 and 5 count two", kBeam, {{"N", "Y", "N", "N", "N", "N", "N"}, "3,07,5", {}}, ""},
      {"entries 3 and 07 count one", kBeam, {{"N", "Y", "N", "N", "N", "N", "N"}, "3,07", {}}, " UNSTABLE STRUCTURE."},
      {"fixed edge only", kBeam, {{"Y", "N", "N", "N", "N", "N", "N"}, "", {}}, " INCORRECT SUPPORT DATA"},
      {"fixed edge and a node", kBeam, {{"Y", "Y", "N", "N", "N", "N", "N"}, "2", {}}, ""},
      {"Winkler with both half-spaces", kBeam, {{"N", "N", "N", "Y", "Y", "Y", "N", "30000", "0.3"}, "", {}},
       " INCORRECT SUPPORT DATA OF ITEM 4 OR 5 "},
      {"Winkler with the cross-anisotropic half-space", kBeam,
       {{"N", "N", "N", "Y", "N", "Y", "N", "3", "4", "5", "0.2", "0.2"}, "", {}}, " INCORRECT SUPPORT DATA OF ITEM 4 OR 6 "},
      {"both half-spaces", kBeam, {{"N", "N", "N", "N", "Y", "Y", "N", "3", "4", "5", "0.2", "0.2"}, "", {}},
       " INCORRECT SUPPORT DATA OF ITEM 5 OR 6 "},
      {"Winkler alone", kBeam, {{"N", "N", "N", "Y", "N", "N", "N"}, "", {}}, ""},
      {"unyielding node above n + 1", kBeam, {{"Y", "Y", "Y", "N", "N", "N", "N"}, "2,6", {{2, 0, 10}}},
       " UNYIELDING SUPPORT DATA UNACCEPTABLE"},
      {"node n + 1 is the last", kBeam, {{"N", "Y", "N", "N", "N", "N", "N"}, "1,5", {}}, ""},
      {"a node of eleven digits", kBeam, {{"Y", "Y", "N", "N", "N", "N", "N"}, "1,99999999999", {}},
       " UNYIELDING SUPPORT DATA UNACCEPTABLE"},
      {"a node of eleven digits, both edges free", kBeam, {{"N", "Y", "N", "N", "N", "N", "N"}, "1,99999999999", {}},
       " UNYIELDING SUPPORT DATA UNACCEPTABLE"},
  };
  for (const auto& c : cases) EXPECT_EQ(SupportMessage(c.g, c.s), c.message) << c.name;
}

TEST(CheckSupportData, StabilityRuleOnlyWhileTheMarkerIsClear) {
  const Supports oneNode = {{"N", "Y", "N", "N", "N", "N", "N"}, "3", {}};
  EXPECT_EQ(SupportMessage(kBeam, oneNode, 0), " UNSTABLE STRUCTURE.");
  EXPECT_EQ(SupportMessage(kBeam, oneNode, 1), "");
}

TEST(CheckSupportData, YesLeavingTheDataAsTheyAreThenPasses) {
  TestDirectory dir;
  JobSpec = "JOB";
  WriteGeometry(kBeam);
  WriteSupports({{"N", "Y", "N", "N", "N", "N", "N"}, "3", {}}, 4);
  Script script;
  script.answers = {kAnswerYes};
  script.Install();
  int conflict = 0, marker = 0, success = 0;
  CheckSupportData(1, conflict, marker, success);
  EXPECT_EQ(script.asked, std::vector<std::string>{" UNSTABLE STRUCTURE."});
  EXPECT_EQ(script.supports, 1);
  EXPECT_EQ(success, 1);
  EXPECT_EQ(conflict, 0);
  EXPECT_EQ(marker, 1);
}

TEST(AcceptedUnyieldingNodes, EntriesThatReadBackAsTheirNumber) {
  const struct {
    const char* list;
    int limit;
    std::vector<double> nodes;
  } cases[] = {{"3,07,5", 10, {3, 5}}, {"2.5, 4a, 4", 10, {4}}, {"1,1", 10, {1, 1}}, {"1,2,3", 2, {1, 2}},
               {"", 10, {}},          {"0,-1, 6", 10, {6}},     {"1,99999999999", 10, {1, 99999999999.0}}};
  for (const auto& c : cases) EXPECT_EQ(AcceptedUnyieldingNodes(c.list, c.limit), c.nodes) << c.list;
}

TEST(CheckNodalLineMatch, Kinds) {
  Table2D<float> t;
  t.Redim(3, 2);
  t(1, 1) = 2;
  t(2, 1) = 2;
  t(3, 1) = 2;
  const struct {
    int kind;
    float start, end, position;
    int code;
  } cases[] = {
      {1, 0, 6, 4.005f, 0}, {1, 0, 6, 3.995f, 0}, {1, 0, 6, 4.006f, 5}, {1, 0, 6, 6.0f, 0}, {1, 0, 6, 0.0f, 0},
      {2, 1, 7, 5.0f, 0},   {2, 1, 7, 4.0f, 6},   {2, 1, 7, 7.004f, 0}, {3, 0, 6, 6.0f, 0}, {3, 0, 6, 4.0f, 9},
      {3, 0, 6, 6.006f, 9},
  };
  for (const auto& c : cases) {
    int code = -1;
    CheckNodalLineMatch(t, 4, c.kind, c.start, c.end, c.position, code);
    EXPECT_EQ(code, c.code) << "kind " << c.kind << " at " << c.position;
  }
}

// Support data that pass for every structure type, one load case.
void PassingSupportsAndCase(int nb) {
  WriteSupports({{"N", "N", "N", "Y", "N", "N", "N"}, "", {}}, nb);
  WriteCases({"DEAD LOAD"});
}

Geometry Tank(double baseRadius, double wallRadius, double wallHeight, std::vector<float> wallRings, int roofElements,
              double roofInner, double roofOuter) {
  Geometry g = {"TANK",
                {0, 3, static_cast<int>(wallRings.size()), roofElements},
                {{}, {0, 0, baseRadius, 3e7, 0.2, 1e-5}, {0, 0, wallRadius, wallHeight, 3e7, 0.2, 1e-5},
                 {0, 0, roofInner, roofOuter, 3e7, 0.2, 1e-5}},
                {{}, {2, 2, 2}, wallRings, std::vector<float>(static_cast<size_t>(roofElements), 2.0f)},
                "N"};
  return g;
}

TEST(CheckJobData, GeometryCodes) {
  const struct {
    const char* name;
    Geometry g;
    const char* message;
  } cases[] = {
      {"beam", kBeam, ""},
      {"beam without modulus", {"BEAM/STRIP", {0, 4, 0, 0}, {{}, {0, 0, 4, 0, 0.2}, {}, {}}, {}, "N"},
       " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO"},
      {"plate without modulus", {"PLATE", {0, 4, 0, 0}, {{}, {0, 0, 0, 5, 0, 0.2}, {}, {}}, {}, "N"},
       " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO"},
      {"plate radii reversed", {"PLATE", {0, 4, 0, 0}, {{}, {0, 0, 5, 1, 3e7, 0.2}, {}, {}}, {}, "N"},
       " OUTER RADIUS OF PLATE MUST BE BIGGER THAN INNER RADIUS"},
      {"plate radii equal", {"PLATE", {0, 4, 0, 0}, {{}, {0, 0, 2, 2, 3e7, 0.2}, {}, {}}, {}, "N"}, ""},
      {"tank", Tank(6, 4, 4, {2, 2}, 2, 0, 4), ""},
      {"wall 0.005 from a base node", Tank(6, 4.005, 4, {2, 2}, 0, 0, 0), ""},
      {"wall 0.006 from a base node", Tank(6, 4.006, 4, {2, 2}, 0, 0, 0),
       " WALL - BASE JUNCTION MUST COINCIDE WITH ONE OF BASE NODAL LINES"},
      {"rings short of the height", Tank(6, 4, 5, {2, 2}, 0, 0, 0), " TOTAL OF WALL RING WIDTH DIFFERS FROM WALL HEIGHT"},
      {"rings past the height, a node on it", Tank(6, 4, 4, {2, 2, 1}, 0, 0, 0),
       " TOTAL OF WALL RING WIDTH DIFFERS FROM WALL HEIGHT"},
      {"base radius 0", Tank(0, 0, 4, {2, 2}, 0, 0, 0), " RADIUS OF BASE PLATE MUST BE BIGGER THAN ZERO"},
      {"wall radius 0", Tank(6, 0, 4, {2, 2}, 0, 0, 0), " RADIUS OF WALL CYLINDER MUST BE BIGGER THAN ZERO"},
      {"wall beyond the base", Tank(6, 6.004, 4, {2, 2}, 0, 0, 0),
       " RADIUS OF WALL CYLINDER MUST NOT BE BIGGER THAN RADIUS OF BASE PLATE"},
      {"roof too small", Tank(6, 6, 4, {2, 2}, 2, 0, 4), " RADIUS OF WALL CYLINDER DOESN'T MATCH ROOF DIMENSIONS"},
      {"wall inside the roof's hole", Tank(6, 2, 4, {2, 2}, 2, 3, 7), " RADIUS OF WALL CYLINDER DOESN'T MATCH ROOF DIMENSIONS"},
      {"wall between roof nodes", Tank(6, 4, 4, {2, 2}, 2, 1, 5), " WALL - ROOF JUNCTION MUST COINCIDE WITH ONE OF ROOF NODAL LINES"},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB";
    WriteGeometry(c.g);
    PassingSupportsAndCase(c.g.n[1]);
    Script script;
    script.Install();
    int success = -1;
    CheckJobData(StructureCode(), success);
    EXPECT_EQ(success, *c.message ? 0 : 1) << c.name;
    EXPECT_EQ(script.asked, *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.name;
  }
}

// A chosen half-space whose constants the solver cannot take is refused by the check, naming its
// item and the value, before ANALYSIS.exe runs: Ok in the half-space dialog without data wrote
// E = 0 and Nu = 0. A tank's base plate keeps its constants from slot 15 on.
TEST(CheckSupportData, HalfSpaceConstantsOutsideTheirRange) {
  const Geometry plate = {"PLATE", {0, 4, 0, 0}, {{}, {0, 0, 1, 5, 3e7, 0.2, 1e-5}, {}, {}}, {}, "N"};
  const Geometry tank = Tank(6, 4, 4, {2, 2}, 0, 0, 0);
  const std::string iso = " INCORRECT SUPPORT DATA OF ITEM 5 \r\n (HALF-SPACE: ";
  const std::string cross = " INCORRECT SUPPORT DATA OF ITEM 6 \r\n (HALF-SPACE: ";
  const std::string positive = "; it must be bigger than 0)", ratio = "; it must be above 0 and at most 0.5)";
  std::vector<std::string> tankIso(19, "N"), tankCross(19, "N");
  tankIso[4] = "Y";
  tankIso[14] = "0", tankIso[15] = "0";
  tankCross[5] = "Y";
  for (int k = 0; k < 5; ++k) tankCross[14 + k] = k == 4 ? "0.8" : k == 3 ? "0.2" : "2";
  std::vector<std::string> tankGood = tankIso;
  tankGood[14] = "30000", tankGood[15] = "0.3";
  const struct {
    const char* name;
    Geometry g;
    Supports s;
    std::string message;
  } cases[] = {
      {"beam on a half-space without data", kBeam, {{"N", "N", "N", "N", "Y", "N", "N", "0", "0"}, "", {}},
       iso + "Modulus of Elasticity, E[kPa]= 0" + positive},
      {"beam, Poisson's ratio 0", kBeam, {{"N", "N", "N", "N", "Y", "N", "N", "30000", "0"}, "", {}},
       iso + "Poisson's Ratio, Nu= 0" + ratio},
      {"beam, Poisson's ratio 0.6", kBeam, {{"N", "N", "N", "N", "Y", "N", "N", "30000", "0.6"}, "", {}},
       iso + "Poisson's Ratio, Nu= .6" + ratio},
      {"beam, Poisson's ratio 0.5", kBeam, {{"N", "N", "N", "N", "Y", "N", "N", "30000", "0.5"}, "", {}}, ""},
      {"plate on a cross-anisotropic half-space", plate, {{"N", "N", "N", "N", "N", "Y", "N", "3", "4", "5", "0.2", "0.2"}, "", {}}, ""},
      {"plate, no quasi shear modulus", plate, {{"N", "N", "N", "N", "N", "Y", "N", "3", "4", "0", "0.2", "0.2"}, "", {}},
       cross + "Quasi Shear Modulus, Gv[kPa]= 0" + positive},
      {"tank base plate without data", tank, {tankIso, "", {}}, iso + "Modulus of Elasticity, E[kPa]= 0" + positive},
      {"tank base plate, NUv 0.8", tank, {tankCross, "", {}},
       cross + "Poisson's Ratio for Vertical Strain, NUv= .8" + ratio},
      {"tank base plate", tank, {tankGood, "", {}}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SupportMessage(c.g, c.s), c.message) << c.name;
}

TEST(CheckJobData, BeamOnAHalfSpaceWithoutModulusPasses) {
  TestDirectory dir;
  JobSpec = "JOB";
  WriteGeometry({"BEAM/STRIP", {0, 4, 0, 0}, {{}, {0, 0, 4, 0, 0.2}, {}, {}}, {}, "N"});
  WriteSupports({{"N", "N", "N", "N", "Y", "N", "N", "30000", "0.3"}, "", {}}, 4);
  WriteCases({"A"});
  Script script;
  script.Install();
  int success = 0;
  CheckJobData(1, success);
  EXPECT_EQ(success, 1);
  EXPECT_TRUE(script.asked.empty());
}

// Results never outlive their data: a data command that changes the load file of case A removes
// A's result files, one that changes the geometry or the supports every case's; a rewrite with
// the same content keeps them (the graphs and the results document would otherwise show
// ANALYSIS.exe's results of the old data as the current case's).
TEST(DataFiles, ChangedDataRemoveTheResultsTheyOutdate) {
  const Supports twoNodes = {{"N", "Y", "N", "N", "N", "N", "N"}, "1,5", {}};
  const struct {
    const char* what;
    std::function<void()> command;
    bool caseKept, otherKept;  // JOB.RBA and JOB.RPA of case A, JOB.RBW and JOB.RRW of another
  } cases[] = {
      {"loads closed unchanged", [] { VisitLoadData([](int) {}); }, true, true},
      {"a load changed", [] { VisitLoadData([](int) { LoadTable(1, 1) = 350; }); }, false, true},
      {"supports rewritten unchanged", [&] { WriteSupports(twoNodes, 4); }, true, true},
      {"supports changed", [] { WriteSupports({{"Y", "Y", "N", "N", "N", "N", "N"}, "1,5", {}}, 4); }, false, false},
      {"geometry rewritten unchanged", [] { WriteGeometry(kBeam); }, true, true},
      {"geometry changed", [] { WriteGeometry({"BEAM/STRIP", {0, 4, 0, 0}, {{}, {0, 0, 4, 2e7, 0.2, 1e-5, 0}, {}, {}}, {}, "N"}); },
       false, false},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB";
    LoadCaseName = "A";
    // The job's files as the program writes them, then analysed.
    WriteGeometry(kBeam);
    WriteSupports(twoNodes, 4);
    ASSERT_TRUE(VisitLoadData([](int) { LoadTable(1, 1) = 300; }));
    TextLineArray report{"", "results of the data as they were"};
    for (const char* r : {"JOB.RBA", "JOB.RPA", "JOB.RBW", "JOB.RRW"}) ASSERT_TRUE(SaveTextLines(r, report, 1));
    c.command();
    EXPECT_EQ(FileExists("JOB.RBA"), c.caseKept) << c.what;
    EXPECT_EQ(FileExists("JOB.RPA"), c.caseKept) << c.what;
    EXPECT_EQ(FileExists("JOB.RBW"), c.otherKept) << c.what;
    EXPECT_EQ(FileExists("JOB.RRW"), c.otherKept) << c.what;
  }
}

TEST(CheckJobData, CodeOneNamesTheStructure) {
  Substructure = "BEAM";
  EXPECT_EQ(GeometryCheckMessage(1, 1), " LENGTH OF BEAM MUST BE BIGGER THAN ZERO");
  Substructure = "STRIP";
  EXPECT_EQ(GeometryCheckMessage(1, 1), " LENGTH OF IDEALISATION STRIP MUST BE BIGGER THAN ZERO");
  EXPECT_EQ(GeometryCheckMessage(1, 2), " OUTER RADIUS OF PLATE MUST BE BIGGER THAN ZERO");
  EXPECT_EQ(GeometryCheckMessage(11, 1), " UNYIELDING SUPPORT DATA UNACCEPTABLE");
}

TEST(CheckJobData, NoLoadCaseOfferedThenCorrected) {
  TestDirectory dir;
  JobSpec = "JOB";
  WriteGeometry(kBeam);
  WriteSupports({{"N", "N", "N", "Y", "N", "N", "N"}, "", {}}, 4);
  WriteCases({"   "});
  Script script;
  script.answers = {kAnswerYes};
  script.onLoadCases = [] { WriteCases({"WIND"}); };
  script.Install();
  int success = 0;
  CheckJobData(1, success);
  EXPECT_EQ(success, 1);
  EXPECT_EQ(script.asked, std::vector<std::string>{" NO LOAD CASE IS SPECIFIED FOR THIS JOB"});
  EXPECT_EQ(script.loadCases, 1);
  EXPECT_EQ(Trim(LoadCaseNames[1]), "WIND");
}

TEST(CheckJobData, NoEndsTheCheckWithZero) {
  // Each kind of problem, answered No: the check ends at once with 0 and opens no dialog.
  const struct {
    const char* name;
    Supports s;
    bool cases;
    Geometry g;
  } cases[] = {
      {"supports", {{}, "", {}}, true, kBeam},
      {"load cases", {{"N", "N", "N", "Y"}, "", {}}, false, kBeam},
      {"geometry", {{"N", "N", "N", "Y"}, "", {}}, true, Tank(6, 4, 5, {2, 2}, 0, 0, 0)},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB";
    WriteGeometry(c.g);
    WriteSupports(c.s, c.g.n[1]);
    if (c.cases) WriteCases({"A"});
    Script script;
    script.Install();
    int success = -1;
    CheckJobData(StructureCode(), success);
    EXPECT_EQ(success, 0) << c.name;
    EXPECT_EQ(script.asked.size(), 1u) << c.name;
    EXPECT_EQ(script.supports + script.loadCases + script.geometry, 0) << c.name;
  }
}

TEST(CheckJobData, UnstableOnlyOnTheFirstPassOfARun) {
  // Unstable, Yes to correct (the support command changes nothing), then a geometry problem
  // corrected in the dialog: the later rounds do not ask about stability again.
  TestDirectory dir;
  JobSpec = "JOB";
  WriteGeometry({"BEAM/STRIP", {0, 4, 0, 0}, {{}, {0, 0, 4, 0, 0.2}, {}, {}}, {}, "N"});
  WriteSupports({{"N", "Y", "N", "N", "N", "N", "N"}, "3", {}}, 4);
  WriteCases({"A"});
  Script script;
  script.answers = {kAnswerYes, kAnswerYes};
  script.onGeometry = [] {
    WriteGeometry(kBeam);
    return 1;
  };
  script.Install();
  int success = 0;
  CheckJobData(1, success);
  EXPECT_EQ(success, 1);
  EXPECT_EQ(script.asked,
            (std::vector<std::string>{" UNSTABLE STRUCTURE.", " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO"}));
  EXPECT_EQ(script.geometry, 1);
}

}  // namespace
}  // namespace corvane
