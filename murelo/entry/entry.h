#pragma once
// Murelo's data entry on screen: the substructure selection, the geometry command (the general
// geometry and material dialog, then the element table), the supports command (the support types,
// then the unyielding nodes, the spring and Winkler tables and the half-space data), the table
// windows on the shared grid with their generation dialogs, and the one-page entry and
// generation dialog of the load and Winkler tables. The decisions about the texts typed and the
// files written are in murelo/core/dataentry.h.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "entry/entry.h"
#include "win/dialogs.h"
#include "win/grid.h"

namespace murelo {

// The cancel mark of the generation dialogs ("ZZZ" after Cancel) and the one value of the
// uniform dialog after Ok.
extern std::string DialogStatus;
// The trimmed texts of the last generation or one-page dialog after Ok, 1...
extern std::vector<std::string> FieldTexts;

// The texts of the table on screen (entry/entry.h), with the one-page dialog's labels
// (LoadGenerationDialog): the range dialog's (start, end, step, heading, values...) and the second
// dialog's (heading and values, or the linear load's).
struct TableTexts : entry::TableTexts {
  std::array<std::string, 7> rangeLabels;
  std::array<std::string, 7> secondLabels;
};
extern TableTexts Table;

// The load tables' commands and Ok (TableKind 2), set by the load entry: a column button (the
// page stored before and refilled after), and Ok (true ends the window with 1).
extern std::function<void(HWND table, int id)> LoadTableCommand;
extern std::function<bool(HWND table)> LoadTableAccept;

// Murelo's profile of the shared data entry, and of the data grid.
const entry::Profile& EntryProfile();
// The geometry and support type dialogs' part of the profile.
void AddDialogs(entry::Profile& p);
GridProfile MureloGridProfile();
// A table window over owner: TableKind kind (0 geometry, 1 supports, 2 loads), rows and value
// columns, Table and CellTexts prepared; its structure view ("Geom", "Supp", "Load") beside the
// table, closed after the window. Returns the window's end value (1 accepted).
int ShowTableWindow(HWND owner, int kind, int rows, int columns);
// ---- field keys ----

// The fields of the data dialogs: the geometry dialog's fields walk with the Up and
// Down arrows and leave Enter to the dialog (its default button "&Ok"); the fields of the
// generation and one-page dialogs behave as the shared EditSubclassProc (win/fieldkeys.h).
LRESULT CALLBACK DataFieldSubclassProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- the commands ----

// Menu command 306: the substructure dialog in its geometry mode. Returns whether a geometry
// dialog was accepted (its file written).
bool GeometryCommand(HWND owner);
// Menu command 307: the support flow, then the support file rewritten (also after Cancel).
void SupportDataCommand(HWND owner);

// ---- the parts, for the tests ----

// The substructure selection of action 1 (geometry) .. 4 (graphs): its actions run the geometry
// dialog, the support types or the hooks below; it ends with 1 on "&CANCEL".
DialogTemplate SubstructureDialog(int action);
INT_PTR CALLBACK SubstructureDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// What the load and graph actions (kLoadActionId, kContinueId) run once CurrentSubstructure is set.
extern std::function<void(HWND owner)> LoadTypeAction;
extern std::function<void(HWND owner)> GraphAction;

DialogTemplate GeometryDialog();
// Ends with 1 after an accepted Ok (the file written, the table shown when the box was ticked),
// 0 on Cancel.
using entry::GeometryDialogProc;
// Whether the last accepted geometry dialog wrote its file.
extern bool GeometrySaved;
// The element table of the edited substructure; Ok writes <job>.geo.
int GeometryDetailsDialog(HWND owner);

DialogTemplate SupportTypeDialog();
using entry::SupportTypeDialogProc;
// The tables and dialogs of the ticked support types of CurrentSubstructure, in their order.
void EditSupportData(HWND owner);
// The unyielding node list, shown with entry::NodeListDialogProc.
DialogTemplate UnyieldingSupportsDialog();
// The "ELASTIC" or "WINKLER" table of CurrentSubstructure; Ok stores the cells into the work
// tables.
int SupportTableDialog(HWND owner, const std::string& kind);
DialogTemplate HalfSpaceDialog(const std::string& kind);
using entry::HalfSpaceDialogProc;

// UNIFORM and GENERATE of the open table are entry::UniformDialog and entry::GenerationDialog
// on EntryProfile().
// The one-page entry and generation dialog of kind 0..6 or 11 (load tables, the Winkler
// functions); Ok ends it with 1 and leaves the fields in FieldTexts; Cancel "ZZZ" and 0.
// Kind 4 shows the label range[4] with the first-row cell of value column `column`.
DialogTemplate LoadGenerationDialog(int kind, int column = 1);
INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace murelo
