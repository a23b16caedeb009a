#include "murelo/core/analysis.h"

#include <algorithm>
#include <cmath>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/reporttext.h"
#include "core/solverstops.h"
#include "core/textfiles.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/resultsreport.h"
#include "murelo/core/slots.h"

namespace murelo {

namespace {

const double kPi = 4 * std::atan(1.0);
const double kGravity = 9.81 / 1000;  // mass density [kg/m^3] times this gives the unit weight [kN/m^3]
const int kMaxUnknowns = 5000;        // the largest dense system analysed

bool Finite(double v) { return std::isfinite(v); }

// The unknowns of stem node j: its horizontal translation and its rotation (node 1 shares base-plate
// node m's).
void StemFreedoms(const WallModel& m, int j, int& u, int& r) {
  if (j == 1) {
    u = 3 * m.stemNode - 2;
    r = 3 * m.stemNode;
  } else {
    u = 3 * m.plateNodes + 2 * j - 3;
    r = 3 * m.plateNodes + 2 * j - 2;
  }
}

// The four unknowns of an element: base-plate element e at (w, rotation) of nodes e and e+1, stem
// element e at (u, rotation) of stem nodes e and e+1.
void PlateBendingFreedoms(int e, int d[5]) {
  d[1] = 3 * e - 1;
  d[2] = 3 * e;
  d[3] = 3 * e + 2;
  d[4] = 3 * e + 3;
}
void StemElementFreedoms(const WallModel& m, int e, int d[5]) {
  StemFreedoms(m, e, d[1], d[2]);
  StemFreedoms(m, e + 1, d[3], d[4]);
}

void AddElement(StructureMatrix& k, const int d[5], const ElementMatrix& ke) {
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) k(d[r], d[c]) += ke[r][c];
}

// f = K_e u_e - the element's consistent load terms.
void ElementForces(const ElementMatrix& ke, const Vector& x, const int d[5], const Vector& loads, int e, double f[5]) {
  for (int r = 1; r <= 4; ++r) {
    f[r] = -loads[4 * (e - 1) + r];
    for (int c = 1; c <= 4; ++c) f[r] += ke[r][c] * x[d[c]];
  }
}

double PlateAxialStiffness(const WallModel& m, int e) {
  return m.plateThickness[e] * m.plateModulus / ((1 - m.platePoisson * m.platePoisson) * m.plateLength[e]);
}

void PlateBending(const WallModel& m, int e, ElementMatrix& ke) {
  beamkernel::ElementStiffness(ke, m.plateLength[e], m.plateInertia[e], m.plateModulus, 1);
}

// Sets to 0 the values of a column that are negligible beside its largest magnitude.
void CleanColumns(beamkernel::EndForceTable& t, int elements) {
  for (int c = 1; c <= 6; ++c) {
    double largest = 0;
    for (int e = 1; e <= elements; ++e) largest = std::max(largest, std::fabs(t(e, c)));
    if (!(largest > 0)) continue;
    for (int e = 1; e <= elements; ++e)
      if (std::fabs(t(e, c)) < 1.0E-4 * largest || std::fabs(t(e, c)) <= 1.0E-10) t(e, c) = 0.0;
  }
}

// The tributary width of base-plate node i: half of each element meeting there.
double TributaryWidth(const WallModel& m, int i) {
  double w = 0;
  if (i > 1) w += m.plateLength[i - 1] / 2;
  if (i < m.plateNodes) w += m.plateLength[i] / 2;
  return w;
}

}  // namespace

namespace {

// Every elimination of the wall's systems goes through these two, under the kernel's pivot rule
// (beamkernel::SingularPivot): the band of the unknowns the soil does not reach, and the dense
// blocks (the contact flexibility, the unknowns the soil reaches).
bool FactorBand(beamkernel::BandMatrix& band, int rows, int width) {
  if (rows == 0) return true;
  std::string message;
  Vector unused;
  return beamkernel::BandSolve(band, rows, unused, message, width, 1) == beamkernel::SolveStatus::kSolved;
}
bool FactorDense(std::vector<double>& a, int n, const std::vector<double>& own = std::vector<double>()) {
  return beamkernel::FactorSymmetricDense(a, n, own);
}

// a := A^-1 (both triangles) from the LDL' factors of FactorDense: M = L^-1 row by row, then
// A^-1 = M' D^-1 M as a sum over the rows of M; each step runs along stored rows.
void InvertFactored(std::vector<double>& a, int n, std::vector<double>& work) {
  work.resize(static_cast<size_t>(n) * n);
  std::vector<double> d(n);
  for (int i = 0; i < n; ++i) {
    double* mi = work.data() + static_cast<size_t>(i) * n;
    const double* li = a.data() + static_cast<size_t>(i) * n;
    d[i] = li[i];
    std::fill(mi, mi + i, 0.0);  // the part of row i below the diagonal; the rest is never read
    mi[i] = 1;
    for (int k = 0; k < i; ++k) {
      const double l = li[k];
      if (l == 0) continue;
      const double* mk = work.data() + static_cast<size_t>(k) * n;
      for (int j = 0; j <= k; ++j) mi[j] -= l * mk[j];
    }
  }
  std::fill(a.begin(), a.begin() + static_cast<size_t>(n) * n, 0.0);
  for (int k = 0; k < n; ++k) {
    const double* mk = work.data() + static_cast<size_t>(k) * n;
    const double dk = 1 / d[k];
    for (int i = 0; i <= k; ++i) {
      const double f = mk[i] * dk;
      if (f == 0) continue;
      double* ai = a.data() + static_cast<size_t>(i) * n;
      for (int j = 0; j <= i; ++j) ai[j] += f * mk[j];
    }
  }
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < i; ++j) a[static_cast<size_t>(j) * n + i] = a[static_cast<size_t>(i) * n + j];
}

struct Coupling {
  int row, column;
  double value;
};

// What one pass adds to the structure: couplings of single unknowns (the Winkler soil, both
// triangles), and a dense symmetric block among the unknowns `block` (the half-space's stiffness
// of the soil in contact, row-major).
struct PassTerms {
  std::vector<Coupling> couplings;
  std::vector<int> block;
  std::vector<double> blockMatrix;
  // The storage of the contact stiffness's forming, kept from pass to pass: arrays this large
  // would each come as fresh pages, and clearing them would cost more than their use.
  std::vector<double> kept, solved, bordered, across, flex, left, schur, work, column, row, line;
};

}  // namespace

// The wall's system of one pass, solved with the unknowns that no dense term reaches in their
// own narrow band: the base plate's rotations and the translations of the nodes out of contact
// couple only with their neighbours, and the stem only with its joint. The stem's joint and the
// unknowns of the soil in contact form one dense symmetric block: (2c)^3 / 3 operations for c
// nodes in contact, the separated nodes out of it. The structure's couplings are taken row by row
// once.
class CondensedWall {
 public:
  void Form(const WallModel& m) {
    unknowns_ = m.unknowns;
    structure_.assign(unknowns_ + 1, {});
    for (int r = 1; r <= unknowns_; ++r)
      for (const auto& cv : m.structure.Row(r))
        if (cv.second != 0.0) structure_[r].push_back(cv);
    rows_ = structure_;
    touched_.clear();
    imposed_.assign(unknowns_ + 1, 0);
    for (int r : m.imposed)
      if (r >= 1 && r <= unknowns_) imposed_[r] = 1;
    joint_ = {3 * m.stemNode - 2, 3 * m.stemNode};
  }

