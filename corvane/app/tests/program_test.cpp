// Corvane.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../../../common/tests/smalldisk.h"
#include "../../../common/tests/testdir.h"
#include "corvane/entry/ids.h"
#include "corvane/app/ids.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

class CorvaneProgram : public ::testing::Test {
 protected:
  // Starts Corvane.exe from its own folder (with ZLIB.DLL beside it when asked).
  void Start(bool withZlib) {
    ASSERT_TRUE(program.Start(dir.path(), "Corvane.exe", withZlib ? std::vector<std::string>{"ZLIB.DLL"}
                                                                  : std::vector<std::string>{}));
    main = program.WaitForWindow("ZOR");
    ASSERT_NE(main, nullptr);
  }

  // Agrees to the notice and opens the beam job by its name, until the program is idle with it.
  void OpenBeamJob(const std::string& job) {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    ASSERT_NE(notice, nullptr);
    Press(notice, kContinueId);
    ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
    PostMessageA(main, WM_COMMAND, kBeamStripCommand, 0);
    HWND jobs = program.WaitForDialog("  BEAM/STRIP Job Name Specification/Selection");
    ASSERT_NE(jobs, nullptr);
    wintest::SetField(jobs, kNameBoxId, job);
    Press(jobs, IDOK);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
    ASSERT_TRUE(program.WaitUntilIdle(main));
  }

  TestDirectory dir;
  wintest::Program program;
  HWND main = nullptr;
};

TEST_F(CorvaneProgram, TheNoticesExitEndsTheProgramWithoutAMenuOrAFile) {
  Start(false);
  EXPECT_EQ(WindowText(main), "      ZOR Program");
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, kContinueId)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, kCancelId)), "&Exit");
  EXPECT_EQ(GetMenu(main), nullptr);
  Press(notice, kCancelId);
  EXPECT_EQ(program.WaitForExit(), 0);
  std::set<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir.path())) files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"PROGRAM", "Corvane.exe", "ELSEWHERE"}));
}

TEST_F(CorvaneProgram, AJobNamedAndLeftIsPackedIntoItsArchive) {
  Start(true);
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
  PostMessageA(main, WM_COMMAND, kBeamStripCommand, 0);
  HWND jobs = program.WaitForWindow("#32770", "  BEAM/STRIP Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  wintest::SetField(jobs, kNameBoxId, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  // The program makes the job's folder after the caption.
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_TRUE(fs::is_directory(dir.path() / "BEAMS"));
  // The job list lies in the program directory, not in the folder the program was started from.
  EXPECT_EQ(ReadBytes((program.Folder() / "FJOB$.BEA").string()), job + "\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "ELSEWHERE" / "FJOB$.BEA"));

  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".CAS", "A\r\n");
  WriteBytes((dir.path() / "BEAMS" / "BEAM10.GEO").string(), "another job");
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP", "BEAM10.GEO"}));
  EXPECT_FALSE(fs::exists(program.Folder() / "LASTJOB.ZIP"));
}

}  // namespace

namespace {

// The marked rows of the check list of another process's dialog.
std::vector<int> MarkedRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, entry::kNodeListId);
  std::vector<int> rows;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) != 0) rows.push_back(i + 1);
  return rows;
}

