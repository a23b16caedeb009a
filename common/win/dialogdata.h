#pragma once
// Small services of the dialogs that work on the shared work tables.

// Fills LoadCaseNames rows first..last with fixed-width label rows built from CellTexts (first index
// the column 1..4, second the row): the column-1 cell padded or cut to width w1, the column-2 cell
// cut to 11 characters and then padded or cut to w2, and, when columns is at least 3 (is 4), the
// column-3 (column-4) cell the same way to w3 (w4). The widths are SharedIntegers kRowLabelWidthNSlot, N 1 to 4.
// LoadCaseNames grows when it is too short.
void RowLabelText(int first, int last, int columns);

// The length of the current structure or substructure along its element axis, from JobDataTable:
// "BEAM/STRIP" the length (1,2); "PLATE" outer minus inner radius (1,3) - (1,2); "TANK" with
// Substructure "BASE PLATE" the radius (1,2), "WALL" the height (2,3), "ROOF STRUCTURE" outer minus
// inner radius (3,3) - (3,2). Any other combination leaves length unchanged.
void StructureLength(float& length);
