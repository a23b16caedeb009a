// Every window of Palvore's data entry shows its texts whole: each dialog, table window and the
// dialogs their buttons open, and the warnings they give, on a sample pile and sheet pile of 24
// elements.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "../../../common/tests/testdir.h"
#include "palvore/core/documents.h"
#include "palvore/entry/ids.h"
#include "palvore/entry/tests/samplejob.h"
#include "win/loadtype.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace palvore {
namespace {

using wintest::LayoutCase;

const char* const kCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: DEMO";

class PalvoreEntryLayout : public ::testing::Test {
 protected:
  void SetUp() override { sample::Start(); }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

const char* const kNotSupported = "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!";
const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

TEST_F(PalvoreEntryLayout, EveryEntryWindowShowsItsTextsWhole) {
  const std::string details = " GEOMETRY DETAILS DATA:";
  const std::string loadType = LoadTypeCaption(kStructureTitle, "A");
  auto geometry = [] { GeometryDetailsDialog(nullptr); };
  auto supports = [](const char* kind) { return [kind] { SupportTableDialog(nullptr, kind); }; };
  // A table and the dialogs of its buttons, each opened over it and cancelled.
  auto table = [](const char* name, std::function<void()> open, const std::string& caption, std::vector<int> buttons) {
    return wintest::TableCase(name, std::move(open), caption, kTableCancelId, buttons, kFormCancelId);
  };
  std::vector<LayoutCase> cases = {
      {"geometry", [] { GeometryCommand(nullptr); }, {{kCaption}}},
      {"geometry warning", [] { GeometryCommand(nullptr); },
       {{kCaption, kOkId, IDCANCEL, wintest::Typing({{entry::kGeometryFieldBaseId + 1, "-1"}})},
        {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
      {"support types", [] { ShowModalDialog(SupportTypeDialog(), nullptr, entry::SupportTypeDialogProc); }, {{kCaption}}},
      {"no support", [] { ShowModalDialog(SupportTypeDialog(), nullptr, entry::SupportTypeDialogProc); },
       {{kCaption, kContinueId, IDCANCEL, wintest::ClearingChecks(entry::kFirstSupportBoxId, entry::kIsotropicOptionId)}, {"WARNING!", 0, IDOK, nullptr, kNotSupported}}},
      {"range refused", supports("ELASTIC"),
       {{kCaption, GenerateButtonId(2), kTableCancelId},
        {kCaption, kOkId, kFormCancelId,
         wintest::Typing({{entry::kFirstRangeFieldId, "20"}, {entry::kFirstRangeFieldId + 1, "3"}})},  // a start after its end
        {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
      {"unyielding", [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, entry::NodeListDialogProc); },
       {{kCaption, 0, kExitId}}},
      table("elastic", supports("ELASTIC"), kCaption, {UniformButtonId(1), UniformButtonId(2), GenerateButtonId(2)}),
      table("winkler", supports("WINKLER"), kCaption,
            {kModulusFunctionId, GenerateButtonId(2), GenerateButtonId(3), GenerateButtonId(4), kYieldFunctionId}),
      {"half-space", [] { ShowModalDialog(HalfSpaceDialog(), nullptr, entry::HalfSpaceDialogProc); }, {{kCaption}}},
      {"load type", [] { ShowModalDialog(LoadTypeDialog(), nullptr, LoadTypeDialogProc); }, {{loadType}}},
      table("trapezoidal", [] { sample::OpenLoadTable(1); }, kCaption, {kFirstButtonId, kGenerateButtonId}),
      table("nodal", [] { sample::OpenLoadTable(2); }, kCaption, {kFirstButtonId, kGenerateButtonId}),
  };
  for (bool sheet : {false, true}) {
    sample::Save(sheet);
    // The geometry table's buttons (the first UNIFORM fills the lengths itself); a sheet pile has
    // two columns.
    std::vector<int> buttons = {GenerateButtonId(1)};
    for (int c = 2; c <= (sheet ? 2 : 3); ++c) buttons.insert(buttons.end(), {UniformButtonId(c), GenerateButtonId(c)});
    cases.push_back(table("details", geometry, details, buttons));
    const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases);
    cases.pop_back();
    EXPECT_TRUE(faults.empty()) << (sheet ? "sheet pile" : "pile") << ":\n" << wintest::Lines(faults);
  }
}

}  // namespace
}  // namespace palvore
