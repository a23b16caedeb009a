// The load value and generation dialog under Wine: each mode's heading, labels and first texts,
// and its checks.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "win/messages.h"
#include "win/testing/wintest.h"
#include "entrytest.h"

namespace trabix {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = " LOAD DATA GENERATION - Load Case: DEAD";

class ValueDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    LoadCaseName = "DEAD";
    ClearEntryTables();
    GeometryValues[kElementCountSlot] = 4;
    FormTexts.Redim(6, 6);
    FormTexts(0, 0) = "NODAL";
    FormTexts(5, 0) = " Start Node No :";
    FormTexts(5, 1) = " End Node No :";
    FormTexts(5, 2) = " Step :";
    FormTexts(5, 3) = " NODAL LOADS:";
    FormTexts(5, 4) = " Force P [kN]=";
    FormTexts(5, 5) = " Moment M [kN*m]=";
    FormTexts(6, 0) = " SAME LOADS AT ALL NODES:";
    FormTexts(6, 1) = " Force P [kN]=";
    FormTexts(6, 2) = " Moment M [kN*m]=";
    FormTexts(6, 3) = " UNIFORM LOAD and SELF WEIGHT:";
    SharedIntegers(kFirstFieldIdSlot) = kValueFieldId;
    SharedIntegers(kTableRowsSlot) = 5;
    CellTexts.Redim(3, 5);
    for (int r = 1; r <= 5; ++r) {
      CellTexts(1, r) = std::to_string(r);
      CellTexts(2, r) = " " + std::to_string(10 * r);
      CellTexts(3, r) = " " + std::to_string(-r);
    }
    LoadValues.assign(3, 0.0);
    LoadValues[kUniformLoadSlot] = 12.5;
    LoadValues[kMassDensitySlot] = 0.00001;
  }
  // Opens the dialog of the mode and records what it shows, then runs the steps.
  std::string Shown(int mode, std::vector<wintest::Step> more, int& end) {
    std::string shown;
    std::vector<wintest::Step> steps = {WhenDialog(kCaption, [&](HWND d) {
      shown = wintest::GetText(d, kLoadGenerationHeadingId);
      for (int k = 1; k <= 5; ++k)
        if (GetDlgItem(d, kValueFieldId - 1 + k))
          shown += "|" + wintest::GetText(d, kLoadGenerationLabelBaseId + k) + wintest::GetText(d, kValueFieldId - 1 + k);
      shown += "|focus " + std::to_string(GetDlgCtrlID(GetFocus()));
    })};
    steps.insert(steps.end(), more.begin(), more.end());
    EXPECT_TRUE(RunScript(steps, [&] { end = static_cast<int>(ShowModalDialog(LoadGenerationDialog(mode), nullptr,
                                                                               LoadDataDialogProc)); })
                    .finished);
    return shown;
  }
  wintest::TraceCapture trace_;
};

wintest::Step Cancel() {
  return WhenDialog(kCaption, [](HWND d) { wintest::Click(d, kFormCancelId); });
}

TEST_F(ValueDialog, HeadingsLabelsAndFirstTexts) {
  struct Case { int mode; std::string shown; };
  const Case cases[] = {
      {0, " UNIFORM LOAD and SELF WEIGHT:| Force P [kN]=12.5| Moment M [kN*m]=0|focus " + std::to_string(kValueFieldId)},
      {1, " Moment M [kN*m]=| SAME LOADS AT ALL NODES:1| Force P [kN]=6| UNIFORM LOAD and SELF WEIGHT:10|-5|focus " + std::to_string(kValueFieldId)},
      {2, " SAME LOADS AT ALL NODES:| Force P [kN]=10| Moment M [kN*m]=-1|focus " + std::to_string(kValueFieldId)},
      {4, " NODAL LOADS:| Start Node No :1| End Node No :5| Step :1| Force P [kN]=10|focus " + std::to_string(kValueFieldId)},
      {5, " NODAL LOADS:| Start Node No :1| End Node No :5| Step :1| Moment M [kN*m]=-1|focus " + std::to_string(kValueFieldId)},
      {10, " UNIFORM Temperature Changes [Celsius]:| Above Element, Ta=10| Below Element, Tb=-1|focus " + std::to_string(kValueFieldId)},
      {11, " Temperature Change [Celsius]| Start Element No :1| End Element No :5| Step :1| Above Element, Ta=10|focus " + std::to_string(kValueFieldId)},
      {12, " Temperature Change [Celsius]| Start Element No :1| End Element No :5| Step :1| Below Element, Tb=-1|focus " + std::to_string(kValueFieldId)},
  };
  for (const Case& c : cases) {
    int end = -1;
    DialogStatus.clear();
    EXPECT_EQ(Shown(c.mode, {Cancel()}, end), c.shown) << c.mode;
    EXPECT_EQ(end, 0);
    EXPECT_EQ(DialogStatus, "ZZZ");
  }
}