  // x := the solution (1..unknowns; the imposed unknowns 0) of the structure with the pass's
  // terms for the loads f; false when it is singular or x is not finite.
  bool Solve(const PassTerms& t, const Vector& f, Vector& x) {
    Shape(t);
    if (!FactorBand(band_, nb_, width_)) return false;
    Condense(t);
    if (!FactorDense(s_, nd_, own_)) return false;
    Vector result, correction, residual(unknowns_ + 1, 0.0);
    Apply(f, result);
    // The plate's axial stiffness, the soil's and the stem's bending differ by many orders: two
    // steps of refinement against residuals of the whole system formed in extended precision
    // bring the solution to what an elimination in extended precision gives.
    for (int step = 0; step < 2; ++step) {
      for (int r = 1; r <= unknowns_; ++r) {
        if (imposed_[r]) continue;
        long double sum = f[r];
        for (const auto& cv : rows_[r]) sum -= static_cast<long double>(cv.second) * result[cv.first];
        residual[r] = static_cast<double>(sum);
      }
      const int nb = static_cast<int>(t.block.size());
      for (int a = 0; a < nb; ++a) {
        const int r = t.block[a];
        if (imposed_[r]) continue;
        long double sum = 0;
        const double* row = t.blockMatrix.data() + static_cast<size_t>(a) * nb;
        for (int b = 0; b < nb; ++b) sum += static_cast<long double>(row[b]) * result[t.block[b]];
        residual[r] -= static_cast<double>(sum);
      }
      Apply(residual, correction);
      for (int r = 1; r <= unknowns_; ++r) result[r] += correction[r];
    }
    for (int r = 1; r <= unknowns_; ++r)
      if (!Finite(result[r])) return false;
    x = std::move(result);
    return true;
  }

  // The terms of the last pass, kept for the next.
  PassTerms& Terms() { return terms_; }

 private:
  // The pass's rows (the structure's and its couplings), the split into band and dense unknowns,
  // the band and every unknown's diagonal in the whole system.
  void Shape(const PassTerms& t) {
    // The rows the last pass's couplings touched go back to the structure's.
    for (int r : touched_) rows_[r] = structure_[r];
    touched_.clear();
    for (const Coupling& c : t.couplings)
      if (c.row >= 1 && c.row <= unknowns_) {
        rows_[c.row].emplace_back(c.column, c.value);
        touched_.push_back(c.row);
      }
    own_.assign(0, 0.0);
    std::vector<double> diagonal(unknowns_ + 1, 0.0);
    for (int r = 1; r <= unknowns_; ++r)
      for (const auto& cv : rows_[r])
        if (cv.first == r) diagonal[r] += cv.second;
    kind_.assign(unknowns_ + 1, kBand);
    for (int r = 1; r <= unknowns_; ++r)
      if (imposed_[r]) kind_[r] = kHeld;
    for (int r : joint_)
      if (kind_[r] == kBand) kind_[r] = kDense;
    const int blockSize = static_cast<int>(t.block.size());
    for (int a = 0; a < blockSize; ++a) {
      const int r = t.block[a];
      diagonal[r] += t.blockMatrix[static_cast<size_t>(a) * blockSize + a];
      if (kind_[r] == kBand) kind_[r] = kDense;
    }
    position_.assign(unknowns_ + 1, -1);
    bandUnknown_.assign(1, 0);
    denseUnknown_.clear();
    for (int r = 1; r <= unknowns_; ++r) {
      if (kind_[r] == kBand) {
        position_[r] = static_cast<int>(bandUnknown_.size());
        bandUnknown_.push_back(r);
      } else if (kind_[r] == kDense) {
        position_[r] = static_cast<int>(denseUnknown_.size());
        denseUnknown_.push_back(r);
        own_.push_back(diagonal[r]);
      }
    }
    nb_ = static_cast<int>(bandUnknown_.size()) - 1;
    nd_ = static_cast<int>(denseUnknown_.size());
    width_ = 1;
    for (int p = 1; p <= nb_; ++p)
      for (const auto& cv : rows_[bandUnknown_[p]])
        if (kind_[cv.first] == kBand) width_ = std::max(width_, position_[cv.first] - p + 1);
    band_.Resize(std::max(nb_, 1), width_);
    for (int p = 1; p <= nb_; ++p)
      for (const auto& cv : rows_[bandUnknown_[p]])
        if (kind_[cv.first] == kBand && position_[cv.first] >= p) band_(p, position_[cv.first] - p + 1) += cv.second;
  }

  // The dense block less what the band takes: S = K_dd - K_db K_bb^-1 K_bd, with the pass's
  // block added; reach_ keeps X = K_bb^-1 K_bd (by band position, then coupled dense unknown).
  void Condense(const PassTerms& t) {
    std::string message;
    coupling_.resize(nd_);
    for (auto& c : coupling_) c.clear();
    s_.assign(static_cast<size_t>(nd_) * nd_, 0.0);
    for (int a = 0; a < nd_; ++a) {
      double* row = s_.data() + static_cast<size_t>(a) * nd_;
      for (const auto& cv : rows_[denseUnknown_[a]]) {
        if (kind_[cv.first] == kDense) row[position_[cv.first]] += cv.second;
        else if (kind_[cv.first] == kBand) coupling_[a].emplace_back(position_[cv.first], cv.second);
      }
    }
    const int blockSize = static_cast<int>(t.block.size());
    for (int a = 0; a < blockSize; ++a) {
      if (kind_[t.block[a]] != kDense) continue;
      double* row = s_.data() + static_cast<size_t>(position_[t.block[a]]) * nd_;
      const double* from = t.blockMatrix.data() + static_cast<size_t>(a) * blockSize;
      for (int b = 0; b < blockSize; ++b)
        if (kind_[t.block[b]] == kDense) row[position_[t.block[b]]] += from[b];
    }
    // Only the dense unknowns that couple with the band have a column of X: every entry of
    // those is written, so the storage of the last pass serves uncleared.
    coupled_.clear();
    for (int a = 0; a < nd_; ++a)
      if (!coupling_[a].empty()) coupled_.push_back(a);
    const int nc = static_cast<int>(coupled_.size());
    reach_.resize(static_cast<size_t>(nb_ + 1) * nc);
    Vector column(nb_ + 1);
    for (int j = 0; j < nc; ++j) {
      std::fill(column.begin(), column.end(), 0.0);
      for (const auto& pv : coupling_[coupled_[j]]) column[pv.first] += pv.second;
      beamkernel::BandSolve(band_, nb_, column, message, width_, 2);
      for (int p = 1; p <= nb_; ++p) reach_[static_cast<size_t>(p) * nc + j] = column[p];
    }
    for (int a = 0; a < nd_; ++a) {
      double* row = s_.data() + static_cast<size_t>(a) * nd_;
      for (const auto& pv : coupling_[a]) {
        const double* reach = reach_.data() + static_cast<size_t>(pv.first) * nc;
        for (int j = 0; j < nc; ++j) row[coupled_[j]] -= pv.second * reach[j];
      }
    }
  }

