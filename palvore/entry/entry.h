#pragma once
// Palvore's data entry on screen: the geometry command (the general geometry and material dialog,
// then the element table) and the supports command (the support types, then the unyielding nodes,
// the spring and Winkler tables and the half-space data). The decisions about the texts typed and
// the files written are in palvore/core/dataentry.h.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "entry/entry.h"
#include "win/dataform.h"
#include "win/dialogs.h"
#include "win/grid.h"

namespace palvore {

// The cancel mark of the data and generation dialogs: "ZZZ" after Cancel.
extern std::string DialogStatus;
// The trimmed texts of the last generation dialog after Ok, 1...
extern std::vector<std::string> FieldTexts;

// The texts of the table on screen.
extern entry::TableTexts Table;

// Menu command 306: the geometry dialog over owner, then (its box ticked) the element table.
// Needs JobSpec. Returns whether the geometry dialog was accepted (its file written).
bool GeometryCommand(HWND owner);
// Menu command 307: the support types, the data dialogs of the chosen types, then the support
// file rewritten (also after Cancel). Needs JobSpec; does nothing when the geometry is missing.
void SupportDataCommand(HWND owner);

// The parts, for the tests and the job check's corrections; the dialogs show with the entry
// module's procedures (entry::GeometryDialogProc ends with 1 after an accepted Ok, the file
// written, 0 on Cancel; entry::SupportTypeDialogProc; entry::HalfSpaceDialogProc).
DialogTemplate GeometryDialog();
// The element table of Geometry; Ok writes <job>.geo. Returns the table's end value.
int GeometryDetailsDialog(HWND owner);
DialogTemplate SupportTypeDialog();
void EditSupportData(HWND owner);
// The unyielding node list, shown with entry::NodeListDialogProc.
DialogTemplate UnyieldingSupportsDialog();
// The "ELASTIC" or "WINKLER" table over owner; Ok stores the cells into Supports.
int SupportTableDialog(HWND owner, const std::string& kind);
// The half-space dialog. UNIFORM and GENERATE of the open table are entry::UniformDialog and
// entry::GenerationDialog on EntryProfile().
DialogTemplate HalfSpaceDialog();
// The rows of a generation dialog: their labels numbered on from firstLabel, their fields from
// entry::kFirstRangeFieldId; each row's label, starting text and whether it takes digits only.
struct GenerationRow {
  std::string label, text;
  bool digits;
};
std::vector<FormRow> GenerationFormRows(int firstLabel, const std::vector<GenerationRow>& rows);
// The fields of a generation dialog from entry::kFirstRangeFieldId on, each checked with its code
// of WarnIncorrectData (7 a whole number, 3 a number of 0 or more, 0 any number): their trimmed
// texts into FieldTexts[1..]; false at the first wrong one, which has been warned about.
bool GenerationFieldsValid(HWND dialog, const std::vector<int>& codes);
// The function f = A + B z^n between nodes of the Winkler table (yield false the moduli, true
// the yield stresses).
DialogTemplate NodeFunctionDialog(bool yield);
INT_PTR CALLBACK NodeFunctionDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- loads (loadentry.cpp) ----

// Menu command 308 after the load-case dialog: EditLoadData around the load type dialog.
void LoadDataCommand(HWND owner);
// "SELECTION OF LOAD TYPE": "Trapezoidal &Load" and "&Nodal Load", "&ENTER / EDIT Load Data"
// opens the checked kind's table, "&CLOSE" ends it with 1 (ids in palvore/entry/ids.h).
DialogTemplate LoadTypeDialog();
INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The table of load type 1 (trapezoidal) or 2 (nodal) over owner; its Ok stores the cells.
int LoadDataDialogs(HWND owner, int type);
// The generation dialog of a load table: kind 1 the linear load between nodes, 2 the same nodal
// loads at all nodes, 4 and 5 the range of value column 1 or 2. Ends with 1 on valid data (the
// texts in FieldTexts), 0 on "&Cancel" (DialogStatus "ZZZ").
DialogTemplate LoadGenerationDialog(int kind);
INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The load table's buttons: kFirstButtonId its function, kGenerateButtonId GENERATE on the focused
// column.
void LoadTableCommand(HWND table, int id, int column);
bool IsLoadTable(const std::string& kind);

// Palvore's profile of the shared data entry, and of the data grid.
const entry::Profile& EntryProfile();
GridProfile PalvoreGridProfile();
// "   PILE/SHEET-PILE ANALYSIS.   JOB: " + JobSpec.
std::string EntryCaption();

}  // namespace palvore
