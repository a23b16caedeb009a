#pragma once
// The suite's beam kernel: the bending matrix of an element, the consistent end terms of element
// loads, nodal springs and supports, the Winkler soil matrices and reactions, the soil-matrix
// helpers of the elastic-plastic iterations, and the Gauss elimination of a symmetric band
// matrix. Beams, strips, piles and walls are all analysed on it.
//
// Freedoms: node i has its translation 2i-1 and its rotation 2i. The rotation sign s ties the
// rotation to the slope of the translation: s = +1 when rotation = +du/dx, s = -1 when it is
// -du/dx (a pile with x down, u to the right and clockwise rotations). s multiplies the
// translation-rotation couplings of the element matrix and every moment end term, nothing else.
// Vectors and matrices are numbered from 1 (element 0 unused).
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/globals.h"

namespace beamkernel {

using Vector = std::vector<double>;

// A symmetric matrix stored as rows of its half band: A(r, 1) the diagonal, A(r, c) the
// coefficient coupling equation r with equation r + c - 1.
class BandMatrix {
 public:
  BandMatrix() = default;
  BandMatrix(int rows, int width) { Resize(rows, width); }
  void Resize(int rows, int width) {
    rows_ = rows;
    width_ = width;
    a_.assign(static_cast<size_t>(rows + 1) * (width + 1), 0.0);
  }
  double& operator()(int r, int c) { return a_[static_cast<size_t>(r) * (width_ + 1) + c]; }
  double operator()(int r, int c) const { return a_[static_cast<size_t>(r) * (width_ + 1) + c]; }
  int Rows() const { return rows_; }
  int Width() const { return width_; }

 private:
  int rows_ = 0, width_ = 0;
  std::vector<double> a_;
};

// A square or rectangular matrix of extended precision, numbered from 1 (soil matrices).
class SoilMatrix {
 public:
  SoilMatrix() = default;
  SoilMatrix(int rows, int columns) { Resize(rows, columns); }
  SoilMatrix(const SoilMatrix& other) { *this = other; }
  SoilMatrix(SoilMatrix&& other) noexcept { *this = std::move(other); }
  SoilMatrix& operator=(const SoilMatrix& other) {
    if (this != &other && !other.a_) {
      *this = SoilMatrix();  // never sized
    } else if (this != &other) {
      Shape(other.rows_, other.columns_);
      std::copy(other.a_.get(), other.a_.get() + other.Size(), a_.get());
    }
    return *this;
  }
  SoilMatrix& operator=(SoilMatrix&& other) noexcept {
    if (this != &other) {
      a_ = std::move(other.a_);
      rows_ = std::exchange(other.rows_, 0);
      columns_ = std::exchange(other.columns_, 0);
      capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
  }
  // Sizes the matrix, all zero.
  void Resize(int rows, int columns) {
    Shape(rows, columns);
    std::fill(a_.get(), a_.get() + Size(), 0.0L);
  }
  // Sizes the matrix for a caller that writes every entry of rows and columns 1.. itself: a
  // half-space matrix is large, and clearing it first would be a pass over it for nothing.
  void ResizeForOverwrite(int rows, int columns) {
    Shape(rows, columns);
    std::fill(a_.get(), a_.get() + columns_ + 1, 0.0L);  // row 0 and column 0 are never written
    for (int r = 1; r <= rows_; ++r) (*this)(r, 0) = 0.0L;
  }
  long double& operator()(int r, int c) { return a_[static_cast<size_t>(r) * (columns_ + 1) + c]; }
  long double operator()(int r, int c) const { return a_[static_cast<size_t>(r) * (columns_ + 1) + c]; }
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

 private:
  size_t Size() const { return static_cast<size_t>(rows_ + 1) * (columns_ + 1); }
  void Shape(int rows, int columns) {
    rows_ = rows;
    columns_ = columns;
    if (Size() > capacity_ || !a_) {
      a_.reset(new long double[Size()]);
      capacity_ = Size();
    }
  }
  int rows_ = 0, columns_ = 0;
  size_t capacity_ = 0;
  std::unique_ptr<long double[]> a_;
};

// The element's fixed-end terms: per element shear i, moment i, shear j, moment j and, for a
// strip, the length-direction moments at i and j (columns 1..6).
class EndForceTable {
 public:
  void Resize(int elements) { f_.assign(static_cast<size_t>(elements + 1) * 7, 0.0); }
  double& operator()(int e, int c) { return f_[static_cast<size_t>(e) * 7 + c]; }
  double operator()(int e, int c) const { return f_[static_cast<size_t>(e) * 7 + c]; }
  int Elements() const { return f_.empty() ? 0 : static_cast<int>(f_.size() / 7) - 1; }