  // out := K^-1 rhs (1..unknowns, the imposed unknowns 0) with the factors.
  void Apply(const Vector& rhs, Vector& out) {
    std::string message;
    Vector y(nb_ + 1, 0.0);
    for (int p = 1; p <= nb_; ++p) y[p] = rhs[bandUnknown_[p]];
    if (nb_ > 0) beamkernel::BandSolve(band_, nb_, y, message, width_, 2);
    std::vector<double> c(nd_);
    for (int a = 0; a < nd_; ++a) {
      double v = rhs[denseUnknown_[a]];
      for (const auto& pv : coupling_[a]) v -= pv.second * y[pv.first];
      c[a] = v;
    }
    if (nd_ > 0) beamkernel::SolveFactoredSymmetric(s_, nd_, c);
    out.assign(unknowns_ + 1, 0.0);
    for (int a = 0; a < nd_; ++a) out[denseUnknown_[a]] = c[a];
    const int nc = static_cast<int>(coupled_.size());
    for (int p = 1; p <= nb_; ++p) {
      const double* reach = reach_.data() + static_cast<size_t>(p) * nc;
      double v = y[p];
      for (int j = 0; j < nc; ++j) v -= reach[j] * c[coupled_[j]];
      out[bandUnknown_[p]] = v;
    }
  }

  enum Kind : char { kBand, kDense, kHeld };
  PassTerms terms_;
  int unknowns_ = 0, nb_ = 0, nd_ = 0, width_ = 1;
  std::vector<int> joint_;
  std::vector<std::vector<std::pair<int, double>>> structure_, rows_;  // rows_: with the pass's couplings
  std::vector<int> touched_;
  std::vector<char> imposed_, kind_;
  std::vector<int> position_, bandUnknown_, denseUnknown_;
  beamkernel::BandMatrix band_;
  std::vector<std::vector<std::pair<int, double>>> coupling_;  // per dense unknown: its band couplings
  std::vector<int> coupled_;  // the dense unknowns with band couplings
  std::vector<double> reach_, s_, own_;
};

