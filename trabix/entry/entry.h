#pragma once
// Trabix's data entry on screen: the geometry command (the geometry and material dialog, then
// the element table) and the supports command (the support types, then the unyielding nodes, the
// spring and Winkler tables and the half-space data). The decisions about the texts typed and the
// files written are in trabix/core/dataentry.h.
#include <windows.h>

#include <string>

#include "core/globals.h"
#include "entry/entry.h"
#include "win/dialogs.h"
#include "win/grid.h"

namespace trabix {

// The cancel mark of the data and generation dialogs: "ZZZ" after Cancel.
extern std::string DialogStatus;
// The table template of the value dialog, filled by the table's owner: (0,0) the table kind word
// ("NODAL", "TRAPEZOIDAL", "TEMPERATURE", "WINKLER"); (5,0..5) the labels of the range dialog
// (start, end, step, heading, value 1, value 2); (6,0..5) those of the first button's dialog.
// SharedIntegers kFirstFieldIdSlot the first field's id and kTableRowsSlot the table rows.
extern Table2D<std::string> FormTexts;
// The trimmed texts of the last value, range or uniform dialog after OK, 1..
extern std::vector<std::string> FieldTexts;

// Menu command 306: the geometry and material dialog over owner, then (its check box set) the
// element table. Needs JobSpec.
void GeometryCommand(HWND owner);
// Menu command 307: the support types, the data dialogs of the chosen types, then the support
// file rewritten (also after Cancel). Needs JobSpec; does nothing when the geometry is missing.
void SupportDataCommand(HWND owner);

// The load entry of load kind `kind` of the loads command (1 uniform load and self weight: the
// value dialog, stored rounded into LoadValues items 1 and 2; 2 nodal, 3 trapezoidal, 4
// temperature loads: the table window over NodalLoadTable, LoadTable or TemperatureTable, whose
// OK stores the cells back). Needs the job's geometry, supports and load tables read (as
// EditLoadData does) and LoadCaseName. The windows open over the active window (the load type
// dialog), else over owner, so that no second load window can start while one is open.
void LoadDataDialogs(HWND owner, int kind);

// The parts, for the tests.
DialogTemplate GeometryDialog();
using entry::GeometryDialogProc;
// The element table of the geometry in GeometryValues, StructureFlags and ElementTable; OK
// writes <job>.geo. Returns the table's end value.
int GeometryDetailsDialog(HWND owner);
DialogTemplate SupportTypeDialog();
using entry::SupportTypeDialogProc;
void EditSupportData(HWND owner);
// The unyielding node list with the structure view of the supports beside it; the caller closes
// the view after the dialog (EditSupportData does).
DialogTemplate UnyieldingSupportsDialog();
constexpr DLGPROC UnyieldingSupportsDialogProc = entry::NodeListDialogProc;
// The "ELASTIC" or "WINKLER" table over owner; OK stores the cells into the support tables.
int SupportTableDialog(HWND owner, const std::string& kind);
// Trabix's profile of the shared data entry.
const entry::Profile& EntryProfile();

// The half-space dialog of "ISOTROPIC" or "CROSS-ANISOTROPIC" soil; show it with
// entry::HalfSpaceDialogProc. UNIFORM and GENERATE of the open table are entry::UniformDialog and
// entry::GenerationDialog on EntryProfile() (trabix/entry/tablewindow.h).
DialogTemplate HalfSpaceDialog(const std::string& kind);
using entry::HalfSpaceDialogProc;
// The function k = A + B z^n between nodes for the Winkler columns (yield false the moduli,
// true the yield stresses): the value dialog in mode 1 with the Winkler texts; show it with
// LoadDataDialogProc.
DialogTemplate NodeFunctionDialog(bool yield);

// The load value and generation dialog of mode 0 (uniform load and mass density), 1 (function
// over a node range), 2 (same nodal loads at all nodes), 4 and 5 (GENERATE of value column 1 or
// 2), 10 (uniform temperature changes), 11 and 12 (GENERATE of the temperature above or below).
// Ends with 1 after OK with valid data, 0 after Cancel (DialogStatus "ZZZ").
DialogTemplate LoadGenerationDialog(int mode);
INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Trabix's profile of the data grid (set into ProgramGrid by the table windows).
GridProfile TrabixGridProfile();
// The caption of the data dialogs: "   BEAM/STRIP ANALYSIS.   JOB: " + JobSpec.
std::string EntryCaption();

}  // namespace trabix
