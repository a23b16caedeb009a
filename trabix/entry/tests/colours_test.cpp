// The colours of Trabix's data-entry dialogs under Wine: each dialog's colour messages answered with
// the brush and text colour its controls are drawn in, the focused field drawn apart; and the
// unyielding supports list's rows, its OK without marks and the node list it leaves in the file.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/core/jobfiles.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "trabix/views/views.h"
#include "win/messages.h"
#include "win/tests/colourprobe.h"
#include "win/testing/wintest.h"
#include "entrytest.h"
#include "win/ids.h"

namespace trabix {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   BEAM/STRIP ANALYSIS.   JOB: JOB";
constexpr int kCheckList = entry::kNodeListId;

// The system's colours, by the brush and text colour a control keeps when nothing colours it.
const COLORREF kFace = GetSysColor(COLOR_BTNFACE), kWindow = GetSysColor(COLOR_WINDOW),
               kText = GetSysColor(COLOR_WINDOWTEXT), kButtonText = GetSysColor(COLOR_BTNTEXT);
const COLORREF kLightYellow = RGB(255, 255, 200), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0),
               kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0);

// The shared colour probe, with the dialog named in every failure.
void ExpectColours(HWND dialog, const std::vector<ColourProbe>& probes, const std::string& where) {
  SCOPED_TRACE(where);
  ::ExpectColours(dialog, probes);
}

class DialogColoursTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    JobSpec = "JOB";
    LoadCaseName = "DEAD";
    entrytest::SaveBeam();
  }
  // Opens a dialog with open, runs look on it while it is on screen, then presses its button close.
  void WhileShown(const std::string& caption, const std::function<void()>& open, const std::function<void(HWND)>& look,
                  int close) {
    bool looked = false;
    bool finished = RunScript({WhenDialog(caption,
                                          [&](HWND d) {
                                            look(d);
                                            looked = true;
                                            wintest::Click(d, close);
                                          })},
                              open)
                        .finished;
    EXPECT_TRUE(finished && looked) << caption;
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

TEST_F(DialogColoursTest, GeometryDialog) {
  WhileShown(
      kCaption, [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); },
      [](HWND d) {
        ASSERT_EQ(GetDlgCtrlID(GetFocus()), entry::kGeometryFieldBaseId + 1);
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 1, kWhite, kBlack},  // the focused box
                       {WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 3, kLightYellow, kBlue},
                       {WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 5, kLightYellow, kBlue},
                       {WM_CTLCOLORSTATIC, 111, RGB(0, 255, 255), kBlue},
                       {WM_CTLCOLORSTATIC, 115, RGB(0, 255, 255), kBlue},
                       {WM_CTLCOLORSTATIC, 121, RGB(128, 128, 128), RGB(0, 255, 0)},
                       {WM_CTLCOLORSTATIC, 125, RGB(128, 128, 128), RGB(0, 255, 0)},
                       {WM_CTLCOLORSTATIC, kHeadingId, RGB(0, 255, 150), kBlack},
                       {WM_CTLCOLORSTATIC, entry::kDetailsBoxId, RGB(128, 128, 0), kWhite},
                       {WM_CTLCOLORSTATIC, kBeamOptionId, RGB(0, 128, 128), kWhite},
                       {WM_CTLCOLORSTATIC, kStripOptionId, RGB(0, 128, 128), kWhite},
                       {WM_CTLCOLORSTATIC, kHalfOptionId, kFace, kText}},  // HALF / ENTIRE: the system's
                      "geometry");
        SetFocus(GetDlgItem(d, entry::kGeometryFieldBaseId + 3));
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 1, kLightYellow, kBlue},
                       {WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 3, kWhite, kBlack}},
                      "geometry, focus on 103");
      },
      2);
}

TEST_F(DialogColoursTest, SupportTypesKeepTheSystemsColours) {
  SupportFlags[kUnyieldingSlot] = "Y";
  WhileShown(
      kCaption, [] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLORSTATIC, entry::kFirstSupportBoxId, kFace, kButtonText},
                       {WM_CTLCOLORSTATIC, entry::kUnyieldingBoxId, kFace, kButtonText},
                       {WM_CTLCOLORSTATIC, entry::kWinklerOptionId, kFace, kButtonText},
                       {WM_CTLCOLORSTATIC, kRightEdgeBoxId, kFace, kButtonText}},
                      "support types");
      },
      2);
}

