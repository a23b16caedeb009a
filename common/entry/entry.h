#pragma once
// The data entry the analysis programs share: the table window with the structure view beside
// it, the UNIFORM and GENERATE dialogs of its columns, and the Ok of the half-space and support
// type dialogs. A program gives its differences as a Profile (texts, ids, colours and field rules
// as data, and small hooks); the module writes no global but those the profile names and the grid
// and dialog state of the window on screen.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "entry/ids.h"
#include "win/colours.h"
#include "win/dialogs.h"
#include "win/grid.h"

namespace entry {

// The texts of the table on screen, filled by its owner before the window is built (a program
// may derive its own with more).
struct TableTexts {
  std::string kind;         // "GEOMETRY", "ELASTIC", "WINKLER", or the load table's word
  std::string title;        // the heading (and the caption of some tables)
  std::string firstButton;  // the caption of a load or support table's button 121
  std::string groupHead;    // over all value columns
  std::string rowKind;      // "NODE" where the rows are nodes: the range dialog asks for nodes
  // Column heads in two rows ([0] over the row labels) and the value label of each column (1..4)
  // in the uniform and range dialogs.
  std::array<std::string, 5> heads, units, labels;
};

// The heads of a program's table windows: the ids of the title, the group head over the value
// columns, the row labels' head and unit, and value column c's head and unit at base + c; the
// title's width (0: the table's less 10, at least 200); the group head's y (below 0: that far
// above the table's top) and style; whether an empty group head, or an empty column head, is
// left out.
struct TableHeads {
  int title = 0, groupHead = 0, rowHead = 0, rowUnit = 0, columnHeadBase = 0, columnUnitBase = 0;
  int titleWidth = 0, groupHeadY = 14;
  DWORD groupHeadStyle = SS_CENTER;
  bool skipsEmptyGroupHead = true, skipsEmptyColumnHeads = false;
};

// The drawing of a program's structure view.
using ViewDrawing = void (*)(HWND window, long left, long top, long width, long height, const std::string& view,
                             int size, const std::string& kind);

struct Profile {
  Profile(TableTexts* table, std::string* status, std::vector<std::string>* fields,
          std::function<std::string()> caption, std::function<GridProfile()> grid, ViewDrawing drawView)
      : table(table), status(status), fields(fields), caption(caption), grid(grid), drawView(drawView) {}

  // What the module writes: the table texts, the status of the table's dialogs ("ZZZ" after
  // Cancel, the value of UNIFORM after Ok) and the fields of the range dialog (1..4) or the
  // value of UNIFORM (1).
  TableTexts* table;
  std::string* status;
  std::vector<std::string>* fields;

  std::function<std::string()> caption;  // of the data dialogs
  std::function<GridProfile()> grid;     // the data grid's profile of the program

  // The structure view beside a window: the program's drawing, the width on a narrow screen
  // (below 1024 pixels; 610 on a wider one) and its height over its width.
  ViewDrawing drawView;
  long narrowView = 386;
  double viewHeight = 1.0;
  std::function<void(int rows)> tableOpening;  // before a table window is built
  TableHeads tableHeads;

  // GENERATE: the caption, the heading's id and text (from the column's value label), the label
  // of the value field (the column's own label, or the heading's text); the start, end and step
  // checked as whole numbers (7) or by the value rule; the colours; what closing it resets.
  std::function<std::string()> generationCaption;
  int generationHeadingId = kRangeHeadingId;
  std::function<std::string(const std::string& value)> generationHeading;
  bool valueFieldTakesColumnLabel = false;
  bool rangeByValueRule = false;
  bool generationColours = true;
  std::function<void()> generationClosed;
  // The rows the range fields name (the table's rows, 1..TableRows); false when it is refused, with
  // the warning.
  std::function<bool(const std::vector<std::string>& fields, std::vector<int>& rows)> generatedRows;
  std::string rangeWarning;

  // UNIFORM: the caption and heading, the label's id and the text after the column's label, the
  // colours, and what opening it notes.
  std::function<std::string()> uniformCaption;
  std::function<std::string()> uniformHeading;
  int uniformLabelId = kUniformLabelId;
  std::string uniformLabelEnd = " ";
  std::vector<ColourRule> uniformColours;
  std::function<void(int column)> uniformOpening;

  // The half-space dialog: its first field and the number of fields, the item of the first wrong
  // field (0 none; it may tidy the texts), where the accepted texts (1..) go, and its colours.
  int halfSpaceField = kFirstRangeFieldId;
  std::function<int()> halfSpaceFields;
  std::function<int(std::vector<std::string>& texts)> halfSpaceProblem;
  std::function<void(const std::vector<std::string>& texts)> storeHalfSpace;
  std::vector<ColourRule> halfSpaceColours;

