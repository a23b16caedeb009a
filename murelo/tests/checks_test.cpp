// The job check before an analysis: a table of jobs with the messages it asks and what Yes and
// No lead to.
#include <gtest/gtest.h>

#include "../../common/tests/correctionscript.h"
#include "../../common/tests/damagedfiles.h"
#include "murelo/core/checks.h"
#include "solvetool.h"
#include "testsupport.h"

namespace murelo {
namespace {

using testing::StandardWall;
using testing::WallGeometry;
using testing::WallLoads;
using testing::WallSupports;

using CheckTest = testing::WallTest;

const std::string kUnstable = " UNSTABLE STRUCTURE.";

WallSupports OnSupports(const std::string& nodes) {
  WallSupports s;
  s.unyielding = nodes;
  return s;
}
WallSupports OnWinkler() {
  WallSupports s;
  s.winkler = 10000;
  return s;
}

void WriteJob(const WallGeometry& g, const WallSupports& s, bool withCases = true) {
  JobSpec = "WALL";
  testing::WriteGeometry("WALL", g);
  testing::WriteSupports("WALL", s, g.plate.elements);
  testing::WriteLoads("WALL", "A", WallLoads());
  if (!withCases) DeleteIfExists(LoadCaseListFileName("WALL"));
}

TEST_F(CheckTest, SupportAndLoadCaseTable) {
  WallGeometry noModulus = StandardWall();
  noModulus.plateModulus = 0;
  WallSupports none;  // the toe restraint alone
  WallSupports bothSoils = OnWinkler();
  bothSoils.halfSpaceModulus = 30000;
  WallSupports springsOnly;
  springsOnly.elastic = {{1, 5000, 0}, {5, 5000, 0}};
  WallSupports free = OnWinkler();
  free.toeRestrained = false;
  WallSupports freeWithSpring = free;
  freeWithSpring.restraints = {{4, 100, 0}};
  WallSupports springAtNode = OnWinkler();
  springAtNode.unyielding = "3";
  springAtNode.elastic = {{3, 5000, 0}};
  WallSupports halfSpace;
  halfSpace.toeRestrained = false;
  halfSpace.halfSpaceModulus = 30000;

  // Half-spaces whose constants the analysis cannot take (the solver would analyse a Poisson's
  // ratio outside 0 to 0.5 as 0): refused, naming the item and the value.
  WallSupports noSoilModulus = halfSpace;
  noSoilModulus.halfSpace = true;
  noSoilModulus.halfSpaceModulus = 0;
  noSoilModulus.halfSpacePoisson = 0;
  WallSupports ratioAbove = halfSpace;
  ratioAbove.halfSpacePoisson = 0.6;
  WallSupports ratioZero = halfSpace;
  ratioZero.halfSpacePoisson = 0;
  WallSupports incompressible = halfSpace;
  incompressible.halfSpacePoisson = 0.5;
  const std::string halfSpaceItem = " INCORRECT SUPPORT DATA OF ITEM 4 \r\n (HALF-SPACE: ";

  struct Case {
    const char* what;
    WallGeometry geometry;
    WallSupports supports;
    bool cases;
    std::vector<int> answers;
    std::vector<std::string> asked;
    int result, supportDialogs;
  };
  const std::vector<Case> table = {
      {"two unyielding nodes", StandardWall(), OnSupports("1,5"), true, {}, {}, 1, 0},
      {"no support", StandardWall(), none, true, {}, {" SUPPORT CONDITIONS ARE NOT SPECIFIED"}, 0, 0},
      {"both soils", StandardWall(), bothSoils, true, {}, {" INCORRECT SUPPORT DATA OF ITEM 3 OR 4 "}, 0, 0},
      {"modulus 0 on Winkler soil", noModulus, OnWinkler(), true, {}, {}, 1, 0},
      {"modulus 0 on supports", noModulus, OnSupports("1,5"), true, {}, {" MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO"}, 0, 0},
      // The stability rule once: after Yes the check passes as the supports stand.
      {"springs only", StandardWall(), springsOnly, true, {kAnswerYes}, {kUnstable}, 1, 1},
      {"springs only, No", StandardWall(), springsOnly, true, {}, {kUnstable}, 0, 0},
      {"one unyielding node", StandardWall(), OnSupports("3"), true, {}, {kUnstable}, 0, 0},
      {"one unyielding node and a spring", StandardWall(),
       [] {
         WallSupports s = OnSupports("3");
         s.elastic = {{1, 0, 800}};
         return s;
       }(),
       true, {}, {}, 1, 0},
      {"no load case", StandardWall(), OnSupports("1,5"), false, {}, {" NO LOAD CASE IS SPECIFIED FOR THIS JOB"}, 0, 0},
      // Nothing holds the wall sideways: asked again after every correction.
      {"Winkler, toe free", StandardWall(), free, true, {kAnswerYes}, {kUnstable, kUnstable}, 0, 1},
      {"Winkler, toe free, stem spring", StandardWall(), freeWithSpring, true, {}, {}, 1, 0},
      {"half-space, toe free", StandardWall(), halfSpace, true, {}, {}, 1, 0},
      {"half-space without a modulus", StandardWall(), noSoilModulus, true, {kAnswerYes},
       {halfSpaceItem + "Modulus of Elasticity, E[kPa]= 0; it must be bigger than 0)",
        halfSpaceItem + "Modulus of Elasticity, E[kPa]= 0; it must be bigger than 0)"},
       0, 1},
      {"half-space of Poisson's ratio 0.6", StandardWall(), ratioAbove, true, {},
       {halfSpaceItem + "Poisson's Ratio, Nu= .6; it must be above 0 and at most 0.5)"}, 0, 0},
      {"half-space of Poisson's ratio 0", StandardWall(), ratioZero, true, {},
       {halfSpaceItem + "Poisson's Ratio, Nu= 0; it must be above 0 and at most 0.5)"}, 0, 0},
      {"half-space of Poisson's ratio 0.5", StandardWall(), incompressible, true, {}, {}, 1, 0},
      {"node beyond the plate", StandardWall(), OnSupports("1,7"), true, {kAnswerYes},
       {" UNYIELDING SUPPORT DATA UNACCEPTABLE", " UNYIELDING SUPPORT DATA UNACCEPTABLE"}, 0, 1},
      {"spring at an unyielding node on Winkler soil", StandardWall(), springAtNode, true, {},
       {" INCORRECT SUPPORT DATA OF ITEM 2 OR 3 "}, 0, 0},
  };
  for (const Case& c : table) {
    SCOPED_TRACE(c.what);
    WriteJob(c.geometry, c.supports, c.cases);
    CorrectionScript script;
    script.answers = c.answers;
    EXPECT_EQ(CheckJobData(script.Hooks()), c.result);
    EXPECT_EQ(script.asked, c.asked);
    EXPECT_EQ(script.supports, c.supportDialogs);
    if (c.result == 1) {
      ASSERT_EQ(LoadCaseNames.size(), 2u);
      EXPECT_EQ(LoadCaseNames[1], "A");
    }
  }
}

TEST_F(CheckTest, ElementsThatCannotBeAnalysedOfferTheGeometry) {
  struct Case {
    const char* what;
    WallGeometry geometry;
    const char* message;
  };
  WallGeometry toe = StandardWall();
  toe.toe = 1.5;
  WallGeometry thin = StandardWall();
  thin.stem.thickness = 0;
  WallGeometry one = StandardWall();
  one.plate = {1, 4.0, 0.5};
  WallGeometry fine = StandardWall();  // 1.0 m lies between the 12th and 13th element ends
  fine.plate = {50, 0.08, 0.5};
  fine.toe = 1.0;
  WallGeometry narrow = StandardWall();
  narrow.plate.width = 0;
  WallGeometry low = StandardWall();
  low.stem.width = 0;
  const Case cases[] = {
      {"plate width 0", narrow, " WIDTH OF BASE PLATE MUST BE BIGGER THAN ZERO"},
      {"stem height 0", low, " HEIGHT OF WALL STEM MUST BE BIGGER THAN ZERO"},
      {"toe between element ends", toe, " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"stem thickness 0", thin, " WALL STEM GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"one plate element", one, " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"toe off the ends of 50 elements", fine, " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteJob(c.geometry, OnSupports("1,5"));
    CorrectionScript script;
    EXPECT_EQ(CheckJobData(script.Hooks()), 0);
    EXPECT_EQ(script.asked, std::vector<std::string>{c.message});
    EXPECT_EQ(script.geometry, 0);
    // Yes: the geometry dialog saves a sound geometry and the check goes on to pass.
    CorrectionScript yes;
    yes.answers = {kAnswerYes};
    yes.onGeometry = [] {
      testing::WriteGeometry("WALL", StandardWall());
      return true;
    };
    EXPECT_EQ(CheckJobData(yes.Hooks()), 1);
    EXPECT_EQ(yes.asked, std::vector<std::string>{c.message});
    EXPECT_EQ(yes.geometry, 1);
  }
  // Widths that miss the plate's width by more than 0.1 %.
  WriteJob(StandardWall(), OnSupports("1,5"));
  auto withPlateWidth = [](double width) {
    GeneralData(1, 2) = width;
    TextLineArray lines(1);
    GeometryLines at = ListGeometry(lines, GeometryHeader("WALL"));
    ListGeometryRows(lines, BasePlateElements, 4, at.plateRows);
    ListGeometryRows(lines, WallStemElements, 3, at.stemRows);
    EXPECT_TRUE(SaveTextLines(GeometryFileName("WALL"), lines, at.last));
    return GeometryProblem();
  };
  EXPECT_EQ(withPlateWidth(4.01), kPlateGeometryMissing);
  EXPECT_EQ(withPlateWidth(4.003), "");  // within 0.1 %
}

TEST_F(CheckTest, TheModulusCorrectedStartsTheCheckAgain) {
  WallGeometry g = StandardWall();
  g.plateModulus = 0;
  WriteJob(g, OnSupports("1,5"));
  CorrectionScript script;
  script.answers = {kAnswerYes};
  script.onGeometry = [] {
    testing::WriteGeometry("WALL", StandardWall());
    return true;
  };
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.asked, std::vector<std::string>{kModulusNotPositiveMessage});
  EXPECT_EQ(script.geometry, 1);
}

// Every data file cut inside each table, without its END line, with a count too large or with
// garbage in place of a table's rows is reported by the check and not analysed; with LF line
// ends it analyses as it does with CR LF.
TEST_F(CheckTest, DamagedFilesAreReportedAndNotAnalysed) {
  WallSupports s = OnWinkler();
  s.elastic = {{3, 100, 0}};
  s.restraints = {{2, 100, 0}};
  JobSpec = "WALL";
  testing::WriteGeometry("WALL", StandardWall());
  testing::WriteSupports("WALL", s, StandardWall().plate.elements);
  WallLoads l;
  l.plateNodal = {{1, 10, 0}};
  l.plateTrapezoidal = {{2, 5, 5}};
  l.stemNodal = {{4, 1, 0, 0}};
  l.stemHorizontal = {{1, 2, 1}};
  l.stemVertical = {{2, 1, 1}};
  testing::WriteLoads("WALL", "A", l);
  DamagedJobProfile p;
  p.files = {{GeometryFileName("WALL"), {{"BASE PLATE DATA", 5, 2, 0}, {"WALL STEM DATA", 5, 2, 0}}},
             {SupportFileName("WALL"), {{"ELASTIC SUPPORTS"}, {"WINKLER SOIL"}, {"ELASTIC NODAL RESTRAINTS"}}},
             {LoadFileName("WALL", "A"),
              {{"TRAPEZOIDAL LOADING"}, {"NODAL LOADING"}, {"HORIZONTAL"}, {"VERTICAL (on Surface)"}}}};
  p.message = [](const std::string& file, const std::string&) -> std::string {
    // A file cut inside the plate's rows has lost the stem as well: either section's message.
    if (file == GeometryFileName("WALL")) return " GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
    if (file == SupportFileName("WALL")) return " BASE PLATE SUPPORT DATA ARE MISSING!\r\n (";
    return " LOAD DATA OF LOAD CASE 'A' ARE MISSING!\r\n (";
  };
  p.check = CheckAnsweringNo("WALL", [](const CorrectionHooks& hooks) { return CheckJobData(hooks); });
  p.solve = SolveElastic("WALL", "A", [](const std::vector<std::string>& args, std::string& output) {
    return RunSolveTool(args, output);
  });
  p.report = ResultsFileName("WALL", "A");
  ExpectDamagedFilesRefused(p);
}

}  // namespace
}  // namespace murelo
