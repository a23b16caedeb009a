#pragma once
// The named slots of Trabix's slot tables (trabix/core/globals.h).

namespace trabix {

// StructureFlags: "Y"/"N" texts; slot 5 "S" symmetric or "A" antisymmetric loads.
constexpr int kOpenedStripSlot = 0;     // the strip answer as the geometry dialog found it
constexpr int kStripSlot = 1;           // "Y" strip, else beam
constexpr int kStripCopySlot = 3;       // the strip answer again
constexpr int kSymmetricHalfSlot = 4;   // the job is the left half of a symmetric structure
constexpr int kSymmetricLoadsSlot = 5;  // the loads of a symmetric half

// SupportFlags: support answers "Y"/"N", then the half-space values as texts.
constexpr int kLeftEdgeFixedSlot = 1;
constexpr int kUnyieldingSlot = 2;
constexpr int kElasticSupportsSlot = 3;
constexpr int kWinklerSlot = 4;
constexpr int kIsotropicHalfSpaceSlot = 5;
constexpr int kAnisotropicHalfSpaceSlot = 6;
constexpr int kRightEdgeFixedSlot = 7;
constexpr int kHalfSpaceModulusSlot = 8;    // E, or Ev of the cross-anisotropic half-space
constexpr int kHalfSpacePoissonSlot = 9;    // Nu of the isotropic half-space
constexpr int kHorizontalModulusSlot = 9;   // Eh
constexpr int kHalfSpaceYieldSlot = 10;     // the isotropic half-space's yield stress
constexpr int kShearModulusSlot = 10;       // Gv
constexpr int kHorizontalPoissonSlot = 11;  // NUh
constexpr int kVerticalPoissonSlot = 12;    // NUv
constexpr int kVerticalYieldSlot = 13;      // the cross-anisotropic half-space's vertical yield stress
constexpr int kSupportFlagSlots = 14;  // the table's size

// GeometryValues.
constexpr int kLengthSlot = 1;  // beam length or strip width [m]
constexpr int kElementCountSlot = 2;
constexpr int kModulusSlot = 3;
constexpr int kPoissonSlot = 4;
constexpr int kExpansionSlot = 5;  // coefficient of thermal expansion

// LoadValues.
constexpr int kUniformLoadSlot = 1;  // [kN/m]
constexpr int kMassDensitySlot = 2;  // for the self weight [kg/m^3]

}  // namespace trabix
