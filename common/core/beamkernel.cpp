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

void AddSoilMatrix(BandMatrix& a, int n, const SoilMatrix& s, int extra, int first) {
  auto freedom = [n, first](int k) { return k <= n ? 2 * (first + k) - 1 : 2 * first + n + k; };
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

int YieldPassLimit(int nodes) {
  // Rounded to the nearest, a half to the even neighbour: 21 nodes give 10, 23 give 12.
  if (nodes > 80) return static_cast<int>(std::nearbyint(nodes / 4.0));
  if (nodes > 20) return static_cast<int>(std::nearbyint(nodes / 2.0));
  return nodes;
}

SolveStatus BandSolve(BandMatrix& a, int neq, Vector& b, std::string& message, int m, int mode) {
  if (mode == 1 || mode == 3) {
    // The own diagonals before elimination: a pivot that elimination cancels to a tiny part of
    // its equation's diagonal marks a mechanism (or a near one) that rounding alone holds.
    std::vector<double> diagonal(neq + 1);
    for (int i = 1; i <= neq; ++i) diagonal[i] = std::fabs(a(i, 1));
    for (int i = 1; i <= neq; ++i) {
      double pivot = a(i, 1);
      if (SingularPivot(pivot, diagonal[i])) {
        message = kSingularMessage;
        return SolveStatus::kSingular;
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
  return SolveStatus::kSolved;
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

namespace {

// Sum of x[k] y[k] for k in [from, to): four partial sums, so that extended-precision additions
// (which wait on one another in one running sum) overlap.
template <typename T>
T Dot(const T* x, const T* y, int from, int to) {
  T s0 = 0, s1 = 0, s2 = 0, s3 = 0;
  int k = from;
  for (; k + 3 < to; k += 4) {
    s0 += x[k] * y[k];
    s1 += x[k + 1] * y[k + 1];
    s2 += x[k + 2] * y[k + 2];
    s3 += x[k + 3] * y[k + 3];
  }
  for (; k < to; ++k) s0 += x[k] * y[k];
  return (s0 + s1) + (s2 + s3);
}

// Rows (or columns) taken together by the eliminations below: a row of the factor read once
// from memory serves that many dot products, each of them summed exactly as alone.
constexpr int kBlock = 4;

// LDL' factorisation of the symmetric n x n matrix held in the lower triangle of `a` (row-major,
// stride `stride`, from index 0), in place: below the diagonal L, on it D. Row by row, each entry a
// dot product of two contiguous rows, so that only the triangle not yet zero is touched; kBlock
// rows at a time share the reading of the finished rows above them. `scratch` holds their
// kBlock x n values. Returns the first row whose pivot fails `acceptable`, or -1.
template <typename T, typename Acceptable>
int FactorSymmetric(T* a, int n, size_t stride, std::vector<T>& scratch, Acceptable acceptable) {
  scratch.assign(static_cast<size_t>(kBlock) * n, T(0));
  for (int i0 = 0; i0 < n; i0 += kBlock) {
    const int i1 = std::min(n, i0 + kBlock);
    // t_k = L(i, k) d_k of the block's rows against the rows finished before the block.
    for (int j = 0; j < i0; ++j) {
      const T* lj = a + j * stride;
      for (int i = i0; i < i1; ++i) {
        T* t = scratch.data() + static_cast<size_t>(i - i0) * n;
        t[j] = a[i * stride + j] - Dot(t, lj, 0, j);
      }
    }
    for (int i = i0; i < i1; ++i) {
      T* row = a + i * stride;
      T* t = scratch.data() + static_cast<size_t>(i - i0) * n;
      for (int j = i0; j < i; ++j) {
        const T* lj = a + j * stride;
        t[j] = row[j] - Dot(t, lj, 0, j);
      }
      T d = row[i];
      for (int j = 0; j < i; ++j) {
        T l = t[j] / a[j * stride + j];
        d -= t[j] * l;
        row[j] = l;
      }
      if (!acceptable(i, d)) return i;
      row[i] = d;
    }
  }
  return -1;
}

}  // namespace

double InnerProduct(const double* x, const double* y, int from, int to) { return Dot(x, y, from, to); }

bool FactorSymmetricDense(std::vector<double>& a, int n, const std::vector<double>& ownDiagonal) {
  std::vector<double> diagonal(n), scratch;
  for (int i = 0; i < n; ++i)
    diagonal[i] = std::fabs(ownDiagonal.empty() ? a[static_cast<size_t>(i) * n + i] : ownDiagonal[i]);
  auto acceptable = [&diagonal](int i, double d) { return !SingularPivot(d, diagonal[i]); };
  return FactorSymmetric(a.data(), n, static_cast<size_t>(n), scratch, acceptable) < 0;
}

void SolveFactoredSymmetric(const std::vector<double>& a, int n, std::vector<double>& b) {
  const double* s = a.data();
  const size_t sq = n;
  for (int i = 0; i < n; ++i) b[i] -= Dot(s + i * sq, b.data(), 0, i);
  for (int i = 0; i < n; ++i) b[i] /= s[i * sq + i];
  for (int i = n - 1; i >= 0; --i)
    for (int k = i + 1; k < n; ++k) b[i] -= s[k * sq + i] * b[k];
}

bool InvertSoilMatrix(const SoilMatrix& in, SoilMatrix& out, long double factor) {
  // A half-space flexibility matrix is symmetric and positive definite (the work of any set of
  // contact forces on the settlements they cause is positive), so a symmetric elimination
  // without row exchanges serves: LDL' in a third of the work of a full Gauss-Jordan, then the
  // inverse from the factor. The pivots are tested as every elimination of the suite tests them.
  const int n = in.Rows();
  out.ResizeForOverwrite(n, n);  // every entry is written below (or all cleared on failure)
  if (n == 0) return true;
  std::vector<double> own(n);
  for (int i = 0; i < n; ++i) own[i] = static_cast<double>(in(i + 1, i + 1));
  // Everything is done in `out`'s own storage (rows and columns from 1, stride n + 1): the
  // factor in its lower triangle, the columns of the inverse factor in its upper triangle, then
  // the inverse over both as the parts it replaces are no longer read. One n x n array is all
  // the memory the inversion touches.
  const size_t stride = static_cast<size_t>(n) + 1;
  long double* a = &out(1, 1);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j <= i; ++j) a[i * stride + j] = in(i + 1, j + 1);
  std::vector<long double> scratch;
  auto acceptable = [&own](int i, long double d) { return !SingularPivot(static_cast<double>(d), own[i]); };
  if (FactorSymmetric(a, n, stride, scratch, acceptable) >= 0) {
    out.Resize(n, n);
    return false;
  }
  // d_k aside; the diagonal takes the inverse factor's unit diagonal.
  std::vector<long double> d(n);
  for (int k = 0; k < n; ++k) {
    d[k] = a[k * stride + k];
    a[k * stride + k] = 1;
  }
  // Row j of the upper triangle, from its diagonal on, is column j of the inverse factor:
  // m(j, i) = (L^-1)(i, j) for i >= j.
  for (int j0 = 0; j0 < n; j0 += kBlock) {  // kBlock columns at a time share each row of L
    const int j1 = std::min(n, j0 + kBlock);
    for (int i = j0 + 1; i < n; ++i) {
      const long double* li = a + i * stride;
      for (int j = j0; j < std::min(j1, i); ++j) {
        long double* mj = a + j * stride;
        mj[i] = -Dot(li, mj, j, i);
      }
    }
  }
  // A^-1(i, j) = sum over k >= j of m(i, k) m(j, k) / d_k, for i <= j. Column j reads m from
  // column j on only, and row j's own part is copied first: (i, j) overwrites m(i, j) after its
  // last read, (j, i) a part of the factor no longer needed.
  // kBlock columns at a time share each row of m; their w are formed before any of them is
  // written.
  std::vector<long double> w(static_cast<size_t>(kBlock) * n);
  for (int j0 = 0; j0 < n; j0 += kBlock) {
    const int j1 = std::min(n, j0 + kBlock);
    for (int j = j0; j < j1; ++j) {
      const long double* mj = a + j * stride;
      long double* wj = w.data() + static_cast<size_t>(j - j0) * n;
      for (int k = j; k < n; ++k) wj[k] = mj[k] / d[k];
    }
    for (int i = 0; i < j1; ++i) {
      const long double* mi = a + i * stride;
      for (int j = std::max(i, j0); j < j1; ++j) {
        long double v = factor * Dot(mi, w.data() + static_cast<size_t>(j - j0) * n, j, n);
        a[i * stride + j] = a[j * stride + i] = v;
      }
    }
  }
  return true;
}

void CoupledSystem::Reset(int nodes, int extra, int width) {
  nodes_ = nodes;
  extra_ = extra;
  band_.Resize(2 * nodes, width);
  const size_t size = static_cast<size_t>(Coupled()) * Coupled();
  if (size > denseCapacity_) {
    dense_.reset(new double[size]);
    denseCapacity_ = size;
  }
  diagonal_.assign(Coupled(), 0.0);
}

void CoupledSystem::Impose(int r) {
  const int n = nodes_, w = band_.Width();
  if (r <= 2 * n) {
    band_(r, 1) = 1.0;
    for (int c = 2; c <= w; ++c) band_(r, c) = 0.0;
    for (int k = 1; k <= std::min(r, w) - 1; ++k) band_(r - k, k + 1) = 0.0;
  }
  if (r % 2 == 1 || r > 2 * n) {
    const int i = r <= 2 * n ? (r - 1) / 2 : r - n - 1, m = Coupled();
    for (int j = 0; j < m; ++j) Dense(i, j) = Dense(j, i) = 0.0;
    Dense(i, i) = 1.0;
  }
}

// The condensed factors of a half-space system (see CondensedSolve): the rotations' band factor,
// App^-1 Apq, and the LDL' factor of the dense rest (in the lower triangle of the system's dense
// block), all in double; Solve applies them to one right-hand side.
class CondensedFactors {
 public:
  explicit CondensedFactors(CoupledSystem& a) : a_(a), np_(a.nodes_), nq_(a.Coupled()) {}

  bool Factor() {
    const int width = a_.band_.Width();
    // The rotations 2k couple among themselves only with their neighbours: their own band.
    wp_ = 1;
    for (int k = 1; k <= np_; ++k)
      for (int j = k + 1; j <= np_ && 2 * (j - k) + 1 <= width; ++j)
        if (BandAt(2 * k, 2 * j) != 0.0) wp_ = std::max(wp_, j - k + 1);
    BandMatrix& pp = a_.pp_;
    pp.Resize(np_, wp_);
    for (int k = 1; k <= np_; ++k)
      for (int c = 1; c <= wp_ && k + c - 1 <= np_; ++c) pp(k, c) = BandAt(2 * k, 2 * (k + c - 1));
    // The rest: the translations 2k-1, then the unknowns past 2 x nodes; their couplings with
    // the rotations.
    auto& qp = a_.qp_;
    qp.resize(nq_);
    for (int i = 0; i < nq_; ++i) {
      qp[i].clear();
      int r = a_.Freedom(i);
      if (r > 2 * np_) continue;  // the band reaches no rotation from there
      int lo = std::max(1, (r - width + 2) / 2), hi = std::min(np_, (r + width - 1) / 2);
      for (int k = lo; k <= hi; ++k) {
        double v = BandAt(r, 2 * k);
        if (v != 0.0) qp[i].emplace_back(k, v);
      }
    }
    std::string message;
    Vector unused;
    if (BandSolve(pp, np_, unused, message, wp_, 1) != SolveStatus::kSolved) return false;
    // x(j) = App^-1 times column j of Apq, kept as rows (those of unknowns the rotations reach).
    stride_ = static_cast<size_t>(np_) + 1;
    row_.assign(nq_, -1);
    int rows = 0;
    for (int j = 0; j < nq_; ++j)
      if (!qp[j].empty()) row_[j] = rows++;
    std::vector<double>& x = a_.x_;
    x.resize(static_cast<size_t>(rows) * stride_);
    Vector column(np_ + 1);
    for (int j = 0; j < nq_; ++j) {
      if (row_[j] < 0) continue;
      std::fill(column.begin(), column.end(), 0.0);
      for (auto& kv : qp[j]) column[kv.first] = kv.second;
      BandSolve(pp, np_, column, message, wp_, 2);
      std::copy(column.begin(), column.end(), x.begin() + row_[j] * stride_);
    }
    // The Schur complement Aqq - Aqp App^-1 Apq: dense, in the lower triangle (the system keeps
    // its own diagonal aside, its upper triangle stays); each pivot is tested against its own
    // equation's diagonal.
    std::vector<double>& diagonal = a_.diagonal_;
    double* s = a_.dense_.get();
    for (int i = 0; i < nq_; ++i) {
      diagonal[i] = s[static_cast<size_t>(i) * nq_ + i];
      double* si = s + static_cast<size_t>(i) * nq_;
      if (qp[i].empty()) continue;
      for (int j = 0; j <= i; ++j) {
        if (row_[j] < 0) continue;  // no rotation reaches j: nothing to take off
        double v = si[j];
        const double* xj = x.data() + row_[j] * stride_;
        for (auto& kv : qp[i]) v -= kv.second * xj[kv.first];
        si[j] = v;
      }
    }
    std::vector<double> scratch;
    auto acceptable = [&diagonal](int i, double d) { return !SingularPivot(d, std::fabs(diagonal[i])); };
    return FactorSymmetric(s, nq_, static_cast<size_t>(nq_), scratch, acceptable) < 0;
  }

  // b := A^-1 b with the factors (b indexed from 1).
  void Solve(Vector& b) const {
    const size_t sq = nq_;
    const double* s = a_.dense_.get();
    const auto& qp = a_.qp_;
    std::string message;
    Vector y(np_ + 1, 0.0);
    for (int k = 1; k <= np_; ++k) y[k] = b[2 * k];
    BandSolve(a_.pp_, np_, y, message, wp_, 2);  // mode 2 reads the factor only
    std::vector<double> c(nq_);
    for (int i = 0; i < nq_; ++i) {
      double v = b[a_.Freedom(i)];
      for (auto& kv : qp[i]) v -= kv.second * y[kv.first];
      c[i] = v;
    }
    for (int i = 0; i < nq_; ++i) c[i] -= Dot(s + i * sq, c.data(), 0, i);
    for (int i = 0; i < nq_; ++i) c[i] /= s[i * sq + i];
    for (int i = nq_ - 1; i >= 0; --i)
      for (int k = i + 1; k < nq_; ++k) c[i] -= s[k * sq + i] * c[k];
    for (int j = 0; j < nq_; ++j) {
      if (row_[j] < 0) continue;
      const double* xj = a_.x_.data() + row_[j] * stride_;
      for (int k = 1; k <= np_; ++k) y[k] -= xj[k] * c[j];
    }
    for (int k = 1; k <= np_; ++k) b[2 * k] = y[k];
    for (int i = 0; i < nq_; ++i) b[a_.Freedom(i)] = c[i];
  }

  // r := b - A x in extended precision, with the system as it was before Factor (its upper
  // triangle and kept diagonal): the couplings in the order of the freedoms, as a band sweep
  // takes them.
  void Residual(const Vector& b, const Vector& x, Vector& r) const {
    const int neq = a_.Equations(), n2 = 2 * np_;
    const BandMatrix& band = a_.band_;
    const int width = band.Width();
    const size_t sq = nq_;
    const double* s = a_.dense_.get();
    std::vector<long double> sum(neq + 1, 0.0L);
    for (int f = 1; f <= neq; ++f) {
      const long double xf = x[f];
      if (f <= n2 && f % 2 == 0) {  // a rotation: the band alone
        long double own = sum[f] + static_cast<long double>(band(f, 1)) * x[f];
        int last = std::min(width, n2 - f + 1);
        for (int c = 2; c <= last; ++c) {
          long double v = band(f, c);
          own += v * x[f + c - 1];
          sum[f + c - 1] += v * xf;
        }
        sum[f] = own;
        continue;
      }
      // A coupled unknown: the rotations it reaches in the band and the coupled unknowns after
      // it, merged in the order of their freedoms.
      const int i = f <= n2 ? (f - 1) / 2 : f - np_ - 1;
      const double* si = s + i * sq;
      long double own = sum[f] + static_cast<long double>(a_.diagonal_[i]) * x[f];
      int c = 2, j = i + 1;
      const int lastBand = f <= n2 ? std::min(width, n2 - f + 1) : 1;
      for (;;) {
        while (c <= lastBand && (f + c - 1) % 2 == 1) ++c;  // coupled pairs are in the dense block
        int fb = c <= lastBand ? f + c - 1 : neq + 1, fd = j < nq_ ? a_.Freedom(j) : neq + 1;
        if (fb > neq && fd > neq) break;
        long double v;
        int to;
        if (fb < fd) {
          v = band(f, c++);
          to = fb;
        } else {
          v = si[j++];
          to = fd;
        }
        own += v * x[to];
        sum[to] += v * xf;
      }
      sum[f] = own;
    }
    r.assign(neq + 1, 0.0);
    for (int f = 1; f <= neq; ++f) r[f] = static_cast<double>(b[f] - sum[f]);
  }

 private:
  // A coupling that involves a rotation (r, c any order).
  double BandAt(int r, int c) const {
    if (r > c) std::swap(r, c);
    return c - r + 1 <= a_.band_.Width() ? a_.band_(r, c - r + 1) : 0.0;
  }

  CoupledSystem& a_;
  int np_, nq_, wp_ = 1;
  size_t stride_ = 1;
  std::vector<int> row_;
};

namespace {

// The compact form of a half-space system held as a band of any width.
void ToCoupled(const BandMatrix& a, int neq, int nodes, CoupledSystem& out) {
  auto at = [&a](int r, int c) {
    if (r > c) std::swap(r, c);
    return c - r + 1 <= a.Width() ? a(r, c - r + 1) : 0.0;
  };
  // The band must reach every coupling of a rotation.
  int width = 1;
  for (int r = 1; r <= std::min(neq, 2 * nodes); ++r)
    for (int c = 2; c <= a.Width() && r + c - 1 <= neq; ++c)
      if (a(r, c) != 0.0 && (r % 2 == 0 || (r + c - 1 <= 2 * nodes && (r + c - 1) % 2 == 0))) width = std::max(width, c);
  out.Reset(nodes, neq - 2 * nodes, width);
  BandMatrix& band = out.Band();
  for (int r = 1; r <= 2 * nodes; ++r)
    for (int c = 1; c <= width && r + c - 1 <= 2 * nodes; ++c) band(r, c) = a(r, c);
  for (int i = 0; i < out.Coupled(); ++i)
    for (int j = 0; j < out.Coupled(); ++j) out.Dense(i, j) = at(out.Freedom(i), out.Freedom(j));
}

}  // namespace

SolveStatus CondensedSolve(CoupledSystem& a, Vector& b, std::string& message) {
  CondensedFactors factors(a);
  if (!factors.Factor()) {
    message = kSingularMessage;
    return SolveStatus::kSingular;
  }
  // The dense factor is formed in double; two steps of refinement against residuals formed in
  // extended precision bring the solution to what an elimination in extended precision gives.
  const int neq = a.Equations();
  Vector x = b, r;
  factors.Solve(x);
  for (int step = 0; step < 2; ++step) {
    factors.Residual(b, x, r);
    factors.Solve(r);
    for (int i = 1; i <= neq; ++i) x[i] += r[i];
  }
  b = x;
  return SolveStatus::kSolved;
}

SolveStatus CondensedSolve(const BandMatrix& a, int neq, int nodes, Vector& b, std::string& message) {
  CoupledSystem system;
  ToCoupled(a, neq, nodes, system);
  return CondensedSolve(system, b, message);
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