// Sets the fields and presses OK; `refused` expects the warning box with that text first.
std::vector<wintest::Step> Try(std::vector<std::pair<int, std::string>> texts, const std::string& refused,
                               std::string& seen) {
  std::vector<wintest::Step> steps = {WhenDialog(kCaption, [texts, refused](HWND d) {
    for (const auto& t : texts) wintest::SetText(d, t.first, t.second);
    if (refused.empty())
      wintest::Click(d, kOkId);
    else
      wintest::PostClick(d, kOkId);
  })};
  if (!refused.empty()) {
    steps.push_back(entrytest::WarningInto(seen));
    steps.push_back(Cancel());
  }
  return steps;
}

TEST_F(ValueDialog, Checks) {
  const std::string range = "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ";
  const std::string data = "INCORRECT DATA!\r\n\r\nENTER NEW DATA.";
  struct Case { int mode; std::vector<std::pair<int, std::string>> texts; std::string refused; int end; };
  const std::vector<Case> cases = {
      {4,
       {{kValueFieldId, "1"}, {kValueFieldId + 1, "1"}, {kValueFieldId + 2, "1"}},
       range,
       0},  // step beyond end - start
      {4, {{kValueFieldId, "1"}, {kValueFieldId + 1, "5"}, {kValueFieldId + 2, "4"}}, "", 1},
      {4, {{kValueFieldId, ""}}, range, 0},       // an empty start reads 0
      {4, {{kValueFieldId + 2, "0"}}, range, 0},  // step 0 would never end
      {5, {{kValueFieldId + 1, "6"}}, range, 0},  // end past the rows
      {11, {{kValueFieldId + 1, "6"}}, range, 0},
      {12, {{kValueFieldId, "0"}}, range, 0},
      {1, {{kValueFieldId, "3"}, {kValueFieldId + 1, "3"}}, "", 1},  // start = end
      {1, {{kValueFieldId, ""}}, range, 0},
      {0, {{kValueFieldId, "12x"}}, data, 0},  // a letter other than E
      {0, {{kValueFieldId, "1.2E1"}}, "", 1},
  };
  for (const Case& c : cases) {
    std::string seen;
    int end = -1;
    Shown(c.mode, Try(c.texts, c.refused, seen), end);
    EXPECT_EQ(seen, c.refused) << c.mode;
    EXPECT_EQ(end, c.end) << c.mode;
  }
  EXPECT_EQ(FieldTexts[1], "1.2E1");
}

TEST_F(ValueDialog, WinklerFunctionCaptionAndExponent) {
  FormTexts(0, 0) = "WINKLER";
  FormTexts(6, 0) = " Start Node No (i):";
  FormTexts(6, 1) = " End Node No (m):";
  FormTexts(6, 2) = " Subgrade MODULUS Function [kPa/m]: k=A+Bz^n ";
  FormTexts(6, 3) = " Constant A [kPa/m]=";
  FormTexts(6, 4) = " Constant B [consistent units]=";
  FormTexts(6, 5) = " Exponent n [-]=";
  SharedIntegers(kTableRowsSlot) = 4;  // elements
  std::string seen;
  bool ok = RunScript({WhenDialog(" WINKLER SOIL DATA GENERATION:",
                                  [](HWND d) {
                                    EXPECT_EQ(wintest::GetText(d, kValueFieldId + 1), "5");
                                    wintest::SetText(d, kValueFieldId + 4, "-1");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       entrytest::WarningInto(seen),
                       WhenDialog(" WINKLER SOIL DATA GENERATION:", [](HWND d) { wintest::Click(d, kFormCancelId); })},
                      [] { ShowModalDialog(LoadGenerationDialog(1), nullptr, LoadDataDialogProc); })
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(seen, "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
}

// Typing replaces the text a field shows when it gets the focus, at the opening and through Enter.
TEST_F(ValueDialog, TypingIntoAFieldShowingZeroGivesWhatWasTyped) {
  LoadValues[kUniformLoadSlot] = 0;
  auto type = [](char ch) {
    return wintest::Do([ch] { PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(ch), 1); });
  };
  std::string first, second;
  int end = -1;
  Shown(0,
        {type('7'), wintest::Do([] { wintest::PressKey(GetFocus(), VK_RETURN); }), type('5'),
         WhenDialog(kCaption,
                    [&](HWND d) {
                      first = wintest::GetText(d, kValueFieldId);
                      second = wintest::GetText(d, kValueFieldId + 1);
                      wintest::Click(d, kFormCancelId);
                    })},
        end);
  EXPECT_EQ(first, "7");
  EXPECT_EQ(second, "5");
}

}  // namespace
}  // namespace trabix
