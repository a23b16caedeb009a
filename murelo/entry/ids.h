#pragma once
// The control ids of Murelo's data dialogs and tables, by dialog (the ones the programs share are
// in entry/ids.h and win/ids.h). A row of a form has its label and field at a base id plus the row
// number.
#include "entry/ids.h"
#include "win/loadtype.h"

namespace murelo {

// The shared ids of the entry module that Murelo's dialogs use.
using entry::kAnisotropicOptionId, entry::kDetailsBoxId, entry::kEnterSupportDataId, entry::kFirstRangeFieldId,
    entry::kFirstRangeLabelId, entry::kFirstSupportBoxId, entry::kGeometryFieldBaseId, entry::kGeometryLabelBaseId,
    entry::kGeometryUnitBaseId, entry::kHalfSpaceLabelBaseId, entry::kIsotropicOptionId, entry::kLastRangeFieldId,
    entry::kNodeHeadId, entry::kNodeListId, entry::kUniformFieldId, entry::kUniformLabelId, entry::kWinklerOptionId;
using entry::kFirstButtonId, entry::kGenerateButtonId, entry::kGeometryActionId, entry::kLoadActionId,
    entry::kLoadGenerationHeadingId, entry::kLoadGenerationLabelBaseId, entry::kSubstructureRuleId,
    entry::kSubstructureTitleId, entry::kSupportActionId, entry::kYieldFunctionId;
using entry::ButtonColumn, entry::CellId, entry::GenerateButtonId, entry::UniformButtonId;

// Substructure selection: the two options (the actions and the title are the shared ones).
constexpr int kBasePlateOptionId = kFirstOptionId, kWallStemOptionId = kFirstOptionId + 1;

// Geometry dialog: the fields 101.. (5 on the base plate, 4 on the wall stem); the units' last id
// in the colours.
constexpr int kPlateGeometryFields = 5, kStemGeometryFields = 4;
constexpr int kLastGeometryUnitId = kGeometryUnitBaseId + 9;

// Support types: the base plate's boxes (toe, unyielding, elastic) before its two soil options;
// the wall stem's one box of nodal restraints.
constexpr int kToeBoxId = 100, kPlateUnyieldingBoxId = 101, kPlateElasticBoxId = 102;
constexpr int kStemRestraintsBoxId = kFirstSupportBoxId;

// Half-space dialog: the group headings and the rules under them, its fields from 242.
constexpr int kFirstGroupHeadingId = 298, kSecondGroupHeadingId = 299;
constexpr int kFirstGroupRuleId = 97, kSecondGroupRuleId = 98;
constexpr int kHalfSpaceFieldId = 242;

// Table window: the title, the group head, the row labels' head and unit, the value columns'
// heads 110 + c and units 130 + c; the geometry table's uniform widths and the stem's linear
// thickness variation; the Winkler table's modulus function (the load tables' first button is
// the entry module's; the app still knows it by its former name).
constexpr int kTableTitleId = kFirstTableHeadingId, kGroupHeadId = 117;
constexpr int kRowHeadId = kFirstTableHeadingId + 1, kRowUnitId = kLastTableHeadingId;
constexpr int kColumnHeadBaseId = kRowHeadId, kColumnUnitBaseId = 130;
constexpr int kUniformWidthsId = UniformButtonId(1), kLinearVariationId = GenerateButtonId(2);
constexpr int kModulusFunctionId = UniformButtonId(1);

// The stem's linear thickness variation: its heading (rows as GENERATE's).
constexpr int kLinearHeadingId = 308;

// The one-page dialog of the load and Winkler tables (its heading and labels the entry module's
// load generation dialog's): its row i's field 240 + i.
constexpr int kOnePageFieldBaseId = kFirstRangeFieldId - 1;
constexpr int kOnePageFields = 5;

// Load-type dialog: its options (as many as the substructure has load types) and the heading.
constexpr int kLoadTypeFirstOptionId = kLoadTypeFirstOption, kLoadTypeLastOptionId = kLoadTypeFirstOption + 3;

}  // namespace murelo
