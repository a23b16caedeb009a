#pragma once
// The slots of Palvore's slot tables that are read and written by name.

namespace palvore {

// Supports.flags: "Y" or "N" for each support type, then the half-space data.
constexpr int kTopEdgeFixedSlot = 1;
constexpr int kUnyieldingSlot = 2;
constexpr int kElasticSupportsSlot = 3;
constexpr int kWinklerSlot = 4;
constexpr int kHalfSpaceSlot = 5;
constexpr int kHalfSpaceModulusSlot = 8;  // then Poisson's ratio (9) and the yield stress (10)
constexpr int kSupportFlagSlots = 11;

}  // namespace palvore
