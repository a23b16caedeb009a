#pragma once
// The slots of Murelo's slot tables that are read and written by name.

namespace murelo {

// SupportFlags: the half-space data of the base plate.
constexpr int kHalfSpaceModulusSlot = 7;
constexpr int kHalfSpacePoissonSlot = 8;
constexpr int kHalfSpaceYieldSlot = 10;
constexpr int kSupportFlagSlots = 11;

}  // namespace murelo
