#pragma once
// The named slots of Palvore's support flags (Supports.flags, palvore/core/globals.h).

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

}  // namespace palvore
