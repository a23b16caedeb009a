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
