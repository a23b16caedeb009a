#include "core/beamkernel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace beamkernel {

const char* const kSingularMessage = "MATRIX IS SINGULAR";

void ElementStiffness(ElementMatrix& k, double length, double inertia, double modulus, int s) {
  double ei = modulus * inertia;
  double l2 = length * length, l3 = l2 * length;
  for (int r = 0; r <= 4; ++r)
    for (int c = 0; c <= 4; ++c) k[r][c] = 0.0;
  k[1][1] = k[3][3] = 12 * ei / l3;
  k[1][3] = -12 * ei / l3;
  k[1][2] = k[1][4] = s * 6 * ei / l2;
  k[2][3] = k[3][4] = -s * 6 * ei / l2;
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

void AddElementMatrix(BandMatrix& a, int e, const ElementMatrix& k) {
  for (int r = 1; r <= 4; ++r)
    for (int c = r; c <= 4; ++c) a(2 * e - 2 + r, c - r + 1) += k[r][c];
}

void TrapezoidalLoadTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load, int s) {
  double l2 = length * length;
  double t[5] = {0.0, -(7 * pi + 3 * pj) * length / 20, -s * (pi / 20 + pj / 30) * l2, -(3 * pi + 7 * pj) * length / 20,
                 s * (pi / 30 + pj / 20) * l2};
  for (int c = 1; c <= 4; ++c) {
    fixedEnd(e, c) += t[c];
    load[2 * e - 2 + c] -= t[c];
  }
}

void YieldForceTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load, int s) {
  double l2 = length * length;
  double t[5] = {0.0, -(13 * pi + 3 * pj) * length / 32, -s * (11 * pi + 5 * pj) * l2 / 192, -(3 * pi + 13 * pj) * length / 32,
                 s * (5 * pi + 11 * pj) * l2 / 192};
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

bool SingularPivot(double pivot, double ownDiagonal) {
  return !(std::fabs(pivot) >= 1.0E-30) || std::fabs(pivot) <= 1.0E-12 * std::fabs(ownDiagonal);
}

void BandSolve(BandMatrix& a, int neq, Vector& b, std::string& message, int m, int mode) {
  if (mode == 1 || mode == 3) {
    // The own diagonals before elimination: a pivot that elimination cancels to a tiny part of
    // its equation's diagonal marks a mechanism (or a near one) that rounding alone holds.
    std::vector<double> diagonal(neq + 1);
    for (int i = 1; i <= neq; ++i) diagonal[i] = std::fabs(a(i, 1));
    for (int i = 1; i <= neq; ++i) {
      double pivot = a(i, 1);
      if (SingularPivot(pivot, diagonal[i])) {
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

void WinklerSoilMatrix(int half, SoilMatrix& s, int e, double length, double w, double ki, double kj) {
  long double a = static_cast<long double>(length) * ki * w / 192, c = static_cast<long double>(length) * kj * w / 192;
  if (half == 1) {
    s(e, 1) += 45 * a + 11 * c;
    s(e, 2) += 11 * a + 5 * c;
    s(e + 1, 1) += 5 * a + 3 * c;
  } else {
    s(e, 1) += 3 * a + 5 * c;
    s(e, 2) += 5 * a + 11 * c;
    s(e + 1, 1) += 11 * a + 45 * c;
  }
}

void WinklerReactions(const Vector& u, int elements, const Vector& length, const Vector& width,
                      const Table2D<double>& moduli, SoilEndForces& forces, double& total) {
  forces.Resize(elements);
  long double sum = 0;
  for (int e = 1; e <= elements; ++e) {
    long double ri = static_cast<long double>(length[e]) * moduli.Get(e, 1) * width[e] / 12;
    long double rj = static_cast<long double>(length[e]) * moduli.Get(e, 2) * width[e] / 12;
    long double ui = u[2 * e - 1], uj = u[2 * e + 1];
    long double fi = (3 * ri + rj) * ui + (ri + rj) * uj;
    long double fj = (ri + rj) * ui + (ri + 3 * rj) * uj;
    forces.atI[e] = static_cast<double>(fi);
    forces.atJ[e] = static_cast<double>(fj);
    sum += fi + fj;
  }
  total = static_cast<double>(sum);
}

void ElementResults(const Vector& u, const std::vector<int>& halfStatus, SoilEndForces& forces, int elements,
                    const Vector& length, const Vector& width, const Table2D<double>& moduli, const Vector& pressures,
                    double& total) {
  forces.Resize(elements);
  long double sum = 0;
  for (int e = 1; e <= elements; ++e) {
    long double l = length[e], w = width[e];
    long double ui = u[2 * e - 1], uj = u[2 * e + 1];
    bool yieldI = halfStatus[2 * e - 1] == 1, yieldJ = halfStatus[2 * e] == 1;
    long double a = l * moduli.Get(e, 1) * w / 192, c = l * moduli.Get(e, 2) * w / 192;
    long double fi = 0, fj = 0;
    if (!yieldI && !yieldJ) {
      long double ri = l * moduli.Get(e, 1) * w / 12, rj = l * moduli.Get(e, 2) * w / 12;
      fi = (3 * ri + rj) * ui + (ri + rj) * uj;
      fj = (ri + rj) * ui + (ri + 3 * rj) * uj;
    } else if (yieldI && !yieldJ) {  // only the half next to node j is elastic
      fi = (3 * a + 5 * c) * ui + (5 * a + 11 * c) * uj;
      fj = (5 * a + 11 * c) * ui + (11 * a + 45 * c) * uj;
    } else if (!yieldI && yieldJ) {  // only the half next to node i is elastic
      fi = (45 * a + 11 * c) * ui + (11 * a + 5 * c) * uj;
      fj = (11 * a + 5 * c) * ui + (5 * a + 3 * c) * uj;
    }
    forces.atI[e] = static_cast<double>(fi);
    forces.atJ[e] = static_cast<double>(fj);
    sum += fi + fj;
    if (yieldI) sum += l * pressures[2 * e - 1] * w / 2;
    if (yieldJ) sum += l * pressures[2 * e] * w / 2;
  }
  total = static_cast<double>(sum);
}

bool InvertSoilMatrix(const SoilMatrix& in, SoilMatrix& out, long double factor) {
  int n = in.Rows();
  SoilMatrix a = in;
  out.Resize(n, n);
  for (int i = 1; i <= n; ++i) out(i, i) = 1;
  long double largest = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) largest = std::fmax(largest, std::fabs(a(i, j)));
  for (int c = 1; c <= n; ++c) {
    int p = c;
    for (int r = c + 1; r <= n; ++r)
      if (std::fabs(a(r, c)) > std::fabs(a(p, c))) p = r;
    if (!(std::fabs(a(p, c)) > 1.0E-15L * largest)) return false;
    if (p != c)
      for (int k = 1; k <= n; ++k) {
        std::swap(a(p, k), a(c, k));
        std::swap(out(p, k), out(c, k));
      }
    long double pivot = a(c, c);
    for (int k = 1; k <= n; ++k) {
      a(c, k) /= pivot;
      out(c, k) /= pivot;
    }
    for (int r = 1; r <= n; ++r) {
      if (r == c) continue;
      long double m = a(r, c);
      if (m == 0) continue;
      for (int k = 1; k <= n; ++k) {
        a(r, k) -= m * a(c, k);
        out(r, k) -= m * out(c, k);
      }
    }
  }
  // The inverse of a symmetric matrix is symmetric: keep it so exactly.
  for (int i = 1; i <= n; ++i)
    for (int j = i; j <= n; ++j) {
      long double v = factor * (out(i, j) + out(j, i)) / 2;
      out(i, j) = out(j, i) = v;
    }
  return true;
}

void CopySoilMatrix(const SoilMatrix& from, SoilMatrix& to, int rows, int columns) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= columns; ++c) to(r, c) = from(r, c);
}

void BorderYieldedNodes(SoilMatrix& s, const std::vector<int>& status, int n) {
  const int size = s.Rows();
  int k = 0;
  for (int i = 1; i <= n; ++i) {
    if (status[i] != 1) continue;
    int to = n + ++k;
    for (int c = 1; c <= size; ++c) std::swap(s(i, c), s(to, c));
    for (int r = 1; r <= size; ++r) std::swap(s(r, i), s(r, to));
  }
}

}  // namespace beamkernel
