#pragma once
// The control ids of Trabix's data dialogs and table windows, by dialog (the shared buttons are in
// win/ids.h, the grid's in win/grid.h, those the entry module shares in entry/ids.h).
#include "entry/ids.h"

namespace trabix {

// Geometry and material dialog: BEAM / STRIP, HALF OF SYMMETRIC / ENTIRE STRUCTURE.
constexpr int kStripOptionId = 132, kBeamOptionId = 133, kHalfOptionId = 134, kEntireOptionId = 135;

// Table windows: the title, the group head, the row labels' head and unit, the columns' heads
// (108 + c) and units (112 + c); the geometry's UNIFORM (121 + 2 (c - 1)) and GENERATE (one more)
// of column c; the support and load tables' first button, GENERATE and the Winkler table's modulus
// function.
using entry::kGroupHeadId;
constexpr int kTableTitleId = 108, kRowHeadId = 118, kRowUnitId = 119;
constexpr int kColumnHeadBaseId = kFirstTableHeadingId - 1, kColumnUnitBaseId = kColumnHeadBaseId + 4;
constexpr int kFirstButtonId = kFirstColumnButtonId, kGenerateButtonId = kFirstColumnButtonId + 1;
constexpr int kModulusFunctionId = kFirstColumnButtonId + 2;

// Support types: the right edge's box.
constexpr int kRightEdgeBoxId = 107;

// Unyielding node list: its heading, the hint under it and the frame around the list.
constexpr int kUnyieldingHeadingId = 121, kCheckHintId = 120, kNodeFrameId = 98;

// Half-space dialog: its group heads, the frame around the fields, the fields at 240 + i.
constexpr int kHalfSpaceGroupId = 298, kHalfSpaceSecondGroupId = 299, kHalfSpaceFrameId = 97;
constexpr int kHalfSpaceFieldBaseId = entry::kFirstRangeFieldId - 1;

// UNIFORM of a table column: its label.
constexpr int kUniformLabelId = 232;

// Value dialog: its heading and the labels of its rows at 300 + k; its fields from 241 (the uniform
// load's from 243).
constexpr int kValueHeadingId = 401, kValueLabelBaseId = 300;
constexpr int kValueFieldId = entry::kFirstRangeFieldId, kUniformLoadFieldId = entry::kFirstRangeFieldId + 2;

}  // namespace trabix