  // The geometry dialog: its fields from 101 (how many), its Ok and Ok's end value, the warning of
  // wrong texts ("" none; it may tidy them; `focus` the field to focus, 0 none), the file written
  // (false: it cannot be), what Cancel clears, the fields and boxes restored when it closes, its
  // colours.
  std::function<int()> geometryFields;
  int geometryOk = 0;
  INT_PTR geometryOkEnd = 1;
  std::function<std::string(HWND dialog, std::vector<std::string>& texts, int& focus)> geometryWarning;
  std::function<bool(HWND dialog, const std::vector<std::string>& texts)> saveGeometry;
  std::function<void()> geometryCancelled;
  std::vector<std::pair<int, int>> geometryRestored;
  std::vector<ColourRule> geometryColours;
  // Where a program has its own: the warning of the file that cannot be written, and Ok's end
  // value from the accepted dialog and texts.
  std::function<std::string()> geometryUnwritten;
  std::function<INT_PTR(HWND dialog, const std::vector<std::string>& texts)> geometryEnd;

  // The unyielding node list's colours, where its marks go and its end after Ok.
  std::vector<ColourRule> nodeListColours;
  void (*acceptNodeMarks)(const std::vector<int>& marks) = nullptr;
  INT_PTR nodeListOkEnd = 1;
  void (*nodeListActivated)() = nullptr;  // when its dialog is activated or takes the focus

  // The support type dialog: its check boxes and options in the order of the program's support
  // flags, its Ok, the warning of a choice that leaves the structure unsupported ("" none), where
  // an accepted choice goes (edit: through kEnterSupportDataId), and its colours.
  std::function<std::vector<int>()> supportTypeIds;
  int supportTypeOk = 0;
  std::function<std::string(const std::vector<bool>& on)> supportTypeWarning;
  std::function<void(HWND dialog, const std::vector<bool>& on, bool edit)> storeSupportTypes;
  std::vector<ColourRule> supportTypeColours;
};

// The colours of a UNIFORM dialog: the field blue on light yellow, the labels blue on cyan, on a
// dark red dialog.
extern const std::vector<ColourRule> kUniformOnDarkRed;

// The colours of a support type dialog: check boxes teal on light yellow, options light yellow on
// teal, every other static text yellow on red.
extern const std::vector<ColourRule> kSupportTypesOnRed;

// The colours of a geometry dialog: the focused field black on white, the others blue on light
// yellow; item labels (111..119) blue on cyan, units (121..unitsLast) green on grey; then the
// program's own rules.
std::vector<ColourRule> GeometryColours(int unitsLast, const std::vector<ColourRule>& own);

// A Winkler table's heads over an element's ends (in one row of heads under a group head) and
// the value labels of its moduli and yield stresses.
extern const std::array<std::string, 5> kWinklerHeads, kWinklerUnits, kWinklerLabels;

// The texts of the spring table of Trabix and Palvore (rows of nodes, `head` over them; the
// constants `k` and "kr" in their units) and of their Winkler table.
void ElasticTexts(TableTexts& t, const std::string& head, const std::string& k, const std::string& kUnit,
                  const std::string& krUnit);
void WinklerTexts(TableTexts& t, const std::string& groupHead);

// The widths of the table on screen, its row labels and its cells: the geometry table's as given,
// the support and load tables' the same in every program; the row labels not offset.
void TableWidths(const TableTexts& table, int geometryLabel, int geometryCell);

// "Incorrect Unyielding Support Data!" of a refused range (a refused item: ItemWarning,
// core/fieldcheck.h).
std::string RangeWarning();
// The field check of a table's values: lengths above 0, support values 0 or more, loads any.
int ValueRule(const TableTexts& table);
// Whether a dialog's check box or option is ticked.
bool Checked(HWND dialog, int id);
// The focused value column of the table on screen, 1 when none is.
int FocusedValueColumn();

// The messages of a small form (win/dataform.h) with fields first..last: its colours, its fields
// restored when it closes, its Ok checked by `valid` and its Cancel marking the status. Returns
// the dialog procedure's answer.
INT_PTR SmallFormMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::vector<ColourRule>& colours,
                         int first, int last, std::string& status, const std::function<bool(HWND)>& valid);