namespace {

// The soil's stiffness at its indices in contact: the inverse of their flexibility, s (row-major,
// in the order of `in`), for the indices `next`. From the last pass's inverse when few indices
// changed (those that left eliminated from it, those that came bordered onto it, c^2 operations
// each, against c^3 / 2 for the whole), else afresh. False when the flexibility is singular.
bool ContactStiffness(const WallModel& m, const std::vector<int>& next, std::vector<int>& in, PassTerms& t) {
  std::vector<double>& s = t.blockMatrix;
  std::vector<double>& work = t.work;
  const int c = static_cast<int>(next.size());
  auto fresh = [&]() {
    in = next;
    s.resize(static_cast<size_t>(c) * c);  // every entry written
    for (int a = 0; a < c; ++a)
      for (int b = 0; b < c; ++b) s[static_cast<size_t>(a) * c + b] = static_cast<double>(m.flexibility(in[a], in[b]));
    if (!FactorDense(s, c)) return false;
    InvertFactored(s, c, work);
    return true;
  };
  const int c0 = static_cast<int>(in.size());
  std::vector<char> wanted(2 * m.plateNodes + 1, 0), had(2 * m.plateNodes + 1, 0);
  for (int p : next) wanted[p] = 1;
  for (int p : in) had[p] = 1;
  std::vector<int> kept, left, came;  // positions in `in`; soil indices
  for (int a = 0; a < c0; ++a) (wanted[in[a]] ? kept : left).push_back(a);
  for (int p : next)
    if (!had[p]) came.push_back(p);
  const int k = static_cast<int>(kept.size()), r = static_cast<int>(left.size()), na = static_cast<int>(came.size());
  if (c0 == 0 || 2 * (r + 2 * na) > c) return fresh();
  auto old = [&](int a, int b) { return s[static_cast<size_t>(a) * c0 + b]; };
  // Those that left: S_K = S_KK - S_KR S_RR^-1 S_RK.
  std::vector<double>& sk = t.kept;
  sk.resize(static_cast<size_t>(k) * k);
  for (int a = 0; a < k; ++a)
    for (int b = 0; b < k; ++b) sk[static_cast<size_t>(a) * k + b] = old(kept[a], kept[b]);
  if (r > 0) {
    std::vector<double>&srr = t.left, &y = t.solved, &column = t.column, &row = t.row;
    srr.resize(static_cast<size_t>(r) * r);
    y.resize(static_cast<size_t>(k) * r);
    column.resize(r);
    row.resize(r);
    for (int i = 0; i < r; ++i)
      for (int j = 0; j < r; ++j) srr[static_cast<size_t>(i) * r + j] = old(left[i], left[j]);
    if (!FactorDense(srr, r)) return fresh();
    for (int b = 0; b < k; ++b) {
      for (int i = 0; i < r; ++i) column[i] = old(left[i], kept[b]);
      beamkernel::SolveFactoredSymmetric(srr, r, column);
      std::copy(column.begin(), column.end(), y.begin() + static_cast<size_t>(b) * r);
    }
    for (int a = 0; a < k; ++a) {
      for (int i = 0; i < r; ++i) row[i] = old(kept[a], left[i]);
      double* to = sk.data() + static_cast<size_t>(a) * k;
      for (int b = 0; b < k; ++b) {
        const double* yb = y.data() + static_cast<size_t>(b) * r;
        double v = 0;
        for (int i = 0; i < r; ++i) v += row[i] * yb[i];
        to[b] -= v;
      }
    }
  }
  std::vector<int> order;
  for (int a : kept) order.push_back(in[a]);
  if (na == 0) {
    in = order;
    std::swap(s, sk);
    return true;
  }
  // Those that came, bordered on: with X = S_K F_KA and Z = F_AA - F_AK X, the inverse is
  // [S_K + X Z^-1 X', -X Z^-1; -Z^-1 X', Z^-1].
  std::vector<double>&fka = t.flex, &x = t.bordered, &z = t.schur, &w = t.across, &line = t.line;
  fka.resize(static_cast<size_t>(k) * na);
  x.assign(static_cast<size_t>(k) * na, 0.0);
  z.resize(static_cast<size_t>(na) * na);
  w.resize(static_cast<size_t>(k) * na);
  line.resize(na);
  for (int a = 0; a < k; ++a)
    for (int j = 0; j < na; ++j) fka[static_cast<size_t>(a) * na + j] = static_cast<double>(m.flexibility(order[a], came[j]));
  for (int a = 0; a < k; ++a) {
    double* xa = x.data() + static_cast<size_t>(a) * na;
    const double* ska = sk.data() + static_cast<size_t>(a) * k;
    for (int b = 0; b < k; ++b) {
      const double v = ska[b];
      if (v == 0) continue;
      const double* fb = fka.data() + static_cast<size_t>(b) * na;
      for (int j = 0; j < na; ++j) xa[j] += v * fb[j];
    }
  }
  for (int i = 0; i < na; ++i)
    for (int j = 0; j < na; ++j) {
      double v = static_cast<double>(m.flexibility(came[i], came[j]));
      for (int a = 0; a < k; ++a) v -= fka[static_cast<size_t>(a) * na + i] * x[static_cast<size_t>(a) * na + j];
      z[static_cast<size_t>(i) * na + j] = v;
    }
  if (!FactorDense(z, na)) return fresh();
  for (int a = 0; a < k; ++a) {
    std::copy(x.begin() + static_cast<size_t>(a) * na, x.begin() + static_cast<size_t>(a + 1) * na, line.begin());
    beamkernel::SolveFactoredSymmetric(z, na, line);
    std::copy(line.begin(), line.end(), w.begin() + static_cast<size_t>(a) * na);
  }
  InvertFactored(z, na, work);
  s.resize(static_cast<size_t>(c) * c);  // every entry written
  for (int a = 0; a < k; ++a) {
    double* to = s.data() + static_cast<size_t>(a) * c;
    const double* xa = x.data() + static_cast<size_t>(a) * na;
    for (int b = 0; b < k; ++b) {
      const double* wb = w.data() + static_cast<size_t>(b) * na;
      double v = 0;
      for (int j = 0; j < na; ++j) v += xa[j] * wb[j];
      to[b] = sk[static_cast<size_t>(a) * k + b] + v;
    }
    for (int j = 0; j < na; ++j) to[k + j] = s[static_cast<size_t>(k + j) * c + a] = -w[static_cast<size_t>(a) * na + j];
  }
  for (int i = 0; i < na; ++i)
    for (int j = 0; j < na; ++j) s[static_cast<size_t>(k + i) * c + k + j] = z[static_cast<size_t>(i) * na + j];
  in = order;
  in.insert(in.end(), came.begin(), came.end());
  return true;
}

// The pass's terms and loads in the nodes' present contact states. Winkler: the element halves
// next to a yielding or separated node leave the soil, and a yielding node's halves carry its
// yield stress as a stepwise load. Half-space: the soil indices in contact (a node's horizontal
// one unless it has separated, its vertical one while in elastic contact) keep the soil, whose
// stiffness there is the inverse of their flexibility; a yielding node's plate takes -q A, its
// soil surface +q A, which settles the surface under the nodes in contact by F q A as well. False
// when the flexibility of the nodes in contact is singular.
bool BuildWallSystem(WallModel& m, PassTerms& t, Vector& f) {
  const int n = m.plateNodes;
  if (m.contact.size() != static_cast<size_t>(n + 1)) m.contact.assign(n + 1, kElasticContact);
  f.assign(m.unknowns + 1, 0.0);
  for (int r = 1; r <= m.unknowns; ++r) f[r] = m.load[r];
  m.heldLoads.assign(4 * m.plateElements + 1, 0.0);
  t.couplings.clear();
  t.block.clear();
  if (m.soilKind != HalfSpaceSoil) t.blockMatrix.clear();  // a half-space's is the last pass's contact stiffness

  if (m.soilKind == WinklerSoil) {
    SoilMatrix soil(n, 2);
    beamkernel::EndForceTable held;
    held.Resize(m.plateElements);
    Vector ignored(2 * n + 3, 0.0);
    for (int e = 1; e <= m.plateElements; ++e)
      for (int half = 1; half <= 2; ++half) {
        const int node = e + half - 1;
        if (m.contact[node] == kElasticContact)
          beamkernel::WinklerSoilMatrix(half, soil, e, m.plateLength[e], 1.0, m.moduli(e, 1), m.moduli(e, 2));
        else if (m.contact[node] == kYielding) {
          double q = -m.nodeYield[node];  // the soil holds the plate up
          beamkernel::YieldForceTerms(e, m.plateLength[e], half == 1 ? q : 0.0, half == 2 ? q : 0.0, held, ignored, 1);
        }
      }
    for (int i = 1; i <= n; ++i) {
      t.couplings.push_back({3 * i - 1, 3 * i - 1, static_cast<double>(soil(i, 1))});
      if (i < n) {
        double c = static_cast<double>(soil(i, 2));
        t.couplings.push_back({3 * i - 1, 3 * i + 2, c});
        t.couplings.push_back({3 * i + 2, 3 * i - 1, c});
      }
    }
    int d[5];
    for (int e = 1; e <= m.plateElements; ++e) {
      PlateBendingFreedoms(e, d);
      for (int c = 1; c <= 4; ++c) {
        m.heldLoads[4 * (e - 1) + c] = -held(e, c);
        f[d[c]] -= held(e, c);
      }
    }
  } else if (m.soilKind == HalfSpaceSoil) {
    std::vector<int> next;
    for (int i = 1; i <= n; ++i) {
      if (m.contact[i] != kSeparated) next.push_back(2 * i - 1);
      if (m.contact[i] == kElasticContact) next.push_back(2 * i);
    }
    const std::vector<int>& in = m.soilInContact;
    const std::vector<double>& s = t.blockMatrix;
    if (!ContactStiffness(m, next, m.soilInContact, t)) return false;
    const int c = static_cast<int>(in.size());
    // The held forces: on the plate, and the settlement they cause under the nodes in contact.
    m.heldSettlement.assign(c, 0.0);
    for (int i = 1; i <= n; ++i)
      if (m.contact[i] == kYielding) {
        const double force = m.nodeYield[i] * TributaryWidth(m, i);
        f[3 * i - 1] -= force;
        for (int a = 0; a < c; ++a) m.heldSettlement[a] += static_cast<double>(m.flexibility(in[a], 2 * i)) * force;
      }
    for (int a = 0; a < c; ++a) {
      const int p = in[a], i = (p + 1) / 2;
      t.block.push_back(p % 2 == 1 ? 3 * i - 2 : 3 * i - 1);
      double load = 0;
      for (int b = 0; b < c; ++b) load += s[static_cast<size_t>(a) * c + b] * m.heldSettlement[b];
      f[t.block.back()] += load;
    }
  }
  for (int r : m.imposed) f[r] = 0.0;
  return true;
}

// Half-space: the soil forces of the solution (those in contact from their stiffness and the
// plate's translations, the held ones q A, the separated ones 0) and the soil surface under the
// nodes out of contact (its settlement under those forces) as unknowns of x beyond the wall's.
void SoilForcesAndSurfaces(WallModel& m, const PassTerms& t) {
  const int n = m.plateNodes;
  const std::vector<int>& in = m.soilInContact;
  const int c = static_cast<int>(in.size());
  m.soilForce.assign(2 * n + 1, 0.0);
  for (int a = 0; a < c; ++a) {
    long double force = 0;
    const double* row = t.blockMatrix.data() + static_cast<size_t>(a) * c;
    for (int b = 0; b < c; ++b) force += static_cast<long double>(row[b]) * (m.x[t.block[b]] - m.heldSettlement[b]);
    m.soilForce[in[a]] = static_cast<double>(force);
  }
  for (int i = 1; i <= n; ++i)
    if (m.contact[i] == kYielding) m.soilForce[2 * i] = m.nodeYield[i] * TributaryWidth(m, i);
  int extras = 0;
  m.soilFreedom.assign(2 * n + 1, 0);
  for (int i = 1; i <= n; ++i) {
    m.soilFreedom[2 * i - 1] = m.contact[i] == kSeparated ? m.unknowns + ++extras : 3 * i - 2;
    m.soilFreedom[2 * i] = m.contact[i] != kElasticContact ? m.unknowns + ++extras : 3 * i - 1;
  }
  m.x.resize(m.unknowns + extras + 1, 0.0);
  for (int p = 1; p <= 2 * n; ++p) {
    if (m.soilFreedom[p] <= m.unknowns) continue;
    long double w = 0;
    for (int q = 1; q <= 2 * n; ++q)
      if (m.soilForce[q] != 0.0) w += m.flexibility(p, q) * m.soilForce[q];
    m.x[m.soilFreedom[p]] = static_cast<double>(w);
  }
}

const SolverStopProfile& StopProfile() {
  static const SolverStopProfile profile{{kStopIterationUnstable, kStopLoadTooLarge, kStopBadJobData, kStopBadHalfSpace,
                                          kStopReportNotWritten, kStopIterationUnstableNodeWise, kStopLoadTooLargeNodeWise,
                                          kStopBadSupportData, kStopBadLoadData, kStopValueTooLarge},
                                         false,
                                         {kStopIterationUnstable, kStopLoadTooLarge, kStopIterationUnstableNodeWise,
                                          kStopLoadTooLargeNodeWise, kStopSystemUnstableNodeWise}};
  return profile;
}

}  // namespace

