#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../tests/testdir.h"
#include "listdialogtest.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "win/ids.h"
#include "win/jobdialog.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;

namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "  BEAM/STRIP Job Name Specification/Selection";

std::vector<std::string> Lines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 60, count);
  return std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + count);
}

void WriteLines(const std::string& file, const std::vector<std::string>& lines) {
  TextLineArray a(1);
  a.insert(a.end(), lines.begin(), lines.end());
  SaveTextLines(file, a, static_cast<int>(lines.size()));
}

class JobDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    JobSpec.clear();
    main = CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    profile.caption = kCaption;
    profile.structureTitle = "BEAM/STRIP";
    profile.list = {"FJOB$.BEA", "\\BEAMS\\", "BEAM1"};
    profile.mainWindow = main;
    profile.afterOk = [this] { ++afterOkCalls; };
  }
  void TearDown() override { DestroyWindow(main); }
  // A job specification in the test's folder.
  std::string Spec(const std::string& rest) const { return dir.path().string() + "\\" + rest; }
  // Runs the dialog with the steps; returns its end value.
  int Run(std::vector<wintest::Step> steps) {
    int result = -1;
    auto run = RunScript(std::move(steps), [&] { result = ShowJobNameDialog(nullptr, profile); });
    EXPECT_TRUE(run.finished);
    return result;
  }

  TestDirectory dir;
  HWND main = nullptr;
  JobDialogProfile profile;
  int afterOkCalls = 0;
};

TEST_F(JobDialog, ShowsTheListAndExamplesAndAcceptsANewJobFirstInTheList) {
  std::string old1 = Spec("JOBS\\OLD1"), old2 = Spec("JOBS\\OLD2"), job = Spec("NEW\\DEEPER\\BEAM1");
  WriteLines("FJOB$.BEA", {"  " + old1 + "  ", old2});
  std::vector<std::string> items;
  std::string field, example1, example2, explanation;
  int focus = 0;
  int result = Run({WhenDialog(kCaption, [&](HWND d) {
    items = ComboItems(d, kNameBoxId);
    field = wintest::GetText(d, kNameBoxId);
    example1 = wintest::GetText(d, kJobFirstExampleId);
    example2 = wintest::GetText(d, kJobSecondExampleId);
    explanation = wintest::GetText(d, kJobExplanationId);
    focus = GetDlgCtrlID(GetParent(GetFocus()));  // the combo box's edit field has the focus
    wintest::SetText(d, kNameBoxId, job);
    wintest::Click(d, IDOK);
  })});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(items, (std::vector<std::string>{old1, old2}));
  EXPECT_EQ(field, old1);  // no job open: the first entry is selected
  EXPECT_EQ(focus, kNameBoxId);
  EXPECT_EQ(example1, " (1)  D:\\BEAMS\\BEAM1");
  EXPECT_EQ(example2, " (2)  BEAM10");
  EXPECT_NE(explanation.find("in directory \\BEAMS\\."), std::string::npos);
  EXPECT_EQ(JobSpec, job);
  EXPECT_EQ(Lines("FJOB$.BEA"), (std::vector<std::string>{job, old1, old2}));
  EXPECT_EQ(WindowText(main), "     BEAM/STRIP ANALYSIS.   JOB: " + job);
  EXPECT_TRUE(fs::is_directory(dir.path() / "NEW" / "DEEPER"));
  EXPECT_EQ(afterOkCalls, 1);
}

TEST_F(JobDialog, ColoursItsPanelAndLeavesTheExamplesBackgroundAlone) {
  bool looked = false;
  Run({WhenDialog(kCaption, [&](HWND d) {
    ExpectListDialogColours(d, profile.frameId, {});
    HDC dc = GetDC(d);
    for (int id : {kJobFirstExampleId, kJobSecondExampleId}) {
      auto brush = SendMessageA(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(GetDlgItem(d, id)));
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH)) << id;
      EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255)) << id;
    }
    ReleaseDC(d, dc);
    looked = true;
    wintest::Click(d, IDCANCEL);
  })});
  EXPECT_TRUE(looked);
}

TEST_F(JobDialog, AListedJobMovesToTheTopAndAFullListDropsItsOldest) {
  std::vector<std::string> jobs;
  for (int i = 1; i <= 50; ++i) jobs.push_back(Spec("JOBS\\J" + std::to_string(i)));
  WriteLines("FJOB$.BEA", jobs);
  const struct {
    std::string accepted;
    std::vector<std::string> expected;
  } cases[] = {
      {jobs[29],
       [&] {
         std::vector<std::string> e = jobs;
         e.erase(e.begin() + 29);
         e.insert(e.begin(), jobs[29]);
         return e;
       }()},
      {Spec("JOBS\\NEW"),
       [&] {
         std::vector<std::string> e = jobs;
         e.erase(e.begin() + 29);
         e.insert(e.begin(), jobs[29]);
         e.insert(e.begin(), Spec("JOBS\\NEW"));
         e.pop_back();
         return e;
       }()},
  };
  for (const auto& c : cases) {
    int result = Run({WhenDialog(kCaption, [&](HWND d) {
      wintest::SetText(d, kNameBoxId, c.accepted);
      wintest::Click(d, IDOK);
    })});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Lines("FJOB$.BEA"), c.expected) << c.accepted;
  }
}

