#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "corvane/core/globals.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "corvane/entry/tests/formsamples.h"
#include "win/ids.h"
#include "win/tests/colourprobe.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = " LOAD DATA GENERATION - Load Case: Dead";
const char* const kRuleBox = "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ";

// The template of a nodal load table's generation over 9 nodes.
void NodalTemplate() {
  LoadCaseName = "Dead";
  Substructure = "BEAM";
  FormTexts.Redim(6, 6);
  NodalGenerationTexts();
  SharedIntegers(kFieldCountSlot) = 4;
  SharedIntegers(kFirstFieldIdSlot) = 241;
  SharedIntegers(kTableRowsSlot) = 9;
}

std::vector<std::string> Texts(HWND dialog, const std::vector<int>& ids) {
  std::vector<std::string> out;
  for (int id : ids) out.push_back(wintest::GetText(dialog, id));
  return out;
}

TEST(LoadDataForm, GenerationFormShowsItsLabelsDefaultsAndButtons) {
  NodalTemplate();
  std::string caption;
  std::vector<std::string> labels, fields, buttons;
  int focus = 0;
  auto run = RunScript({WhenDialog(kCaption, [&](HWND d) {
                          char text[128];
                          GetWindowTextA(d, text, sizeof text);
                          caption = text;
                          labels = Texts(d, {kFormLabelBaseId, kFormLabelBaseId + 1, kFormLabelBaseId + 2, kLoadHeadingBaseId, kFormLabelBaseId + 3});
                          fields = Texts(d, {kFirstFormFieldId, kFirstFormFieldId + 1, kFirstFormFieldId + 2, kFirstFormFieldId + 3});
                          buttons = Texts(d, {kOkId, kFormCancelId});
                          focus = GetDlgCtrlID(GetFocus());
                          wintest::Click(d, kFormCancelId);
                        })},
                       [] { ShowModalDialog(LoadGenerationDialog(5), nullptr, LoadDataDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(caption, kCaption);
  EXPECT_EQ(labels, (std::vector<std::string>{" Start Node No :", " End Node No :", " Step :", " NODAL LOAD",
                                              " Moment Mi [kN.m] ="}));
  EXPECT_EQ(fields, (std::vector<std::string>{"1", "9", "1", "0"}));
  EXPECT_EQ(buttons, (std::vector<std::string>{"&Ok", "&Cancel"}));
  EXPECT_EQ(focus, kFirstFormFieldId);
  EXPECT_EQ(DialogStatus, "ZZZ");
}

TEST(LoadDataForm, ColoursTheFormItsFieldsHeadingsAndLabels) {
  NodalTemplate();
  const COLORREF form = RGB(230, 240, 255), darkBlue = RGB(0, 0, 160), unchanged = RGB(1, 2, 3);
  auto run = RunScript({WhenDialog(kCaption, [&](HWND d) {
                          ExpectColours(d, {{WM_CTLCOLORDLG, 0, form, unchanged},
                                            {WM_CTLCOLOREDIT, kFirstFormFieldId, RGB(255, 255, 200), darkBlue},  // focused
                                            {WM_CTLCOLOREDIT, kFirstFormFieldId + 1, RGB(255, 255, 255), darkBlue},
                                            {WM_CTLCOLORSTATIC, kLoadHeadingBaseId, RGB(200, 215, 255), RGB(128, 0, 0)},
                                            {WM_CTLCOLORSTATIC, kFormLabelBaseId, form, darkBlue}});
                          wintest::Click(d, kFormCancelId);
                        })},
                       [] { ShowModalDialog(LoadGenerationDialog(5), nullptr, LoadDataDialogProc); });
  ASSERT_TRUE(run.finished);
}

TEST(LoadDataForm, EnterWalksTheFieldsAndPressesOkOnceFromTheLast) {
  NodalTemplate();
  wintest::TraceCapture trace;
  std::vector<int> focus;
  HWND form = nullptr;
  auto enter = Do([&] {
    focus.push_back(GetDlgCtrlID(GetFocus()));
    wintest::PressReturnOn(GetFocus());
  });
  INT_PTR end = -1;
  auto run = RunScript({WhenDialog(kCaption,
                                   [&](HWND d) {
                                     form = d;
                                     wintest::SetText(d, kFirstFormFieldId + 2, "0");  // a step of 0 is refused
                                   }),
                        enter, enter, enter, enter, WhenDialog("WARNING!", [&](HWND box) { wintest::AnswerBox(box, IDOK); }),
                        Do([&] { wintest::SetText(form, kFirstFormFieldId + 2, "4"); }), Do([&] { wintest::Click(form, kOkId); })},
                       [&] { end = ShowModalDialog(LoadGenerationDialog(4), nullptr, LoadDataDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(focus, (std::vector<int>{kFirstFormFieldId, kFirstFormFieldId + 1, kFirstFormFieldId + 2, kFirstFormFieldId + 3}));
  auto boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0][2], kRuleBox);
  EXPECT_EQ(trace.Records("TONE").size(), 4u);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(FieldTexts, (std::vector<std::string>{"", "1", "9", "4", "0"}));
}

TEST(LoadDataForm, RangeRulesAndNumberCheck) {
  const struct {
    int mode;
    std::vector<std::string> fields;
    const char* box;  // "" when the form ends with 1
    std::vector<std::string> accepted;
  } cases[] = {
      {4, {"3", "3", "1", "5"}, kRuleBox, {}},
      {4, {"1", "5", "4", "005"}, "", {"", "1", "5", "4", "5"}},
      {4, {"1", "5", "5", "1"}, kRuleBox, {}},
      {5, {"1", "5", "0", "1"}, kRuleBox, {}},
      {6, {"0", "5", "1", "1"}, kRuleBox, {}},
      {11, {"2", "9", "0", "1"}, kRuleBox, {}},
      {12, {"0", "9", "1", "1"}, kRuleBox, {}},
      {4, {"1", "5", "1", "1.2.3"}, "INCORRECT DATA!\r\n\r\nENTER NEW DATA.", {}},
      {1, {"0", "3", "10", "20"}, kRuleBox, {}},
      {1, {"3", "3", "10", "-20"}, "", {"", "3", "3", "10", "-20"}},
  };
  for (const auto& c : cases) {
    NodalTemplate();
    wintest::TraceCapture trace;
    INT_PTR end = -1;
    HWND form = nullptr;
    std::vector<wintest::Step> steps = {WhenDialog(kCaption, [&](HWND d) {
      form = d;
      for (size_t i = 0; i < c.fields.size(); ++i) wintest::SetText(d, kFirstFormFieldId + static_cast<int>(i), c.fields[i]);
      wintest::PostClick(d, kOkId);
    })};
    if (*c.box) {
      steps.push_back(WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }));
      steps.push_back(Do([&] { wintest::Click(form, kFormCancelId); }));
    }
    auto run = RunScript(steps, [&] { end = ShowModalDialog(LoadGenerationDialog(c.mode), nullptr, LoadDataDialogProc); });
    ASSERT_TRUE(run.finished) << c.mode << " " << c.fields[0];
    auto boxes = trace.Records("BOX");
    if (*c.box) {
      ASSERT_EQ(boxes.size(), 1u) << c.mode;
      EXPECT_EQ(boxes[0][2], c.box) << c.mode << " " << c.fields[2];
      EXPECT_EQ(end, 0);
    } else {
      EXPECT_TRUE(boxes.empty()) << c.mode;
      EXPECT_EQ(end, 1) << c.mode;
      EXPECT_EQ(FieldTexts, c.accepted) << c.mode;
    }
  }
}

TEST(LoadDataForm, ScalarFormsShowTheirValuesAndHoldTheirRules) {
  LoadCaseName = "Dead";
  FormTexts.Redim(6, 6);
  FormTexts(6, 1) = " Material Mass Density [kg/m^3] =";
  FormTexts(6, 3) = " ROOF STRUCTURE: MATERIAL's MASS DENSITY";
  LoadTable.Redim(12, 4);
  LoadTable(3, 2) = 7850.25f;
  Substructure = "ROOF STRUCTURE";
  // The shell roof's one mass-density field, from id 244.
  SharedIntegers(kFieldCountSlot) = 1;
  SharedIntegers(kFirstFieldIdSlot) = 244;
  wintest::TraceCapture trace;
  std::vector<std::string> shown;
  HWND form = nullptr;
  INT_PTR end = -1;
  auto run = RunScript({WhenDialog(kCaption,
                                   [&](HWND d) {
                                     form = d;
                                     shown = Texts(d, {kLoadHeadingBaseId, kFormLabelBaseId, kFirstFormFieldId + 3});
                                     wintest::SetText(d, kFirstFormFieldId + 3, "-1");
                                     wintest::PostClick(d, kOkId);
                                   }),
                        WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }),
                        Do([&] {
                          wintest::SetText(form, kFirstFormFieldId + 3, "2400");
                          wintest::Click(form, kOkId);
                        })},
                       [&] { end = ShowModalDialog(LoadGenerationDialog(0), nullptr, LoadDataDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(shown, (std::vector<std::string>{" ROOF STRUCTURE: MATERIAL's MASS DENSITY", " Material Mass Density [kg/m^3] =",
                                             "7850.250"}));
  EXPECT_EQ(trace.Records("BOX").size(), 1u);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(FieldTexts, (std::vector<std::string>{"", "2400"}));

  // The hydrostatic form: a depth above the wall's height is refused, equal to it accepted.
  JobDataTable(2, 3) = 4;
  LoadTable(4, 1) = 1000;
  LoadTable(4, 2) = 3.5f;
  SharedIntegers(kFieldCountSlot) = 2;
  SharedIntegers(kFirstFieldIdSlot) = 243;
  trace.Clear();
  run = RunScript({WhenDialog(kCaption,
                              [&](HWND d) {
                                form = d;
                                shown = Texts(d, {kFirstFormFieldId + 2, kFirstFormFieldId + 3});
                                wintest::SetText(d, kFirstFormFieldId + 3, "4.001");
                                wintest::PostClick(d, kOkId);
                              }),
                   WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }),
                   Do([&] {
                     wintest::SetText(form, kFirstFormFieldId + 3, "4");
                     wintest::Click(form, kOkId);
                   })},
                  [&] { end = ShowModalDialog(LoadGenerationDialog(9), nullptr, LoadDataDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(shown, (std::vector<std::string>{"1000.000", "3.500"}));
  EXPECT_EQ(end, 1);
  EXPECT_EQ(FieldTexts, (std::vector<std::string>{"", "1000.000", "4"}));
}

}  // namespace
}  // namespace corvane
