// Every window of Murelo's data entry shows its texts whole: the substructure selection, each
// dialog and table window of the base plate and the wall stem, the dialogs their buttons open
// and the warnings they give, on a sample wall of 24 plate and 8 stem elements.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "../../../common/tests/testdir.h"
#include "murelo/entry/demo/samplejob.h"
#include "murelo/entry/entry.h"
#include "murelo/entry/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace murelo {
namespace {

using wintest::LayoutCase;

const char* const kCaption = "   Retaining Wall ANALYSIS.   JOB: DEMO";

const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

class MureloEntryLayout : public ::testing::Test {
 protected:
  void SetUp() override { WriteSampleWall(); }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

TEST_F(MureloEntryLayout, EveryEntryWindowShowsItsTextsWhole) {
  auto modal = [](DialogTemplate (*make)(), DLGPROC proc) { return [make, proc] { ShowModalDialog(make(), nullptr, proc); }; };
  auto supports = [](const char* kind) { return [kind] { SupportTableDialog(nullptr, kind); }; };
  auto details = [] { GeometryDetailsDialog(nullptr); };
  auto substructure = [](int action) {
    return [action] { ShowModalDialog(SubstructureDialog(action), nullptr, SubstructureDialogProc); };
  };
  // A table and the dialogs of its buttons, each opened over it and cancelled.
  auto table = [](const char* name, std::function<void()> open, const std::string& caption, std::vector<int> buttons) {
    return wintest::TableCase(name, std::move(open), caption, kTableCancelId, buttons, kFormCancelId);
  };
  for (const char* sub : {"BASE PLATE", "WALL"}) {
    CurrentSubstructure = sub;
    const bool plate = CurrentSubstructure == "BASE PLATE";
    std::vector<LayoutCase> cases = {
        {"substructure", [] { GeometryCommand(nullptr); }, {{kCaption, kGeometryActionId, IDCANCEL}, {"", 0, IDCANCEL}}},
        {"substructure of supports", substructure(2), {{kCaption}}},
        {"substructure of loads", substructure(3), {{kCaption}}},
        {"substructure of graphs", substructure(4), {{kCaption}}},
        {"geometry", modal(GeometryDialog, GeometryDialogProc), {{kCaption}}},
        {"geometry warning", modal(GeometryDialog, GeometryDialogProc),
         {{kCaption, IDOK, IDCANCEL, wintest::Typing({{kGeometryFieldBaseId + 1, "-1"}})},
          {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
        table("details", details, "", {GenerateButtonId(1), UniformButtonId(2), kLinearVariationId}),  // the widths fill themselves
        {"support types", modal(SupportTypeDialog, SupportTypeDialogProc), {{kCaption}}},
        {"range refused", supports("ELASTIC"),
         {{kCaption, GenerateButtonId(1), kTableCancelId},
          {"", kOkId, kFormCancelId, wintest::Typing({{kFirstRangeFieldId, "20"}, {kFirstRangeFieldId + 1, "3"}})},  // a start after its end
          {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
        {"unyielding", modal(UnyieldingSupportsDialog, entry::NodeListDialogProc),
         {{" UNYIELDING SUPPORTS DATA:", 0, kExitId}}},
        table("elastic", supports("ELASTIC"), kCaption,
              {UniformButtonId(1), GenerateButtonId(1), UniformButtonId(2), GenerateButtonId(2)}),
        table("winkler", supports("WINKLER"), kCaption,
              plate ? std::vector<int>{kModulusFunctionId, GenerateButtonId(1), GenerateButtonId(2), GenerateButtonId(3),
                                       GenerateButtonId(4), kYieldFunctionId}
                    : std::vector<int>{kModulusFunctionId, GenerateButtonId(1), GenerateButtonId(2), kYieldFunctionId}),
        {"isotropic", [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
        {"cross-anisotropic",
         [] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
    };
    if (plate)
      cases.push_back({"toe free", modal(SupportTypeDialog, SupportTypeDialogProc),
                       {{kCaption, IDOK, IDCANCEL, wintest::ClearingChecks(kToeBoxId, kIsotropicOptionId)},
                        {"WARNING!", 0, IDOK, nullptr,
                         "Toe MUST be Horizontally Restrained!\r\n\r\nCORRECT the SUPPORT Specification!"}}});
    // Each window of the substructure edited: the substructure dialog sets it anew.
    for (LayoutCase& c : cases) c.open = [sub, open = c.open] { CurrentSubstructure = sub; open(); };
    const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases);
    EXPECT_TRUE(faults.empty()) << sub << ":\n" << wintest::Lines(faults);
  }
}

}  // namespace
}  // namespace murelo
