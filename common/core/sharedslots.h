#pragma once
// The named slots of SharedIntegers (core/globals.h), the integer work table of the dialogs and
// the data tables, each a (row, column) of the table. Where the programs or dialogs use one slot
// for two things, each use has its own name.

// A cell of a two-dimensional work table (Table2D).
struct SlotIndex {
  int row;
  int column;
};

// Row 0: the memory of the option toggle (ToggleCheckProc), set by each dialog whose options
// toggle before they are clicked.
constexpr SlotIndex kToggleLastIdSlot{0, 0};  // the id of the option clicked last, 0 none
constexpr SlotIndex kToggleOnSlot{0, 1};      // 1 when that click set it on, 0 when off

// Row 0 again, for RowLabelText: the widths of the cells of columns 1 to 4 in a label row.
constexpr SlotIndex kRowLabelWidth1Slot{0, 0};
constexpr SlotIndex kRowLabelWidth2Slot{0, 1};
constexpr SlotIndex kRowLabelWidth3Slot{0, 2};
constexpr SlotIndex kRowLabelWidth4Slot{0, 3};

// The number of CellTexts columns of the next table window, the row label's column included.
constexpr SlotIndex kCellColumnsSlot{0, 5};

// Row 3: what a uniform value dialog or a value dialog is opened with, for its callback.
constexpr SlotIndex kUniformColumnSlot{3, 0};       // the table column (1..) of the uniform dialog
constexpr SlotIndex kUniformOffsetSlot{3, 1};       // Corvane: the page offset beside it (1 from the grid)
constexpr SlotIndex kUniformRowCountSlot{3, 1};     // Murelo: the table's row count beside it
constexpr SlotIndex kLoadGenerationModeSlot{3, 1};  // Trabix, Murelo: the mode of LoadGenerationDialog

// Row 4: the field group of the dialog that is open (the fields that Enter and the arrow keys walk
// through, ids first .. first + count - 1) and the table it serves.
constexpr SlotIndex kFieldCountSlot{4, 0};
constexpr SlotIndex kFirstFieldIdSlot{4, 1};
constexpr SlotIndex kTableRowsSlot{4, 2};       // the rows (nodes or elements) of the table window
constexpr SlotIndex kLoadFormModeSlot{4, 3};    // Corvane: the mode of the load data form
constexpr SlotIndex kGenerationModeSlot{4, 3};  // Murelo: the generation dialog's mode, 3 unyielding supports