 private:
  std::vector<double> f_;
};

using ElementMatrix = double[5][5];  // rows and columns 1..4: translation i, rotation i, translation j, rotation j

// The bending matrix of an element of length L, second moment I and modulus E; sign s.
void ElementStiffness(ElementMatrix& k, double length, double inertia, double modulus, int s);
// f = K u for the element's four end displacements (indices 1..4).
void ElementEndForces(const ElementMatrix& k, const double u[5], double f[5]);
// Adds an element matrix at the freedoms 2e-1 .. 2e+2 of element e (upper band).
void AddElementMatrix(BandMatrix& a, int e, const ElementMatrix& k);

// Consistent end terms of a trapezoidal load of intensities pi, pj [kN/m] (in the direction of
// the translations) on element e of length L: added to the element's fixed-end row (columns
// 1..4) and subtracted from the load vector at freedoms 2e-1, 2e, 2e+1, 2e+2. Sign s.
void TrapezoidalLoadTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load, int s);

// Consistent end terms of a stepwise load on element e of length L: intensity pi [kN/m] on the
// half next to node i, pj on the half next to node j, in the sense of TrapezoidalLoadTerms.
// pi = pj = p gives the terms of a uniform p. Sign s.
void YieldForceTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load, int s);

// Adds the spring constants of each node (row i of the table: column 1 vertical, column 2
// rotational; nodes 1..n) to the diagonal; count := the constants greater than 1.0 (the
// effective springs).
void AddNodalSprings(BandMatrix& a, int& count, const Table2D<double>& springs, int n);
// Imposes zero displacement at the listed freedoms: unit diagonal, row and column cleared.
void ImposeSupports(BandMatrix& a, const std::vector<int>& freedoms, int m);
// The same for the translations 2k-1 of the listed nodes k.
void ImposeNodeSupports(BandMatrix& a, const std::vector<int>& nodes, int m);
// Winkler soil matrix (per node its own term, column 1, and its coupling with the next node,
// column 2) at the translations.
void AddSoilMatrixFull(BandMatrix& a, int n, const SoilMatrix& s);
// Full soil matrix of n contact nodes that follow `first` nodes without soil (a pile's free
// length; a beam has none), and of `extra` bordered unknowns after all 2 (first + n) freedoms, at
// the translations: soil index k <= n stands for freedom 2 (first + k) - 1, index n + k for
// freedom 2 (first + n) + k.
void AddSoilMatrix(BandMatrix& a, int n, const SoilMatrix& s, int extra, int first = 0);

// The pass limit of a half-space yield iteration over m contact nodes: m; above 20 m / 2, above
// 80 m / 4, rounded to the nearest whole number (halves to even).
int YieldPassLimit(int nodes);

// The outcome of a solution.
enum class SolveStatus {
  kSolved,
  kSingular,   // a pivot failed SingularPivot
  kNotFinite,  // the solution holds an infinite or undefined value
};

// Gauss elimination of the band matrix: mode 1 triangularises A, mode 2 reduces and
// back-substitutes b with an already triangularised A, mode 3 does both. A pivot below 1.0E-30
// in magnitude, or one that elimination has cancelled to 1.0E-12 of its equation's own
// diagonal or less (a mechanism that rounding hides), stops at once with `message` :=
// "MATRIX IS SINGULAR"; A is then partly reduced and b untouched. Otherwise `message` is left as
// the caller passed it. Returns kSingular or kSolved (mode 2 always kSolved).
SolveStatus BandSolve(BandMatrix& a, int neq, Vector& b, std::string& message, int m, int mode);

extern const char* const kSingularMessage;  // "MATRIX IS SINGULAR"

// The pivot rule of BandSolve, for every elimination of the suite's symmetric systems: a pivot
// below 1.0E-30 in magnitude, or one that elimination has cancelled to 1.0E-12 of its
// equation's own diagonal (its magnitude before elimination) or less, marks a singular system.
bool SingularPivot(double pivot, double ownDiagonal);

// LDL' factors of the dense symmetric matrix A (row-major n x n from index 0, both triangles
// alike), in double, in its lower triangle. False when a pivot fails SingularPivot against its
// own equation's diagonal (A is then partly reduced). A that is what is left of a larger system
// after other unknowns were eliminated passes its equations' diagonals in that system as
// ownDiagonal, so that a cancellation in the elimination before counts too.
bool FactorSymmetricDense(std::vector<double>& a, int n, const std::vector<double>& ownDiagonal = std::vector<double>());
// The sum of x[k] y[k] for k in [from, to), as the eliminations here form it (four partial sums).
double InnerProduct(const double* x, const double* y, int from, int to);
// b := A^-1 b (from index 0) with the factors of FactorSymmetricDense.
void SolveFactoredSymmetric(const std::vector<double>& a, int n, std::vector<double>& b);