TEST_F(DialogColoursTest, UnyieldingSupports) {
  // The analysis hides the pointer; the list shows it again while it has the focus.
  int before = ShowCursor(FALSE) + 1;
  bool showing = false;
  WhileShown(
      kCaption, [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); },
      [&](HWND d) {
        CURSORINFO info{};
        info.cbSize = sizeof info;
        showing = GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING);
        ExpectColours(d,
                      {{WM_CTLCOLORSTATIC, entry::kNodeHeadId, RGB(0, 128, 128), kWhite},
                       {WM_CTLCOLORSTATIC, kCheckHintId, RGB(128, 255, 0), kBlack},
                       {WM_CTLCOLORSTATIC, kNodeListTitleId, RGB(128, 255, 0), kBlack},
                       {WM_CTLCOLORSTATIC, kNodeFrameId, RGB(128, 255, 0), kBlack},  // the frame
                       {WM_CTLCOLORLISTBOX, kCheckList, GetSysColor(COLOR_INFOBK), kBlue}},
                      "unyielding");
      },
      kExitId);
  int now = ShowCursor(TRUE);
  EXPECT_TRUE(showing);
  EXPECT_EQ(now, std::max(before - 1, 0) + 1) << "shown, and no higher than showing";
  while (now > before) now = ShowCursor(FALSE);
  while (now < before) now = ShowCursor(TRUE);
}

TEST_F(DialogColoursTest, HalfSpaceIsotropicAndCrossAnisotropic) {
  WhileShown(
      kCaption, [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, kHalfSpaceFieldBaseId + 1, kWhite, kBlack},
                       {WM_CTLCOLOREDIT, kHalfSpaceFieldBaseId + 3, kLightYellow, kBlue},
                       {WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 1, RGB(0, 255, 255), kBlack},
                       {WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 3, RGB(0, 255, 255), kBlack},
                       {WM_CTLCOLORSTATIC, 298, RGB(64, 128, 128), kYellow},
                       {WM_CTLCOLORSTATIC, 299, RGB(64, 128, 128), kYellow},
                       {WM_CTLCOLORSTATIC, kHalfSpaceFrameId, kFace, kText},
                       {WM_CTLCOLORSTATIC, 296, RGB(200, 11, 36), kYellow}},  // the heading
                      "isotropic");
      },
      2);
  WhileShown(
      kCaption, [] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); },
      [](HWND d) {
        SetFocus(GetDlgItem(d, kHalfSpaceFieldBaseId + 6));
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, kHalfSpaceFieldBaseId + 6, kWhite, kBlack},
                       {WM_CTLCOLOREDIT, kHalfSpaceFieldBaseId + 1, kLightYellow, kBlue},
                       {WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 5, RGB(0, 255, 255), kBlack},
                       {WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 6, RGB(127, 164, 164), kBlack},
                       {WM_CTLCOLORSTATIC, 299, RGB(64, 128, 128), kYellow}},
                      "cross-anisotropic");
      },
      2);
}

// The range dialog leaves its colours to the system; the uniform dialog draws its field blue on
// light yellow while it has the focus.
TEST_F(DialogColoursTest, RangeAndUniformDialogs) {
  TableRows = 4;
  WhileShown(
      kCaption,
      [] { ShowModalDialog(entry::GenerationDialog(EntryProfile(), 1), nullptr, entry::GenerationDialogProc); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLORSTATIC, entry::kFirstRangeLabelId, kFace, kText},
                       {WM_CTLCOLOREDIT, entry::kFirstRangeFieldId + 1, kWindow, kText}},
                      "range");
      },
      kFormCancelId);
  WhileShown(
      kCaption, [] { ShowModalDialog(entry::UniformDialog(EntryProfile(), 1), nullptr, entry::UniformDialogProc); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, entry::kUniformFieldId, kLightYellow, kBlue},
                       {WM_CTLCOLORSTATIC, kUniformLabelId, kFace, kBlue},
                       {WM_CTLCOLORSTATIC, entry::kUniformHeadingId, kFace, kBlue}},
                      "uniform");
        SetFocus(GetDlgItem(d, kOkId));
        ExpectColours(d, {{WM_CTLCOLOREDIT, entry::kUniformFieldId, kWindow, kText}}, "uniform without focus");
      },
      kFormCancelId);
}

// The value dialog and the Winkler function dialog: the field with the focus on light yellow.
TEST_F(DialogColoursTest, ValueAndFunctionDialogs) {
  FormTexts.Redim(6, 6);
  FormTexts(6, 1) = " Uniform Load Intensity [kN/m] =";
  FormTexts(6, 2) = " Material Mass Density [kg/m^3] =";
  FormTexts(6, 3) = " UNIFORM LOAD AND MATERIAL'S MASS DENSITY";
  SharedIntegers(kFirstFieldIdSlot) = kUniformLoadFieldId;
  LoadValues.assign(3, 0.0);
  WhileShown(
      " LOAD DATA GENERATION - Load Case: DEAD",
      [] { ShowModalDialog(LoadGenerationDialog(0), nullptr, LoadDataDialogProc); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, kUniformLoadFieldId, kLightYellow, kText},
                       {WM_CTLCOLOREDIT, kUniformLoadFieldId + 1, kWindow, kText},
                       {WM_CTLCOLORSTATIC, kLoadGenerationLabelBaseId + 1, kFace, kText},
                       {WM_CTLCOLORSTATIC, kLoadGenerationLabelBaseId + 2, kFace, kText}},
                      "value");
      },
      kFormCancelId);
  FillSupportCells("WINKLER");
  TableRows = 4;
  WhileShown(
      " WINKLER SOIL DATA GENERATION:",
      [] { ShowModalDialog(NodeFunctionDialog(false), nullptr, LoadDataDialogProc); },
      [](HWND d) {
        SetFocus(GetDlgItem(d, kValueFieldId + 3));
        ExpectColours(d,
                      {{WM_CTLCOLOREDIT, kValueFieldId + 3, kLightYellow, kText},
                       {WM_CTLCOLOREDIT, kValueFieldId, kWindow, kText},
                       {WM_CTLCOLORSTATIC, kLoadGenerationLabelBaseId + 5, kFace, kText}},
                      "function");
      },
      kFormCancelId);
}

