#pragma once
// The named slots of Murelo's support flags (SupportFlags, murelo/core/globals.h).

namespace murelo {

// Support answers "Y"/"N", then the half-space values as texts.
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

}  // namespace murelo
