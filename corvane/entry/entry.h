#pragma once
// Corvane's data forms and its profile of the shared data grid (win/grid.h).
//
// Load data form: one modal form for every small set of load values (the scalar values of a load
// case and the parameters of the load tables' buttons). The caller fills the template (FormTexts,
// SharedIntegers kFieldCountSlot, kFirstFieldIdSlot and kTableRowsSlot, the rows of the table) and
// passes a mode:
//   0 uniform load and mass density (one field: a shell roof's mass density), 1 linear load
//   between nodes i and m, 2 and 3 the same loads at all nodes (two or three values), 4 5 6
//   generation of value column 1 2 3 over a range, 7 thermal and shrinkage/swelling values (eight
//   fields for a wall, four otherwise), 9 hydrostatic load, 10 uniform temperature changes of
//   beam/strip elements, 11 12 generation of the "Above" or "Below" temperature column.
// It ends with 1 when accepted, the field texts (trimmed, normalised) in FieldTexts 1..n; Cancel
// ends it with 0 and DialogStatus "ZZZ".
//
// Roof shell dialog: the meridian of a tank's shell roof. It ends with 1 and FieldTexts 1 x1,
// 2 z1, 3 the wall radius, 4 "0.0", 5 "1" dome or "2" cone, 6 the dome radius, 7 "UNIFORM" or
// "NON-UNIFORM"; Cancel ends it with 0 and DialogStatus "ZZZ".
#include <windows.h>

#include <functional>
#include <string>

#include "corvane/core/supportentry.h"
#include "entry/entry.h"
#include "win/dialogs.h"
#include "win/grid.h"

namespace corvane {

// The caption of the data dialogs: "   " + StructureType + " ANALYSIS.   JOB: " + JobSpec.
std::string DataCaption();
// Corvane's profile of the shared data entry: its field texts and status, caption and grid; each
// dialog that runs on the module sets its part (half-space, support types, node list) first.
entry::Profile& CorvaneEntry();

DialogTemplate LoadGenerationDialog(int mode);
INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

DialogTemplate RoofShellDialog();
INT_PTR CALLBACK RoofShellDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The dialogs and stores of the data tables that belong to the data-entry commands. Empty
// dialogs do nothing; the stores default to StoreSupportCells and StoreLoadCells.
struct TableDialogs {
  // The uniform-value dialog of a geometry or support column (1..3): leaves the value text in
  // DialogStatus, "ZZZ" when cancelled.
  std::function<void(HWND table, int column)> uniform;
  // The generation dialog of a geometry or support column (1..3): 1 with FieldTexts 1 start,
  // 2 end, 3 step and 4 the value text; "ZZZ" in DialogStatus when cancelled.
  std::function<int(HWND table, int column)> generation;
  // OK of a support table ("ELASTIC", "WINKLER") and of a load table ("NODAL", "TRAPEZOIDAL",
  // "TEMPERATURE"): the cells into the work tables.
  std::function<void(const std::string& kind, int rows, int columns)> storeSupport;
  std::function<void(const std::string& kind, int rows, int columns)> storeLoad;
  TableDialogs();
};
extern TableDialogs TableDialogHooks;

// Corvane's tables in the data grid: layout constants, headings and buttons by table and
// substructure, the character filter, the unyielding nodes' locked first cells, the column
// buttons and the OK checks. The grid text parameters are FormTexts: (0,0) the kind word
// ("GEOMETRY", "ELASTIC", "WINKLER", "NODAL", "TRAPEZOIDAL", "TEMPERATURE"), (0,1) the title
// (support and load tables; a load table's caption too), (1,0) and (1,1) the texts of the two
// buttons, (2,0) and (2,1) the upper headings over the number column and over the value columns,
// (3,0) the lower heading of the number column, (3,1..3) the headings of the value columns and,
// for support tables, (4,0) and (4,1) a remark.
GridProfile CorvaneGridProfile();
// Makes it the running program's grid profile.
void UseCorvaneGrid();


// ----- Geometry entry -----
//
// The generation and uniform value dialogs serve the geometry and support tables; they read the
// grid's kind word (FormTexts (0,0)) and the generation texts of row kGenerationTextRow: (r,0) the
// unit "ELEMENT" or "NODE", (r,1..3) the generation labels of value columns 1..3.
constexpr int kGenerationTextRow = 7;
std::string GenerationLabel(int column);

// Generation dialog of value column `mode` (1..3): SharedIntegers kFieldCountSlot fields from id kFirstFieldIdSlot (the
// grids 4 from 241: start, end, step and the value; the check list 3 from 242, no value, with its
// own heading). It ends with 1 and FieldTexts 1 start, 2 end, 3 step, 4 the value; Cancel (56)
// ends it with 0 and DialogStatus "ZZZ".
DialogTemplate GenerationDialog(int mode);
INT_PTR CALLBACK GenerationDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Uniform value dialog of a column (1..3; the fourth value is kept in SharedIntegers kUniformOffsetSlot): field
// 231. It ends with 0, the accepted text in DialogStatus, "ZZZ" when cancelled.
DialogTemplate UniformGeometryDialog(int column, int fourth);
INT_PTR CALLBACK UniformGeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The two as a grid's column buttons run them (the grids' field groups set and given back).
int RunGenerationDialog(HWND owner, int column);
void RunUniformDialog(HWND owner, int column);