TEST_F(DialogColoursTest, LoadTypeDialog) {
  StructureFlags[kSymmetricHalfSlot] = "Y";  // half of a symmetric beam: the symmetry options are shown
  StructureFlags[kSymmetricLoadsSlot] = "S";
  WhileShown(
      "   BEAM/STRIP ANALYSIS.   JOB: JOB     Load Case: DEAD",
      [] { ShowLoadTypeDialog(nullptr, "BEAM/STRIP", [](int) {}); },
      [](HWND d) {
        ExpectColours(d,
                      {{WM_CTLCOLORBTN, kEnterLoadData, RGB(70, 186, 155), kBlack},
                       {WM_CTLCOLORSTATIC, kFirstLoadKind, RGB(0, 128, 128), kYellow},
                       {WM_CTLCOLORSTATIC, kFirstLoadKind + 3, RGB(0, 128, 128), kYellow},
                       {WM_CTLCOLORSTATIC, kLoadTypeHeading, kLightYellow, kBlack},
                       {WM_CTLCOLORSTATIC, 99, RGB(255, 192, 0), kBlack},
                       {WM_CTLCOLORSTATIC, kSymmetricLoads, RGB(255, 192, 0), kBlack},
                       {WM_CTLCOLORSTATIC, kAntisymmetricLoads, RGB(255, 192, 0), kBlack}},
                      "load type");
      },
      2);
}

// ---------------------------------------------------------------- the unyielding supports list

// Stored nodes 2 and 3 of a beam of 4 elements: the list has 5 rows; REMOVE ALL CHECKS and OK
// leave item 2 "N", and the file names no unyielding support.
TEST_F(DialogColoursTest, UnyieldingListOkWithoutMarksGivesNoSupport) {
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "2,3";
  ASSERT_TRUE(SaveSupportFile("JOB"));
  ASSERT_NE(entrytest::FileText("JOB.SUP").find("UNYIELDING SUPPORTS at Nodes: 2,3"), std::string::npos);
  int rows = 0;
  bool finished = RunScript({WhenDialog(kCaption, [](HWND d) { wintest::PostClick(d, entry::kEnterSupportDataId); }),
                             WhenDialog(kCaption,
                                        [&](HWND u) {
                                          rows = static_cast<int>(
                                              SendMessageA(GetDlgItem(u, kCheckList), LB_GETCOUNT, 0, 0));
                                          wintest::Click(u, kRemoveChecksId);
                                          wintest::Click(u, kContinueId);
                                        })},
                            [] { SupportDataCommand(nullptr); })
                      .finished;
  ASSERT_TRUE(finished);
  EXPECT_EQ(rows, 5);
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "N");
  std::string file = entrytest::FileText("JOB.SUP");
  EXPECT_EQ(file.find("UNYIELDING"), std::string::npos) << file;
}

// A stored list that names node 9 of a beam that now has 5 nodes: after OK with node 5 marked too
// the list is "1,3,5", joined with commas only, and node 9 is gone from the file.
TEST_F(DialogColoursTest, UnyieldingListDropsNodesPastTheLastAndJoinsWithCommas) {
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "1, 3, 9";
  ASSERT_TRUE(SaveSupportFile("JOB"));
  ASSERT_NE(entrytest::FileText("JOB.SUP").find("9"), std::string::npos);
  bool finished = RunScript({WhenDialog(kCaption, [](HWND d) { wintest::PostClick(d, entry::kEnterSupportDataId); }),
                             WhenDialog(kCaption,
                                        [](HWND u) {
                                          HWND list = GetDlgItem(u, kCheckList);
                                          SendMessageA(list, LB_SETCURSEL, 4, 0);
                                          wintest::PressKey(list, VK_SPACE);  // node 5
                                          wintest::Pump();
                                          wintest::Click(u, kContinueId);
                                        })},
                            [] { SupportDataCommand(nullptr); })
                      .finished;
  ASSERT_TRUE(finished);
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
  EXPECT_EQ(UnyieldingNodes, "1,3,5");
  std::string file = entrytest::FileText("JOB.SUP");
  size_t at = file.find("UNYIELDING SUPPORTS at Nodes: ");
  ASSERT_NE(at, std::string::npos) << file;
  EXPECT_EQ(file.substr(at, file.find('\n', at) - at), "UNYIELDING SUPPORTS at Nodes: 1,3,5");
}

}  // namespace
}  // namespace trabix
