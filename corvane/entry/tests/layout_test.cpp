// Every form, dialog and table window of the data commands, opened as the commands open them,
// shows its texts whole on the screen: one table of cases, each how to open its windows, which
// come one after another and are each ended by the test.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "corvane/core/globals.h"
#include "corvane/core/supportentry.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "corvane/entry/tests/formsamples.h"
#include "win/testing/layout.h"

namespace corvane {
namespace {

using Case = wintest::LayoutCase;

// The windows of a case, count of them one after another: each the next dialog not yet checked,
// ended with 0 by the test, whereupon the program opens the one after it.
std::vector<wintest::LayoutHop> Windows(size_t count = 1) {
  std::vector<wintest::LayoutHop> hops(count, wintest::LayoutHop("", wintest::kEndWithZero, 0));
  hops.back().next = 0;
  hops.back().close = wintest::kEndWithZero;
  return hops;
}

// Every structure and substructure with the data its forms are opened with.
struct Structure {
  const char* type;
  const char* sub;
  bool shell;
};
const Structure kStructures[] = {{"BEAM/STRIP", "BEAM", false},   {"BEAM/STRIP", "STRIP", false},
                                 {"PLATE", "PLATE", false},       {"TANK", "WALL", false},
                                 {"TANK", "BASE PLATE", false},   {"TANK", "ROOF STRUCTURE", false},
                                 {"TANK", "ROOF STRUCTURE", true}};

std::vector<Case> Cases() {
  std::vector<Case> cases;
  // The sample forms of corvane_entry_sample.exe, each with its first window.
  for (const char* s : {"grid", "beam", "nodal", "load", "thermal", "shell", "geometry", "roof", "generate", "uniform",
                        "tank", "table", "supports", "wall", "checklist", "elastic", "winkler", "beamsoil",
                        "halfspace", "beamloads", "wallloads", "roofloads", "roofload", "hydrostatic"})
    cases.push_back({s, [s] { OpenFormSample(s); }, Windows()});
  for (const Structure& st : kStructures) {
    const std::string where = std::string(st.type) + " " + st.sub + (st.shell ? " shell" : "");
    // The geometry dialog and the element table.
    cases.push_back({where + " geometry",
                     [st] {
                       SampleBeamJob();
                       StructureType = st.type;
                       Substructure = st.sub;
                       GeometryAnswers.assign(8, "N");
                       GeometryAnswers[kShellRoofSlot] = st.shell ? "Y" : "N";
                       ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc);
                     },
                     Windows()});
    cases.push_back({where + " element table", [st] { SampleElementTable(st.type, st.sub, 8, st.shell); }, Windows()});
    // The support types and every data dialog they lead to.
    cases.push_back({where + " support types",
                     [st] {
                       SampleSupportJob(st.type, st.sub, 8);
                       GeometryAnswers[kShellRoofSlot] = st.shell ? "Y" : "N";
                       RunSupportTypeDialog(nullptr, st.type == std::string("TANK") ? 1 : 0);
                     },
                     Windows()});
    // An annular plate or roof has its inner and outer edge.
    if (st.sub == std::string("PLATE") || (st.sub == std::string("ROOF STRUCTURE") && !st.shell))
      cases.push_back({where + " annular support types",
                       [st] {
                         SampleSupportJob(st.type, st.sub, 8);
                         GeometryAnswers[kShellRoofSlot] = "N";
                         JobDataTable(st.sub == std::string("PLATE") ? 1 : 3, 2) = 1.0;
                         RunSupportTypeDialog(nullptr, st.type == std::string("TANK") ? 1 : 0);
                       },
                       Windows()});
    // The check list, both tables and both half-spaces; a wall has its two tables, a roof none.
    const bool wall = st.sub == std::string("WALL"), roof = st.sub == std::string("ROOF STRUCTURE");
    if (!roof)
      cases.push_back({where + " support data",
                     [st] {
                       SampleSupportJob(st.type, st.sub, 8);
                       for (int k = 2; k <= 8; ++k) SupportFlags[k] = "Y";
                       ElasticSupportTable.Redim(9, 2);
                       WinklerTable.Redim(8, 2);
                       SupportDataSequence(nullptr);
                     },
                       Windows(wall ? 2 : 5)});
    // The load type choice and each load kind's table or form.
    cases.push_back({where + " load types",
                     [st] {
                       SampleLoadJob(st.type, st.sub, st.shell);
                       ShowLoadTypeDialog(nullptr, st.type == std::string("TANK") ? 3 : StructureCode());
                     },
                     Windows()});
    const int kinds = st.shell ? 8 : 6;
    for (int kind = 1; kind <= kinds; ++kind) {
      if (!st.shell && kind == 5) continue;
      if (!st.shell && kind == 6 && st.type != std::string("TANK")) continue;
      cases.push_back({where + " load kind " + std::to_string(kind),
                       [st, kind] {
                         SampleLoadJob(st.type, st.sub, st.shell);
                         if (st.shell) {
                           RoofLoadDialogs(nullptr, kind);
                         } else {
                           LoadDataDialogs(nullptr, kind);
                         }
                       },
                       Windows()});
    }
  }
  // The generation and uniform value dialogs of each column of a beam's element table.
  for (int column = 1; column <= 3; ++column) {
    cases.push_back({"generation " + std::to_string(column),
                     [column] {
                       SampleBeamTable();
                       UseGeometryEntry();
                       GeometryDetailsDialog();
                       RunGenerationDialog(nullptr, column);
                     },
                     Windows()});
    cases.push_back({"uniform " + std::to_string(column),
                     [column] {
                       SampleBeamTable();
                       UseGeometryEntry();
                       GeometryDetailsDialog();
                       RunUniformDialog(nullptr, column);
                     },
                     Windows()});
  }
  // The load forms of every mode.
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12})
    cases.push_back({"load form " + std::to_string(mode), [mode] { SampleLoadForm(mode); }, Windows()});
  // The tank's substructure choice of each command.
  for (int mode = 1; mode <= 4; ++mode)
    cases.push_back({"tank choice " + std::to_string(mode),
                     [mode] {
                       SampleSupportJob("TANK", "WALL", 8);
                       GeometryAnswers[kShellRoofSlot] = "Y";
                       RunTankSubstructureChoice(nullptr, mode);
                     },
                     Windows()});
  return cases;
}

TEST(CorvaneForms, EveryFormAndTableShowsItsTextsWhole) {
  UseCorvaneGrid();
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(Cases(), 20000);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << wintest::Lines(faults);
}

}  // namespace
}  // namespace corvane
