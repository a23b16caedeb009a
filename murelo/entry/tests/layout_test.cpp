// Every window of Murelo's data entry shows its texts whole: the substructure selection, each
// dialog and table window of the base plate and the wall stem, the dialogs their buttons open
// and the warnings they give, on a sample wall of 24 plate and 8 stem elements.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace murelo {
namespace {

using wintest::LayoutCase;

const char* const kCaption = "   Retaining Wall ANALYSIS.   JOB: DEMO";
constexpr int kTableCancel = 12121;
constexpr int kFormCancel = 56;

const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

class MureloEntryLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages.ownerIsDialog = true;
    ProgramMessages.pauseMs = 0;
    ProgramMessages.numberCheck = IsNumberText;
    JobSpec = "DEMO";
    GeneralData.Redim(2, 5);
    CurrentSubstructure = "WALL";
    SaveGeometryDialogData("DEMO", {"", "4", "8", "3.0E7", "0.2"});
    CurrentSubstructure = "BASE PLATE";
    SaveGeometryDialogData("DEMO", {"", "3", "0.75", "24", "3.0E7", "0.2"});
    FillGeometryCells();
    UniformWidthCells();
    for (int e = 1; e <= 24; ++e) CellTexts(3, e) = "0.5";
    SaveGeometryCells("DEMO");
    SupportFlags = {"Y", "Y", "Y", "Y", "N", "Y", "", "", "", "", ""};
    UnyieldingNodes = "1,25";
  }
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
    return wintest::TableCase(name, std::move(open), caption, kTableCancel, buttons, kFormCancel);
  };
  for (const char* sub : {"BASE PLATE", "WALL"}) {
    CurrentSubstructure = sub;
    const bool plate = CurrentSubstructure == "BASE PLATE";
    std::vector<LayoutCase> cases = {
        {"substructure", [] { GeometryDataCommand(nullptr); }, {{kCaption, 198, IDCANCEL}, {"", 0, IDCANCEL}}},
        {"substructure of supports", substructure(2), {{kCaption}}},
        {"substructure of loads", substructure(3), {{kCaption}}},
        {"substructure of graphs", substructure(4), {{kCaption}}},
        {"geometry", modal(GeometryDialog, GeometryDialogProc), {{kCaption}}},
        {"geometry warning", modal(GeometryDialog, GeometryDialogProc),
         {{kCaption, 1, IDCANCEL, wintest::Typing({{101, "-1"}})},
          {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
        table("details", details, "", {122, 123, 124}),  // 121 fills the widths itself
        {"support types", modal(SupportTypeDialog, SupportTypeDialogProc), {{kCaption}}},
        {"range refused", supports("ELASTIC"),
         {{kCaption, 122, kTableCancel},
          {"", 55, kFormCancel, wintest::Typing({{241, "20"}, {242, "3"}})},  // a start after its end
          {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
        {"unyielding", modal(UnyieldingSupportsDialog, entry::NodeListDialogProc),
         {{" UNYIELDING SUPPORTS DATA:", 0, 1234}}},
        table("elastic", supports("ELASTIC"), kCaption, {121, 122, 123, 124}),
        table("winkler", supports("WINKLER"), kCaption,
              plate ? std::vector<int>{121, 122, 124, 126, 128, 127} : std::vector<int>{121, 122, 124, 127}),
        {"isotropic", [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
        {"cross-anisotropic",
         [] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
    };
    if (plate)
      cases.push_back({"toe free", modal(SupportTypeDialog, SupportTypeDialogProc),
                       {{kCaption, 1, IDCANCEL, wintest::ClearingChecks(100, 199)},
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