std::string SolverStopMessage(int code) {
  if (code == kStopToeOffPlateNodes) return kPlateGeometryMissing;
  return ::SolverStopMessage(code, StopProfile());
}
// The toe's stop sounds as the other geometry stop does.
std::vector<SolverTone> SolverStopTones(int code) {
  return ::SolverStopTones(code == kStopToeOffPlateNodes ? kStopBadJobData : code, StopProfile());
}
SolverWarningData SolverWarningFor(int code) {
  SolverWarningData w = ::SolverWarningFor(code == kStopToeOffPlateNodes ? kStopBadJobData : code, StopProfile());
  if (code == kStopToeOffPlateNodes) w.text = SolverStopMessage(code);
  return w;
}

int ReadWallGeometry(WallModel& m) {
  TextLines.assign(5001, std::string());
  int count = 0;
  LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
  if (count == 0) return kSolverNoJob;
  int plateRows = 0, stemRows = 0;
  ReadGeometrySections(TextLines, count, plateRows, stemRows);
  if (GeneralData(1, 1) > kMaxElements || GeneralData(2, 1) > kMaxElements) return kStopBadJobData;
  const int nb = ElementCount(1), ns = ElementCount(2);
  if (nb < 1) return kSolverNoJob;
  for (int s = 1; s <= 2; ++s)
    if (int stop = DataFileStop(DataFileDamage(TextLines, count, GeometryFileForm(s)), kStopBadJobData)) return stop;
  BasePlateElements.Redim(nb, 4);
  WallStemElements.Redim(ns, 4);
  ReadElementTable(TextLines, count, BasePlateElements, nb, 2, plateRows, plateRows + nb - 1);
  if (stemRows > 0) ReadElementTable(TextLines, count, WallStemElements, ns, 2, stemRows, stemRows + ns - 1);

  m.plateElements = nb;
  m.stemElements = ns;
  m.plateNodes = nb + 1;
  m.stemNodes = ns + 1;
  m.plateWidth = GeneralData(1, 2);
  m.plateModulus = GeneralData(1, 3);
  m.platePoisson = GeneralData(1, 4);
  m.stemModulus = GeneralData(2, 3);
  m.stemPoisson = GeneralData(2, 4);
  if (!Finite(m.plateModulus) || !Finite(m.stemModulus) || !(m.plateWidth > 0) || !Finite(m.plateWidth) ||
      !(1 - m.platePoisson * m.platePoisson > 0) || !(1 - m.stemPoisson * m.stemPoisson > 0))
    return kStopBadJobData;
  if (m.plateModulus < 1.0E-7) m.plateModulus = 1.0E-10;  // given as zero

  m.plateLength.assign(nb + 1, 0.0);
  m.plateThickness = m.plateInertia = m.plateHalfWidth = m.plateLength;
  m.plateX.assign(m.plateNodes + 1, 0.0);
  for (int e = 1; e <= nb; ++e) {
    double l = BasePlateElements(e, 1), t = BasePlateElements(e, 2);
    if (!(l > 0 && t > 0) || !Finite(l) || !Finite(t)) return kStopBadJobData;
    m.plateLength[e] = l;
    m.plateThickness[e] = t;
    m.plateInertia[e] = t * t * t / (12 * (1 - m.platePoisson * m.platePoisson));
    m.plateHalfWidth[e] = 10 * m.plateWidth / 2;  // the plate is taken as 10 times as long as it is wide
    m.plateX[e + 1] = m.plateX[e] + l;
  }
  m.stemLength.assign(ns + 1, 0.0);
  m.stemThickness = m.stemLength;
  m.stemS.assign(m.stemNodes + 1, 0.0);
  for (int e = 1; e <= ns; ++e) {
    double l = WallStemElements(e, 1), t = WallStemElements(e, 2);
    if (!(l > 0 && t > 0) || !Finite(l) || !Finite(t)) return kStopBadJobData;
    m.stemLength[e] = l;
    m.stemThickness[e] = t;
    m.stemS[e + 1] = m.stemS[e] + l;
  }
  // After the element checks: a bad width must stop with its message, not pass for a toe
  // length off the element ends.
  bool found = false;
  m.stemNode = FindStemNode(BasePlateElements, nb, m.plateWidth, GeneralData(1, 5), found);
  if (!found) return kStopToeOffPlateNodes;
  m.unknowns = 3 * m.plateNodes + 2 * (m.stemNodes - 1);
  // The system is dense: beyond this size its matrices would take gigabytes and the solution
  // hours, far past any wall's needs.
  if (m.unknowns > kMaxUnknowns) return kStopBadJobData;
  return kSolverDone;
}