// The structure view `view` ("Geom", "Supp", "Load") of the table kind beside the window's
// controls: the window grows by the picture and stays centred; closing it once the window has
// ended.
void OpenStructureView(const Profile& p, HWND window, const std::string& view, const std::string& kind);
void CloseStructureView();
// The table window of TableKind `kind` (0 geometry, 1 supports, 2 loads) over owner, the table
// texts and CellTexts prepared, its structure view beside it. Returns its end value (1 after Ok).
int ShowTableWindow(const Profile& p, HWND owner, int kind, int rows, int columns);
// The heads of the table on screen (the grid's headings hook begins with them): its title label
// reading `title`, then the group, row and column heads of the table texts, on the grid's layout.
void AddTableHeads(const Profile& p, DialogTemplate& d, const std::string& title);
// The captions of the column buttons, each with a key of its own: UNIFORM of value columns 1..3,
// GENERATE of 1..4.
extern const std::array<std::string, 3> kUniformCaptions;
extern const std::array<std::string, 4> kGenerateCaptions;
// A button under the value columns column..column + span - 1 of the table on screen, in the
// button row `row` (15 units apart) from y.
void AddButtonUnder(DialogTemplate& d, int id, const std::string& text, int y, int column, int row, int span = 1);
// UNIFORM over GENERATE under each of the first three value columns, from y.
void AddUniformGenerateButtons(DialogTemplate& d, int y);
// The grid's initialise hook: the view of TableKind beside the table.
void OpenTableView(const Profile& p, HWND table);
// A data grid's profile with that view and the profile's status; the program adds the rest.
GridProfile TableGrid(const Profile& p);

// GENERATE on value column `column` of the open table: the range dialog; its procedure.
DialogTemplate GenerationDialog(const Profile& p, int column);
INT_PTR CALLBACK GenerationDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// A dialog the program built for a procedure of this module (a range dialog of its own, its fields
// 241..244 checked as GenerationDialog's; the half-space dialog), on the profile.
DialogTemplate OnProfile(const Profile& p, const DialogTemplate& form);
// UNIFORM on value column `column`: the one-field dialog; its procedure.
DialogTemplate UniformDialog(const Profile& p, int column);
INT_PTR CALLBACK UniformDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The column commands: the dialog, then its value into the rows of the range (a Winkler table's
// modulus and yield stress for both ends of each element) or into every row. Nothing for a column
// outside the table or after Cancel.
void GenerateColumn(const Profile& p, HWND table, int column);
void UniformColumn(const Profile& p, HWND table, int column);
// A column button: UNIFORM or GENERATE of its value column.
void ColumnButtonCommand(const Profile& p, HWND table, int id);

// A row of a half-space dialog: its label, its field's text, the unit after the field ("" none),
// the group head over the row (id 0 none) and a gap above the row.
struct HalfSpaceRow {
  std::string label, text, unit;
  int groupId = 0;
  std::string group;
  int gap = 0;
};
// The half-space dialog on the profile: " HALF SPACE DATA:", then each row's group head, label
// (kHalfSpaceLabelBaseId + i), field (from halfSpaceField) and unit (unitBase + i), as wide as
// the labels and `room` more; Ok and Cancel under them.
DialogTemplate HalfSpaceForm(const Profile& p, const std::string& caption, const std::vector<HalfSpaceRow>& rows,
                             int room, int unitBase = 0);
// The half-space dialog's procedure (its fields from halfSpaceField on, "&Ok" 55, "&Cancel" 2):
// Ok names the first wrong item and puts the focus back on its field, else stores the texts.
INT_PTR CALLBACK HalfSpaceDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The check list of the unyielding nodes in a dialog the program built: at (x, y, width, height)
// in dialog units with the list style `style`, the nodes' marks ticked, then `arrange` (when given),
// the focus on the list, the structure view of the supports beside the dialog and the pointer on
// its Ok (kContinueId).
void OpenNodeList(const Profile& p, HWND dialog, int x, int y, int width, int height, DWORD style, int nodes,
                  const std::vector<int>& marks, const std::function<void(HWND list)>& arrange = {});
// The procedure of a node list dialog on the profile (OnProfile): its colours, REMOVE ALL CHECKS,
// Ok and Cancel (win/checklist.h).
INT_PTR CALLBACK NodeListDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Its colours: the static texts first..last white on teal, every other black on green, the list
// blue on the tool-tip background.
std::vector<ColourRule> NodeListColours(int first, int last);

// The geometry dialog's procedure (OnGeometry): Ok warns of wrong texts or of a file that cannot be
// written, else ends the dialog; Cancel (2) ends it with 0.
DialogTemplate OnGeometry(const Profile& p, const DialogTemplate& form);
INT_PTR CALLBACK GeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Whether the last geometry dialog ended through Ok with its details box ticked.
bool GeometryDetailsWanted();

// The support type dialog's procedure for a template the program built: Ok and ENTER / EDIT
// check and store the choice and end it with 1, Cancel (2) with 0.
DialogTemplate SupportTypeForm(const Profile& p, const DialogTemplate& form);
INT_PTR CALLBACK SupportTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Whether the last support type dialog ended through ENTER / EDIT.
bool SupportDataWanted();

}  // namespace entry
