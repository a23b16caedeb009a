#pragma once
// The slots of Trabix's slot tables that are read and written by name.

namespace trabix {

// SupportFlags: "Y" or "N" for each support type, then the half-space data.
constexpr int kLeftEdgeFixedSlot = 1;
constexpr int kUnyieldingSlot = 2;
constexpr int kElasticSupportsSlot = 3;
constexpr int kWinklerSlot = 4;
constexpr int kIsotropicSlot = 5;
constexpr int kCrossAnisotropicSlot = 6;
constexpr int kRightEdgeFixedSlot = 7;
constexpr int kHalfSpaceDataSlot = 8;  // the first of the half-space's fields (8..13)
constexpr int kSupportFlagSlots = 14;

}  // namespace trabix
