// The load type dialog under Wine: its options for a whole job and for a symmetric half, the
// choice walking through the load kinds and back to the first, Enter on an option, the symmetry
// answer, and the loads command rewriting the load file when the dialog is closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../tests/testsupport.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/ids.h"
#include "win/testing/wintest.h"

namespace trabix {
namespace {

using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;

const std::string kCaption = "   BEAM/STRIP ANALYSIS.   JOB: BEAMJOB     Load Case: A dead";

class LoadTypeTest : public ::testing::Test {
 protected:
  LoadTypeTest() {
    JobSpec = "BEAMJOB";
    LoadCaseName = "A dead";
    StructureFlags.assign(6, "N");
  }
  bool Show(std::vector<wintest::Step> steps) {
    return RunScript(std::move(steps),
                     [&] { ShowLoadTypeDialog(nullptr, "BEAM/STRIP", [&](int kind) { kinds_.push_back(kind); }); },
                     20000)
        .finished;
  }
  TestDirectory dir_;
  std::vector<int> kinds_;
};

TEST_F(LoadTypeTest, TheChoiceWalksThroughTheKindsAndBackToTheFirst) {
  std::vector<int> checked;
  bool symmetryShown = true;
  std::string nodal;
  auto press = [&](HWND d) {
    wintest::Click(d, kEnterLoadData);
    checked.push_back(FirstCheckedButton(d, kFirstLoadKind, kFirstLoadKind + 3));
  };
  EXPECT_TRUE(Show({WhenDialog(kCaption,
                               [&](HWND d) {
                                 symmetryShown = GetDlgItem(d, kSymmetricLoads) || GetDlgItem(d, kAntisymmetricLoads);
                                 nodal = wintest::GetText(d, kFirstLoadKind + 1);
                                 EXPECT_EQ(wintest::GetText(d, kLoadTypeHeading), "SELECTION OF LOAD TYPE");
                                 EXPECT_EQ(IsDlgButtonChecked(d, kFirstLoadKind), BST_CHECKED);
                                 for (int i = 0; i < 5; ++i) press(d);
                               }),
                    WhenDialog(kCaption, [](HWND d) { PostClick(d, kCancelId); })}));
  EXPECT_FALSE(symmetryShown);
  EXPECT_EQ(nodal, "&Nodal Load");
  EXPECT_EQ(kinds_, (std::vector<int>{1, 2, 3, 4, 1}));
  EXPECT_EQ(checked, (std::vector<int>{kFirstLoadKind + 1, kFirstLoadKind + 2, kFirstLoadKind + 3, kFirstLoadKind,
                                       kFirstLoadKind + 1}));
}

TEST_F(LoadTypeTest, EnterOnAnOptionOpensItsEntryWindow) {
  EXPECT_TRUE(Show({WhenDialog(kCaption,
                               [](HWND d) {
                                 CheckDlgButton(d, kFirstLoadKind, BST_UNCHECKED);
                                 CheckDlgButton(d, kFirstLoadKind + 2, BST_CHECKED);
                                 SetFocus(GetDlgItem(d, kFirstLoadKind + 2));
                                 wintest::PressKey(GetDlgItem(d, kFirstLoadKind + 2), VK_RETURN);
                               }),
                    [&] { return !kinds_.empty(); },
                    WhenDialog(kCaption, [](HWND d) { PostClick(d, kCancelId); })}));
  EXPECT_EQ(kinds_, (std::vector<int>{3}));
}

TEST_F(LoadTypeTest, ASymmetricHalfChoosesItsLoadSymmetry) {
  StructureFlags[kStripSlot] = "Y";  // a strip
  StructureFlags[kSymmetricHalfSlot] = "Y";
  StructureFlags[kSymmetricLoadsSlot] = "S";
  bool symmetricChecked = false;
  std::string nodal;
  EXPECT_TRUE(Show({WhenDialog(kCaption, [&](HWND d) {
    symmetricChecked = IsDlgButtonChecked(d, kSymmetricLoads) == BST_CHECKED;
    nodal = wintest::GetText(d, kFirstLoadKind + 1);
    CheckDlgButton(d, kSymmetricLoads, BST_UNCHECKED);
    CheckDlgButton(d, kAntisymmetricLoads, BST_CHECKED);
    wintest::Click(d, kEnterLoadData);
    PostClick(d, kCancelId);
  })}));
  EXPECT_TRUE(symmetricChecked);
  EXPECT_EQ(nodal, "&Nodal Line Load");
  EXPECT_EQ(StructureFlags[kSymmetricLoadsSlot], "A");
}

TEST_F(LoadTypeTest, TheLoadsCommandRewritesTheFileWhenClosed) {
  testing::CopyJob("BEAMJOB");
  int before = 0;
  TextLineArray original;
  LoadTextLines("BEAMJOB.LDA", original, 100, before);
  EXPECT_TRUE(RunScript({WhenDialog(kCaption, [](HWND d) { PostClick(d, kCancelId); })},
                        [&] {
                          LoadCommand(nullptr, "BEAM/STRIP", [] { return 1; }, [](int) {});
                        },
                        20000)
                  .finished);
  TextLineArray rewritten;
  int after = 0;
  LoadTextLines("BEAMJOB.LDA", rewritten, 100, after);
  ASSERT_EQ(after, before);
  EXPECT_EQ(rewritten[1], "Job: BEAMJOB // LOADS (A dead)");
  for (int i = 2; i <= after; ++i) EXPECT_EQ(rewritten[i], original[i]);
}

}  // namespace
}  // namespace trabix
