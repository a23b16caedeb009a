#include "corvane/solver/shell.h"

#include <algorithm>
#include <cmath>

#include "core/beamkernel.h"

namespace corvane {

namespace {

// 4-point Gauss rule on 0..1.
const double kGaussPoint[4] = {0.5 - 0.5 * 0.8611363115940526, 0.5 - 0.5 * 0.3399810435848563,
                               0.5 + 0.5 * 0.3399810435848563, 0.5 + 0.5 * 0.8611363115940526};
const double kGaussWeight[4] = {0.5 * 0.3478548451374538, 0.5 * 0.6521451548625461, 0.5 * 0.6521451548625461,
                                0.5 * 0.3478548451374538};

// The element in its own axes: length, direction (c, s) of the meridian from node i to node j.
struct Frame {
  double length, c, s;
};

Frame FrameOf(const ShellElement& e) {
  double dr = e.rj - e.ri, dz = e.zj - e.zi;
  double l = std::sqrt(dr * dr + dz * dz);
  return {l, dr / l, dz / l};
}

// Hermite shapes of the normal displacement (w_i, L beta_i, w_j, L beta_j) and their first and
// second derivatives with respect to xi.
void Hermite(double x, double n[4], double d1[4], double d2[4]) {
  n[0] = 1 - 3 * x * x + 2 * x * x * x;
  n[1] = x - 2 * x * x + x * x * x;
  n[2] = 3 * x * x - 2 * x * x * x;
  n[3] = -x * x + x * x * x;
  d1[0] = -6 * x + 6 * x * x;
  d1[1] = 1 - 4 * x + 3 * x * x;
  d1[2] = 6 * x - 6 * x * x;
  d1[3] = -2 * x + 3 * x * x;
  d2[0] = -6 + 12 * x;
  d2[1] = -4 + 6 * x;
  d2[2] = 6 - 12 * x;
  d2[3] = -2 + 6 * x;
}

// Local freedoms (u, w, beta at i, then at j) from the node freedoms (U, V, Theta):
// u = c U - s V, w = s U + c V, beta = Theta. Returns R with local = R x global.
void Rotation(const Frame& f, double r[6][6]) {
  for (int a = 0; a < 6; ++a)
    for (int b = 0; b < 6; ++b) r[a][b] = 0;
  for (int n = 0; n < 2; ++n) {
    int o = 3 * n;
    r[o][o] = f.c;
    r[o][o + 1] = -f.s;
    r[o + 1][o] = f.s;
    r[o + 1][o + 1] = f.c;
    r[o + 2][o + 2] = 1;
  }
}

// k := R^T k R (in place).
void ToNodeAxes(const Frame& f, ElementMatrix6& k) {
  double r[6][6], t[6][6];
  Rotation(f, r);
  for (int a = 0; a < 6; ++a)
    for (int b = 0; b < 6; ++b) {
      double v = 0;
      for (int m = 0; m < 6; ++m) v += k[a][m] * r[m][b];
      t[a][b] = v;
    }
  for (int a = 0; a < 6; ++a)
    for (int b = 0; b < 6; ++b) {
      double v = 0;
      for (int m = 0; m < 6; ++m) v += r[m][a] * t[m][b];
      k[a][b] = v;
    }
}

void Clear(ElementMatrix6& k) {
  for (int a = 0; a < 6; ++a)
    for (int b = 0; b < 6; ++b) k[a][b] = 0;
}

// Local position of the normal shapes among the six local freedoms.
const int kNormal[4] = {1, 2, 4, 5};

}  // namespace

double MeridianLength(const ShellElement& e) { return FrameOf(e).length; }

double BendingRigidity(const ShellElement& e) {
  return e.modulus * e.thickness * e.thickness * e.thickness / (12 * (1 - e.poisson * e.poisson));
}

void ShellStiffness(const ShellElement& e, ElementMatrix6& k) {
  const Frame f = FrameOf(e);
  const double l = f.length, nu = e.poisson;
  const double membrane = e.modulus * e.thickness / (1 - nu * nu), bending = BendingRigidity(e);
  Clear(k);
  for (int g = 0; g < 4; ++g) {
    const double x = kGaussPoint[g], r = e.ri + (e.rj - e.ri) * x;
    double n[4], d1[4], d2[4];
    Hermite(x, n, d1, d2);
    // Strain rows: meridional and hoop strain, meridional and hoop curvature (-d2w/ds2 and
    // -(c / r) dw/ds), over the local freedoms.
    double b[4][6] = {};
    b[0][0] = -1 / l;
    b[0][3] = 1 / l;
    b[1][0] = f.c * (1 - x) / r;
    b[1][3] = f.c * x / r;
    const double scale[4] = {1, l, 1, l};
    for (int a = 0; a < 4; ++a) {
      b[1][kNormal[a]] = f.s * n[a] * scale[a] / r;
      b[2][kNormal[a]] = -d2[a] * scale[a] / (l * l);
      b[3][kNormal[a]] = -f.c / r * d1[a] * scale[a] / l;
    }
    const double factor = r * l * kGaussWeight[g];
    const double stiff[2] = {membrane, bending};
    for (int p = 0; p < 6; ++p)
      for (int q = 0; q < 6; ++q) {
        double v = 0;
        for (int pair = 0; pair < 2; ++pair) {
          const double* s1 = b[2 * pair];
          const double* s2 = b[2 * pair + 1];
          if (pair == 0 && !e.meridionalStrain) {
            v += e.modulus * e.thickness * s2[p] * s2[q];
            continue;
          }
          v += stiff[pair] * (s1[p] * s1[q] + s2[p] * s2[q] + nu * (s1[p] * s2[q] + s2[p] * s1[q]));
        }
        k[p][q] += v * factor;
      }
  }
  ToNodeAxes(f, k);
}

namespace {

// The strain rows of the element at xi (meridional and hoop strain, meridional and hoop
// curvature over the six local freedoms) and r there.
void StrainRows(const ShellElement& e, const Frame& f, double x, double b[4][6], double& r) {
  const double l = f.length;
  r = e.ri + (e.rj - e.ri) * x;
  double n[4], d1[4], d2[4];
  Hermite(x, n, d1, d2);
  for (int row = 0; row < 4; ++row)
    for (int c = 0; c < 6; ++c) b[row][c] = 0;
  b[0][0] = -1 / l;
  b[0][3] = 1 / l;
  b[1][0] = f.c * (1 - x) / r;
  b[1][3] = f.c * x / r;
  const double scale[4] = {1, l, 1, l};
  for (int a = 0; a < 4; ++a) {
    b[1][kNormal[a]] = f.s * n[a] * scale[a] / r;
    b[2][kNormal[a]] = -d2[a] * scale[a] / (l * l);
    b[3][kNormal[a]] = -f.c / r * d1[a] * scale[a] / l;
  }
}

}  // namespace

void ShellStrainTerms(const ShellElement& e, double strainI, double strainJ, double curvatureI, double curvatureJ,
                      ElementVector& out) {
  const Frame f = FrameOf(e);
  const double nu = e.poisson;
  const double membrane = e.modulus * e.thickness / (1 - nu * nu), bending = BendingRigidity(e);
  double local[6] = {};
  for (int g = 0; g < 4; ++g) {
    const double x = kGaussPoint[g];
    double b[4][6], r;
    StrainRows(e, f, x, b, r);
    const double strain = strainI + (strainJ - strainI) * x, curvature = curvatureI + (curvatureJ - curvatureI) * x;
    // The stress resultants that the free strains would release.
    double sigma[4];
    if (e.meridionalStrain) {
      sigma[0] = sigma[1] = membrane * (1 + nu) * strain;
    } else {
      sigma[0] = 0;
      sigma[1] = e.modulus * e.thickness * strain;
    }
    sigma[2] = sigma[3] = bending * (1 + nu) * curvature;
    const double factor = r * f.length * kGaussWeight[g];
    for (int p = 0; p < 6; ++p)
      for (int row = 0; row < 4; ++row) local[p] += b[row][p] * sigma[row] * factor;
  }
  double rot[6][6];
  Rotation(f, rot);
  for (int a = 0; a < 6; ++a) {
    out[a] = 0;
    for (int m = 0; m < 6; ++m) out[a] += rot[m][a] * local[m];
  }
}

FreeStrain FaceStrains(double alpha, double temperatureNegative, double temperaturePositive, double strainNegative,
                       double strainPositive, double thickness) {
  FreeStrain f;
  f.strain = alpha * (temperatureNegative + temperaturePositive) / 2 + (strainNegative + strainPositive) / 2;
  f.curvature = (alpha * (temperaturePositive - temperatureNegative) + (strainPositive - strainNegative)) / thickness;
  return f;
}

void ShellSoilStiffness(const ShellElement& e, ElementMatrix6& k) {
  const Frame f = FrameOf(e);
  const double l = f.length;
  Clear(k);
  for (int g = 0; g < 4; ++g) {
    const double x = kGaussPoint[g], r = e.ri + (e.rj - e.ri) * x;
    double n[4], d1[4], d2[4];
    Hermite(x, n, d1, d2);
    const double modulus = e.soilI + (e.soilJ - e.soilI) * x;
    const double shape[4] = {n[0], n[1] * l, n[2], n[3] * l};
    const double factor = modulus * r * l * kGaussWeight[g];
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 4; ++b) k[kNormal[a]][kNormal[b]] += shape[a] * shape[b] * factor;
  }
  ToNodeAxes(f, k);
}

