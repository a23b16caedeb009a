#pragma once
// The retaining wall as one linear system, per metre run: the base plate and the wall stem are
// plate strips of unit width in plane strain.
//
// Unknowns (numbered from 1): base-plate node i = 1..N (from the toe) has 3i-2 its horizontal
// translation (positive toward the toe), 3i-1 its vertical translation (down) and 3i its rotation
// (clockwise, = +dw/dx); wall-stem node j = 2..M (from its bottom) has 3N+2j-3 its horizontal
// translation (toward the toe) and 3N+2j-2 its rotation (clockwise, = -du/ds). Stem node 1 is
// rigidly joined to base-plate node m and shares its unknowns 3m-2 and 3m. The stem has no axial
// unknown: its vertical loads go down to 3m-1.
#include <vector>

#include "core/beamkernel.h"

namespace murelo {

using beamkernel::ElementMatrix;
using beamkernel::SoilMatrix;
using beamkernel::Vector;

// A dense square matrix of doubles numbered from 1 (the half-space couples every base-plate node
// with every other, so the system has no useful band).
class DenseMatrix {
 public:
  void Resize(int n) {
    n_ = n;
    a_.assign(static_cast<size_t>(n + 1) * (n + 1), 0.0);
  }
  double& operator()(int r, int c) { return a_[static_cast<size_t>(r) * (n_ + 1) + c]; }
  double operator()(int r, int c) const { return a_[static_cast<size_t>(r) * (n_ + 1) + c]; }
  int Size() const { return n_; }

 private:
  int n_ = 0;
  std::vector<double> a_;
};

// The base-plate node under the stem's axis: the node whose distance from the toe (the sum of
// the element widths 1..m-1 of table column 1) is the toe length within 0.001 m. A toe length
// within 0.001 m of the plate width gives N, one of at most 0.001 m gives node 1. found := false
// when no node lies there (the stem would stand inside an element).
int FindStemNode(const Table2D<double>& plate, int elements, double width, double toe, bool& found);

// Bending matrix of a stem element (translation toward the toe and clockwise rotation at i and
// at j): D = E t^3 / (12 (1 - nu^2)), k1 = 12D/L^3, k2 = 6D/L^2, k3 = 4D/L; K12 = -k2 (the beam
// kernel's matrix with the rotation sign -1).
void PlateStripElement(ElementMatrix& k, double length, double thickness, double modulus, double poisson);

// Consistent terms of a load varying linearly from qi to qj along an element of length L, at
// (translation i, rotation i, translation j, rotation j): base plate (q down, rotation +dw/dx)
// L(7qi+3qj)/20, L^2(qi/20+qj/30), L(3qi+7qj)/20, -L^2(qi/30+qj/20); the stem (q toward the toe,
// rotation -du/ds) the same with both moments negated.
void PlateLoadTerms(double length, double qi, double qj, double f[5]);
void StemLoadTerms(double length, double qi, double qj, double f[5]);
// A clockwise couple per metre of height varying from mi to mj along a stem element, at
// (u, rotation, u, rotation): ((mi+mj)/2, L(mi-mj)/12, -(mi+mj)/2, L(mj-mi)/12).
void StemCoupleTerms(double length, double mi, double mj, double f[5]);

// Dimensionless flexibility F (2N x 2N, extended precision) of the base-plate nodes on an
// isotropic elastic half-space: row and column 2i-1 the horizontal (toward the toe), 2i the
// vertical force or displacement of node i. x(1..N) the node distances from the toe, b(1..N-1)
// the half lengths of the loaded strips across the plate. The surface displacements are
// F (1 - nu^2) / (pi E) times the nodal forces per metre.
void HalfSpaceFlexibilityCoefficients(SoilMatrix& f, int nodes, const Vector& x, const Vector& b, double poisson);

// Holds unknown r at 0: row and column r cleared, diagonal 1, its load 0.
void ImposeFreedom(DenseMatrix& k, Vector& load, int r);
// The vertical translation 3i-1 of each listed base-plate node i; numbers outside 1..N are no
// nodes and are skipped.
void ApplyUnyieldingSupports(DenseMatrix& k, Vector& load, const std::vector<int>& nodes, int plateNodes);

// Solves K x = F by Gauss elimination with partial pivoting (the largest magnitude of the column
// among the remaining rows, the first on ties); K and F are destroyed, x := the solution. False,
// x untouched, when a pivot is below 1.0E-30 or at most 1.0E-12 of the largest magnitude of its
// column in the matrix as given: the system is a mechanism, or so near one that rounding holds it.
bool SolveDense(DenseMatrix& k, Vector& f, Vector& x);

}  // namespace murelo
