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
#include "win/loaddialog.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;

namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "  BEAM/STRIP: Load Name Specification/Selection";
const std::string kClash = "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\n\r\nCorrect the LOAD NAME!";

class LoadCaseDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.path() / "JOBS");
    JobSpec = (dir.path() / "JOBS" / "BEAM1").string();
    main = CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    profile.structureTitle = "BEAM/STRIP";
    profile.caseFileExtensions = {".LD", ".RB"};
    profile.mainWindow = main;
    profile.currentCase = &current;
    profile.afterOk = [this] { ++afterOkCalls; };
  }
  void TearDown() override { DestroyWindow(main); }
  std::string List() const { return ReadBytes(JobSpec + ".CAS"); }
  void SetList(const std::string& bytes) { WriteBytes(JobSpec + ".CAS", bytes); }
  int Run(int mode, std::vector<wintest::Step> steps) {
    int result = -1;
    auto run = RunScript(std::move(steps), [&] { result = ShowLoadCaseDialog(nullptr, profile, mode); });
    EXPECT_TRUE(run.finished);
    return result;
  }
  // Types a name in the entry mode and presses OK, the check box as given.
  wintest::Step TypeAndOk(const std::string& name, bool enterData = true) {
    return WhenDialog(kCaption, [this, name, enterData](HWND d) {
      wintest::SetText(d, profile.nameBoxId, name);
      CheckDlgButton(d, kCaseCheckId, enterData ? BST_CHECKED : BST_UNCHECKED);
      wintest::PostClick(d, profile.okId);
    });
  }

  TestDirectory dir;
  HWND main = nullptr;
  LoadCaseDialogProfile profile;
  std::string current = "OLD";
  int afterOkCalls = 0;
};

