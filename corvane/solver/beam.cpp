#include "corvane/solver/beam.h"

#include "core/globals.h"
#include "corvane/core/checks.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "core/jobdata.h"
#include "trabix/core/analysis.h"

namespace corvane {

int FillBeamData(trabix::BeamData& d, std::string& detail) {
  const int n = ElementCount(1);
  const bool strip = IsYes(AnswerAt(GeometryAnswers, kStripSlot));
  auto yes = [](int item) { return IsYes(AnswerAt(SupportFlags, item)); };

  d = trabix::BeamData();
  d.strip = strip;
  d.stripWidth = JobDataTable.Get(1, 2);
  d.modulus = JobDataTable.Get(1, 3);
  d.poisson = JobDataTable.Get(1, 4);
  d.expansion = JobDataTable.Get(1, 5);
  d.elements.Redim(n, 3);
  for (int e = 1; e <= n; ++e) {
    d.elements(e, 0) = e;
    for (int c = 1; c <= (strip ? 2 : 3); ++c) d.elements(e, c) = WorkTables[1].Get(e, c);
  }

  // Supports: the answers and the half-space constants alike; no yield stress of the half-space.
  d.leftEdgeFixed = yes(kEdgeFixedSlot);
  d.rightEdgeFixed = yes(kOuterEdgeFixedSlot);
  d.unyielding = yes(kUnyieldingSlot);
  d.winkler = yes(kWinklerSlot);
  d.isotropicHalfSpace = yes(kIsotropicHalfSpaceSlot);
  d.halfSpace = d.isotropicHalfSpace || yes(kAnisotropicHalfSpaceSlot);
  if (d.halfSpace && !d.winkler) {
    std::vector<std::string> constants;
    for (int k = 0; k < 5; ++k) constants.push_back(AnswerAt(SupportFlags, kHalfSpaceModulusSlot + k));
    d.halfSpaceAdmissible = trabix::HalfSpaceConstantsModulus(constants, d.isotropicHalfSpace, d.halfSpaceModulus);
  }
  std::string nodes;
  if (d.unyielding) {
    for (double node : AcceptedUnyieldingNodes(UnyieldingNodes, 1 << 30)) {
      if (!(node <= n + 1)) {
        // A list stored before the elements were reduced: never a node the beam lacks.
        detail = kUnyieldingUnacceptableMessage;
        return kAnalysisDataRefused;
      }
      nodes += (nodes.empty() ? "" : ",") + std::to_string(static_cast<int>(node));
    }
  }
  d.unyieldingNodes = NodeNumbers(nodes, n + 1, false);
  d.springs.Redim(n + 1, 2);
  for (int i = 1; i <= n + 1; ++i) {
    d.springs(i, 0) = i;
    if (!yes(kElasticSupportsSlot)) continue;
    d.springs(i, 1) = ElasticSupportTable.Get(i, 1);
    d.springs(i, 2) = ElasticSupportTable.Get(i, 2);
  }
  d.soil.Redim(n, 4);
  for (int e = 1; e <= n; ++e) {
    d.soil(e, 0) = e;
    if (!d.winkler) continue;
    d.soil(e, 1) = d.soil(e, 2) = WinklerTable.Get(e, 1);
  }

  // Loads.
  d.uniformLoad = LoadTable.Get(1, 1);
  d.massDensity = LoadTable.Get(1, 2);
  d.nodalLoads.Redim(n + 1, 2);
  d.trapezoidal.Redim(n, 2);
  d.temperatures.Redim(n, 2);
  for (int i = 1; i <= n + 1; ++i) {
    d.nodalLoads(i, 0) = i;
    for (int c = 1; c <= 2; ++c) d.nodalLoads(i, c) = NodalLoadTable.Get(i, c);
  }
  for (int e = 1; e <= n; ++e) {
    d.trapezoidal(e, 0) = d.temperatures(e, 0) = e;
    for (int c = 1; c <= 2; ++c) {
      d.trapezoidal(e, c) = TrapezoidalLoadTable.Get(e, c);
      d.temperatures(e, c) = TemperatureLoadTable.Get(e, c);
    }
  }
  d.yieldAnalysis = 0;
  return trabix::kSolverDone;
}

int AnalyseBeam(const std::string& caseName, std::string& detail) {
  trabix::BeamModel model;
  int code = FillBeamData(model.data, detail);
  if (code != trabix::kSolverDone) return code;
  return trabix::AnalyseBeamData(model, JobSpec, caseName);
}

}  // namespace corvane
