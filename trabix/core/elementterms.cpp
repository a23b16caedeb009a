#include "trabix/core/elementterms.h"

#include <algorithm>
#include <cmath>

namespace trabix {

const char* const kSingularMessage = "MATRIX IS SINGULAR";

void ElementStiffness(ElementMatrix& k, double length, double inertia, double modulus) {
  double ei = modulus * inertia;
  double l2 = length * length, l3 = l2 * length;
  for (int r = 0; r <= 4; ++r)
    for (int c = 0; c <= 4; ++c) k[r][c] = 0.0;
  k[1][1] = k[3][3] = 12 * ei / l3;
  k[1][3] = -12 * ei / l3;
  k[1][2] = k[1][4] = 6 * ei / l2;
  k[2][3] = k[3][4] = -6 * ei / l2;
  k[2][2] = k[4][4] = 4 * ei / length;
  k[2][4] = 2 * ei / length;
  for (int r = 2; r <= 4; ++r)
    for (int c = 1; c < r; ++c) k[r][c] = k[c][r];
}

void ElementEndForces(const ElementMatrix& k, const double u[5], double f[5]) {
  for (int r = 1; r <= 4; ++r) {
    f[r] = 0.0;
    for (int c = 1; c <= 4; ++c) f[r] += k[r][c] * u[c];
  }
}

void TrapezoidalLoadTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load) {
  double l2 = length * length;
  double t[5] = {0.0, -(7 * pi + 3 * pj) * length / 20, -(pi / 20 + pj / 30) * l2, -(3 * pi + 7 * pj) * length / 20,
                 (pi / 30 + pj / 20) * l2};
  for (int c = 1; c <= 4; ++c) {
    fixedEnd(e, c) += t[c];
    load[2 * e - 2 + c] -= t[c];
  }
}

void AddNodalSprings(BandMatrix& a, int& count, const Table2D<double>& springs, int n) {
  count = 0;
  for (int i = 1; i <= n; ++i) {
    double kv = springs.Get(i, 1), kr = springs.Get(i, 2);
    a(2 * i - 1, 1) += kv;
    a(2 * i, 1) += kr;
    count += (kv > 1.0) + (kr > 1.0);
  }
}

namespace {

void ImposeFreedom(BandMatrix& a, int r, int m) {
  a(r, 1) = 1.0;
  for (int c = 2; c <= m; ++c) a(r, c) = 0.0;
  for (int k = 1; k <= std::min(r, m) - 1; ++k) a(r - k, k + 1) = 0.0;
}

}  // namespace

void ImposeSupports(BandMatrix& a, const std::vector<int>& freedoms, int m) {
  for (int r : freedoms)
    if (r >= 1 && r <= a.Rows()) ImposeFreedom(a, r, m);
}

void ImposeNodeSupports(BandMatrix& a, const std::vector<int>& nodes, int m) {
  for (int k : nodes)
    if (k >= 1 && 2 * k - 1 <= a.Rows()) ImposeFreedom(a, 2 * k - 1, m);
}

void AddSoilMatrixFull(BandMatrix& a, int n, const SoilMatrix& s) {
  for (int i = 1; i <= n; ++i) {
    a(2 * i - 1, 1) += static_cast<double>(s(i, 1));
    if (i < n) a(2 * i - 1, 3) += static_cast<double>(s(i, 2));
  }
}

void AddSoilMatrix(BandMatrix& a, int n, const SoilMatrix& s, int extra) {
  auto freedom = [n](int k) { return k <= n ? 2 * k - 1 : n + k; };
  int size = n + extra;
  for (int p = 1; p <= size; ++p)
    for (int q = p; q <= size; ++q) {
      int fp = freedom(p), fq = freedom(q);
      a(fp, fq - fp + 1) += static_cast<double>(s(p, q));
    }
}

void BandSolve(BandMatrix& a, int neq, Vector& b, std::string& message, int m, int mode) {
  if (mode == 1 || mode == 3) {
    // The own diagonals before elimination: a pivot that elimination cancels to a tiny part of
    // its equation's diagonal marks a mechanism (or a near one) that rounding alone holds.
    std::vector<double> diagonal(neq + 1);
    for (int i = 1; i <= neq; ++i) diagonal[i] = std::fabs(a(i, 1));
    for (int i = 1; i <= neq; ++i) {
      double pivot = a(i, 1);
      if (!(std::fabs(pivot) >= 1.0E-30) || std::fabs(pivot) <= 1.0E-12 * diagonal[i]) {
        message = kSingularMessage;
        return;
      }
      int mm = std::min(m, neq - i + 1);
      for (int j = 2; j <= mm; ++j) {
        double c = a(i, j) / pivot;
        if (c != 0.0) {
          int r = i + j - 1;
          for (int l = j; l <= mm; ++l) a(r, l - j + 1) -= a(i, l) * c;
        }
        a(i, j) = c;
      }
    }
  }
  if (mode == 2 || mode == 3) {
    for (int i = 1; i <= neq - 1; ++i) {
      int mm = std::min(m, neq - i + 1);
      double c = b[i];
      b[i] = c / a(i, 1);
      if (c != 0.0)
        for (int j = 2; j <= mm; ++j) b[i + j - 1] -= c * a(i, j);
    }
    b[neq] /= a(neq, 1);
    for (int i = neq - 1; i >= 1; --i) {
      int mm = std::min(m, neq - i + 1);
      for (int j = 2; j <= mm; ++j) b[i] -= b[i + j - 1] * a(i, j);
    }
  }
}

}  // namespace trabix