TEST_F(LoadCaseDialogTest, EntryModePutsATypedNameFirstAndEndsWithTheCheckBox) {
  const struct {
    std::string list, typed;
    bool enterData;
    int result;
    std::string listAfter, current;
  } cases[] = {
      {"A\r\nB\r\n", "C", true, 1, "C\r\nA\r\nB\r\n", "C"},
      {"A\r\nB\r\n", "  Second  ", false, 0, "Second\r\nA\r\nB\r\n", "Second"},  // trimmed; box unticked
      {"A\r\nB\r\n", " B ", true, 1, "B\r\nA\r\n", "B"},                         // listed: moves to the head
      {"", "A", true, 1, "A\r\n", "A"},
      {"A\r\nB\r\n", "", true, 0, "A\r\nB\r\n", "OLD"},  // no name: the list unchanged, the case kept
      {"A\r\nB\r\n", "   ", true, 0, "A\r\nB\r\n", "OLD"},
      {"A\r\n", std::string(40, 'L'), true, 1, std::string(40, 'L') + "\r\nA\r\n", std::string(29, 'L')},
  };
  for (const auto& c : cases) {
    SetList(c.list);
    current = "OLD";
    int result = Run(1, {TypeAndOk(c.typed, c.enterData)});
    EXPECT_EQ(result, c.result) << c.typed;
    EXPECT_EQ(List(), c.listAfter) << c.typed;
    EXPECT_EQ(current, c.current) << c.typed;
    EXPECT_EQ(WindowText(main), "     BEAM/STRIP ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + c.current);
  }
  EXPECT_EQ(LoadCaseNames, (std::vector<std::string>{"", std::string(40, 'L'), "A"}));
}

TEST_F(LoadCaseDialogTest, ColoursItsPanelAndTheCheckBoxWhiteOnOlive) {
  bool looked = false;
  Run(1, {WhenDialog(kCaption, [&](HWND d) {
        const COLORREF white = RGB(255, 255, 255);
        ExpectListDialogColours(d, profile.frameId,
                                {{WM_CTLCOLORSTATIC, kCaseCheckId, RGB(128, 128, 0), white},
                                 {WM_CTLCOLORSTATIC, kCaseNoteId, RGB(0, 0, 255), white}});  // any other
        looked = true;
        wintest::Click(d, IDCANCEL);
      })});
  EXPECT_TRUE(looked);
}

TEST_F(LoadCaseDialogTest, ABrokenFirstLetterRuleWarnsAfterTonesAndKeepsTheDialog) {
  std::string fifty;
  const std::string firsts = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&'()-@^_{}~";
  for (int i = 0; i < 50; ++i) fifty += std::string(1, firsts[i]) + "case\r\n";
  const struct {
    std::string list, typed, warning;
  } cases[] = {
      {"A\r\nBx\r\n", "B", kClash},
      {"Ax\r\n", "a1", kClash},  // one load file serves "a" and "A"
      {"Ax\r\nAy\r\n", "C",
       "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\nSome of your Loads do not follow this "
       "Convention\r\n\r\nDELETE Incorrect LOAD NAMES!"},
      {"A\r\n", "*X",
       "The FIRST Letter of a LOAD CASE NAME is used in FILE NAMES\r\nand cannot be one of  \\ / : * ? \" < > "
       "|\r\n\r\nCorrect the LOAD NAME!"},
      {fifty, "+51st", "No more than 50 LOAD CASES can be specified!\r\n\r\nDELETE a LOAD CASE first!"},
  };
  for (const auto& c : cases) {
    SetList(c.list);
    wintest::TraceCapture trace;
    std::string warning, field;
    int result = Run(1, {
                            TypeAndOk(c.typed),
                            ReadAndAnswer("WARNING!", warning, IDOK),
                            WhenDialog(kCaption,
                                       [&](HWND d) {
                                         field = wintest::GetText(d, profile.nameBoxId);
                                         wintest::Click(d, IDCANCEL);
                                       }),
                        });
    EXPECT_EQ(result, 0) << c.typed;
    EXPECT_EQ(warning, c.warning) << c.typed;
    EXPECT_EQ(field, c.typed);
    EXPECT_EQ(trace.Records("TONE"),
              (std::vector<std::vector<std::string>>{
                  {"TONE", "330", "250"}, {"TONE", "294", "250"}, {"TONE", "330", "250"}, {"TONE", "294", "250"}}));
    EXPECT_EQ(List(), c.list) << c.typed;
  }
  EXPECT_EQ(afterOkCalls, 0);
}

TEST_F(LoadCaseDialogTest, ChoiceModeChoosesAListedNameAndMovesItToTheHead) {
  const struct {
    int chosen;
    std::string listAfter, current;
  } cases[] = {
      {2, "C\r\nA\r\nB\r\n", "C"},
      {0, "A\r\nB\r\nC\r\n", "A"},
  };
  for (const auto& c : cases) {
    SetList("A\r\nB\r\nC\r\n");
    std::vector<std::string> items;
    bool noCheckBox = false;
    int result = Run(2, {WhenDialog(kCaption, [&](HWND d) {
                       items = ComboItems(d, kNameBoxId);
                       noCheckBox = !GetDlgItem(d, kCaseCheckId) && !GetDlgItem(d, kDeleteId);
                       SendDlgItemMessageA(d, kNameBoxId, CB_SETCURSEL, static_cast<WPARAM>(c.chosen), 0);
                       wintest::PostClick(d, kContinueId);
                     })});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(items, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(noCheckBox);
    EXPECT_EQ(List(), c.listAfter);
    EXPECT_EQ(current, c.current);
  }
  EXPECT_EQ(afterOkCalls, 2);
}

TEST_F(LoadCaseDialogTest, ChoiceModeWithoutCasesEndsWithZeroAndWritesNothing) {
  for (bool emptyFile : {false, true}) {
    if (emptyFile) SetList("");
    size_t items = 0;
    int result = Run(2, {WhenDialog(kCaption, [&](HWND d) {
                       items = ComboItems(d, kNameBoxId).size();
                       wintest::PostClick(d, kContinueId);
                     })});
    EXPECT_EQ(result, 0);
    EXPECT_EQ(items, 1u);  // one empty item
    EXPECT_EQ(fs::exists(JobSpec + ".CAS"), emptyFile);
    if (emptyFile) {
      EXPECT_EQ(List(), "");
    }
    EXPECT_EQ(current, "OLD");
  }
}

TEST_F(LoadCaseDialogTest, DeleteRemovesTheSelectedCasesFilesAndNothingElse) {
  SetList("A\r\nBeta\r\nC\r\n");
  const char* const files[] = {".LDB", ".RBB", ".LDA", ".RBA", ".RPB", ".GEO", ".LDC"};
  for (const char* e : files) WriteBytes(JobSpec + e, e);
  std::string question;
  std::vector<std::string> itemsAfter;
  int result =
      Run(1, {
                 SelectAndPress(kCaption, kNameBoxId, 2, kDeleteId),  // C, answered No
                 ReadAndAnswer("Current Selection DELETION Enquiry", question, IDNO),
                 WhenDialog(kCaption,
                            [&](HWND d) {
                              SendDlgItemMessageA(d, kNameBoxId, CB_SETCURSEL, 1, 0);  // Beta
                              wintest::SetText(d, kNameBoxId, "A");                    // a text typed over it decides nothing
                              SendDlgItemMessageA(d, kNameBoxId, CB_SETCURSEL, 1, 0);
                              wintest::PostClick(d, kDeleteId);
                            }),
                 WhenDialog("Current Selection DELETION Enquiry", [&](HWND box) { wintest::AnswerBox(box, IDYES); }),
                 ItemsThenCancel(kCaption, kNameBoxId, itemsAfter),
             });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(question, "Do you really want to DELETE the CURRENT SELECTION?");
  EXPECT_EQ(itemsAfter, (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(LoadCaseNames, (std::vector<std::string>{"", "A", "C"}));
  for (const char* gone : {".LDB", ".RBB"}) EXPECT_FALSE(fs::exists(JobSpec + gone)) << gone;
  for (const char* kept : {".LDA", ".RBA", ".RPB", ".GEO", ".LDC"}) EXPECT_TRUE(fs::exists(JobSpec + kept)) << kept;
  EXPECT_EQ(List(), "A\r\nBeta\r\nC\r\n");  // cancelled: the list file keeps the name

  // The next OK writes the remaining names.
  EXPECT_EQ(Run(1, {SelectAndPress(kCaption, kNameBoxId, 1, kDeleteId),
                    WhenDialog("Current Selection DELETION Enquiry", [&](HWND box) { wintest::AnswerBox(box, IDYES); }),
                    TypeAndOk("")}),
            0);
  EXPECT_EQ(List(), "A\r\nC\r\n");
}

TEST_F(LoadCaseDialogTest, TheListIsReadUpToTheProfilesLimit) {
  std::string many;
  for (int i = 0; i < 60; ++i) many += "N" + std::to_string(i) + "\r\n";
  SetList(many);
  for (int limit : {50, 5000}) {
    profile.maxCases = limit;
    std::vector<std::string> items;
    Run(2, {ItemsThenCancel(kCaption, kNameBoxId, items)});
    EXPECT_EQ(items.size(), limit == 50 ? 50u : 60u);
  }
}

// Corvane's dialog, whose Ok is 9876: Enter typed in the name box (through the dialog's loop)
// presses that Ok.
TEST_F(LoadCaseDialogTest, EnterInTheNameBoxPressesItsOk) {
  SetList("A\r\n");
  int focus = 0;
  int result = -1;
  auto run = RunScript({WhenDialog(kCaption,
                                   [&](HWND d) {
                                     focus = GetDlgCtrlID(GetFocus());
                                     wintest::SetText(d, profile.nameBoxId, "C");
                                     CheckDlgButton(d, kCaseCheckId, BST_CHECKED);
                                     wintest::PressKey(GetFocus(), VK_RETURN);
                                   }),
                        [] { return false; }},  // comes only when the Enter left the dialog open
                       [&] { result = ShowLoadCaseDialog(nullptr, profile, 1); }, 5000);
  EXPECT_FALSE(run.timedOut);
  EXPECT_NE(focus, profile.okId);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(List(), "C\r\nA\r\n");
}

TEST_F(LoadCaseDialogTest, AnotherProgramsProfileGivesItsIdsCheckBoxFocusAndEnterOnOk) {
  profile.nameBoxId = kInProcessNameBoxId;
  profile.okId = kOkId;
  profile.deleteId = kInProcessDeleteId;
  profile.frameId = kInProcessFrameId;
  profile.checkText = " Is LOAD DATA to be ENTERED/EDITED?";
  profile.checkX = 10;
  profile.checkY = 184;
  profile.checkWidth = 188;
  profile.checkHeight = 12;
  profile.focusOnOk = true;
  profile.okEnterKey = true;
  SetList("A\r\n");
  std::string check;
  int focus = 0;
  bool ids = false;
  int result = Run(1, {
                          WhenDialog(kCaption,
                                     [&](HWND d) {
                                       check = wintest::GetText(d, kCaseCheckId);
                                       focus = GetDlgCtrlID(GetFocus());
                                       ids = GetDlgItem(d, kInProcessNameBoxId) && GetDlgItem(d, kInProcessDeleteId) &&
                                             GetDlgItem(d, kInProcessFrameId) &&
                                             !GetDlgItem(d, kContinueId);
                                       wintest::SetText(d, kInProcessNameBoxId, "B");
                                       wintest::PressKey(GetDlgItem(d, kOkId), VK_RETURN);
                                     }),
                      });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(check, " Is LOAD DATA to be ENTERED/EDITED?");
  EXPECT_EQ(focus, kOkId);
  EXPECT_TRUE(ids);
  EXPECT_EQ(List(), "B\r\nA\r\n");
}

}  // namespace