void ShellLoadTerms(const ShellElement& e, double normalI, double normalJ, double meridionalI, double meridionalJ,
                    ElementVector& out, double from, double to) {
  const Frame f = FrameOf(e);
  const double l = f.length;
  double local[6] = {};
  for (int g = 0; g < 4; ++g) {
    const double t = kGaussPoint[g], x = from + (to - from) * t, r = e.ri + (e.rj - e.ri) * x;
    double n[4], d1[4], d2[4];
    Hermite(x, n, d1, d2);
    const double factor = r * l * (to - from) * kGaussWeight[g];
    const double pn = normalI + (normalJ - normalI) * t, ps = meridionalI + (meridionalJ - meridionalI) * t;
    const double shape[4] = {n[0], n[1] * l, n[2], n[3] * l};
    for (int a = 0; a < 4; ++a) local[kNormal[a]] += pn * shape[a] * factor;
    local[0] += ps * (1 - x) * factor;
    local[3] += ps * x * factor;
  }
  double rot[6][6];
  Rotation(f, rot);
  for (int a = 0; a < 6; ++a) {
    out[a] = 0;
    for (int m = 0; m < 6; ++m) out[a] += rot[m][a] * local[m];
  }
}

double MeridionalCurvatureAtI(const ShellElement& e, const ElementVector& u) {
  const Frame f = FrameOf(e);
  const double l = f.length;
  double wi = f.s * u[0] + f.c * u[1], wj = f.s * u[3] + f.c * u[4];
  return -(-6 * wi - 4 * l * u[2] + 6 * wj - 2 * l * u[5]) / (l * l);
}

