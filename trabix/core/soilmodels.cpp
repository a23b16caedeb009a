#include "trabix/core/soilmodels.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/numbers.h"
#include "core/textfiles.h"

namespace trabix {

namespace {

// Integral of 1/r over the rectangle [0, a] x [0, h] seen from its corner.
long double Corner(long double a, long double h) {
  if (a <= 0 || h <= 0) return 0;
  return a * std::log(h / a + std::sqrt(h * h / (a * a) + 1)) + h * std::log(a / h + std::sqrt(a * a / (h * h) + 1));
}

// Integral of 1/r over a line across the width, of half-length h, seen from distance d, over h.
long double Line(long double h, long double d) {
  if (h <= 0) return 0;
  return std::log((h + std::sqrt(h * h + d * d)) / d);
}

}  // namespace

void HalfSpaceFlexibility(SoilMatrix& f, int n, const Vector& x, const Vector& b, bool strip, int symmetry) {
  f.ResizeForOverwrite(n, n);  // every entry is written below
  const long double s = symmetry;
  const long double axis = x[n];
  // A strip's forces are per metre of its length, however long the loaded rectangle is taken.
  auto denominator = [strip](long double h) { return (strip && h > 0) ? 0.5L : h; };
  for (int i = 1; i <= n; ++i) {
    long double ar = 0, hr = 0, al = 0, hl = 0;
    if (i < n) {
      ar = (static_cast<long double>(x[i + 1]) - x[i]) / 3;
      hr = static_cast<long double>(b[i]) / 2;
    }
    if (i > 1) {
      al = (static_cast<long double>(x[i]) - x[i - 1]) / 3;
      hl = static_cast<long double>(b[i - 1]) / 2;
    }
    long double image = 0;
    if (symmetry != 0) {
      long double d = 2 * (axis - x[i]);  // from node i to its mirror image
      long double ir = i < n ? Corner(d, hr) - Corner(d - ar, hr) : 0;
      long double il = i < n ? Corner(d + al, hl) - Corner(d, hl) : Corner(al, hl);
      image = s * (ir + il);
    }
    f(i, i) = (Corner(ar, hr) + Corner(al, hl) + image) / (denominator(hl) * al + denominator(hr) * ar);
    for (int j = i + 1; j <= n; ++j) {
      long double d = static_cast<long double>(x[j]) - x[i];
      long double dd = 2 * axis - x[i] - x[j];
      long double hlj = static_cast<long double>(b[j - 1]) / 2;
      long double hrj = j < n ? static_cast<long double>(b[j]) / 2 : 0;
      long double g = Line(hlj, d) + Line(hrj, d);
      if (symmetry != 0) g += s * (Line(hlj, dd) + Line(hrj, dd));
      f(i, j) = f(j, i) = g / (denominator(hlj) + denominator(hrj));
    }
  }
  if (symmetry < 0) f(n, n) = 1;
}

namespace {

// A numeric SupportFlags item; a missing one reads as 0.
long double FlagNumber(const std::vector<std::string>& flags, int i) {
  return flags.size() > static_cast<size_t>(i) ? ParseNumber(flags[i]) : 0.0;
}

}  // namespace

bool CrossAnisotropicModulus(const std::vector<std::string>& flags, long double& modulus) {
  modulus = 0;
  auto item = [&flags](int i) { return FlagNumber(flags, i); };
  long double ev = item(8), eh = item(9), gv = item(10), nuh = item(11), nuv = item(12);
  if (nuv == 0.5L) nuv = 0.5L - 1.0E-7L;
  if (!(ev > 0 && eh > 0 && gv > 0 && nuh > -1)) return false;
  long double a = (1 - nuh) - 2 * nuv * nuv * ev / eh;
  if (!(a > 0)) return false;
  long double c11 = (1 - nuv * nuv * ev / eh) * eh / ((1 + nuh) * a);
  long double c13 = nuv * ev / a;
  long double c33 = (1 - nuh) * ev / a;
  if (!(c11 > 0 && c33 > 0)) return false;
  long double reduced = (c11 * c33 - c13 * c13) / c11;
  long double compliance = 1 / gv + 2 / (c13 + std::sqrt(c11 * c33));
  if (!(reduced > 0 && compliance > 0)) return false;
  modulus = 2 * std::sqrt(reduced / compliance);
  return std::isfinite(static_cast<double>(modulus));
}

bool HalfSpaceSurfaceModulus(const std::vector<std::string>& flags, bool isotropic, long double& modulus) {
  if (isotropic) {
    auto item = [&flags](int i) { return FlagNumber(flags, i); };
    long double e = item(8), nu = item(9);
    if (!(nu >= 0 && nu <= 0.5)) nu = 0;
    modulus = e / (1 - nu * nu);
  } else if (!CrossAnisotropicModulus(flags, modulus)) {
    return false;
  }
  return modulus > 0 && std::isfinite(static_cast<double>(modulus));
}

bool HalfSpaceConstantsModulus(const std::vector<std::string>& constants, bool isotropic, long double& modulus) {
  const size_t first = 8;  // where SupportFlags keeps E or Ev
  std::vector<std::string> flags(first);
  flags.insert(flags.end(), constants.begin(), constants.end());
  return HalfSpaceSurfaceModulus(flags, isotropic, modulus);
}

namespace {

// Rows taken together by the blocked loops of HalfSpaceStiffness: each row read from memory
// serves that many rows of the result while it is in the cache.
constexpr int kRows = 16;

// The unit lower factor L in the strict lower triangle of `a` (row-major n x n) is replaced by
// W = L^-1 (its unit diagonal implied), row by row from the last: W(i, j) = -L(i, j) less the
// sum over k > j of W(i, k) L(k, j), with k descending, so that every row still reads rows of L
// below it. kRows rows at a time share the reading of each row of L under the block.
void InvertUnitLower(std::vector<double>& a, int n) {
  const size_t sn = n;
  auto step = [&a, sn](int i, int k) {  // W(i, k) is final: take its part off the entries left of it
    double* ri = &a[i * sn];
    const double* lk = &a[k * sn];
    const double w = -ri[k];
    ri[k] = w;
    for (int j = 0; j < k; ++j) ri[j] += w * lk[j];
  };
  for (int i1 = n; i1 > 0; i1 -= kRows) {
    const int i0 = std::max(0, i1 - kRows);
    for (int i = i1 - 1; i >= i0; --i)  // within the block: from its last row, as rows of L are still needed above
      for (int k = i - 1; k >= i0; --k) step(i, k);
    for (int k = i0 - 1; k >= 0; --k)
      for (int i = i0; i < i1; ++i) step(i, k);
  }
}

// The upper triangle (with the diagonal) of `a` := W' D^-1 W for the unit lower W in its strict
// lower triangle and the pivots d: S(i, j) = sum over k >= j of W(k, i) W(k, j) / d_k for j >= i,
// in ascending k, kRows rows k at a time, so that each row of S is read once for each block.
void InverseFromFactors(std::vector<double>& a, const std::vector<double>& d, int n) {
  const size_t sn = n;
  for (int i = 0; i < n; ++i) std::fill(a.begin() + i * sn + i, a.begin() + (i + 1) * sn, 0.0);
  for (int k0 = 0; k0 < n; k0 += kRows) {
    const int k1 = std::min(n, k0 + kRows);
    for (int i = 0; i < k1; ++i) {
      double* si = &a[i * sn];
      for (int k = std::max(k0, i); k < k1; ++k) {
        const double* wk = &a[k * sn];
        const double c = (k == i ? 1.0 : wk[i]) / d[k];
        for (int j = i; j < k; ++j) si[j] += c * wk[j];
        si[k] += c;  // W(k, k) = 1
      }
    }
  }
}

// max |F S x - factor x| / (factor max |x|) for a spread of x: the error of S as the inverse
// of F (the norm of S F / factor - I bounds its relative error), in extended precision.
long double InverseResidual(const SoilMatrix& f, const SoilMatrix& s, long double factor) {
  const int n = f.Rows();
  std::vector<long double> x(n + 1), y(n + 1);
  unsigned state = 12345;
  long double worst = 0;
  for (int trial = 0; trial < 2; ++trial) {
    for (int i = 1; i <= n; ++i) {
      state = state * 1103515245u + 12345u;
      x[i] = static_cast<long double>((state >> 8) & 0xFFFF) / 32768 - 1;  // in [-1, 1)
    }
    for (int i = 1; i <= n; ++i) {
      long double v = 0;
      for (int j = 1; j <= n; ++j) v += s(i, j) * x[j];
      y[i] = v;
    }
    long double largest = 0, error = 0;
    for (int i = 1; i <= n; ++i) {
      long double v = 0;
      for (int j = 1; j <= n; ++j) v += f(i, j) * y[j];
      error = std::fmax(error, std::fabs(v - factor * x[i]));
      largest = std::fmax(largest, std::fabs(x[i]));
    }
    if (largest > 0) worst = std::fmax(worst, error / (factor * largest));
  }
  return worst;
}

}  // namespace

bool HalfSpaceStiffness(const SoilMatrix& flexibility, SoilMatrix& stiffness, long double factor) {
  // An inverse in extended precision costs several times one in double, and the results keep
  // four digits: double holds a half-space flexibility's inverse to far more than that unless
  // the flexibility is badly conditioned, which the residual shows.
  const int n = flexibility.Rows();
  const size_t sn = n;
  std::vector<double> a(sn * sn);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) a[i * sn + j] = static_cast<double>(flexibility(i + 1, j + 1));
  if (n > 0 && factor > 0 && beamkernel::FactorSymmetricDense(a, n)) {
    // One array serves: W over L below the diagonal, the inverse in the upper triangle.
    std::vector<double> d(n);
    for (int k = 0; k < n; ++k) d[k] = a[k * sn + k];
    InvertUnitLower(a, n);
    InverseFromFactors(a, d, n);
    // Both triangles from the upper one, a tile at a time: the writes down a column of the
    // lower triangle then stay within a few cache lines.
    stiffness.ResizeForOverwrite(n, n);
    constexpr int kTile = 32;
    for (int i0 = 0; i0 < n; i0 += kTile)
      for (int j0 = i0; j0 < n; j0 += kTile)
        for (int i = i0; i < std::min(n, i0 + kTile); ++i)
          for (int j = std::max(i, j0); j < std::min(n, j0 + kTile); ++j)
            stiffness(i + 1, j + 1) = stiffness(j + 1, i + 1) = factor * a[i * sn + j];
    if (InverseResidual(flexibility, stiffness, factor) <= 1.0E-10L) return true;
  }
  return InvertSoilMatrix(flexibility, stiffness, factor);
}

const char* const kSoilStiffnessFile = "SOILSTIFMAT.TXT";

bool DumpSoilStiffness(const SoilMatrix& s) {
  TextLineArray lines(1);
  for (int r = 1; r <= s.Rows(); ++r) {
    std::string row;
    for (int c = 1; c <= s.Columns(); ++c) row += FormatNumber(static_cast<double>(s(r, c)), " 0.0000000E+###  ");
    lines.push_back(row);
  }
  return SaveTextLines(kSoilStiffnessFile, lines, s.Rows());
}

}  // namespace trabix