TEST_F(CorvaneProgram, UnyieldingNodesGeneratedInANewBeamJobComeBackWhenTheJobIsOpenedAgain) {
  Start(true);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  ASSERT_NO_FATAL_FAILURE(OpenBeamJob(job));

  // The geometry: ten elements over 10 m, no element table.
  PostMessageA(main, WM_COMMAND, kCorvaneGeometryCommand, 0);
  HWND geometry = program.WaitForDialog(caption);
  ASSERT_NE(geometry, nullptr);
  const char* items[5] = {"10", "10", "3E7", "0.2", "1E-5"};
  for (int i = 0; i < 5; ++i) wintest::SetField(geometry, entry::kGeometryFieldBaseId + 1 + i, items[i]);
  wintest::ClickControl(geometry, entry::kDetailsBoxId);
  Press(geometry, kOkId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(geometry); }));

  // The supports: unyielding nodes 1, 6, 11 by GENERATE.
  PostMessageA(main, WM_COMMAND, kCorvaneSupportCommand, 0);
  HWND types = program.WaitForDialog(caption);
  ASSERT_NE(types, nullptr);
  wintest::ClickControl(types, entry::kUnyieldingBoxId);
  Press(types, entry::kEnterSupportDataId);
  HWND list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, corvane::kGenerate) != nullptr; }));
  Press(list, corvane::kGenerate);
  HWND generation = program.WaitForDialog(caption, list);
  ASSERT_NE(generation, nullptr);
  wintest::SetField(generation, corvane::kNodeRangeFieldId, "1");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 1, "11");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 2, "5");
  Press(generation, kOkId);
  ASSERT_TRUE(WaitFor([&] { return MarkedRows(list) == std::vector<int>{1, 6, 11}; }));
  Press(list, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));

  // Closed, started again and opened: the check list shows the three nodes ticked.
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_TRUE(fs::exists(dir.path() / "BEAMS" / "BEAM1.ZIP"));
  Start(true);
  ASSERT_NO_FATAL_FAILURE(OpenBeamJob(job));
  PostMessageA(main, WM_COMMAND, kCorvaneSupportCommand, 0);
  types = program.WaitForDialog(caption);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(types, entry::kUnyieldingBoxId), BM_GETCHECK, 0, 0), BST_CHECKED);
  Press(types, entry::kEnterSupportDataId);
  list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, corvane::kGenerate) != nullptr; }));
  EXPECT_EQ(MarkedRows(list), (std::vector<int>{1, 6, 11}));
  Press(list, kExitId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// A tank's substructure choice (caption: the tank's), shown again with `option` checked.
HWND SubstructureChoice(const wintest::Program& program, const std::string& caption, int option) {
  HWND found = nullptr;
  WaitFor([&] {
    found = program.WaitForDialog(caption);
    return found && GetDlgItem(found, corvane::kTankOptionBaseId + 1) && GetDlgItem(found, corvane::kTankTitleId) &&
           SendMessageA(GetDlgItem(found, corvane::kTankOptionBaseId + option), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  return found;
}

// A new user's beam job from the start: geometry, unyielding supports, a load case with a
// uniform load and a nodal load, and its analysis with the recording solver in the program
// directory. The check passes without a question and the solver gets the job and the case.
// The job's folder a small disk, filled once the job is open: the geometry's Ok cannot write the
// file, which the run time's own flush is the first to find. One box tells the file and why, and
// no geometry file is left, not even an empty one.
TEST_F(CorvaneProgram, AGeometryOnAFullDiskIsToldAndLeavesNoFile) {
  const std::string folder = (dir.path() / "FULL").string();
  SmallDisk disk(folder);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  Start(true);
  const std::string job = folder + "\\BEAM1";
  ASSERT_NO_FATAL_FAILURE(OpenBeamJob(job));
  disk.Fill();
  PostMessageA(main, WM_COMMAND, kCorvaneGeometryCommand, 0);
  HWND geometry = program.WaitForDialog("   BEAM/STRIP ANALYSIS.   JOB: " + job);
  ASSERT_NE(geometry, nullptr);
  const char* items[5] = {"4", "8", "3E7", "0.2", "1E-5"};
  for (int i = 0; i < 5; ++i) wintest::SetField(geometry, entry::kGeometryFieldBaseId + 1 + i, items[i]);
  wintest::ClickControl(geometry, entry::kDetailsBoxId);
  Press(geometry, kOkId);
  HWND box = program.WaitForDialog("WARNING!");
  ASSERT_NE(box, nullptr);
  const std::string text = wintest::BoxText(box);
  EXPECT_EQ(text.rfind("File '" + job + ".geo' could not be Written: ", 0), 0u) << text;
  Press(box, IDOK);
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_FALSE(fs::exists(job + ".geo"));
  EXPECT_FALSE(fs::exists(job + ".geo.~tmp"));
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(CorvaneProgram, ANewBeamJobEnteredWholeIsAnalysed) {
  Start(true);
  fs::copy_file(wintest::ExeFolder() / "analysis_recorder.exe", program.Folder() / "ANALYSIS.exe");
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
  PostMessageA(main, WM_COMMAND, kBeamStripCommand, 0);
  HWND jobs = program.WaitForDialog("  BEAM/STRIP Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  wintest::SetField(jobs, kNameBoxId, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));

  // Geometry: four elements over 8 m, no element table.
  PostMessageA(main, WM_COMMAND, kCorvaneGeometryCommand, 0);
  HWND geometry = program.WaitForDialog(caption);
  ASSERT_NE(geometry, nullptr);
  const char* items[5] = {"4", "8", "3E7", "0.2", "1E-5"};
  for (int i = 0; i < 5; ++i) wintest::SetField(geometry, entry::kGeometryFieldBaseId + 1 + i, items[i]);
  wintest::ClickControl(geometry, entry::kDetailsBoxId);
  Press(geometry, kOkId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(geometry); }));

  // Supports: unyielding nodes 1 and 5 generated with step 4.
  PostMessageA(main, WM_COMMAND, kCorvaneSupportCommand, 0);
  HWND types = program.WaitForDialog(caption);
  ASSERT_NE(types, nullptr);
  wintest::ClickControl(types, entry::kUnyieldingBoxId);
  Press(types, entry::kEnterSupportDataId);
  HWND list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, corvane::kGenerate) != nullptr; }));
  Press(list, corvane::kGenerate);
  HWND generation = program.WaitForDialog(caption, list);
  ASSERT_NE(generation, nullptr);
  wintest::SetField(generation, corvane::kNodeRangeFieldId, "1");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 1, "5");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 2, "4");
  Press(generation, kOkId);
  ASSERT_TRUE(WaitFor([&] { return MarkedRows(list) == std::vector<int>{1, 5}; }));
  Press(list, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));

  // Loads of case "A": the uniform load, then a nodal load of 50 kN at node 2.
  const char* cases = "  BEAM/STRIP: Load Name Specification/Selection";
  PostMessageA(main, WM_COMMAND, kCorvaneLoadCommand, 0);
  HWND names = program.WaitForDialog(cases);
  ASSERT_NE(names, nullptr);
  wintest::SetField(names, kNameBoxId, "A");
  Press(names, kContinueId);
  HWND choice = program.WaitForDialog(caption + "     Load Case: A");
  ASSERT_NE(choice, nullptr);
  Press(choice, kLoadTypeEnterButton);
  HWND form = program.WaitForDialog(" LOAD DATA GENERATION - Load Case: A", choice);
  ASSERT_NE(form, nullptr);
  wintest::SetField(form, corvane::kFirstFormFieldId + 2, "-12.5");
  wintest::SetField(form, corvane::kFirstFormFieldId + 3, "2500");
  Press(form, kOkId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(form); }));
  ASSERT_TRUE(WaitFor([&] { return SendMessageA(GetDlgItem(choice, kFirstOptionId + 1), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  Press(choice, kLoadTypeEnterButton);
  HWND nodal = program.WaitForDialog(" NODAL LOAD DATA. Load Case: A", choice);
  ASSERT_NE(nodal, nullptr);
  const int pviOfNode2 = kFirstCellId + 2 + 1;  // page row 2 of two value columns, column 1
  HWND page = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (page = wintest::ParentOfControl(nodal, pviOfNode2)) != nullptr; }));
  wintest::SetField(page, pviOfNode2, "50");
  Press(nodal, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(nodal); }));
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));
  // The load file is rewritten once the choice has closed.
  ASSERT_TRUE(program.WaitUntilIdle(main));
  const std::string loads = ReadBytes(job + ".LDA");
  EXPECT_NE(loads.find("Uniform Load [kN/m]: -12.5\r\n"), std::string::npos) << loads;
  EXPECT_NE(loads.find("\r\n    2               50.0000"), std::string::npos) << loads;

  // The analysis: no question, the case chosen, the solver started with the job and the case.
  PostMessageA(main, WM_COMMAND, kElasticAnalysisCommand, 0);
  names = program.WaitForDialog(cases);
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(FindWindowA("#32770", " WARNING!"), nullptr);
  wintest::SetField(names, kNameBoxId, "A");
  Press(names, kContinueId);
  HWND analysis = program.WaitForDialog(caption);
  ASSERT_NE(analysis, nullptr);
  ASSERT_NE(GetDlgItem(analysis, kExitId), nullptr);
  Press(analysis, kAnalyseId);
  const fs::path call = program.Folder() / "ANALYSIS_CALL.TXT";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(call) && !IsWindow(analysis); }, 30000));
  EXPECT_EQ(ReadBytes(call.string()), "ANALYSIS.exe BEAM/STRIP," + job + ",A");
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The same for a new tank: base plate, wall and a flat roof, each entered through the substructure
// choice (geometry, the base plate's unyielding nodes, each part's loads); the analysis starts
// without a question and the data document lists the geometry, support and load files.
TEST_F(CorvaneProgram, ANewTankJobEnteredPartByPartIsAnalysedAndDocumented) {
  Start(true);
  fs::copy_file(wintest::ExeFolder() / "analysis_recorder.exe", program.Folder() / "ANALYSIS.exe");
  std::string job = (dir.path() / "TANKS" / "T1").string();
  const std::string caption = "   TANK ANALYSIS.   JOB: " + job;
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
  PostMessageA(main, WM_COMMAND, kTankCommand, 0);
  HWND jobs = program.WaitForDialog("  TANK Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  wintest::SetField(jobs, kNameBoxId, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     TANK ANALYSIS.   JOB: " + job; }));

  auto choiceWith = [&](int option) { return SubstructureChoice(program, caption, option); };
  // A dialog of the choice's caption other than the (hidden) choice.
  auto over = [&](HWND choice) -> HWND {
    if (!WaitFor([&] { return !IsWindowVisible(choice); })) return nullptr;
    return program.WaitForDialog(caption, choice);
  };

  // Geometry: base plate and wall of radius 6 m, the wall 8 m high in four rings, a flat roof up
  // to the wall.
  const std::vector<std::vector<std::string>> items = {{"4", "6", "3E7", "0.2", "1E-5"},
                                                       {"4", "6", "8", "3E7", "0.2", "1E-5"},
                                                       {"3", "0", "6", "3E7", "0.2", "1E-5"}};
  PostMessageA(main, WM_COMMAND, kCorvaneGeometryCommand, 0);
  for (int part = 1; part <= 3; ++part) {
    HWND choice = choiceWith(part);
    ASSERT_NE(choice, nullptr) << part;
    Press(choice, corvane::kTankGeometryActionId);
    HWND geometry = over(choice);
    ASSERT_NE(geometry, nullptr) << part;
    ASSERT_TRUE(WaitFor([&] { return GetDlgItem(geometry, corvane::kGeometryHeadingId) != nullptr; }));
    const auto& texts = items[static_cast<size_t>(part - 1)];
    for (size_t i = 0; i < texts.size(); ++i) wintest::SetField(geometry, entry::kGeometryFieldBaseId + 1 + static_cast<int>(i), texts[i]);
    if (part == 3) wintest::ClickControl(geometry, corvane::kSecondChoice);  // " &PLATE STRUCTURE "
    if (part != 2) wintest::ClickControl(geometry, entry::kDetailsBoxId);
    Press(geometry, kOkId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(geometry); })) << part;
    if (part == 2) {
      // The wall's rings must add up to its height: four of 2 m, 0.3 m thick.
      HWND rings = program.WaitForDialog(caption + "  WALL");
      ASSERT_NE(rings, nullptr);
      HWND page = nullptr;
      const int lastCell = kFirstCellId + (4 - 1) * 2 + 2;  // the fourth ring's thickness
      ASSERT_TRUE(WaitFor([&] { return (page = wintest::ParentOfControl(rings, lastCell)) != nullptr; }));
      for (int r = 1; r <= 4; ++r) {
        wintest::SetField(page, kFirstCellId + (r - 1) * 2 + 1, "2");
        wintest::SetField(page, kFirstCellId + (r - 1) * 2 + 2, "0.3");
      }
      Press(rings, kContinueId);
      ASSERT_TRUE(WaitFor([&] { return !IsWindow(rings); }));
    }
  }
  HWND choice = choiceWith(1);
  ASSERT_NE(choice, nullptr);
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));

  // Supports: the base plate's unyielding nodes 1 and 5.
  PostMessageA(main, WM_COMMAND, kCorvaneSupportCommand, 0);
  choice = choiceWith(1);
  ASSERT_NE(choice, nullptr);
  EXPECT_NE(GetDlgItem(choice, corvane::kTankOptionBaseId + 3), nullptr);
  Press(choice, corvane::kTankSupportActionId);
  HWND types = over(choice);
  ASSERT_NE(types, nullptr);
  wintest::ClickControl(types, entry::kUnyieldingBoxId);
  Press(types, entry::kEnterSupportDataId);
  HWND list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, corvane::kGenerate) != nullptr; }));
  Press(list, corvane::kGenerate);
  HWND generation = program.WaitForDialog(caption, list);
  ASSERT_NE(generation, nullptr);
  wintest::SetField(generation, corvane::kNodeRangeFieldId, "1");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 1, "5");
  wintest::SetField(generation, corvane::kNodeRangeFieldId + 2, "4");
  Press(generation, kOkId);
  ASSERT_TRUE(WaitFor([&] { return MarkedRows(list) == std::vector<int>{1, 5}; }));
  Press(list, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));
  choice = choiceWith(2);
  ASSERT_NE(choice, nullptr);
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));

  // Loads of case "A": the base plate's and the roof's uniform loads, the wall's liquid.
  const char* cases = "  TANK: Load Name Specification/Selection";
  PostMessageA(main, WM_COMMAND, kCorvaneLoadCommand, 0);
  HWND names = program.WaitForDialog(cases);
  ASSERT_NE(names, nullptr);
  wintest::SetField(names, kNameBoxId, "A");
  Press(names, kContinueId);
  const std::vector<std::vector<std::string>> loads = {{"-10", "2500"}, {"1000", "7.5"}, {"-2", "0"}};
  for (int part = 1; part <= 3; ++part) {
    choice = choiceWith(part);
    ASSERT_NE(choice, nullptr) << part;
    if (part == 1) EXPECT_NE(GetDlgItem(choice, corvane::kTankOptionBaseId + 3), nullptr);
    Press(choice, corvane::kTankLoadActionId);
    if (!WaitFor([&] { return !IsWindowVisible(choice); })) FAIL() << part;
    HWND kinds = program.WaitForDialog(caption + "     Load Case: A");
    ASSERT_NE(kinds, nullptr) << part;
    if (part == 2) wintest::ClickControl(kinds, kFirstOptionId + 3);  // "&Hydrostatic Load"
    Press(kinds, kLoadTypeEnterButton);
    HWND form = program.WaitForDialog(" LOAD DATA GENERATION - Load Case: A", kinds);
    ASSERT_NE(form, nullptr) << part;
    const int first = part == 2 ? 241 : 243;
    wintest::SetField(form, first, loads[static_cast<size_t>(part - 1)][0]);
    wintest::SetField(form, first + 1, loads[static_cast<size_t>(part - 1)][1]);
    Press(form, kOkId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(form); })) << part;
    Press(kinds, kCancelId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(kinds); })) << part;
  }
  choice = choiceWith(1);
  ASSERT_NE(choice, nullptr);
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  const std::string loadFile = ReadBytes(job + ".LDA");
  for (const char* line : {"BASE PLATE LOAD DATA:\r\nUniform Load [kPa]: -10.0\r\n", "  Depth of Liquid [m]: 7.5\r\n",
                           "ROOF LOAD DATA:\r\nUniform Load [kPa]: -2.0\r\n"})
    EXPECT_NE(loadFile.find(line), std::string::npos) << line << loadFile;

  // The analysis: no question, the case chosen, the solver started with the job and the case.
  PostMessageA(main, WM_COMMAND, kElasticAnalysisCommand, 0);
  names = program.WaitForDialog(cases);
  HWND question = FindWindowA("#32770", " WARNING!");
  ASSERT_EQ(question, nullptr) << WindowText(GetDlgItem(question, 0xFFFF));
  ASSERT_NE(names, nullptr);
  wintest::SetField(names, kNameBoxId, "A");
  Press(names, kContinueId);
  HWND analysis = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    analysis = program.WaitForDialog(caption);
    return analysis && GetDlgItem(analysis, kExitId) != nullptr;
  }));
  Press(analysis, kAnalyseId);
  const fs::path call = program.Folder() / "ANALYSIS_CALL.TXT";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(call) && !IsWindow(analysis); }, 30000));
  EXPECT_EQ(ReadBytes(call.string()), "ANALYSIS.exe TANK," + job + ",A");

  // The data document, saved with its text copy: the geometry, support and load files.
  PostMessageA(main, WM_COMMAND, kCorvanePresentationCommand, 0);
  names = program.WaitForDialog(cases);
  ASSERT_NE(names, nullptr);
  wintest::SetField(names, kNameBoxId, "A");
  Press(names, kContinueId);
  HWND chooser = program.WaitForDialog(" TANK;  Job: " + job + "; Load: A");
  ASSERT_NE(chooser, nullptr);
  if (SendMessageA(GetDlgItem(chooser, kFirstOptionId), BM_GETCHECK, 0, 0) != BST_CHECKED) wintest::ClickControl(chooser, kFirstOptionId);
  Press(chooser, kOkId);
  HWND box = program.WaitForDialog("DATA File Information", chooser);
  ASSERT_NE(box, nullptr);
  Press(box, IDOK);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
  box = program.WaitForDialog("DATA File Information", chooser);
  ASSERT_NE(box, nullptr);
  Press(box, IDYES);
  HWND preview = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (preview = FindWindowA("SuiteDocPreview", nullptr)) != nullptr; }));
  PostMessageA(preview, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(preview); }));
  Press(chooser, kExitId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  const std::string data = ReadBytes((program.Folder() / "T1_DATA.TXT").string());
  for (const std::string& heading : {"Job: " + job + " // GEOMETRY & MAT. PROPERTIES", "Job: " + job + " // SUPPORTS",
                                     "Job: " + job + " // LOADS (A)"})
    EXPECT_NE(data.find(heading), std::string::npos) << heading << "\n" << data;
  EXPECT_TRUE(fs::exists(program.Folder() / "T1_DATA.DDC"));
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The job files of Corvane's core tests.
fs::path CoreFixture(const std::string& name) { return fs::path(CORVANE_CORE_DATA) / name; }

// What a user types reaches the files and nothing else: a plate job's case with a 10 kPa uniform
// load, then a second case of that job whose load entry is closed without an edit, then a new
// tank job whose case gets only the wall's liquid; neither new case holds the plate's loads. In
// the tank's base plate Winkler table SET SAME and GENERATE give each element's modulus at both
// of its ends.
TEST_F(CorvaneProgram, NewCasesHoldOnlyWhatWasTypedAndAWinklerModulusFillsBothEnds) {
  fs::create_directories(dir.path() / "JOBS");
  const std::string plate = (dir.path() / "JOBS" / "P1").string(), tank = (dir.path() / "JOBS" / "T1").string();
  fs::copy_file(CoreFixture("PLATE.GEO"), plate + ".GEO");
  fs::copy_file(CoreFixture("TANKSHELL.GEO"), tank + ".GEO");
  Start(false);
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));

  auto openJob = [&](int command, const std::string& type, const std::string& job, bool anotherType) {
    PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(command), 0);
    if (anotherType) {
      HWND question = program.WaitForDialog("StructureType Change Enquiry");
      ASSERT_NE(question, nullptr);
      Press(question, IDYES);
    }
    HWND jobs = program.WaitForDialog("  " + type + " Job Name Specification/Selection");
    ASSERT_NE(jobs, nullptr) << job;
    wintest::SetField(jobs, kNameBoxId, job);
    Press(jobs, IDOK);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     " + type + " ANALYSIS.   JOB: " + job; })) << job;
  };
  // The load command up to the load type choice (a plate's) of a case.
  auto loadCase = [&](const std::string& type, const std::string& name) {
    PostMessageA(main, WM_COMMAND, kCorvaneLoadCommand, 0);
    HWND names = program.WaitForDialog("  " + type + ": Load Name Specification/Selection");
    EXPECT_NE(names, nullptr) << name;
    if (!names) return;
    wintest::SetField(names, kNameBoxId, name);
    Press(names, kContinueId);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(names); })) << name;
  };
  auto kindsOf = [&](const std::string& job, const std::string& type, const std::string& name) {
    return program.WaitForDialog("   " + type + " ANALYSIS.   JOB: " + job + "     Load Case: " + name);
  };
  auto form = [&](HWND kinds, const std::string& name, int first, const std::string& a, const std::string& b) {
    Press(kinds, kLoadTypeEnterButton);
    HWND f = program.WaitForDialog(" LOAD DATA GENERATION - Load Case: " + name, kinds);
    ASSERT_NE(f, nullptr) << name;
    wintest::SetField(f, first, a);
    wintest::SetField(f, first + 1, b);
    Press(f, kOkId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(f); })) << name;
  };
  auto closeKinds = [&](HWND kinds) {
    Press(kinds, kCancelId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(kinds); }));
  };
  auto fileOf = [&](const std::string& file) {
    EXPECT_TRUE(program.WaitUntilIdle(main));
    return ReadBytes(file);
  };

  // The plate: case A with 10 kPa, then case B closed without an edit.
  openJob(7207, "PLATE", plate, false);
  loadCase("PLATE", "A");
  HWND kinds = kindsOf(plate, "PLATE", "A");
  ASSERT_NE(kinds, nullptr);
  form(kinds, "A", 243, "10", "0");
  closeKinds(kinds);
  const std::string a = fileOf(plate + ".LDA");
  EXPECT_NE(a.find("Uniform Load [kPa]: 10.0\r\n"), std::string::npos) << a;
  loadCase("PLATE", "B");
  kinds = kindsOf(plate, "PLATE", "B");
  ASSERT_NE(kinds, nullptr);
  closeKinds(kinds);
  const std::string b = fileOf(plate + ".LDB");
  EXPECT_NE(b.find("Job: " + plate + " // LOADS (B)"), std::string::npos) << b;
  EXPECT_EQ(b.find("Uniform Load [kPa]: 10"), std::string::npos) << b;

  // The tank: case W, the base plate's loads closed without an edit, the wall's liquid.
  openJob(7208, "TANK", tank, true);
  const std::string caption = "   TANK ANALYSIS.   JOB: " + tank;
  auto choiceWith = [&](int option) { return SubstructureChoice(program, caption, option); };
  loadCase("TANK", "W");
  HWND choice = choiceWith(1);
  ASSERT_NE(choice, nullptr);
  Press(choice, corvane::kTankLoadActionId);
  kinds = kindsOf(tank, "TANK", "W");
  ASSERT_NE(kinds, nullptr);
  closeKinds(kinds);
  choice = choiceWith(2);
  ASSERT_NE(choice, nullptr);
  Press(choice, corvane::kTankLoadActionId);
  kinds = kindsOf(tank, "TANK", "W");
  ASSERT_NE(kinds, nullptr);
  wintest::ClickControl(kinds, kFirstOptionId + 3);  // "&Hydrostatic Load"
  form(kinds, "W", 241, "1000", "3.5");  // the wall is 4 m high
  closeKinds(kinds);
  choice = choiceWith(3);
  ASSERT_NE(choice, nullptr);
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));
  const std::string w = fileOf(tank + ".LDW");
  EXPECT_NE(w.find("  Depth of Liquid [m]: 3.5\r\n"), std::string::npos) << w;
  EXPECT_EQ(w.find("Uniform Load [kPa]: 10"), std::string::npos) << w;

  // The base plate on Winkler soil: SET SAME 20000, then GENERATE 30000 over elements 2 and 3.
  PostMessageA(main, WM_COMMAND, kCorvaneSupportCommand, 0);
  choice = choiceWith(1);
  ASSERT_NE(choice, nullptr);
  Press(choice, corvane::kTankSupportActionId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(choice); }));
  HWND types = program.WaitForDialog(caption, choice);
  ASSERT_NE(types, nullptr);
  wintest::ClickControl(types, entry::kWinklerOptionId);  // "Plate Resting on &Winkler Foundation"
  Press(types, entry::kEnterSupportDataId);
  HWND table = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    table = program.WaitForDialog(caption, types);
    return table && table != choice && GetDlgItem(table, corvane::kGenerateButtonId) != nullptr;
  }));
  Press(table, corvane::kFirstButtonId);
  HWND same = program.WaitForDialog(caption, table);
  ASSERT_NE(same, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(same, entry::kUniformFieldId) != nullptr; }));
  wintest::SetField(same, entry::kUniformFieldId, "20000");
  Press(same, kOkId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(same); }));
  Press(table, corvane::kGenerateButtonId);
  HWND generation = program.WaitForDialog(caption, table);
  ASSERT_NE(generation, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(generation, entry::kLastRangeFieldId) != nullptr; }));
  for (const auto& [id, text] : std::vector<std::pair<int, std::string>>{
           {entry::kFirstRangeFieldId, "2"},
           {entry::kFirstRangeFieldId + 1, "3"},
           {entry::kFirstRangeFieldId + 2, "1"},
           {entry::kLastRangeFieldId, "30000"}})
    wintest::SetField(generation, id, text);
  Press(generation, kOkId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(generation); }));
  Press(table, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(table); }));
  choice = choiceWith(2);
  ASSERT_NE(choice, nullptr);
  Press(choice, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(choice); }));
  const std::string supports = fileOf(tank + ".SUP");
  for (const char* row : {"    1            2.00000E+4              2.00000E+4\r\n",
                          "    2            3.00000E+4              3.00000E+4\r\n",
                          "    3            3.00000E+4              3.00000E+4\r\n"})
    EXPECT_NE(supports.find(row), std::string::npos) << row << supports;
  PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
