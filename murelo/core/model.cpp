#include "murelo/core/model.h"

#include <cmath>
#include <utility>

namespace murelo {

int FindStemNode(const Table2D<double>& plate, int elements, double width, double toe, bool& found) {
  const double tolerance = 0.001;
  found = true;
  if (std::fabs(toe - width) < tolerance) return elements + 1;
  if (toe <= tolerance) return 1;
  double sum = 0;
  for (int i = 1; i <= elements; ++i) {
    sum += plate.Get(i, 1);
    if (std::fabs(sum - toe) <= tolerance) return i + 1;
  }
  found = false;
  return 0;
}

void PlateStripElement(ElementMatrix& k, double length, double thickness, double modulus, double poisson) {
  beamkernel::ElementStiffness(k, length, thickness * thickness * thickness / (12 - 12 * poisson * poisson), modulus,
                               -1);
}

namespace {

// The beam kernel's trapezoidal terms of one element, taken as they enter its load vector.
void LoadTerms(double length, double qi, double qj, double f[5], int sign) {
  beamkernel::EndForceTable fixedEnd;
  fixedEnd.Resize(1);
  Vector load(5, 0.0);
  beamkernel::TrapezoidalLoadTerms(1, length, qi, qj, fixedEnd, load, sign);
  f[0] = 0;
  for (int c = 1; c <= 4; ++c) f[c] = load[c];
}

}  // namespace

void PlateLoadTerms(double length, double qi, double qj, double f[5]) { LoadTerms(length, qi, qj, f, 1); }

void StemLoadTerms(double length, double qi, double qj, double f[5]) { LoadTerms(length, qi, qj, f, -1); }

void StemCoupleTerms(double length, double mi, double mj, double f[5]) {
  f[0] = 0;
  f[1] = (mi + mj) / 2;
  f[2] = length * (mi - mj) / 12;
  f[3] = -(mi + mj) / 2;
  f[4] = length * (mj - mi) / 12;
}

namespace {

long double Asinh(long double r) { return std::log(r + std::sqrt(r * r + 1)); }

long double G(long double p, long double q, long double b) {
  return p * std::atan(b / p) - q * std::atan(b / q) - b / 2 * std::log((p * p + b * b) / (q * q + b * b));
}

}  // namespace

void HalfSpaceFlexibilityCoefficients(SoilMatrix& f, int nodes, const Vector& x, const Vector& b, double poisson) {
  const int n = nodes;
  f.Resize(2 * n, 2 * n);
  const long double nu = poisson;
  const long double k = (1 - 2 * nu) / (1 - nu);
  for (int i = 1; i <= n; ++i) {
    long double aR = 0, bR = 0, aL = 0, bL = 0, s = 0, p = 0;
    // One side of the node: the loaded third of the element next to it, across the full width.
    auto side = [&](long double a, long double bb) {
      s += a * Asinh(bb / a) + bb * Asinh(a / bb);
      p += nu * bb * Asinh(a / bb) / (1 - nu);
    };
    if (i < n) {
      aR = (static_cast<long double>(x[i + 1]) - x[i]) / 3;
      bR = b[i];
      side(aR, bR);
    }
    if (i > 1) {
      aL = (static_cast<long double>(x[i]) - x[i - 1]) / 3;
      bL = b[i - 1];
      side(aL, bL);
    }
    f(2 * i, 2 * i) = 2 * s / (aL + aR);
    f(2 * i - 1, 2 * i - 1) = 2 * (s + p) / (aL + aR);
    // An end node's missing side is taken as 1/500 of its near side.
    long double c;
    if (n == 1)
      c = 0;
    else if (i == 1)
      c = k * G(aR / 500, aR, bR) / aR;
    else if (i == n)
      c = k * G(-aL, -aL / 500, bL) / aL;
    else
      c = k * G(-aL, aR, bR) / (aL + aR);
    f(2 * i - 1, 2 * i) = f(2 * i, 2 * i - 1) = c;
    for (int j = i + 1; j <= n; ++j) {
      long double d = static_cast<long double>(x[j]) - x[i];
      long double bj = b[j - 1];
      long double v = std::log((bj + std::sqrt(bj * bj + d * d)) / d);
      long double a = std::atan(static_cast<long double>(b[i]) / d);
      long double q = nu * bj / ((1 - nu) * std::sqrt(d * d + bj * bj));
      f(2 * i, 2 * j) = f(2 * j, 2 * i) = 2 * v;
      f(2 * i, 2 * j - 1) = f(2 * j - 1, 2 * i) = k * a;
      f(2 * i - 1, 2 * j) = f(2 * j, 2 * i - 1) = -k * a;
      f(2 * i - 1, 2 * j - 1) = f(2 * j - 1, 2 * i - 1) = 2 * (v + q);
    }
  }
}

void ImposeFreedom(DenseMatrix& k, Vector& load, int r) {
  const int n = k.Size();
  if (r < 1 || r > n) return;
  for (int c = 1; c <= n; ++c) k(r, c) = k(c, r) = 0.0;
  k(r, r) = 1.0;
  load[r] = 0.0;
}

void ApplyUnyieldingSupports(DenseMatrix& k, Vector& load, const std::vector<int>& nodes, int plateNodes) {
  for (int i : nodes)
    if (i >= 1 && i <= plateNodes) ImposeFreedom(k, load, 3 * i - 1);
}

bool SolveDense(DenseMatrix& k, Vector& f, Vector& x) {
  const int n = k.Size();
  std::vector<double> columnMax(n + 1, 0.0);
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= n; ++r) columnMax[c] = std::fmax(columnMax[c], std::fabs(k(r, c)));
  for (int c = 1; c <= n; ++c) {
    int p = c;
    for (int r = c + 1; r <= n; ++r)
      if (std::fabs(k(r, c)) > std::fabs(k(p, c))) p = r;
    double pivot = k(p, c);
    if (!(std::fabs(pivot) >= 1.0E-30) || std::fabs(pivot) <= 1.0E-12 * columnMax[c]) return false;
    if (p != c) {
      for (int j = c; j <= n; ++j) std::swap(k(p, j), k(c, j));
      std::swap(f[p], f[c]);
    }
    for (int r = c + 1; r <= n; ++r) {
      double m = k(r, c) / pivot;
      if (m == 0.0) continue;
      for (int j = c + 1; j <= n; ++j) k(r, j) -= m * k(c, j);
      k(r, c) = 0.0;
      f[r] -= m * f[c];
    }
  }
  Vector y(n + 1, 0.0);
  for (int r = n; r >= 1; --r) {
    double s = f[r];
    for (int j = r + 1; j <= n; ++j) s -= k(r, j) * y[j];
    y[r] = s / k(r, r);
  }
  for (int r = 1; r <= n; ++r)
    if (!std::isfinite(y[r])) return false;
  x = std::move(y);
  return true;
}

}  // namespace murelo
