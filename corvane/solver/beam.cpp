#include "corvane/solver/beam.h"

#include "core/globals.h"
#include "corvane/core/checks.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"

namespace corvane {

int FillBeamTables(std::string& detail) {
  const int n = ElementCount(1);
  const bool strip = IsYes(AnswerAt(GeometryAnswers, kStripSlot));
  auto yes = [](int item) { return IsYes(AnswerAt(SupportFlags, item)); };

  trabix::GeometryValues = {0.0, JobDataTable.Get(1, 2), static_cast<double>(n), JobDataTable.Get(1, 3),
                            JobDataTable.Get(1, 4), JobDataTable.Get(1, 5)};
  trabix::StructureFlags = {"", strip ? "Y" : "N", "", "", "N", ""};
  trabix::ElementTable.Redim(n, 3);
  for (int e = 1; e <= n; ++e) {
    trabix::ElementTable(e, 0) = e;
    for (int c = 1; c <= (strip ? 2 : 3); ++c) trabix::ElementTable(e, c) = WorkTables[1].Get(e, c);
  }

  // Supports: the answers 1 to 7 and the half-space values alike; Trabix keeps the isotropic
  // half-space's yield stress in item 10 and the cross-anisotropic one's in item 13: none here.
  trabix::SupportFlags.assign(trabix::kSupportFlagSlots, "");
  for (int item = 1; item <= 7; ++item) trabix::SupportFlags[item] = yes(item) ? "Y" : "N";
  for (int item = 8; item <= 12; ++item) trabix::SupportFlags[item] = AnswerAt(SupportFlags, item);
  if (yes(kIsotropicHalfSpaceSlot)) trabix::SupportFlags[trabix::kHalfSpaceYieldSlot] = "0";
  trabix::SupportFlags[trabix::kVerticalYieldSlot] = "0";
  std::string nodes;
  if (yes(kUnyieldingSlot)) {
    for (double node : AcceptedUnyieldingNodes(UnyieldingNodes, 1 << 30)) {
      if (!(node <= n + 1)) {
        // A list stored before the elements were reduced: never a node the beam lacks.
        detail = kUnyieldingUnacceptableMessage;
        return kAnalysisDataRefused;
      }
      nodes += (nodes.empty() ? "" : ",") + std::to_string(static_cast<int>(node));
    }
  }
  trabix::UnyieldingNodes = nodes;
  trabix::SpringTable.Redim(n + 1, 2);
  for (int i = 1; i <= n + 1; ++i) {
    trabix::SpringTable(i, 0) = i;
    if (!yes(kElasticSupportsSlot)) continue;
    trabix::SpringTable(i, 1) = ElasticSupportTable.Get(i, 1);
    trabix::SpringTable(i, 2) = ElasticSupportTable.Get(i, 2);
  }
  trabix::SoilTable.Redim(n, 4);
  for (int e = 1; e <= n; ++e) {
    trabix::SoilTable(e, 0) = e;
    if (!yes(kWinklerSlot)) continue;
    trabix::SoilTable(e, 1) = trabix::SoilTable(e, 2) = WinklerTable.Get(e, 1);
  }

  // Loads.
  trabix::LoadValues = {0.0, LoadTable.Get(1, 1), LoadTable.Get(1, 2)};
  trabix::NodalLoadTable.Redim(n + 1, 2);
  trabix::LoadTable.Redim(n, 2);
  trabix::TemperatureTable.Redim(n, 2);
  for (int i = 1; i <= n + 1; ++i) {
    trabix::NodalLoadTable(i, 0) = i;
    for (int c = 1; c <= 2; ++c) trabix::NodalLoadTable(i, c) = NodalLoadTable.Get(i, c);
  }
  for (int e = 1; e <= n; ++e) {
    trabix::LoadTable(e, 0) = trabix::TemperatureTable(e, 0) = e;
    for (int c = 1; c <= 2; ++c) {
      trabix::LoadTable(e, c) = TrapezoidalLoadTable.Get(e, c);
      trabix::TemperatureTable(e, c) = TemperatureLoadTable.Get(e, c);
    }
  }
  trabix::YieldAnalysis = 0;
  return trabix::kSolverDone;
}

int AnalyseBeam(const std::string& caseName, std::string& detail) {
  int code = FillBeamTables(detail);
  if (code != trabix::kSolverDone) return code;
  trabix::LoadCaseName = caseName;
  trabix::BeamModel model;
  code = trabix::PrepareBeamModel(model);
  return code == trabix::kSolverDone ? trabix::AnalysePreparedBeam(model) : code;
}

}  // namespace corvane
