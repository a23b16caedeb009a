#include "corvane/solver/halfspace.h"

#include <cmath>

namespace corvane {

namespace {

const double kPi = 4 * std::atan(1.0);

// Inverts a general square matrix by Gauss-Jordan elimination with row pivoting: the
// flexibility of annuli of different areas is not symmetric.
bool Invert(std::vector<std::vector<double>>& a) {
  const int n = static_cast<int>(a.size());
  std::vector<std::vector<double>> inv(n, std::vector<double>(n, 0.0));
  for (int i = 0; i < n; ++i) inv[i][i] = 1;
  double largest = 0;
  for (const auto& row : a)
    for (double v : row) largest = std::fmax(largest, std::fabs(v));
  for (int c = 0; c < n; ++c) {
    int p = c;
    for (int r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
    if (!(std::fabs(a[p][c]) > 1.0E-15 * largest)) return false;
    std::swap(a[p], a[c]);
    std::swap(inv[p], inv[c]);
    const double d = 1 / a[c][c];
    for (int k = 0; k < n; ++k) {
      a[c][k] *= d;
      inv[c][k] *= d;
    }
    for (int r = 0; r < n; ++r) {
      if (r == c || a[r][c] == 0) continue;
      const double f = a[r][c];
      for (int k = 0; k < n; ++k) {
        a[r][k] -= f * a[c][k];
        inv[r][k] -= f * inv[c][k];
      }
    }
  }
  a.swap(inv);
  return true;
}

}  // namespace

double DiskSettlement(double c, double r) {
  if (!(c > 0)) return 0;
  if (std::fabs(r - c) <= 1.0E-12 * c) return 4 * c / kPi;
  if (r < c) return 4 * c / kPi * std::comp_ellint_2(r / c);
  const double k = c / r;
  return 4 * r / kPi * (std::comp_ellint_2(k) - (1 - k * k) * std::comp_ellint_1(k));
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
  // F(j, i): settlement at node j of a unit pressure on annulus i.
  std::vector<std::vector<double>> f(n, std::vector<double>(n));
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i)
      f[j - 1][i - 1] = (DiskSettlement(b[i], radius[j]) - DiskSettlement(a[i], radius[j])) / modulus;
  if (!Invert(f)) return false;
  // Forces of the annuli per radian: their areas / (2 pi) times the pressures F^-1 w.
  s.assign(n, std::vector<double>(n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) s[i][j] = (b[i + 1] * b[i + 1] - a[i + 1] * a[i + 1]) / 2 * f[i][j];
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < i; ++j) s[i][j] = s[j][i] = (s[i][j] + s[j][i]) / 2;
  for (const auto& row : s)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace corvane
