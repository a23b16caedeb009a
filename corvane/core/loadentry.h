#pragma once
// What the load entry shows and keeps, apart from its windows: the options of the load type
// choice and their kind codes, the template of each kind's table window or form (FormTexts,
// SharedIntegers), the cells of the load tables and the storing of an accepted form into
// LoadTable. All of it follows StructureType, Substructure, GeometryAnswers, JobDataTable and
// LoadCaseName.
#include <functional>
#include <string>
#include <vector>

namespace corvane {

// The roof on screen is a shell: Substructure "ROOF STRUCTURE" and GeometryAnswers 4 "Y".
bool IsShellRoof();
// A tank's base plate or wall (the five options with the hydrostatic load).
bool IsTankPlateOrWall();

// The options of the load type choice in order (option k has id 200 + k).
std::vector<std::string> LoadTypeOptions();
// The title of the choice: "SELECTION OF LOAD TYPE", for a tank (mode 3) prefixed by
// Substructure + ": ".
std::string LoadTypeTitle(int mode);
// The load kind of option k: 1 uniform load and self-weight, 2 nodal, 3 trapezoidal, 4 thermal
// (temperature change), 6 hydrostatic; a tank's base plate and wall have 6 at 4 and 4 at 5. A
// shell roof's options are its own kinds 1..8.
int LoadKindCode(int option);

// " " + Substructure + ": " for a tank, " " otherwise.
std::string LoadTitlePrefix();

// Re-creates FormTexts and sets the template of load kind `kind` (1, 2, 3, 4, 6) of Substructure,
// or of a shell roof's option 1..8 (SetRoofLoadTemplate; options 3..7 also put their kind into
// GeometryAnswers 6), with SharedIntegers kFieldCountSlot, kFirstFieldIdSlot, kTableRowsSlot and
// kCellColumnsSlot (the number column included). Returns the load form's mode of a scalar
// kind, -1 for a table window.
int SetLoadTemplate(int kind);
int SetRoofLoadTemplate(int option);

// CellTexts of the table of the template's kind word (FormTexts (0,0)) from its work table:
// column 1 "   " + the row number, columns 2.. the values ("###0.00" for temperatures, else at
// most 7 significant digits, "0" when empty). Returns the number of value columns.
int FillLoadCells();

// The values the forms keep: 0 below 0.0001 in magnitude, else rounded to three decimals
// ("###0.000"), a strain to three decimals of its mantissa ("0.000E+##").
float FormLoadValue(double value);
float FormStrainValue(double value);
// The accepted texts of the load form of `mode` (0, 7, 9; FieldTexts 1..SharedIntegers kFieldCountSlot)
// into LoadTable.
void StoreLoadForm(int mode);

// The load command's visit of LoadCaseName around its dialogs: the geometry of JobSpec (its
// loader offers the correction when data are missing), the unyielding nodes of the support
// file, the load tables sized and read, dialogs(s) with s the structure code, then the load file
// rewritten whole. Returns false, having written nothing, when the geometry is missing or the
// case's first character cannot stand in a file name; also when the file could not be written.
bool VisitLoadData(const std::function<void(int s)>& dialogs);

}  // namespace corvane
