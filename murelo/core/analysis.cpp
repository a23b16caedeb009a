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

void AddElement(DenseMatrix& k, const int d[5], const ElementMatrix& ke) {
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

// The wall's system with the unknowns that the soil does not reach eliminated in their own
// narrow band: the base plate's rotations (but the stem's joint) and the stem's unknowns couple
// only with their neighbours and with the plate's translations. Formed once from the structure;
// each pass then adds the soil of its contact states to one dense symmetric system of the
// plate's translations, the joint's rotation and the soil surfaces beyond the wall's unknowns:
// (2N)^3 / 6 operations against (3N + 2M)^3 / 3 for the whole.
class CondensedWall {
 public:
  // False when the band unknowns alone are singular (the kernel's pivot rule).
  bool Form(const WallModel& m) {
    const DenseMatrix& k = m.structure;
    unknowns_ = m.unknowns;
    position_.assign(unknowns_ + 1, 0);
    bandUnknown_.assign(1, 0);
    denseUnknown_.clear();
    auto banded = [&m](int r) { return r > 3 * m.plateNodes || (r % 3 == 0 && r != 3 * m.stemNode); };
    banded_.assign(unknowns_ + 1, 0);
    for (int r = 1; r <= unknowns_; ++r) {
      banded_[r] = banded(r);
      std::vector<int>& set = banded(r) ? bandUnknown_ : denseUnknown_;
      position_[r] = static_cast<int>(set.size());
      set.push_back(r);
    }
    // The structure's couplings row by row (for the residuals): a few per unknown.
    structureRow_.assign(unknowns_ + 1, {});
    for (int r = 1; r <= unknowns_; ++r)
      for (int c = 1; c <= unknowns_; ++c)
        if (k(r, c) != 0.0) structureRow_[r].emplace_back(c, k(r, c));
    nb_ = static_cast<int>(bandUnknown_.size()) - 1;
    nd0_ = static_cast<int>(denseUnknown_.size());
    coupling_.assign(nd0_, {});
    width_ = 1;
    for (int p = 1; p <= nb_; ++p) {
      const int r = bandUnknown_[p];
      for (int c = 1; c <= unknowns_; ++c) {
        const double v = k(r, c);
        if (v == 0.0) continue;
        if (banded(c)) width_ = std::max(width_, position_[c] - p + 1);
        else coupling_[position_[c]].emplace_back(p, v);
      }
    }
    band_.Resize(std::max(nb_, 1), width_);
    for (int p = 1; p <= nb_; ++p)
      for (int c = 1; c <= width_ && p + c - 1 <= nb_; ++c) band_(p, c) = k(bandUnknown_[p], bandUnknown_[p + c - 1]);
    std::string message;
    Vector unused;
    if (nb_ > 0) {
      beamkernel::BandSolve(band_, nb_, unused, message, width_, 1);
      if (message == beamkernel::kSingularMessage) return false;
    }
    // X = K_bb^-1 K_bd for the dense unknowns that the band reaches, and K_dd - K_db X.
    reach_.assign(nd0_, Vector());
    for (int a = 0; a < nd0_; ++a) {
      if (coupling_[a].empty()) continue;
      reach_[a].assign(nb_ + 1, 0.0);
      for (const auto& pv : coupling_[a]) reach_[a][pv.first] = pv.second;
      beamkernel::BandSolve(band_, nb_, reach_[a], message, width_, 2);
    }
    // Every pass's system in the same storage: fresh pages for each would cost more than the pass.
    const size_t largest = static_cast<size_t>(nd0_ + 2 * m.plateNodes) * (nd0_ + 2 * m.plateNodes);
    s_.reserve(largest);
    kept_.reserve(largest);
    schur_.assign(static_cast<size_t>(nd0_) * nd0_, 0.0);
    taken_.assign(nd0_, 0.0);
    for (int a = 0; a < nd0_; ++a) {
      double* row = schur_.data() + static_cast<size_t>(a) * nd0_;
      for (int b = 0; b < nd0_; ++b) row[b] = k(denseUnknown_[a], denseUnknown_[b]);
      for (const auto& pv : coupling_[a])
        for (int b = 0; b < nd0_; ++b)
          if (!reach_[b].empty()) row[b] -= pv.second * reach_[b][pv.first];
      taken_[a] = k(denseUnknown_[a], denseUnknown_[a]) - row[a];
    }
    return true;
  }

  // A pass's system of `size` unknowns (the wall's, then the soil surfaces'): the condensed
  // structure, the rest zero.
  void Shape(int size) {
    size_ = size;
    nd_ = nd0_ + size - unknowns_;
    s_.assign(static_cast<size_t>(nd_) * nd_, 0.0);
    for (int a = 0; a < nd0_; ++a)
      std::copy(schur_.begin() + static_cast<size_t>(a) * nd0_, schur_.begin() + static_cast<size_t>(a + 1) * nd0_,
                s_.begin() + static_cast<size_t>(a) * nd_);
    imposed_.assign(nd_, 0);
  }
  // The coupling of unknowns r and c, both reached by the soil.
  double& operator()(int r, int c) { return s_[static_cast<size_t>(Dense(r)) * nd_ + Dense(c)]; }
  // Unknown r held at 0: its equation cleared to x_r = 0.
  void Impose(int r, Vector& f) {
    if (r < 1 || r > size_) return;
    const int a = Dense(r);
    for (int b = 0; b < nd_; ++b) s_[static_cast<size_t>(a) * nd_ + b] = s_[static_cast<size_t>(b) * nd_ + a] = 0.0;
    s_[static_cast<size_t>(a) * nd_ + a] = 1.0;
    imposed_[a] = 1;
    f[r] = 0.0;
  }

  // x := the solution (1..size) of the pass's system for the loads f; false when it is singular or
  // x is not finite.
  bool Solve(const Vector& f, Vector& x) {
    std::vector<double> own(nd_);
    std::vector<double>& kept = kept_;
    kept.assign(s_.begin(), s_.end());
    for (int a = 0; a < nd_; ++a)
      own[a] = imposed_[a] ? 1.0 : s_[static_cast<size_t>(a) * nd_ + a] + (a < nd0_ ? taken_[a] : 0.0);
    if (!beamkernel::FactorSymmetricDense(s_, nd_, own)) return false;
    Vector result, correction, residual(size_ + 1, 0.0);
    Apply(f, result);
    // The plate's axial stiffness, the soil's and the stem's bending differ by many orders: two
    // steps of refinement against residuals of the whole system formed in extended precision
    // bring the solution to what an elimination in extended precision gives.
    for (int step = 0; step < 2; ++step) {
      for (int r = 1; r <= size_; ++r) {
        const int a = Dense(r);
        if (!Banded(r) && imposed_[a]) {
          residual[r] = -result[r];
          continue;
        }
        long double sum = f[r];
        if (r <= unknowns_)
          for (const auto& cv : structureRow_[r])
            if (Banded(cv.first) || !imposed_[Dense(cv.first)]) sum -= static_cast<long double>(cv.second) * result[cv.first];
        if (!Banded(r)) {
          // The soil's terms: what the pass added to the condensed structure.
          const double* row = kept.data() + static_cast<size_t>(a) * nd_;
          for (int b = 0; b < nd_; ++b) {
            if (imposed_[b]) continue;
            const double soil = a < nd0_ && b < nd0_ ? row[b] - schur_[static_cast<size_t>(a) * nd0_ + b] : row[b];
            if (soil != 0.0) sum -= static_cast<long double>(soil) * result[Full(b)];
          }
        }
        residual[r] = static_cast<double>(sum);
      }
      Apply(residual, correction);
      for (int r = 1; r <= size_; ++r) result[r] += correction[r];
    }
    for (int i = 1; i <= size_; ++i)
      if (!Finite(result[i])) return false;
    x = std::move(result);
    return true;
  }

 private:
  // out := K^-1 rhs (1..size) with the factors.
  void Apply(const Vector& rhs, Vector& out) {
    std::string message;
    Vector y(nb_ + 1, 0.0);
    for (int p = 1; p <= nb_; ++p) y[p] = rhs[bandUnknown_[p]];
    if (nb_ > 0) beamkernel::BandSolve(band_, nb_, y, message, width_, 2);
    std::vector<double> c(nd_);
    for (int a = 0; a < nd_; ++a) {
      double v = rhs[Full(a)];
      if (a < nd0_)
        for (const auto& pv : coupling_[a]) v -= pv.second * y[pv.first];
      c[a] = imposed_[a] ? 0.0 : v;
    }
    beamkernel::SolveFactoredSymmetric(s_, nd_, c);
    out.assign(size_ + 1, 0.0);
    for (int a = 0; a < nd_; ++a) {
      out[Full(a)] = c[a];
      if (a >= nd0_ || reach_[a].empty()) continue;
      for (int p = 1; p <= nb_; ++p) y[p] -= reach_[a][p] * c[a];
    }
    for (int p = 1; p <= nb_; ++p) out[bandUnknown_[p]] = y[p];
  }
  bool Banded(int r) const { return r <= unknowns_ && banded_[r]; }
  int Dense(int r) const { return r <= unknowns_ ? position_[r] : nd0_ + r - unknowns_ - 1; }
  int Full(int a) const { return a < nd0_ ? denseUnknown_[a] : unknowns_ + a - nd0_ + 1; }

  int unknowns_ = 0, size_ = 0, nb_ = 0, nd0_ = 0, nd_ = 0, width_ = 1;
  std::vector<int> position_, bandUnknown_, denseUnknown_;
  std::vector<char> banded_;
  beamkernel::BandMatrix band_;
  std::vector<std::vector<std::pair<int, double>>> coupling_;  // per dense unknown: its band couplings
  std::vector<std::vector<std::pair<int, double>>> structureRow_;
  std::vector<Vector> reach_;
  std::vector<double> schur_, taken_;  // K_dd - K_db X, and what it took off each diagonal
  std::vector<double> s_, kept_;       // the pass's dense system, and a copy before its factors
  std::vector<char> imposed_;
};

namespace {

// The system of the nodes' present contact states: the structure, the soil of the nodes in
// contact, the loads with the soil forces held at yield, the imposed unknowns held at 0.
// Winkler: the element halves next to a yielding or separated node leave the soil, and a
// yielding node's halves carry its yield stress as a stepwise load. Half-space: a yielding
// node's vertical soil index, a separated node's two, move to unknowns of their own beyond the
// wall's (the soil surface under the node); the plate takes -q A, the surface +q A.
void BuildWallSystem(WallModel& m, CondensedWall& k, Vector& f) {
  const int n = m.plateNodes;
  if (m.contact.size() != static_cast<size_t>(n + 1)) m.contact.assign(n + 1, kElasticContact);
  int extras = 0;
  m.soilFreedom.assign(2 * n + 1, 0);
  if (m.soilKind == HalfSpaceSoil)
    for (int i = 1; i <= n; ++i) {
      m.soilFreedom[2 * i - 1] = m.contact[i] == kSeparated ? m.unknowns + ++extras : 3 * i - 2;
      m.soilFreedom[2 * i] = m.contact[i] != kElasticContact ? m.unknowns + ++extras : 3 * i - 1;
    }
  const int size = m.unknowns + extras;
  k.Shape(size);
  f.assign(size + 1, 0.0);
  for (int r = 1; r <= m.unknowns; ++r) f[r] = m.load[r];
  m.heldLoads.assign(4 * m.plateElements + 1, 0.0);

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
      k(3 * i - 1, 3 * i - 1) += static_cast<double>(soil(i, 1));
      if (i < n) {
        double c = static_cast<double>(soil(i, 2));
        k(3 * i - 1, 3 * i + 2) += c;
        k(3 * i + 2, 3 * i - 1) += c;
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
    for (int p = 1; p <= 2 * n; ++p)
      for (int q = 1; q <= 2 * n; ++q) k(m.soilFreedom[p], m.soilFreedom[q]) += static_cast<double>(m.halfSpace(p, q));
    for (int i = 1; i <= n; ++i)
      if (m.contact[i] == kYielding) {
        double force = m.nodeYield[i] * TributaryWidth(m, i);
        f[3 * i - 1] -= force;
        f[m.soilFreedom[2 * i]] += force;
      }
  }
  for (int r : m.imposed) k.Impose(r, f);
}

const SolverStopProfile& StopProfile() {
  static const SolverStopProfile profile{{kStopIterationUnstable, kStopLoadTooLarge, kStopBadJobData, kStopBadHalfSpace,
                                          kStopReportNotWritten, kStopIterationUnstableNodeWise, kStopLoadTooLargeNodeWise,
                                          kStopBadSupportData, kStopBadLoadData},
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
  if (!DataFileDamage(TextLines, count, GeometryFileForm(1)).empty() ||
      !DataFileDamage(TextLines, count, GeometryFileForm(2)).empty())
    return kStopBadJobData;
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
  if (!DataFileDamage(TextLines, count, SupportFileForm()).empty()) return kStopBadSupportData;
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
    SoilMatrix f;
    HalfSpaceFlexibilityCoefficients(f, n, m.plateX, m.plateHalfWidth, m.soilPoisson);
    long double factor = kPi * static_cast<long double>(m.soilModulus) / (1 - m.soilPoisson * m.soilPoisson);
    if (!beamkernel::InvertSoilMatrix(f, m.halfSpace, factor)) return kStopSystemUnstable;
    m.flexibility.Resize(2 * n, 2 * n);
    for (int i = 1; i <= 2 * n; ++i)
      for (int j = 1; j <= 2 * n; ++j) m.flexibility(i, j) = f(i, j) / factor;
  }
  return kSolverDone;
}

void AssembleWallSystem(WallModel& m) {
  const int n = m.plateNodes;
  DenseMatrix& k = m.structure;
  k.Resize(m.unknowns);
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
  if (!DataFileDamage(TextLines, count, LoadFileForm()).empty()) return kStopBadLoadData;
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
    if (!m.condensed->Form(m)) {
      m.condensed.reset();
      return kStopSystemUnstable;
    }
  }
  Vector f;
  BuildWallSystem(m, *m.condensed, f);
  if (!m.condensed->Solve(f, m.x)) return kStopSystemUnstable;
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
    if (m.soilFreedom.size() != static_cast<size_t>(2 * n + 1)) {
      m.soilFreedom.assign(2 * n + 1, 0);
      for (int i = 1; i <= n; ++i) {
        m.soilFreedom[2 * i - 1] = 3 * i - 2;
        m.soilFreedom[2 * i] = 3 * i - 1;
      }
    }
    long double total = 0;
    for (int i = 1; i <= n; ++i) {
      long double h = 0, v = 0;
      for (int j = 1; j <= n; ++j) {
        long double uj = m.x[m.soilFreedom[2 * j - 1]], wj = m.x[m.soilFreedom[2 * j]];
        h += m.halfSpace(2 * i - 1, 2 * j - 1) * uj + m.halfSpace(2 * i - 1, 2 * j) * wj;
        v += m.halfSpace(2 * i, 2 * j - 1) * uj + m.halfSpace(2 * i, 2 * j) * wj;
      }
      total += v;
      double width = TributaryWidth(m, i);
      m.pressures[i] = static_cast<double>(v) / width;
      m.horizontalStress[i] = static_cast<double>(h) / width;
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
