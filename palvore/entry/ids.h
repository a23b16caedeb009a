#pragma once
// The control ids of Palvore's own dialogs and tables, by dialog (those the entry module shares are
// in entry/ids.h, the buttons every dialog has in win/ids.h, the grid's in win/grid.h). A row of a
// dialog has its label, field and unit at a base id plus the row number.
#include "entry/ids.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/loadtype.h"

namespace palvore {

// Geometry dialog: the kind options " &PILE " and " &SHEET-PILE  " (the rows and the details box
// are the entry module's).
constexpr int kPileOptionId = 129, kSheetPileOptionId = 130;

// Table windows: the title, the group head, the row labels' head and unit, the column c's head at
// 110 + c and unit at 114 + c.
constexpr int kTableTitleId = kFirstTableHeadingId;
constexpr int kGroupHeadId = 130;
constexpr int kRowHeadId = 110, kRowUnitId = 119;
constexpr int kColumnHeadBaseId = 110, kColumnUnitBaseId = 114;
// The column buttons of the geometry and spring tables: UNIFORM and GENERATE of value column c
// side by side (the Winkler table's GENERATE stand where the geometry table's do).
using entry::GenerateButtonId, entry::UniformButtonId;
// The Winkler table's function buttons: the subgrade modulus and the yield stress k=A+Bz^n.
constexpr int kModulusFunctionId = kFirstColumnButtonId;
using entry::kYieldFunctionId;
// The load tables' buttons: the first (the linear load between nodes, the same loads at all
// nodes) and GENERATE; the app's tests still know them by their former names.
using entry::kFirstButtonId, entry::kGenerateButtonId;

// The function dialog of the Winkler table: heading, labels and fields as the range dialog's, one
// field more (the exponent).
constexpr int kLastFunctionFieldId = entry::kFirstRangeFieldId + 4;

// Unyielding node list: its title (the entry module's) over the hint "Set CHECKS at NODES with
// SUPPORTS".
using entry::kNodeListTitleId;
constexpr int kCheckHintId = 120;

// Half-space dialog: the group headings, fields from entry::kFirstRangeFieldId, units 310 + i.
constexpr int kFirstGroupHeadingId = 297, kSecondGroupHeadingId = 298;
constexpr int kHalfSpaceUnitBaseId = 310;

// Load type dialog: "Trapezoidal &Load", "&Nodal Load", "&ENTER / EDIT Load Data".
constexpr int kTrapezoidalOptionId = kLoadTypeFirstOption, kNodalOptionId = kLoadTypeFirstOption + 1;
constexpr int kEnterLoadDataId = 55;
// Load generation dialogs: the heading and labels are the entry module's, the fields from
// entry::kFirstRangeFieldId.
using entry::kLoadGenerationHeadingId, entry::kLoadGenerationLabelBaseId;

}  // namespace palvore
