#pragma once
// The named slots of Palvore's slot tables: the support flags (Supports.flags,
// palvore/core/globals.h) and the fields of the generation dialogs (palvore::FieldTexts).

namespace palvore {

// Support answers "Y"/"N", then the half-space values as texts.
constexpr int kTopEdgeFixedSlot = 1;
constexpr int kUnyieldingSlot = 2;
constexpr int kElasticSupportsSlot = 3;
constexpr int kWinklerSlot = 4;
constexpr int kHalfSpaceSlot = 5;  // isotropic elastic half-space
constexpr int kHalfSpaceModulusSlot = 8;
constexpr int kHalfSpacePoissonSlot = 9;
constexpr int kHalfSpaceYieldSlot = 10;
constexpr int kSupportFlagSlots = 11;  // the table's size

// The fields of the generation dialogs, from 1: GENERATE's range and its value; the function
// f=A+Bz^n between nodes i and m; the same nodal loads at all nodes.
constexpr int kRangeStartField = 1, kRangeEndField = 2, kRangeStepField = 3, kRangeValueField = 4;
constexpr int kStartNodeField = 1, kEndNodeField = 2, kConstantAField = 3, kConstantBField = 4, kExponentField = 5;
constexpr int kForceField = 1, kMomentField = 2;

}  // namespace palvore