// Geometry and material dialog of StructureType and Substructure: reads <job>.geo; OK checks the
// items, rebuilds and saves the file and ends with 1 when the element table is wanted, else 0;
// Cancel writes nothing and ends with 0.
DialogTemplate GeometryDialog();
INT_PTR CALLBACK GeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The element table of Substructure from WorkTables, laid out and built for DataTableProc.
DialogTemplate GeometryDetailsDialog();
// The warning of a geometry file that cannot be written.
std::string GeometryUnwrittenWarning();
// The geometry dialog and, when it ends with 1, the element table; the work tables shrunk after.
void RunGeometryDialogs(HWND owner);
// The geometry command: for a tank the substructure choice in mode 1, else RunGeometryDialogs.
// Returns 1 when <job>.geo was written meanwhile (the callers read it again), else 0.
int EnterGeometry(HWND owner);
// The grid's uniform and generation buttons run the dialogs above.
void UseGeometryEntry();

// The structure view beside a table window. draw gets the table window and the view ("Geom",
// "Supp", "Load") when the window opens, TableViewKind already holding its kind word; close runs
// when the window has ended. Empty members draw nothing.
struct StructureViewPort {
  std::function<void(HWND table, const std::string& view)> draw;
  std::function<void()> close;
};
extern StructureViewPort StructureViewHooks;
// Keeps the table's kind word ("GEOMETRY", "UNYIELD", "ELASTIC", "WINKLER", "TRAPEZOIDAL",
// "NODAL", a roof load kind "3".."7") in TableViewKind and draws the view of that kind.
void OpenTableView(HWND table, const std::string& kind);
// Shows a table window built by BuildDataTable modally with DataTableProc, then closes its view.
// Returns its end value (also in DialogAnswer).
int ShowTableWindow(HWND owner, const DialogTemplate& table);

// ----- Tank substructure choice -----
//
// Mode 1 geometry (RunGeometryDialogs), 2 supports, 3 loads, 4 (and above) graphs. The options
// shown follow the roof (TankOptionCount); the action button (199 - mode; "&OK" kContinueId for graphs)
// runs the mode's data dialog for the checked substructure with this dialog hidden, then selects
// the next option; "&CANCEL" ends it with 1.
DialogTemplate TankSubstructureDialog(int mode);
INT_PTR CALLBACK TankSubstructureDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows the choice modally; its end value, also in DialogAnswer.
int RunTankSubstructureChoice(HWND owner, int mode);
// The data dialogs of modes 2 to 4 for Substructure, owned by the hidden choice. Empty ones do
// nothing.
struct TankSubstructureActions {
  std::function<void(HWND owner)> supports;  // the support types dialog
  std::function<void(HWND owner)> loads;     // the load type choice
  std::function<void(HWND owner)> plots;     // the structural action choice of the graphs
};
extern TankSubstructureActions TankActions;