// Solves A x = b (b := x) for a structure on an elastic half-space: the rotations 2k (k = 1..nodes)
// couple among themselves only with their neighbours, while the translations 2k-1 and the unknowns
// past 2 x nodes (bordered soil surfaces) couple fully through the soil. The rotations are
// eliminated first in their own narrow band, leaving one dense symmetric system of the rest:
// m^3/6 operations for m fully coupled unknowns, against (2m)^3/6 for the band of 2m. The pivot
// test and `message` as BandSolve (each pivot against its own equation's diagonal); b untouched then.
SolveStatus CondensedSolve(const BandMatrix& a, int neq, int nodes, Vector& b, std::string& message);

// The system of a structure on an elastic half-space in compact form, for CondensedSolve: every
// coupling that involves a rotation in a narrow band, and the translations 2k-1 (k = 1..nodes)
// with the unknowns past 2 x nodes (the coupled unknowns, numbered 0..Coupled()-1 in that
// order) in a dense block. A band of half width 2 x nodes would hold mostly zeros: this holds
// what couples, in a quarter of the memory, and keeps its storage from one solution to the next.
class CoupledSystem {
 public:
  // Sizes the system for `nodes` nodes and `extra` unknowns past 2 x nodes; the band (half
  // width `width`, 4 for beam elements) all zero, the dense block left for the caller to fill
  // whole (it is as large as the soil matrix: clearing it first would be a pass for nothing).
  void Reset(int nodes, int extra, int width = 4);
  int Nodes() const { return nodes_; }
  int Equations() const { return 2 * nodes_ + extra_; }
  int Coupled() const { return nodes_ + extra_; }
  // The freedom of coupled unknown i: 2i+1 for a translation, nodes + i + 1 past them.
  int Freedom(int i) const { return i < nodes_ ? 2 * i + 1 : nodes_ + i + 1; }
  // The band (as BandMatrix, rows 1..2 x nodes): its entries between two coupled unknowns are
  // not read; those are in Dense.
  BandMatrix& Band() { return band_; }
  const BandMatrix& Band() const { return band_; }
  // Coupled unknowns i and j (both triangles kept alike).
  double& Dense(int i, int j) { return dense_[static_cast<size_t>(i) * Coupled() + j]; }
  double Dense(int i, int j) const { return dense_[static_cast<size_t>(i) * Coupled() + j]; }
  double* DenseRow(int i) { return dense_.get() + static_cast<size_t>(i) * Coupled(); }
  // Zero displacement at freedom r: unit diagonal, its couplings cleared.
  void Impose(int r);

 private:
  friend class CondensedFactors;
  int nodes_ = 0, extra_ = 0;
  BandMatrix band_;
  std::unique_ptr<double[]> dense_;  // not cleared: see Reset
  size_t denseCapacity_ = 0;
  std::vector<double> diagonal_;
  // The factors' storage, kept for the next solution.
  std::vector<double> x_;
  std::vector<std::vector<std::pair<int, double>>> qp_;
  BandMatrix pp_;
};

// CondensedSolve on the compact system. Its dense block's lower triangle is overwritten by the
// elimination (solve it once); the rest is as the band form.
SolveStatus CondensedSolve(CoupledSystem& a, Vector& b, std::string& message);

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

// Winkler soil end forces of every element after the yield iteration. halfStatus(2e-1) and
// halfStatus(2e): 1 when the half of element e next to node i (next to node j) has yielded;
// the forces come from the element's elastic halves alone (from its translations u(2e-1) and
// u(2e+1)); total := their sum plus L p w / 2 for every yielded half, p the (signed yield)
// pressure of its end, pressures(2e-1) or pressures(2e). width: w_e (1.0 for a strip).
void ElementResults(const Vector& u, const std::vector<int>& halfStatus, SoilEndForces& forces, int elements,
                    const Vector& length, const Vector& width, const Table2D<double>& moduli, const Vector& pressures,
                    double& total);

// Inverts a symmetric positive definite matrix (a half-space flexibility; LDL' elimination in
// extended precision) and scales the inverse: out = factor x in^-1. False when a pivot fails
// SingularPivot against its own diagonal: the matrix is singular.
bool InvertSoilMatrix(const SoilMatrix& in, SoilMatrix& out, long double factor);

// Copies rows 1..rows, columns 1..columns of `from` into `to` (which is at least that large).
void CopySoilMatrix(const SoilMatrix& from, SoilMatrix& to, int rows, int columns);

// Borders the yielded nodes of a half-space soil matrix: s is (n + Y) x (n + Y) with the n x n
// soil stiffness in its top left corner and zeros elsewhere; for each node i with status 1,
// taken in node order k = 1..Y, row i is exchanged with row n + k and then column i with column
// n + k. The node's own soil row and column become zero (its translation is no longer tied to
// the soil) and position n + k (the soil surface under the node) takes over its couplings.
void BorderYieldedNodes(SoilMatrix& s, const std::vector<int>& status, int n);

}  // namespace beamkernel
