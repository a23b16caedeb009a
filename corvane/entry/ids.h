#pragma once
// The control ids of Corvane's data dialogs, forms and tables, by dialog (the shared ones are in
// entry/ids.h and win/ids.h). A row of a form has its label, field and unit at a base id plus the
// row number.
#include "entry/ids.h"
#include "win/grid.h"
#include "win/ids.h"

namespace corvane {

// The rows of the data forms: labels 110 + i, as the geometry rows'.
constexpr int kFormLabelBaseId = entry::kGeometryLabelBaseId;

// Geometry and material dialog: heading and choices (its rows and details box are the entry
// module's).
constexpr int kGeometryHeadingId = 150;
constexpr int kInPlane = 130, kFirstChoice = 132, kSecondChoice = 133;

// Generation dialogs: the shell's uniform-width box.
constexpr int kShellBox = 131;

// Table windows: the roof's radial section options; the column buttons (a support or load table's
// two; a geometry table's UNIFORM and GENERATE under each value column 1..3); the heads of the
// units under the column names; the remark.
constexpr int kCurve = 7777, kStraight = 7778;
using entry::kFirstButtonId, entry::kGenerateButtonId;
using entry::GenerateButtonId, entry::UniformButtonId;
constexpr int kTableUnitHeadingId = kFirstTableHeadingId + 4;
constexpr int kRemarkHeadingId = 117, kRemarkId = 118;

// Load type choice: its title, the roof's frame and line, and the last of a roof's eight options.
constexpr int kTitle = kHeadingId, kTitleLine = kRuleId, kRoofFrame = 301, kRoofLine = 302;
constexpr int kLastLoadOptionId = kFirstOptionId + 7;

// Load data form: section headings 130 + k; its fields from the range dialog's first.
constexpr int kLoadHeadingBaseId = 130;
constexpr int kFirstFormFieldId = entry::kFirstRangeFieldId;

// Roof shell form.
constexpr int kDome = 201, kCone = 202, kUniform = 203;
constexpr int kX1 = 241, kZ1 = 242, kRadius = 243;
constexpr int kOr = 308, kRadiusLabel = 309;
constexpr int kShellRemarksId = 297, kShellNoteId = 298, kRoofTypeHeadingId = 301;
constexpr int kXHeadingId = 302, kZHeadingId = 303, kFirstPointId = 304, kSecondPointId = 305;
constexpr int kSecondXId = 306, kSecondZId = 307;

// Support types: the box of state i at 100 + i (the first boxes, the soil options and the data
// button are the entry module's), the wall-roof junction box among them; a wall's connection
// options to the base plate from 171 and to the roof from 181.
constexpr int SupportBoxId(int state) { return entry::kFirstSupportBoxId - 1 + state; }
constexpr int kRoofJunctionBoxId = SupportBoxId(10);
constexpr int kFirstPlateJointOptionId = 171, kFirstRoofJointOptionId = 181;
// Half-space dialog: group headings, fields from 240 (cross-anisotropic) or 243 (isotropic),
// units 140 + i.
constexpr int kFirstGroupHeadingId = 130, kSecondGroupHeadingId = 131;
constexpr int kAnisotropicFieldId = 240, kIsotropicFieldId = 243;
constexpr int kHalfSpaceUnitBaseId = 140;
// Unyielding supports check list (its list, column head, REMOVE ALL CHECKS, Ok and Cancel are the
// shared ones).
constexpr int kNodeCountId = 121, kCheckHintId = 122;
constexpr int kGenerate = 11122;
// Its GENERATE's three fields (start, end, step) from the range dialog's second.
constexpr int kNodeRangeFieldId = entry::kFirstRangeFieldId + 1;

// Tank substructure choice: options 201.., the action buttons 199 - mode.
constexpr int kTankTitleId = 220, kTankRuleId = 199;
constexpr int kTankOptionBaseId = 200, kTankActionBaseId = 199;
constexpr int kTankGeometryActionId = kTankActionBaseId - 1, kTankSupportActionId = kTankActionBaseId - 2,
              kTankLoadActionId = kTankActionBaseId - 3;

}  // namespace corvane