int ReadWallSupports(WallModel& m) {
  TextLines.assign(5001, std::string());
  int count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, SupportFileForm()), kStopBadSupportData)) return stop;
  ReadSupportTables(TextLines, count, m.plateElements, m.stemElements);
  const int n = m.plateNodes;
  m.soilKind = NoSoil;
  if (SupportFlagIsYes(kWinklerSlot)) {
    // Winkler soil wins when both soils are given, as in the report.
    m.soilKind = WinklerSoil;
    m.winkler.Resize(n, 2);
    m.moduli.Redim(m.plateElements, 2);
    for (int e = 1; e <= m.plateElements; ++e) {
      double ki = WinklerTable(e, 1), kj = WinklerTable(e, 2);
      if (!Finite(ki) || !Finite(kj)) return kStopBadJobData;
      m.moduli(e, 1) = ki;
      m.moduli(e, 2) = kj;
      beamkernel::WinklerSoilMatrix(1, m.winkler, e, m.plateLength[e], 1.0, ki, kj);
      beamkernel::WinklerSoilMatrix(2, m.winkler, e, m.plateLength[e], 1.0, ki, kj);
    }
    m.nodeModulus.assign(n + 1, 0.0);
    m.nodeYield.assign(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
      // The element ends at the node, weighted by the elements' half widths.
      double modulus = 0, yield = 0, weight = 0;
      bool yields = true;
      if (i > 1) {
        double l = m.plateLength[i - 1], y = WinklerTable(i - 1, 4);
        modulus += m.moduli(i - 1, 2) * l;
        yield += y * l;
        yields = yields && y > 0 && Finite(y);
        weight += l;
      }
      if (i < n) {
        double l = m.plateLength[i], y = WinklerTable(i, 3);
        modulus += m.moduli(i, 1) * l;
        yield += y * l;
        yields = yields && y > 0 && Finite(y);
        weight += l;
      }
      m.nodeModulus[i] = modulus / weight;
      m.nodeYield[i] = yields ? yield / weight : 0.0;
    }
  } else if (SupportFlagIsYes(kHalfSpaceSlot)) {
    m.soilKind = HalfSpaceSoil;
    m.soilModulus = ParseNumber(SupportFlags[kHalfSpaceModulusSlot]);
    m.soilPoisson = ParseNumber(SupportFlags[kHalfSpacePoissonSlot]);
    if (!(m.soilPoisson >= 0 && m.soilPoisson <= 0.5)) m.soilPoisson = 0;
    m.yieldStress = ParseNumber(SupportFlags[kHalfSpaceYieldSlot]);
    if (!(m.soilModulus > 0) || !Finite(m.soilModulus) || !Finite(m.yieldStress)) return kStopBadHalfSpace;
    m.capacity = m.plateWidth * m.yieldStress;
    m.nodeYield.assign(n + 1, m.yieldStress);
    SoilMatrix& f = m.flexibility;
    HalfSpaceFlexibilityCoefficients(f, n, m.plateX, m.plateHalfWidth, m.soilPoisson);
    long double factor = kPi * static_cast<long double>(m.soilModulus) / (1 - m.soilPoisson * m.soilPoisson);
    // Its inverse, the soil's stiffness, is formed by each solution for the nodes then in
    // contact.
    for (int i = 1; i <= 2 * n; ++i)
      for (int j = 1; j <= 2 * n; ++j) f(i, j) /= factor;
  }
  return kSolverDone;
}

void AssembleWallSystem(WallModel& m) {
  const int n = m.plateNodes;
  StructureMatrix& k = m.structure;
  k.Resize(m.unknowns);
  m.condensed.reset();  // formed again from this structure
  m.soilInContact.clear();
  ElementMatrix ke;
  int d[5];
  for (int e = 1; e <= m.stemElements; ++e) {
    PlateStripElement(ke, m.stemLength[e], m.stemThickness[e], m.stemModulus, m.stemPoisson);
    StemElementFreedoms(m, e, d);
    AddElement(k, d, ke);
  }
  int springs = 0;
  for (int j = 1; j <= m.stemNodes; ++j) {
    int u, r;
    StemFreedoms(m, j, u, r);
    k(u, u) += StemRestraintTable.Get(j, 1);
    k(r, r) += StemRestraintTable.Get(j, 2);
  }
  for (int e = 1; e <= m.plateElements; ++e) {
    PlateBending(m, e, ke);
    PlateBendingFreedoms(e, d);
    AddElement(k, d, ke);
    double a = PlateAxialStiffness(m, e);
    k(3 * e - 2, 3 * e - 2) += a;
    k(3 * e + 1, 3 * e + 1) += a;
    k(3 * e - 2, 3 * e + 1) -= a;
    k(3 * e + 1, 3 * e - 2) -= a;
  }
  for (int i = 1; i <= n; ++i) {
    double kv = ElasticSupportTable.Get(i, 1), kr = ElasticSupportTable.Get(i, 2);
    k(3 * i - 1, 3 * i - 1) += kv;
    k(3 * i, 3 * i) += kr;
    springs += (kv > 0) + (kr > 0);
  }

  m.imposed.clear();
  if (SupportFlagIsYes(kToeRestrainedSlot)) m.imposed.push_back(1);
  m.unyielding = SupportFlagIsYes(kUnyieldingSlot) ? NodeNumbers(UnyieldingNodes, n, true) : std::vector<int>();
  for (int i : m.unyielding) m.imposed.push_back(3 * i - 1);
  m.contact.assign(n + 1, kElasticContact);
  const int nodes = static_cast<int>(m.unyielding.size());
  m.stable = springs >= 2 || nodes >= 2 || (springs >= 1 && nodes >= 1);
}

int FormWallLoads(WallModel& m) {
  int count = 0;
  LoadCaseNames.assign(51, std::string());
  LoadTextLines(LoadCaseListFileName(JobSpec), LoadCaseNames, 50, count);
  if (CaseLetter(LoadCaseName).empty()) return kSolverNoJob;
  TextLines.assign(5001, std::string());
  count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, LoadFileForm()), kStopBadLoadData)) return stop;
  ReadLoadTables(TextLines, count, m.plateElements, m.stemElements);

  Vector& f = m.load;
  f.assign(m.unknowns + 1, 0.0);
  const int n = m.plateNodes;
  double t[5];
  int d[5];
  m.plateLoads.assign(4 * m.plateElements + 1, 0.0);
  const double plateWeight = LoadTable.Get(1, 2) * kGravity, uniform = LoadTable.Get(1, 1);
  for (int e = 1; e <= m.plateElements; ++e) {
    double own = plateWeight * m.plateThickness[e];
    PlateLoadTerms(m.plateLength[e], uniform + PlateTrapezoidalLoads.Get(e, 1) + own,
                   uniform + PlateTrapezoidalLoads.Get(e, 2) + own, t);
    PlateBendingFreedoms(e, d);
    for (int c = 1; c <= 4; ++c) {
      m.plateLoads[4 * (e - 1) + c] = t[c];
      f[d[c]] += t[c];
    }
  }
  for (int i = 1; i <= n; ++i) {
    f[3 * i - 1] += PlateNodalLoads.Get(i, 1);
    f[3 * i] += PlateNodalLoads.Get(i, 2);
  }

  m.stemLoads.assign(4 * m.stemElements + 1, 0.0);
  m.stemVertical.assign(m.stemElements + 1, 0.0);
  m.stemNodalVertical.assign(m.stemNodes + 1, 0.0);
  const double stemWeight = LoadTable.Get(2, 2) * kGravity, horizontal = LoadTable.Get(2, 1);
  const int joint = 3 * m.stemNode - 1;  // the vertical loads of the stem go down to the base plate here
  for (int e = 1; e <= m.stemElements; ++e) {
    double l = m.stemLength[e], th = m.stemThickness[e];
    double qi = StemVerticalLoads.Get(e, 1), qj = StemVerticalLoads.Get(e, 2);
    double h[5], couple[5];
    StemLoadTerms(l, horizontal + StemHorizontalLoads.Get(e, 1), horizontal + StemHorizontalLoads.Get(e, 2), h);
    // The surface load acts on the backfill face, t/2 from the axis: a clockwise couple q t/2.
    StemCoupleTerms(l, qi * th / 2, qj * th / 2, couple);
    StemElementFreedoms(m, e, d);
    for (int c = 1; c <= 4; ++c) {
      m.stemLoads[4 * (e - 1) + c] = h[c] + couple[c];
      f[d[c]] += h[c] + couple[c];
    }
    m.stemVertical[e] = stemWeight * th * l + l * (qi + qj) / 2;
    f[joint] += m.stemVertical[e];
  }
  for (int j = 1; j <= m.stemNodes; ++j) {
    int u, r;
    StemFreedoms(m, j, u, r);
    f[u] += StemNodalLoads.Get(j, 1);
    f[r] += StemNodalLoads.Get(j, 3);
    m.stemNodalVertical[j] = StemNodalLoads.Get(j, 2);
    f[joint] += m.stemNodalVertical[j];
  }
  for (int i = 1; i <= m.unknowns; ++i)
    if (!Finite(f[i])) return kStopBadJobData;
  for (int r : m.imposed) f[r] = 0.0;
  return kSolverDone;
}

