#include "trabix/core/soilmodels.h"

#include <cmath>
#include <utility>

#include "core/numbers.h"

namespace trabix {

const char* const kHalfSpaceDataMessage = "The HALF-SPACE Data describe no Elastic Soil!";

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
  f.Resize(n, n);
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

bool CrossAnisotropicModulus(const std::vector<std::string>& flags, long double& modulus) {
  modulus = 0;
  auto item = [&flags](int i) -> long double { return flags.size() > static_cast<size_t>(i) ? ParseNumber(flags[i]) : 0.0; };
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

void HalfSpaceReactions(const Vector& u, const SoilMatrix& s, int n, const Vector& length, const Vector& width,
                        bool strip, Vector& pressures, SoilEndForces& forces) {
  pressures.assign(n + 2, 0.0);
  forces.Resize(n - 1);
  Vector area(n + 1, 0.0);  // area(e) = L_e w_e / 2; area(0) = area(n) = 0
  for (int e = 1; e <= n - 1; ++e) area[e] = length[e] * (strip ? 1.0 : width[e]) / 2;
  long double total = 0;
  for (int i = 1; i <= n; ++i) {
    long double r = 0;
    for (int j = 1; j <= n; ++j) r += s(i, j) * u[2 * j - 1];
    total += r;
    double a = area[i - 1] + area[i];
    pressures[i] = a > 0 ? static_cast<double>(r / a) : 0.0;
  }
  pressures[n + 1] = static_cast<double>(total);
  for (int e = 1; e <= n - 1; ++e) {
    forces.atI[e] = pressures[e] * area[e];
    forces.atJ[e] = pressures[e + 1] * area[e];
  }
}

void YieldForceTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load) {
  double l2 = length * length;
  double t[5] = {0.0, -(13 * pi + 3 * pj) * length / 32, -(11 * pi + 5 * pj) * l2 / 192, -(3 * pi + 13 * pj) * length / 32,
                 (5 * pi + 11 * pj) * l2 / 192};
  for (int c = 1; c <= 4; ++c) {
    fixedEnd(e, c) += t[c];
    load[2 * e - 2 + c] -= t[c];
  }
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

Vector NodeContactAreas(int n, const Vector& length, const Vector& width, bool strip) {
  Vector area(n + 1, 0.0);
  for (int e = 1; e <= n - 1; ++e) {
    double a = length[e] * (strip ? 1.0 : width[e]) / 2;
    area[e] += a;
    area[e + 1] += a;
  }
  return area;
}

void YieldPassPressures(const Vector& u, Vector& surface, const SoilMatrix& s, int n, const Vector& length,
                        const Vector& width, bool strip, const std::vector<int>& status, const Vector& yieldPressure,
                        Vector& pressures, SoilEndForces& forces) {
  const int size = s.Rows();
  std::vector<long double> v(size + 1, 0.0L);
  for (int k = 1; k <= size; ++k) v[k] = k <= n ? u[2 * k - 1] : u[n + k];
  surface.assign(n + 1, 0.0);
  int k = 0;
  for (int i = 1; i <= n; ++i) surface[i] = static_cast<double>(status[i] == 1 ? v[n + ++k] : v[i]);
  pressures.assign(n + 2, 0.0);
  forces.Resize(n - 1);
  Vector part(n + 1, 0.0);  // A_e = L_e w_e / 2; A_0 = A_n = 0
  for (int e = 1; e <= n - 1; ++e) part[e] = length[e] * (strip ? 1.0 : width[e]) / 2;
  long double total = 0;
  for (int i = 1; i <= size; ++i) {
    long double r = 0;
    for (int j = 1; j <= size; ++j) r += s(i, j) * v[j];
    total += r;
    if (i <= n) {
      double a = part[i - 1] + part[i];
      pressures[i] = a > 0 ? static_cast<double>(r / a) : 0.0;
    }
  }
  pressures[n + 1] = static_cast<double>(total);
  for (int i = 1; i <= n; ++i)
    if (status[i] == 1) pressures[i] = yieldPressure[i];
  for (int e = 1; e <= n - 1; ++e) {
    forces.atI[e] = pressures[e] * part[e];
    forces.atJ[e] = pressures[e + 1] * part[e];
  }
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

}  // namespace trabix