TEST_F(JobDialog, ARefusedSpecificationWarnsKeepsTheDialogAndNeverBecomesTheJob) {
  const std::string extension =
      "No File Name Extension and no Dot\r\nshould be provided in Job Specification!\r\n\r\nCorrect the Job "
      "Specification!";
  const struct {
    std::string typed, warning;
  } cases[] = {
      {"C:\\BEAMS\\BEAM1.GEO", extension},
      {"C:\\BEAMS\\BEAM1.", extension},
      {"C:\\BEAMS\\BEAM 1", "PROHIBITED characters are present in the PATH/FILE\r\n\r\nCorrect the Job Specification!"},
      {"C:\\BEAM1", "DIRECTORY IMPROPERLY specified\r\n\r\nCorrect the Job Specification!"},
      {"C:\\BEAMS\\", "No FILE NAME present\r\n\r\nCorrect the Job Specification!"},
  };
  for (const auto& c : cases) {
    JobSpec = "C:\\OPEN\\JOB";
    std::string warning, fieldAfter;
    bool stillOpen = false;
    int result = Run({
        WhenDialog(kCaption,
                   [&](HWND d) {
                     wintest::SetText(d, kNameBoxId, c.typed);
                     wintest::PostClick(d, IDOK);
                   }),
        ReadAndAnswer("WARNING!", warning, IDOK),
        WhenDialog(kCaption,
                   [&](HWND d) {
                     stillOpen = true;
                     fieldAfter = wintest::GetText(d, kNameBoxId);
                     wintest::Click(d, IDCANCEL);
                   }),
    });
    EXPECT_EQ(result, 0) << c.typed;
    EXPECT_EQ(warning, c.warning) << c.typed;
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(fieldAfter, c.typed);
    EXPECT_EQ(JobSpec, "C:\\OPEN\\JOB") << c.typed;
    EXPECT_FALSE(fs::exists("FJOB$.BEA"));
    EXPECT_EQ(WindowText(main), "main");
  }
  EXPECT_EQ(afterOkCalls, 0);
}

TEST_F(JobDialog, ABaseNameLongerThanEightCharactersIsAccepted) {
  std::string job = Spec("JOBS\\JOBNUMBER12");
  int result = Run({WhenDialog(kCaption, [&](HWND d) {
    wintest::SetText(d, kNameBoxId, job);
    wintest::Click(d, IDOK);
  })});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(JobSpec, job);
}