int SolveWall(WallModel& m) {
  if (!m.condensed) {
    m.condensed = std::make_shared<CondensedWall>();
    m.condensed->Form(m);
  }
  PassTerms& terms = m.condensed->Terms();
  Vector f;
  if (!BuildWallSystem(m, terms, f) || !m.condensed->Solve(terms, f, m.x)) return kStopSystemUnstable;
  if (m.soilKind == HalfSpaceSoil) SoilForcesAndSurfaces(m, terms);
  return kSolverDone;
}

void WallReactions(WallModel& m) {
  const int n = m.plateNodes;
  if (m.contact.size() != static_cast<size_t>(n + 1)) m.contact.assign(n + 1, kElasticContact);
  m.pressures.assign(n + 1, 0.0);
  m.horizontalStress.assign(n + 1, 0.0);
  m.totalReaction = 0;
  m.soilEnd.Resize(m.plateElements);
  m.soilEndHorizontal.Resize(m.plateElements);
  if (m.soilKind == WinklerSoil) {
    // The halves next to a node out of elastic contact hold its yield stress or nothing.
    Vector w(2 * n + 1, 0.0), ones(m.plateElements + 1, 1.0), held(2 * m.plateElements + 1, 0.0);
    std::vector<int> halves(2 * m.plateElements + 1, 0);
    for (int i = 1; i <= n; ++i) w[2 * i - 1] = m.x[3 * i - 1];
    for (int e = 1; e <= m.plateElements; ++e)
      for (int half = 1; half <= 2; ++half) {
        const int node = e + half - 1, at = 2 * e - 2 + half;
        halves[at] = m.contact[node] != kElasticContact;
        held[at] = m.contact[node] == kYielding ? m.nodeYield[node] : 0.0;
      }
    beamkernel::ElementResults(w, halves, m.soilEnd, m.plateElements, m.plateLength, ones, m.moduli, held,
                               m.totalReaction);
    for (int i = 1; i <= n; ++i) {
      if (m.contact[i] == kElasticContact) m.pressures[i] = m.nodeModulus[i] * m.x[3 * i - 1];
      else if (m.contact[i] == kYielding) m.pressures[i] = m.nodeYield[i];
    }
  } else if (m.soilKind == HalfSpaceSoil) {
    if (m.soilForce.size() != static_cast<size_t>(2 * n + 1)) m.soilForce.assign(2 * n + 1, 0.0);
    long double total = 0;
    for (int i = 1; i <= n; ++i) {
      const double h = m.soilForce[2 * i - 1], v = m.soilForce[2 * i];
      total += v;
      double width = TributaryWidth(m, i);
      m.pressures[i] = v / width;
      m.horizontalStress[i] = h / width;
      if (m.contact[i] == kYielding) m.pressures[i] = m.nodeYield[i];
      if (m.contact[i] == kSeparated) m.pressures[i] = m.horizontalStress[i] = 0.0;
    }
    m.totalReaction = static_cast<double>(total);
    for (int e = 1; e <= m.plateElements; ++e) {
      double half = m.plateLength[e] / 2;
      m.soilEnd.atI[e] = m.pressures[e] * half;
      m.soilEnd.atJ[e] = m.pressures[e + 1] * half;
      m.soilEndHorizontal.atI[e] = m.horizontalStress[e] * half;
      m.soilEndHorizontal.atJ[e] = m.horizontalStress[e + 1] * half;
    }
  }
}

int CheckSoilCapacity(const WallModel& m) {
  if (m.soilKind == HalfSpaceSoil) {
    // Only a soil that yields everywhere has a capacity.
    if (m.yieldStress > 0 && 1.1 * m.totalReaction > m.capacity) return kStopLoadTooLarge;
  } else if (m.soilKind == WinklerSoil) {
    double capacity = 0;
    for (int e = 1; e <= m.plateElements; ++e) {
      double yi = WinklerTable(e, 3), yj = WinklerTable(e, 4);
      if (!(yi > 0 && yj > 0)) return kSolverDone;
      capacity += m.plateLength[e] * (yi + yj) / 2;
    }
    if (1.1 * m.totalReaction > capacity) return kStopLoadTooLargeNodeWise;
  }
  return kSolverDone;
}

int ContactPassLimit(int nodes) { return nodes > 50 ? static_cast<int>(std::nearbyint(nodes / 2.0)) : nodes; }

void UpdateContactStatus(const Vector& q, Vector& p, std::vector<int>& status, int n, const std::vector<char>& inSoil,
                         int& yields, int& separations, int& changes) {
  for (int i = 1; i <= n; ++i) {
    if (!inSoil[i]) continue;
    const double qi = q[i];
    if (qi > 0 && std::fabs(p[i] - qi) / qi < 0.001) p[i] = qi;
    int next = kElasticContact;
    if (p[i] > 0) {
      if (qi > 0 && !(p[i] < qi)) {
        p[i] = qi;
        ++yields;
        next = kYielding;
      }
    } else {
      p[i] = 0;
      separations += 2;
      next = kSeparated;
    }
    if (status[i] != next) {
      status[i] = next;
      ++changes;
    }
  }
}

namespace {

// Step 4 of the iteration: a separated node whose plate has come down onto the soil surface
// under it (Winkler: below its unloaded level) is in contact again; a yielding node whose plate
// has risen above that surface (Winkler: above q / k) unloads to half its yield stress. The
// number of nodes re-admitted.
int ReadmitNodes(WallModel& m, const std::vector<char>& inSoil) {
  int changes = 0;
  for (int i = 1; i <= m.plateNodes; ++i) {
    if (!inSoil[i] || m.contact[i] == kElasticContact) continue;
    const double w = m.x[3 * i - 1];
    double surface = 0;
    if (m.soilKind == HalfSpaceSoil) surface = m.x[m.soilFreedom[2 * i]];
    else if (m.contact[i] == kYielding) surface = m.nodeYield[i] / m.nodeModulus[i];
    if (m.contact[i] == kSeparated && w > surface) {
      m.contact[i] = kElasticContact;
      ++changes;
    } else if (m.contact[i] == kYielding && w < surface) {
      m.contact[i] = kElasticContact;
      m.pressures[i] = m.nodeYield[i] / 2;
      ++changes;
    }
  }
  return changes;
}

}  // namespace

