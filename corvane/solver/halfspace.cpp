#include "corvane/solver/halfspace.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/beamkernel.h"

namespace corvane {

namespace {

const double kPi = 4 * std::atan(1.0);

// Complete elliptic integrals K(k) and E(k) of the modulus k (0 <= k < 1) together, by the
// arithmetic-geometric mean: both come from one sequence that converges quadratically.
void EllipticPair(double k, double& kk, double& ek) {
  double a = 1, b = std::sqrt((1 - k) * (1 + k)), c = k, sum = k * k / 2, power = 0.5;
  for (int step = 0; step < 40 && std::fabs(c) > 1.0E-17 * a; ++step) {
    const double next = (a + b) / 2;
    c = (a - b) / 2;
    b = std::sqrt(a * b);
    a = next;
    power *= 2;
    sum += power * c * c;
  }
  kk = kPi / (2 * a);
  ek = kk * (1 - sum);
}

// Inverts a general square matrix (row-major, n x n) by LU factorisation with row pivoting: the
// flexibility of annuli of different areas is not symmetric. False when a pivot is 1.0E-15 of
// the largest entry or less.
bool Invert(std::vector<double>& a, int n) {
  double largest = 0;
  for (double v : a) largest = std::fmax(largest, std::fabs(v));
  std::vector<int> perm(n);
  // A few columns at a time: the panel is eliminated with its row exchanges, then its rows of U
  // beyond it, and only then the rows below, each read once for the whole panel.
  const int kPanel = 8;
  for (int c0 = 0; c0 < n; c0 += kPanel) {
    const int c1 = std::min(n, c0 + kPanel);
    for (int c = c0; c < c1; ++c) {
      int p = c;
      for (int r = c + 1; r < n; ++r)
        if (std::fabs(a[r * n + c]) > std::fabs(a[p * n + c])) p = r;
      if (!(std::fabs(a[p * n + c]) > 1.0E-15 * largest)) return false;
      perm[c] = p;
      if (p != c)
        for (int k = 0; k < n; ++k) std::swap(a[p * n + k], a[c * n + k]);
      const double* pivotRow = &a[c * n];
      const double d = 1 / pivotRow[c];
      for (int r = c + 1; r < n; ++r) {
        double* row = &a[r * n];
        const double f = row[c] *= d;
        if (f == 0) continue;
        for (int k = c + 1; k < c1; ++k) row[k] -= f * pivotRow[k];
      }
    }
    for (int r = c0 + 1; r < n; ++r) {
      double* row = &a[r * n];
      for (int t = c0; t < std::min(r, c1); ++t) {
        const double f = row[t];
        if (f == 0) continue;
        const double* u = &a[t * n];
        for (int k = c1; k < n; ++k) row[k] -= f * u[k];
      }
    }
  }
  // inv(U) in place of U, row by row from the bottom: row i is -(1 / u_ii) times the sum of
  // u_ik times the rows k > i already inverted (whole rows at a time, in the order they are
  // stored); then inv(A) = inv(U) inv(L) P, column by column from the right.
  std::vector<double> column(n);
  for (int i = n - 1; i >= 0; --i) {
    double* row = &a[i * n];
    const double d = 1 / row[i];
    std::fill(column.begin() + i, column.end(), 0.0);
    for (int k = i + 1; k < n; ++k) {
      const double f = row[k];
      if (f == 0) continue;
      const double* inverse = &a[k * n];
      for (int j = k; j < n; ++j) column[j] -= f * inverse[j];
    }
    row[i] = d;
    for (int j = i + 1; j < n; ++j) row[j] = column[j] * d;
  }
  // L's multipliers aside, column j of L as row j of `lower`; each row of inv(A) then depends
  // on its own row of inv(U) alone, and a few rows at a time share each column of L read.
  std::vector<double> lower(static_cast<size_t>(n) * n, 0.0);
  for (int i = 1; i < n; ++i)
    for (int j = 0; j < i; ++j) {
      lower[static_cast<size_t>(j) * n + i] = a[i * n + j];
      a[i * n + j] = 0;
    }
  const int kRows = 8;
  for (int i0 = 0; i0 < n; i0 += kRows) {
    const int i1 = std::min(n, i0 + kRows);
    for (int j = n - 2; j >= 0; --j) {
      const double* l = &lower[static_cast<size_t>(j) * n];
      for (int i = i0; i < i1; ++i) {
        double* row = &a[i * n];
        row[j] -= beamkernel::InnerProduct(row, l, j + 1, n);
      }
    }
  }
  for (int c = n - 1; c >= 0; --c)
    if (perm[c] != c)
      for (int i = 0; i < n; ++i) std::swap(a[i * n + c], a[i * n + perm[c]]);
  return true;
}

}  // namespace

double DiskSettlement(double c, double r) {
  if (!(c > 0)) return 0;
  if (std::fabs(r - c) <= 1.0E-12 * c) return 4 * c / kPi;
  double kk, ek;
  if (r < c) {
    EllipticPair(r / c, kk, ek);
    return 4 * c / kPi * ek;
  }
  const double k = c / r;
  EllipticPair(k, kk, ek);
  return 4 * r / kPi * (ek - (1 - k * k) * kk);
}

void ContactAnnuli(const std::vector<double>& radius, int n, std::vector<double>& inner, std::vector<double>& outer) {
  inner.assign(n + 1, 0.0);
  outer.assign(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) {
    inner[i] = i == 1 ? radius[1] : (radius[i - 1] + radius[i]) / 2;
    outer[i] = i == n ? radius[n] : (radius[i] + radius[i + 1]) / 2;
  }
}

bool HalfSpaceStiffness(const std::vector<double>& radius, int n, double modulus, std::vector<std::vector<double>>& s) {
  std::vector<double> a, b;
  ContactAnnuli(radius, n, a, b);
  // The edges of the annuli: the outer edge of one is the inner edge of the next, so each disk
  // settlement is computed once per node.
  std::vector<double> edge;
  std::vector<int> innerEdge(n + 1), outerEdge(n + 1);
  for (int i = 1; i <= n; ++i) {
    if (edge.empty() || edge.back() != a[i]) edge.push_back(a[i]);
    innerEdge[i] = static_cast<int>(edge.size()) - 1;
    edge.push_back(b[i]);
    outerEdge[i] = static_cast<int>(edge.size()) - 1;
  }
  const int edges = static_cast<int>(edge.size());
  // F(j, i): settlement at node j of a unit pressure on annulus i.
  std::vector<double> f(static_cast<size_t>(n) * n), disk(edges);
  for (int j = 1; j <= n; ++j) {
    for (int e = 0; e < edges; ++e) disk[e] = DiskSettlement(edge[e], radius[j]);
    for (int i = 1; i <= n; ++i) f[(j - 1) * n + i - 1] = (disk[outerEdge[i]] - disk[innerEdge[i]]) / modulus;
  }
  if (!Invert(f, n)) return false;
  // Forces of the annuli per radian: their areas / (2 pi) times the pressures F^-1 w.
  s.assign(n, std::vector<double>(n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) s[i][j] = (b[i + 1] * b[i + 1] - a[i + 1] * a[i + 1]) / 2 * f[i * n + j];
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < i; ++j) s[i][j] = s[j][i] = (s[i][j] + s[j][i]) / 2;
  for (const auto& row : s)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace corvane