// ----- Support entry -----
//
// Support-type dialog of StructureType and Substructure (mode 0 from the command, 1 from the tank
// choice): one box or option per support answer, set from SupportFlags. "&Ok" (kContinueId) and
// " &ENTER / EDIT Support DATA " (131) refuse a structure that is not supported; otherwise they
// store the choice into SupportFlags and end it with 1; "&Cancel" ends it with 0.
DialogTemplate SupportTypeDialog(int mode);
INT_PTR CALLBACK SupportTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows the support-type dialog (nothing for a roof without elements) and, after 131, the data
// dialogs. Returns its end value.
int RunSupportTypeDialog(HWND owner, int mode);
// The data dialogs of the answers that are "Y", one after the other: the check list, the elastic
// and the Winkler table, the half-space dialog; for a wall its Winkler soil, then its restraints.
void SupportDataSequence(HWND owner);
// The "ELASTIC" or "WINKLER" table of Substructure from its work table, laid out and built for
// DataTableProc (ShowTableWindow); OK stores the cells through TableDialogHooks.storeSupport.
DialogTemplate SupportTableDialog(const std::string& kind);
// Half-space data of kind "ISOTROPIC" (2 fields from 243) or "CROSS-ANISOTROPIC" (5 from 240);
// OK stores the checked texts into SupportFlags and ends it with 1 (a wrong item named, the focus
// back on its field); Cancel ends it with 0. The procedure is the entry module's.
DialogTemplate HalfSpaceDialog(const std::string& kind);
using entry::HalfSpaceDialogProc;
// The unyielding nodes' check list (entry::kNodeListId) of nodes 1..n+1; OK writes UnyieldingNodes and
// answer 2, Cancel (1234) changes nothing.
DialogTemplate UnyieldingSupportsDialog();
INT_PTR CALLBACK UnyieldingSupportsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The support command: loads <job>.SUP with the geometry (ends when the geometry is missing),
// the tank choice in mode 2 or the support-type dialog, then rewrites the file whatever the
// dialogs ended with.
void SupportDataCommand(HWND owner);
// The tank choice's supports action runs the support-type dialog.
void UseSupportEntry();

// ----- Load entry -----
//
// The load type choice of StructureType and Substructure (mode 1 or 2 the structure code, 3 a
// tank's substructure): "&ENTER / EDIT Load Data" (131) runs the checked option's dialog owned by
// the choice (LoadDataDialogs of its kind code, RoofLoadDialogs for a shell roof), then checks the
// next option; "&CLOSE" ends it with 1.
DialogTemplate LoadTypeDialog(int mode);
INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
int ShowLoadTypeDialog(HWND owner, int mode);
// The table window of the template set (FormTexts, SharedIntegers), its cells from the kind's
// work table, for ShowTableWindow.
DialogTemplate LoadTableDialog();
// The table window or form of a load kind (1 uniform load and self-weight, 2 nodal, 3
// trapezoidal, 4 thermal or temperature, 6 hydrostatic), or of a shell roof's option 1..8; an
// accepted form goes into LoadTable, an accepted table into its work table.
void LoadDataDialogs(HWND owner, int kind);
void RoofLoadDialogs(HWND owner, int option);
// The load command for LoadCaseName of JobSpec: files read, the choice (a tank's through the
// substructure choice in mode 3), the load file rewritten. False when nothing was written.
bool EditLoadData(HWND owner);
// The tank choice's load action runs the load type choice.
void UseLoadEntry();

}  // namespace corvane
