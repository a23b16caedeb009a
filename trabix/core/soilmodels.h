#pragma once
// The elastic half-space under the beam or strip: the flexibility matrix of the contact nodes
// (isotropic or cross-anisotropic), inverted into a stiffness matrix by the beam kernel. Its
// reactions, contact pressures and yield iteration are the beam system's (core/beamsystem.h);
// the Winkler foundation is the kernel's.
// Soil matrices are kept in extended precision.
#include <string>
#include <vector>

#include "core/solverstops.h"
#include "trabix/core/elementterms.h"

namespace trabix {

// Flexibility matrix F (n x n) of the half-space's contact nodes at abscissae x(1..n) under
// elements of widths b(1..n-1); the settlement is F / (pi E') times the nodal soil forces.
// symmetry: 0 a whole structure, +1 the left half of a symmetric one under symmetric loads, -1
// under antisymmetric loads (the axis lies at the last node). A strip is taken per metre of its
// length: the half-widths of its forces are 0.5 in the denominators.
void HalfSpaceFlexibility(SoilMatrix& f, int n, const Vector& x, const Vector& b, bool strip, int symmetry);

// The surface modulus E' of a cross-anisotropic half-space from SupportFlags items 8..12 (Ev,
// Eh, Gv, NUh, NUv), the exact one of a transversely isotropic medium; E / (1 - nu^2) for
// isotropic input. False (E' := 0) when the constants describe no admissible medium (the square
// roots are not real or a modulus is not positive).
bool CrossAnisotropicModulus(const std::vector<std::string>& flags, long double& modulus);
// The surface modulus E' of the half-space answered in SupportFlags: isotropic (items 8 E and 9
// nu, a nu outside 0..0.5 taken as 0) E / (1 - nu^2), else CrossAnisotropicModulus. False when it
// is no positive finite modulus (the half-space stop).
bool HalfSpaceSurfaceModulus(const std::vector<std::string>& flags, bool isotropic, long double& modulus);
// The same of the five constants as typed, in their order: E (or Ev), Nu (or Eh), Gv, NUh, NUv.
bool HalfSpaceConstantsModulus(const std::vector<std::string>& constants, bool isotropic, long double& modulus);
using ::kHalfSpaceDataMessage;

// The soil stiffness of the half-space, stiffness = factor x flexibility^-1 (the flexibility
// symmetric and positive definite), kept in extended precision. Formed from an LDL' factor in
// double and checked against the flexibility in extended precision; where double does not hold
// the inverse to 1.0E-10 (a badly conditioned flexibility) it is formed as InvertSoilMatrix does
// it, in extended precision throughout. False when the flexibility is singular.
bool HalfSpaceStiffness(const SoilMatrix& flexibility, SoilMatrix& stiffness, long double factor);

// ---------------------------------------------------------------------------------------------
// Inspection

// Name of the soil stiffness listing in the current directory.
extern const char* const kSoilStiffnessFile;  // "SOILSTIFMAT.TXT"
// Writes the soil stiffness matrix s to kSoilStiffnessFile, one row a line, each value by the
// mask " 0.0000000E+###  "; false when the file cannot be written. A look into the soil terms
// while a solver is being studied: the analysis does not call it.
bool DumpSoilStiffness(const SoilMatrix& s);

}  // namespace trabix
