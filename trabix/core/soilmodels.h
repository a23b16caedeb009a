#pragma once
// The elastic half-space under the beam or strip: the flexibility matrix of the contact nodes
// (isotropic or cross-anisotropic), inverted into a stiffness matrix by the beam kernel; with the
// reactions and contact pressures formed from a solution. The Winkler foundation is the kernel's.
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
using ::kHalfSpaceDataMessage;

// The soil stiffness of the half-space, stiffness = factor x flexibility^-1 (the flexibility
// symmetric and positive definite), kept in extended precision. Formed from an LDL' factor in
// double and checked against the flexibility in extended precision; where double does not hold
// the inverse to 1.0E-10 (a badly conditioned flexibility) it is formed as InvertSoilMatrix does
// it, in extended precision throughout. False when the flexibility is singular.
bool HalfSpaceStiffness(const SoilMatrix& flexibility, SoilMatrix& stiffness, long double factor);

// Reactions of the half-space soil stiffness S (n x n) to the translations u(2j-1):
// pressures(i) = R_i / (A_{i-1} + A_i) with A_e = L_e w_e / 2 (w_e = b_e for a beam, 1.0 for a
// strip), the total reaction at pressures(n + 1), and the soil end forces (p_e A_e, p_{e+1} A_e).
void HalfSpaceReactions(const Vector& u, const SoilMatrix& s, int n, const Vector& length, const Vector& width,
                        bool strip, Vector& pressures, SoilEndForces& forces);

// ---------------------------------------------------------------------------------------------
// Terms of the elastic-plastic iterations

// Tributary contact area of every node of a half-space job: A_{i-1} + A_i with A_e = L_e w_e / 2
// (w_e = b_e for a beam, 1.0 for a strip per metre); index 1..n.
Vector NodeContactAreas(int n, const Vector& length, const Vector& width, bool strip);

// Reactions and pressures of one pass of the half-space yield iteration. u: the solution of the
// bordered system (2n + Y entries; the soil surface under the k-th yielded node is u(2n + k)).
// The soil displacements v (n + Y) are v_k = u(2k-1) and v_{n+k} = u(2n+k); R = S v; the
// pressure of node i is R_i over its contact area, the total reaction (the sum of all n + Y
// entries of R) is stored at pressures(n + 1), and every yielded node (status 1) then carries
// its signed yield pressure. Soil end forces (p_e A_e, p_{e+1} A_e). surface(i): the soil
// surface displacement under node i (its translation, or for a yielded node its extra unknown).
void YieldPassPressures(const Vector& u, Vector& surface, const SoilMatrix& s, int n, const Vector& length,
                        const Vector& width, bool strip, const std::vector<int>& status, const Vector& yieldPressure,
                        Vector& pressures, SoilEndForces& forces);
// The same with the bordered matrix read through the unbordered n x n stiffness `s`: position t
// of the bordered matrix stands for node order[t] (1..n + Y), 0 for a yielded node's own row and
// column, which are zero. The iteration's passes form no bordered copy.
void YieldPassPressures(const Vector& u, Vector& surface, const SoilMatrix& s, const std::vector<int>& order, int n,
                        const Vector& length, const Vector& width, bool strip, const std::vector<int>& status,
                        const Vector& yieldPressure, Vector& pressures, SoilEndForces& forces);
// The positions of the bordered matrix (see BorderYieldedNodes): order[t] (t = 1..n + Y) the
// node whose soil row stands there, 0 for a yielded node's emptied one.
std::vector<int> BorderedOrder(const std::vector<int>& status, int n);

// ---------------------------------------------------------------------------------------------
// Inspection

// Name of the soil stiffness listing in the current directory.
extern const char* const kSoilStiffnessFile;  // "SOILSTIFMAT.TXT"
// Writes the soil stiffness matrix s to kSoilStiffnessFile, one row a line, each value by the
// mask " 0.0000000E+###  "; false when the file cannot be written. A look into the soil terms
// while a solver is being studied: the analysis does not call it.
bool DumpSoilStiffness(const SoilMatrix& s);

}  // namespace trabix
