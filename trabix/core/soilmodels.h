#pragma once
// The soil under the beam or strip: the Winkler foundation as element matrices with a modulus
// varying linearly along each element, and the elastic half-space as the flexibility matrix of
// the contact nodes, inverted into a stiffness matrix; with the reactions and contact pressures
// formed from a solution. Soil matrices are kept in extended precision.
#include <string>
#include <vector>

#include "trabix/core/elementterms.h"

namespace trabix {

// Soil forces at the two ends of each element (elements 1..n-1), upward on the structure.
struct SoilEndForces {
  Vector atI, atJ;
  void Resize(int elements) {
    atI.assign(elements + 1, 0.0);
    atJ.assign(elements + 1, 0.0);
  }
};

// Adds one half of element e to the Winkler soil matrix s (per node: column 1 its own term,
// column 2 its coupling with the next node). half 1 is the half next to node i, 2 the one next
// to node j; ki, kj the subgrade moduli at the element's ends, w its width (1.0 for a strip).
void WinklerSoilMatrix(int half, SoilMatrix& s, int e, double length, double w, double ki, double kj);

// Soil end forces of every element from the end translations u(2e-1), u(2e+1) with the
// element's own matrix; total := their sum. moduli(e, 1..2) the subgrade moduli at i and j.
void WinklerReactions(const Vector& u, int elements, const Vector& length, const Vector& width,
                      const Table2D<double>& moduli, SoilEndForces& forces, double& total);

// Flexibility matrix F (n x n) of the half-space's contact nodes at abscissae x(1..n) under
// elements of widths b(1..n-1); the settlement is F / (pi E') times the nodal soil forces.
// symmetry: 0 a whole structure, +1 the left half of a symmetric one under symmetric loads, -1
// under antisymmetric loads (the axis lies at the last node). A strip is taken per metre of its
// length: the half-widths of its forces are 0.5 in the denominators.
void HalfSpaceFlexibility(SoilMatrix& f, int n, const Vector& x, const Vector& b, bool strip, int symmetry);

// Inverts a square matrix (Gauss-Jordan with row pivoting, extended precision) and scales the
// inverse: out = factor x in^-1. False when the matrix is singular.
bool InvertSoilMatrix(const SoilMatrix& in, SoilMatrix& out, long double factor);

// The surface modulus E' of a cross-anisotropic half-space from SupportFlags items 8..12 (Ev,
// Eh, Gv, NUh, NUv), the exact one of a transversely isotropic medium; E / (1 - nu^2) for
// isotropic input. False (E' := 0) when the constants describe no admissible medium (the square
// roots are not real or a modulus is not positive).
bool CrossAnisotropicModulus(const std::vector<std::string>& flags, long double& modulus);
extern const char* const kHalfSpaceDataMessage;

// Reactions of the half-space soil stiffness S (n x n) to the translations u(2j-1):
// pressures(i) = R_i / (A_{i-1} + A_i) with A_e = L_e w_e / 2 (w_e = b_e for a beam, 1.0 for a
// strip), the total reaction at pressures(n + 1), and the soil end forces (p_e A_e, p_{e+1} A_e).
void HalfSpaceReactions(const Vector& u, const SoilMatrix& s, int n, const Vector& length, const Vector& width,
                        bool strip, Vector& pressures, SoilEndForces& forces);

// ---------------------------------------------------------------------------------------------
// Terms of the elastic-plastic iterations

// Consistent end terms of a stepwise load on element e of length L: intensity pi [kN/m] on the
// half next to node i, pj on the half next to node j (downward positive), in the sense of
// TrapezoidalLoadTerms: added to the element's fixed-end row (columns 1..4) and subtracted from
// the load vector at freedoms 2e-1, 2e, 2e+1, 2e+2. pi = pj = p gives the terms of a uniform p.
void YieldForceTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load);

// Copies rows 1..rows, columns 1..columns of `from` into `to` (which is at least that large).
void CopySoilMatrix(const SoilMatrix& from, SoilMatrix& to, int rows, int columns);

// Borders the yielded nodes of a half-space soil matrix: s is (n + Y) x (n + Y) with the n x n
// soil stiffness in its top left corner and zeros elsewhere; for each node i with status 1,
// taken in node order k = 1..Y, row i is exchanged with row n + k and then column i with column
// n + k. The node's own soil row and column become zero (its translation is no longer tied to
// the soil) and position n + k (the soil surface under the node) takes over its couplings.
void BorderYieldedNodes(SoilMatrix& s, const std::vector<int>& status, int n);

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

// Winkler soil end forces of every element after the yield iteration. halfStatus(2e-1) and
// halfStatus(2e): 1 when the half of element e next to node i (next to node j) has yielded;
// the forces come from the element's elastic halves alone (from its translations u(2e-1) and
// u(2e+1)); total := their sum plus L p w / 2 for every yielded half, p the (signed yield)
// pressure of its end, pressures(2e-1) or pressures(2e). width: w_e (1.0 for a strip).
void ElementResults(const Vector& u, const std::vector<int>& halfStatus, SoilEndForces& forces, int elements,
                    const Vector& length, const Vector& width, const Table2D<double>& moduli, const Vector& pressures,
                    double& total);

}  // namespace trabix
