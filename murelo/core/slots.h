#pragma once
// The named slots of Murelo's slot tables (murelo/core/globals.h).

namespace murelo {

// SupportFlags: support answers "Y"/"N", then the half-space values as texts.
constexpr int kToeRestrainedSlot = 0;  // the toe horizontally restrained
constexpr int kUnyieldingSlot = 1;
constexpr int kElasticSupportsSlot = 2;
constexpr int kWinklerSlot = 3;
constexpr int kHalfSpaceSlot = 4;  // isotropic elastic half-space
constexpr int kStemRestraintsSlot = 5;  // elastic nodal restraints of the wall stem
constexpr int kSupportCheckSlot = 6;  // read by the support check; no file carries it
constexpr int kHalfSpaceModulusSlot = 7;
constexpr int kHalfSpacePoissonSlot = 8;
constexpr int kHalfSpaceYieldSlot = 10;
constexpr int kSupportFlagSlots = 11;  // the table's size
// The support type dialog's states (SupportStates) follow the flags 0..4; the wall stem keeps its
// restraints at 1.
constexpr int kStemRestraintsState = 1;

// GeneralData (substructure, item): the substructures, then the items.
constexpr int kBasePlate = 1, kWallStem = 2;
constexpr int kElementCountItem = 1;
constexpr int kLengthItem = 2;  // the base plate's width or the wall stem's height [m]
constexpr int kModulusItem = 3;
constexpr int kPoissonItem = 4;
constexpr int kToeLengthItem = 5;  // base plate only

// LoadTable (substructure, item).
constexpr int kUniformLoadItem = 1;  // [kPa]
constexpr int kMassDensityItem = 2;  // for the self weight [kg/m^3]

// A table's description (TableHeadings: slot, row). Slot 0: the kind word, the window title;
// 1: the first button's caption; 2: the head over the row labels, the head over the value
// columns; 3: the row labels' and each value column's unit (row c); 5: the range dialog's labels
// (start, end, step, its heading, then one a value); 6: the second dialog's labels.
constexpr int kTableWordSlot = 0, kTableButtonSlot = 1, kTableHeadSlot = 2, kTableUnitSlot = 3;
constexpr int kRangeLabelSlot = 5, kSecondLabelSlot = 6;
constexpr int kKindRow = 0, kTitleRow = 1;  // of kTableWordSlot
constexpr int kLabelColumnRow = 0, kGroupHeadRow = 1;  // of kTableHeadSlot and kTableUnitSlot
constexpr int kRangeHeadingRow = 3, kRangeValueRow = 4;  // of kRangeLabelSlot
constexpr int kLastLabelRow = 6;

}  // namespace murelo