int ContactIteration(WallModel& m) {
  const int n = m.plateNodes;
  const bool winkler = m.soilKind == WinklerSoil;
  // Nodes without soil under them take no part.
  std::vector<char> inSoil(n + 1, 0);
  for (int i = 1; i <= n; ++i) inSoil[i] = !winkler || m.nodeModulus[i] > 0;
  const int limit = ContactPassLimit(n);
  m.contactPasses = 0;
  std::vector<std::vector<int>> settled;  // the states in which a pass changed nothing
  for (;;) {
    int yields = 0, separations = 0, changes = 0;
    UpdateContactStatus(m.nodeYield, m.pressures, m.contact, n, inSoil, yields, separations, changes);
    if (changes == 0) {
      if (m.contactPasses == 0) return kSolverDone;  // the elastic solution stands
      // A settled state met again: re-admitting from it leads only back to it, and the passes
      // would repeat until the limit. It happens at the edge of a contact or yield zone, where
      // the re-admission test and the pressures disagree by a hair: a separated node whose
      // plate touches the soil surface by a fraction of a micrometre, but which the
      // half-space's shear coupling pulls off again once in contact; a yielding node that
      // unloads and at once reaches its yield stress again. That state stands.
      if (std::find(settled.begin(), settled.end(), m.contact) != settled.end()) return kSolverDone;
      settled.push_back(m.contact);
      if (ReadmitNodes(m, inSoil) == 0) return kSolverDone;
    }
    if (m.contactPasses >= limit) return winkler ? kStopIterationUnstableNodeWise : kStopIterationUnstable;
    ++m.contactPasses;
    int elastic = 0;
    for (int i = 1; i <= n; ++i) elastic += inSoil[i] && m.contact[i] == kElasticContact;
    if (elastic < 3 && !m.stable) return winkler ? kStopSystemUnstableNodeWise : kStopSystemUnstable;
    int code = SolveWall(m);
    if (code != kSolverDone) return code;
    WallReactions(m);
  }
}

void FormWallEndForces(WallModel& m) {
  ElementMatrix ke;
  int d[5];
  double f[5];
  m.plateForces.Resize(m.plateElements);
  for (int e = 1; e <= m.plateElements; ++e) {
    PlateBending(m, e, ke);
    PlateBendingFreedoms(e, d);
    ElementForces(ke, m.x, d, m.plateLoads, e, f);
    if (!m.heldLoads.empty())
      for (int c = 1; c <= 4; ++c) f[c] -= m.heldLoads[4 * (e - 1) + c];
    // Each element takes back its own share of the soil, so that the soil under it is not
    // counted as a load on its ends.
    f[1] += m.soilEnd.atI[e];
    f[3] += m.soilEnd.atJ[e];
    double a = PlateAxialStiffness(m, e), du = m.x[3 * e - 2] - m.x[3 * e + 1];
    double axialI = a * du + m.soilEndHorizontal.atI[e], axialJ = -a * du + m.soilEndHorizontal.atJ[e];
    m.plateForces(e, 1) = -f[1];
    m.plateForces(e, 2) = f[2];
    m.plateForces(e, 3) = f[3];
    m.plateForces(e, 4) = f[4];
    m.plateForces(e, 5) = axialI;
    m.plateForces(e, 6) = -axialJ;
  }
  CleanColumns(m.plateForces, m.plateElements);

  m.stemForces.Resize(m.stemElements);
  // The stem's axial force by statics: minus the vertical load above the section.
  double above = 0;
  for (int j = m.stemNodes; j >= 2; --j) {
    int e = j - 1;
    above += m.stemNodalVertical[j];
    m.stemForces(e, 6) = -above;
    above += m.stemVertical[e];
    m.stemForces(e, 5) = -above;
  }
  for (int e = 1; e <= m.stemElements; ++e) {
    PlateStripElement(ke, m.stemLength[e], m.stemThickness[e], m.stemModulus, m.stemPoisson);
    StemElementFreedoms(m, e, d);
    ElementForces(ke, m.x, d, m.stemLoads, e, f);
    m.stemForces(e, 1) = f[1];
    m.stemForces(e, 2) = f[2];
    m.stemForces(e, 3) = -f[3];
    m.stemForces(e, 4) = f[4];
  }
  CleanColumns(m.stemForces, m.stemElements);
}

int WriteWallReport(const WallModel& m) {
  const std::string file = ResultsFileName(JobSpec, LoadCaseName);
  const std::string header = "Job: " + JobSpec + " //  Load Case: '" + Trim(LoadCaseName) + "'";
  Table2D<double> plate, stem;
  plate.Redim(m.plateNodes, 3);
  for (int i = 1; i <= m.plateNodes; ++i) {
    plate(i, 1) = m.x[3 * i];
    plate(i, 2) = m.x[3 * i - 1];
    plate(i, 3) = m.x[3 * i - 2];
  }
  stem.Redim(m.stemNodes, 2);
  for (int j = 1; j <= m.stemNodes; ++j) {
    int u, r;
    StemFreedoms(m, j, u, r);
    stem(j, 1) = m.x[r];
    stem(j, 2) = m.x[u];
  }
  if (!WriteSubstructureResults(m.soilKind, m.plateForces, plate, m.pressures, m.totalReaction, m.plateLength,
                                m.plateNodes, file, header, "BASE PLATE") ||
      !WriteSubstructureResults(0, m.stemForces, stem, Vector(), 0.0, m.stemLength, m.stemNodes, file, header,
                                "WALL STEM")) {
    DeleteIfExists(file);  // half a report is no result
    return kStopReportNotWritten;
  }
  return kSolverDone;
}

int AnalyseLoadCase(int mode, WallModel& m) {
  if (Trim(LoadCaseName).empty()) return kSolverNoJob;
  DeleteIfExists(ResultsFileName(JobSpec, LoadCaseName));
  int code = ReadWallGeometry(m);
  if (code == kSolverDone) code = ReadWallSupports(m);
  if (code != kSolverDone) return code;
  AssembleWallSystem(m);
  code = FormWallLoads(m);
  if (code == kSolverDone) code = SolveWall(m);
  if (code != kSolverDone) return code;
  WallReactions(m);
  if (mode == 1 && m.soilKind != NoSoil) {
    code = CheckSoilCapacity(m);
    if (code == kSolverDone) code = ContactIteration(m);
    if (code != kSolverDone) return code;
  }
  FormWallEndForces(m);
  return WriteWallReport(m);
}

int AnalyseLoadCase(int mode) {
  WallModel model;
  return AnalyseLoadCase(mode, model);
}

}  // namespace murelo
