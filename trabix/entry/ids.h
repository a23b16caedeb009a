#pragma once
// The control ids of Trabix's data dialogs and table windows, by dialog (the shared buttons are in
// win/ids.h, the grid's in win/grid.h, those the entry module shares in entry/ids.h).
#include "entry/ids.h"

namespace trabix {

// Geometry and material dialog: BEAM / STRIP, HALF OF SYMMETRIC / ENTIRE STRUCTURE.
constexpr int kStripOptionId = 132, kBeamOptionId = 133, kHalfOptionId = 134, kEntireOptionId = 135;

// Table windows: the title, the group head, the row labels' head and unit, the columns' heads
// (108 + c) and units (112 + c); the geometry's UNIFORM (121 + 2 (c - 1)) and GENERATE (one more)
// of column c; the support and load tables' first button and GENERATE (the entry module's) and
// the Winkler table's modulus function.
constexpr int kTableTitleId = 108, kGroupHeadId = 117, kRowHeadId = 118, kRowUnitId = 119;
constexpr int kColumnHeadBaseId = kFirstTableHeadingId - 1, kColumnUnitBaseId = kColumnHeadBaseId + 4;
using entry::kFirstButtonId, entry::kGenerateButtonId;
constexpr int kModulusFunctionId = kFirstColumnButtonId + 2;

// Support types: the right edge's box.
constexpr int kRightEdgeBoxId = 107;

// Unyielding node list: its title (the entry module's), the hint under it and the frame around
// the list.
using entry::kNodeListTitleId;
constexpr int kCheckHintId = 120, kNodeFrameId = 98;

// Half-space dialog: its group heads, the frame around the fields, the fields at 240 + i.
constexpr int kFirstGroupHeadingId = 298, kSecondGroupHeadingId = 299, kHalfSpaceFrameId = 97;
constexpr int kHalfSpaceFieldBaseId = entry::kFirstRangeFieldId - 1;

// UNIFORM of a table column: its label.
constexpr int kUniformLabelId = 232;

// Value dialog: its heading and the labels of its rows (the entry module's load generation
// dialog's); its fields from 241 (the uniform load's from 243).
using entry::kLoadGenerationHeadingId, entry::kLoadGenerationLabelBaseId;
constexpr int kValueFieldId = entry::kFirstRangeFieldId, kUniformLoadFieldId = entry::kFirstRangeFieldId + 2;

}  // namespace trabix
