#pragma once
// The axisymmetric shell of revolution: conical frustum elements of a thin (Kirchhoff-Love)
// shell along a meridian of any direction (a plate is the horizontal case, a wall the vertical
// one), and the symmetric profile matrix that holds and solves the structure's equations.
//
// Per node three freedoms: U radial (outward), V vertical (downward), Theta clockwise in a
// radial section seen with r to the right and z up. Along an element the meridional
// displacement is linear and the normal displacement a cubic (Hermite) curve; the normal points
// to the right of the meridian walked from node i to node j (a plate's bottom, the positive
// face). Integrals run over the meridian with the factor r (4-point Gauss); the factor 2 pi of
// the whole circle is dropped, so a ring quantity enters as its value times r.
#include <array>
#include <string>
#include <vector>

namespace corvane {

using ShellVector = std::vector<double>;

// The six freedoms of an element: U, V, Theta at node i, then at node j.
using ElementVector = std::array<double, 6>;
using ElementMatrix6 = double[6][6];
struct ElementMatrix6Holder {
  ElementMatrix6 k;
};

struct ShellElement {
  double ri = 0, zi = 0, rj = 0, zj = 0;  // node coordinates [m]
  double thickness = 0;                   // [m]
  double modulus = 0, poisson = 0;        // E [kPa], nu
  double soilI = 0, soilJ = 0;            // Winkler modulus on the normal at node i and j [kPa/m]
  // Without meridional strain (a wall whose vertical movement is its first node's) the membrane
  // carries only its hoop force E t U / r; else both with Poisson's coupling, E t / (1 - nu^2).
  bool meridionalStrain = true;
};

double MeridianLength(const ShellElement& e);
double BendingRigidity(const ShellElement& e);  // D = E t^3 / (12 (1 - nu^2))

// Stiffness of the shell (membrane and bending) and of its Winkler soil, in the node freedoms.
void ShellStiffness(const ShellElement& e, ElementMatrix6& k);
void ShellSoilStiffness(const ShellElement& e, ElementMatrix6& k);
// Consistent node loads of pressures varying linearly along the element: normal pressure
// (positive along the normal: downward on a plate) and meridional traction (positive from node
// i to node j) [kPa].
// Only over the part from..to of the element (0 node i, 1 node j) the intensities are given at
// from and at to (a load that ends inside the element).
void ShellLoadTerms(const ShellElement& e, double normalI, double normalJ, double meridionalI, double meridionalJ,
                    ElementVector& f, double from = 0, double to = 1);
// Node forces of free strains varying linearly along the element: the mean strain of both
// directions (shrinkage negative) and the curvature (the strain's change per metre towards the
// positive face), at node i and j. They enter the loads; the element's end forces are
// K u - loads - these.
void ShellStrainTerms(const ShellElement& e, double strainI, double strainJ, double curvatureI, double curvatureJ,
                      ElementVector& f);
// The free strain of a section from its faces' temperature changes [Celsius] and shrinkage
// (negative) or swelling strains, "negative" and "positive" the faces on either side of the
// normal: the mean alpha (T- + T+) / 2 + (e- + e+) / 2 and the curvature
// alpha (T+ - T-) / t + (e+ - e-) / t (warmer below, a plate sags).
struct FreeStrain {
  double strain = 0, curvature = 0;
};
FreeStrain FaceStrains(double alpha, double temperatureNegative, double temperaturePositive, double strainNegative,
                       double strainPositive, double thickness);
// The curvature along the meridian, -d2w/ds2, at node i of the element from its displacements.
double MeridionalCurvatureAtI(const ShellElement& e, const ElementVector& u);

// A symmetric matrix kept as its profile: column j from its first non-zero row down to the
// diagonal. Rows and columns are numbered from 1.
class ProfileMatrix {
 public:
  // firstRow[j] (j = 1..n) is the first row that column j may hold (at most j).
  void Shape(const std::vector<int>& firstRow);
  int Size() const { return n_; }
  // Element (i, j) of the upper triangle, first row of column j <= i <= j.
  double& At(int i, int j) { return a_[start_[j] + (i - first_[j])]; }
  double At(int i, int j) const { return a_[start_[j] + (i - first_[j])]; }
  // Adds an element matrix: equations[k] the equation of local freedom k (0: a freedom held
  // at zero, which has no equation).
  void AddElement(const int equations[6], const ElementMatrix6& k);
  // Factorises the matrix as L D L^T in place; false at the first pivot that BandSolve's rule
  // finds singular (beamkernel::SingularPivot: a singular system, or a mechanism that rounding
  // hides).
  bool Factorise();
  // Solves with the factorised matrix; b holds the loads and receives the displacements.
  void Solve(ShellVector& b) const;
  // r := b - A x, summed in extended precision (A not yet factorised).
  void Residual(const ShellVector& b, const ShellVector& x, ShellVector& r) const;

 private:
  int n_ = 0;
  std::vector<int> first_;
  std::vector<size_t> start_;
  std::vector<double> a_;
};

}  // namespace corvane
