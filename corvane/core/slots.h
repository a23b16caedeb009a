#pragma once
// The named slots of Corvane's answer tables (corvane/core/globals.h). One slot means one thing per
// structure type; where the types use it apart, each use has its own name.

namespace corvane {

// GeometryAnswers: "Y"/"N" answers; 0, 5 and 6 are work items of the dialogs.
constexpr int kStripAnswerAtOpenSlot = 0;  // the strip answer as the geometry dialog found it
constexpr int kStripSlot = 1;              // the beam/strip is a strip
constexpr int kBasePlateInPlaneSlot = 1;   // the tank base plate's in-plane deformation
constexpr int kWallInPlaneSlot = 2;
constexpr int kRoofInPlaneSlot = 3;
constexpr int kShellRoofSlot = 4;           // the roof is a shell structure
constexpr int kShellRoofAtOpenSlot = 5;     // the shell answer as the geometry dialog found it
constexpr int kRoofLoadKindSlot = 6;        // the roof load kind "3".."7" whose table is open
constexpr int kCurvedSectionSlot = 7;       // the shell's radial section is a curve

// SupportFlags: support answers, then the half-space values as texts.
constexpr int kEdgeFixedSlot = 1;  // beam/strip left edge, plate (inner) edge, base plate edge
constexpr int kUnyieldingSlot = 2;
constexpr int kElasticSupportsSlot = 3;
constexpr int kWinklerSlot = 4;
constexpr int kIsotropicHalfSpaceSlot = 5;
constexpr int kAnisotropicHalfSpaceSlot = 6;
constexpr int kOuterEdgeFixedSlot = 7;     // beam/strip right edge, annular plate outer edge
constexpr int kWallWinklerSlot = 7;        // tank: Winkler soil around the wall
constexpr int kHalfSpaceModulusSlot = 8;   // beam/strip, plate: E or Ev
constexpr int kWallRestraintsSlot = 8;     // tank: elastic nodal restraints of the wall
constexpr int kHalfSpacePoissonSlot = 9;   // beam/strip, plate: Nu or Eh
constexpr int kPlateWallJointSlot = 9;     // tank: base plate-wall connection "M", "H" or "S"
constexpr int kShearModulusSlot = 10;      // beam/strip, plate: Gv
constexpr int kPlateJointMiddleSlot = 10;  // tank: the junction at the plate's middle plane
constexpr int kHorizontalPoissonSlot = 11;  // beam/strip, plate: NUh
constexpr int kRoofWallJointSlot = 11;     // tank: roof-wall connection, or the wall's top edge fixed
constexpr int kVerticalPoissonSlot = 12;   // beam/strip, plate: NUv
constexpr int kRoofJointMiddleSlot = 12;   // tank: the junction at the roof's middle surface
constexpr int kRoofEdgeFixedSlot = 13;     // tank: the (outer) roof edge fixed
constexpr int kRoofInnerEdgeFixedSlot = 14;
constexpr int kBaseModulusSlot = 15;       // tank: the base plate's half-space values E or Ev,
constexpr int kBasePoissonSlot = 16;       // Nu or Eh,
constexpr int kBaseShearModulusSlot = 17;  // Gv,
constexpr int kBaseHorizontalPoissonSlot = 18;  // NUh
constexpr int kBaseVerticalPoissonSlot = 19;    // and NUv

}  // namespace corvane