void ProfileMatrix::Shape(const std::vector<int>& firstRow) {
  n_ = static_cast<int>(firstRow.size()) - 1;
  first_ = firstRow;
  start_.assign(n_ + 2, 0);
  size_t at = 0;
  for (int j = 1; j <= n_; ++j) {
    first_[j] = std::max(1, std::min(first_[j], j));
    start_[j] = at;
    at += static_cast<size_t>(j - first_[j] + 1);
  }
  a_.assign(at, 0.0);
}

void ProfileMatrix::AddElement(const int equations[6], const ElementMatrix6& k) {
  for (int p = 0; p < 6; ++p) {
    int i = equations[p];
    if (i <= 0) continue;
    for (int q = 0; q < 6; ++q) {
      int j = equations[q];
      if (j >= i) At(i, j) += k[p][q];
    }
  }
}

bool ProfileMatrix::Factorise() {
  // g(i, j) = a(i, j) - sum over k < i of l(k, i) g(k, j), for the rows i of column j.
  auto reduce = [this](int i, int j) {
    const int k0 = std::max(first_[i], first_[j]);
    At(i, j) -= beamkernel::InnerProduct(&At(k0, i), &At(k0, j), 0, i - k0);
  };
  // A few columns at a time: each finished column before them is read once for all of them
  // (a dense corner's columns are long).
  const int kColumns = 4;
  for (int j0 = 1; j0 <= n_; j0 += kColumns) {
    const int j1 = std::min(n_ + 1, j0 + kColumns);
    int lowest = j0;
    for (int j = j0; j < j1; ++j) lowest = std::min(lowest, first_[j]);
    for (int i = lowest + 1; i < j0; ++i)
      for (int j = j0; j < j1; ++j)
        if (i > first_[j]) reduce(i, j);
    for (int j = j0; j < j1; ++j) {
      const int fj = first_[j];
      const double own = std::fabs(At(j, j));
      for (int i = std::max(fj + 1, j0); i < j; ++i) reduce(i, j);
      double d = At(j, j);
      for (int i = fj; i < j; ++i) {
        double g = At(i, j), l = g / At(i, i);
        d -= l * g;
        At(i, j) = l;
      }
      if (beamkernel::SingularPivot(d, own)) return false;
      At(j, j) = d;
    }
  }
  return true;
}

void ProfileMatrix::Solve(ShellVector& b) const {
  for (int j = 1; j <= n_; ++j) {
    double sum = 0;
    for (int i = first_[j]; i < j; ++i) sum += At(i, j) * b[i];
    b[j] -= sum;
  }
  for (int j = 1; j <= n_; ++j) b[j] /= At(j, j);
  for (int j = n_; j >= 1; --j)
    for (int i = first_[j]; i < j; ++i) b[i] -= At(i, j) * b[j];
}

void ProfileMatrix::Residual(const ShellVector& b, const ShellVector& x, ShellVector& r) const {
  std::vector<long double> sum(b.begin(), b.end());
  for (int j = 1; j <= n_; ++j) {
    long double own = 0;
    const long double xj = x[j];
    for (int i = first_[j]; i < j; ++i) {
      const long double aij = At(i, j);
      sum[i] -= aij * xj;
      own += aij * x[i];
    }
    sum[j] -= own + static_cast<long double>(At(j, j)) * xj;
  }
  r.assign(b.size(), 0.0);
  for (int i = 1; i <= n_; ++i) r[i] = static_cast<double>(sum[i]);
}

}  // namespace corvane
