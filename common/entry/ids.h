#pragma once
// The control ids of the data-entry dialogs that mean the same in Trabix, Palvore and Murelo (and
// Corvane where its forms share the flow). The buttons every dialog has are in win/ids.h; the grid's
// column buttons and headings in win/grid.h; a program's own ids in its entry/ids.h.
#include "win/grid.h"
#include "win/ids.h"

namespace entry {

// The geometry dialog: the row i of its fields has its label at 110 + i, its field at 100 + i and
// its unit at 120 + i; " &ENTER / EDIT GEOMETRY DATA ".
constexpr int kGeometryFieldBaseId = 100, kGeometryLabelBaseId = 110, kGeometryUnitBaseId = 120;
constexpr int kDetailsBoxId = 131;

// The support type dialog: the edge (or first) support box, the unyielding and the elastic nodes'
// boxes, the soil options (Winkler, isotropic and cross-anisotropic half-space) and
// " &ENTER / EDIT Support DATA ".
constexpr int kFirstSupportBoxId = 101, kUnyieldingBoxId = 102, kElasticBoxId = 103;
constexpr int kWinklerOptionId = 171, kIsotropicOptionId = 172, kAnisotropicOptionId = 173;
constexpr int kEnterSupportDataId = 131;

// The unyielding node list: the list itself, its column head "Node No" and (where it has one) its
// title " UNYIELDING SUPPORTS DATA:".
constexpr int kNodeListId = 77777777;
constexpr int kNodeHeadId = 302;
constexpr int kNodeListTitleId = 121;

// The half-space dialog: its heading " HALF SPACE DATA:" and its field labels at 300 + i.
constexpr int kHalfSpaceHeadingId = 296;
constexpr int kHalfSpaceLabelBaseId = 300;

// The small forms of the tables: UNIFORM's heading, value field and (as most programs number it)
// its label; GENERATE's heading, range
// fields (start, end, step, value) and their labels.
constexpr int kUniformHeadingId = 230, kUniformFieldId = 231, kUniformLabelId = 301;
constexpr int kRangeHeadingId = 303;
constexpr int kFirstRangeFieldId = 241, kLastRangeFieldId = 244;
constexpr int kFirstRangeLabelId = 304;

// A Winkler table's button of the yield stress between nodes.
constexpr int kYieldFunctionId = kFirstColumnButtonId + 6;

// The substructure choice of the wall and the tank: its title and rule, and its action buttons
// (geometry, supports, loads; the graphs' is kContinueId).
constexpr int kSubstructureTitleId = 220, kSubstructureRuleId = 199;
constexpr int kGeometryActionId = 198, kSupportActionId = 197, kLoadActionId = 196;

// The load generation dialog of a load (or Winkler) table: its heading and its row i's label at
// 300 + i.
constexpr int kLoadGenerationHeadingId = 401, kLoadGenerationLabelBaseId = 300;

// The table window: the id of the grid's cell of page row r and column c of C (win/grid.h); the
// column buttons of value column c, UNIFORM at 119 + 2c and GENERATE at 120 + 2c; a support or
// load table's first button (its TableTexts::firstButton) and its GENERATE.
constexpr int CellId(int row, int column, int columns) { return kFirstCellId + (row - 1) * columns + column; }
constexpr int UniformButtonId(int column) { return kFirstColumnButtonId - 2 + 2 * column; }
constexpr int GenerateButtonId(int column) { return kFirstColumnButtonId - 1 + 2 * column; }
constexpr int ButtonColumn(int id) { return (id - kFirstColumnButtonId) / 2 + 1; }
constexpr int kFirstButtonId = kFirstColumnButtonId, kGenerateButtonId = kFirstColumnButtonId + 1;

}  // namespace entry