TEST_F(JobDialog, DeleteRecyclesTheSelectedJobsArchiveAndDeletesItsOwnFilesOnly) {
  fs::path jobs = dir.path() / "JOBS", alone = dir.path() / "ALONE";
  fs::create_directories(jobs);
  fs::create_directories(alone);
  for (const char* f : {"BEAM1.GEO", "BEAM1.SUP", "BEAM1.ZIP", "BEAM10.GEO", "BEAM2.GEO"})
    WriteBytes((jobs / f).string(), f);
  WriteBytes((alone / "ONLY.GEO").string(), "x");
  std::vector<std::string> listed = {Spec("JOBS\\BEAM1"), Spec("JOBS\\BEAM2"), Spec("ALONE\\ONLY")};
  WriteLines("FJOB$.BEA", listed);
  std::string question;
  std::vector<std::string> itemsAfter;
  int result = Run({
      SelectAndPress(kCaption, kNameBoxId, 0, kDeleteId),
      ReadAndAnswer("Current Selection DELETION/RECYCLE Enquiry", question, IDYES),
      SelectAndPress(kCaption, kNameBoxId, 1, kDeleteId),  // ALONE\ONLY, now the second entry
      WhenDialog("Current Selection DELETION/RECYCLE Enquiry", [&](HWND box) { wintest::AnswerBox(box, IDYES); }),
      ItemsThenCancel(kCaption, kNameBoxId, itemsAfter),
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(question, "Do you really want to DELETE/RECYCLE the CURRENT SELECTION?");
  EXPECT_EQ(itemsAfter, (std::vector<std::string>{listed[1]}));
  for (const char* gone : {"BEAM1.GEO", "BEAM1.SUP", "BEAM1.ZIP"}) EXPECT_FALSE(fs::exists(jobs / gone)) << gone;
  for (const char* kept : {"BEAM10.GEO", "BEAM2.GEO"}) EXPECT_EQ(ReadBytes((jobs / kept).string()), kept) << kept;
  EXPECT_FALSE(fs::exists(alone));        // its last file gone, the empty folder goes too
  EXPECT_EQ(Lines("FJOB$.BEA"), listed);  // rewritten only by the next accepted job
}

TEST_F(JobDialog, DeleteRefusesAListedWildcard) {
  fs::path jobs = dir.path() / "JOBS";
  fs::create_directories(jobs);
  for (const char* f : {"BEAM1.GEO", "BEAM2.GEO"}) WriteBytes((jobs / f).string(), f);
  WriteLines("FJOB$.BEA", {Spec("JOBS\\*"), Spec("JOBS\\BEAM2")});
  std::string warning;
  bool asked = false;
  int result = Run({
      SelectAndPress(kCaption, kNameBoxId, 0, kDeleteId),
      ReadAndAnswer("WARNING!", warning, IDOK),
      WhenDialog(kCaption,
                 [&](HWND d) {
                   asked = wintest::FindDialog("Current Selection DELETION/RECYCLE Enquiry") != nullptr;
                   wintest::Click(d, IDCANCEL);
                 }),
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(warning, "PROHIBITED characters are present in the PATH/FILE\r\n\r\nCorrect the Job Specification!");
  EXPECT_FALSE(asked);
  for (const char* kept : {"BEAM1.GEO", "BEAM2.GEO"}) EXPECT_TRUE(fs::exists(jobs / kept)) << kept;
}

TEST_F(JobDialog, PickEntersAChosenFileAsAJobSpecification) {
  fs::create_directories(dir.path() / "JOBS");
  WriteBytes("PICKED.GEO", "x");
  WriteBytes((dir.path() / "JOBS" / "OTHER.GEO").string(), "x");
  const struct {
    std::string chosen, entered;
  } cases[] = {
      {(dir.path() / "PICKED.GEO").string(), "PICKED"},  // in the current directory: the bare name
      {(dir.path() / "JOBS" / "OTHER.GEO").string(), Spec("JOBS\\OTHER")},
  };
  for (const auto& c : cases) {
    std::string entered, cwdAfter;
    int result = Run({
        WhenDialog(kCaption, [&](HWND d) { wintest::PostClick(d, kJobPickId); }),
        WhenDialog("Open File",
                   [&](HWND open) {
                     // The file name field of the open-file dialog (either layout).
                     HWND field = GetDlgItem(open, 0x480);
                     if (!field) field = GetDlgItem(open, 0x47C);
                     SetWindowTextA(field, c.chosen.c_str());
                     PostMessageA(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                   }),
        WhenDialog(kCaption,
                   [&](HWND d) {
                     entered = wintest::GetText(d, kNameBoxId);
                     cwdAfter = fs::current_path().string();
                     wintest::Click(d, IDCANCEL);
                   }),
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(entered, c.entered);
    EXPECT_EQ(cwdAfter, dir.path().string());
  }
}

TEST_F(JobDialog, AnotherProgramsProfileGivesItsListIdsAndAfterOkHook) {
  profile.list = {"FJOB$.INF", "\\PILES\\", "PILE1"};
  profile.comboId = kInProcessNameBoxId;
  profile.deleteId = kInProcessDeleteId;
  profile.frameId = kInProcessFrameId;
  profile.shownEntries = 12;
  std::vector<std::string> jobs;
  for (int i = 1; i <= 20; ++i) jobs.push_back(Spec("P" + std::to_string(i)));
  WriteLines("FJOB$.INF", jobs);
  size_t shown = 0;
  bool ids = false;
  std::string example;
  int result = Run({WhenDialog(kCaption, [&](HWND d) {
    shown = ComboItems(d, kInProcessNameBoxId).size();
    ids = GetDlgItem(d, kInProcessDeleteId) && GetDlgItem(d, kInProcessFrameId) && !GetDlgItem(d, kNameBoxId) && !GetDlgItem(d, kDeleteId);
    example = wintest::GetText(d, kJobFirstExampleId);
    wintest::SetText(d, kInProcessNameBoxId, Spec("P7"));
    wintest::Click(d, IDOK);
  })});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(shown, 12u);
  EXPECT_TRUE(ids);
  EXPECT_EQ(example, " (1)  D:\\PILES\\PILE1");
  EXPECT_EQ(Lines("FJOB$.INF").front(), Spec("P7"));
  EXPECT_EQ(Lines("FJOB$.INF").size(), 12u);
  EXPECT_EQ(afterOkCalls, 1);
}

}  // namespace
