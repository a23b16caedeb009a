#pragma once
// The rules of Corvane's support entry: the support-type dialog's boxes and options of each
// structure and substructure and their link to SupportFlags, whether the choice supports the
// structure, the support tables' templates and cells, and the half-space items and their check.
// The dialogs (corvane/entry) only move texts and states between controls and these routines.
#include <array>
#include <string>
#include <vector>

namespace corvane {

// Check states 1..10 of the support-type dialog (index 0 unused): 1 checked, 0 not.
using SupportStates = std::array<int, 11>;

// What the support-type dialog of StructureType and Substructure shows.
enum class SupportForm { BeamStrip, Plate, BasePlate, Wall, Roof };
SupportForm CurrentSupportForm();
// The roof (plate) is annular: its inner radius is above 0 (JobDataTable (3,2), a plate's (1,2)).
bool AnnularRoof();
bool AnnularPlate();
// The tank has a roof: the roof has elements.
bool TankHasRoof();

// One box or option of the dialog. group 0: a check box of id 100 + state; 1: the soil models
// (options 171..173, a second click clears); 2: the wall-base connection (171..173); 3: the
// wall-roof connection (181..183).
struct SupportOption {
  int state;
  int id;
  std::string text;
  int group;
};
// The boxes and options of the current structure, top to bottom.
std::vector<SupportOption> SupportTypeOptions();
// Height of the dialog in dialog units for k states shown: 163 + 13 (k - 5) from the command
// (mode 0), 168 + ... from the tank choice (mode 1), 185 + ... for the roof.
int SupportTypeDialogHeight(int mode, int k);

// direction 1: SupportFlags-like answers -> states of the current structure; any other: states ->
// answers ("Y"/"N", a connection group as the letter "M", "H" or "S" of its checked option).
// Answers are compared trimmed.
void MapSupportTypeFlags(std::vector<std::string>& flags, SupportStates& states, int direction);
// The structure is supported when one of states 2..6 is checked; a wall or roof always is.
bool StatesSupported(const SupportStates& states);
// A tank's wall connections without a letter "M", "H" or "S" become "M" (flag 9, and flag 11
// when the tank has a roof), the button the dialog shows selected.
void DefaultWallConnections(std::vector<std::string>& flags);

// A support table of the current structure: kind "ELASTIC" or "WINKLER".
struct SupportTableTemplate {
  std::string title, firstButton;
  std::string numberHead, valuesHead;      // heading row 1
  std::string numberUnit;                  // heading row 2 over the row labels
  std::vector<std::string> valueUnits;     // heading row 2 over the value columns
  std::vector<std::string> labels;         // generation labels of the value columns
  std::string unit;                        // generation unit "NODE" or "ELEMENT"
  std::string remark1, remark2;
  int values = 1;                          // value columns
  int rows = 0;                            // n + 1 (a node table) or n
};
SupportTableTemplate SupportTableFor(const std::string& kind);
// CellTexts of the kind's table: column 1 "   " + the row number, columns 2.. the work table's
// values (7 significant digits, "0" when empty).
void FillSupportCells(const std::string& kind, int rows, int values);

// The half-space dialog of kind "ISOTROPIC" (2 items) or "CROSS-ANISOTROPIC" (5 items).
struct HalfSpaceItem {
  std::string label, unit;
};
std::vector<HalfSpaceItem> HalfSpaceItems(const std::string& kind);
// SupportFlags item of the first value: 15 for a tank's base plate, 8 otherwise.
int HalfSpaceFirstFlag();
// The text a field opens with: the stored text, "0.0" when it is empty.
std::string HalfSpaceOpeningText(int item);
// The texts (index 1..count), normalised in place: the last failing item, 0 when all pass.
// Moduli above 0; Poisson's ratios above 0 and at most 0.5.
int HalfSpaceProblem(const std::string& kind, std::vector<std::string>& texts);
// Accepted texts into SupportFlags.
void StoreHalfSpace(const std::vector<std::string>& texts);

}  // namespace corvane
