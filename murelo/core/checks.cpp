#include "murelo/core/checks.h"

#include <cmath>
#include <vector>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/loadcases.h"
#include "core/textfiles.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/model.h"
#include "murelo/core/slots.h"

namespace murelo {

const char* const kPlateWidthNotPositiveMessage = " WIDTH OF BASE PLATE MUST BE BIGGER THAN ZERO";
const char* const kStemHeightNotPositiveMessage = " HEIGHT OF WALL STEM MUST BE BIGGER THAN ZERO";
const char* const kModulusNotPositiveMessage = " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO";
const char* const kUnyieldingUnacceptableMessage = " UNYIELDING SUPPORT DATA UNACCEPTABLE";

namespace {

// The elements of one substructure can be analysed: widths and thicknesses above 0 that add up
// to its extent.
bool ElementsFit(const Table2D<double>& table, int elements, double extent) {
  double sum = 0;
  for (int e = 1; e <= elements; ++e) {
    const double l = table.Get(e, 1), t = table.Get(e, 2);
    if (!(l > 0) || !(t > 0) || !std::isfinite(l) || !std::isfinite(t)) return false;
    sum += l;
  }
  return extent > 0 && std::fabs(sum - extent) <= 0.001 * extent;
}

bool Yes(int item) { return SupportFlagIsYes(item); }

JobCheckProfile CheckProfile() {
  JobCheckProfile p;
  p.loadSupports = [](const CorrectionHooks& hooks) {
    if (!LoadCheckedGeometry(GeometryProblem, hooks)) return false;
    int plateElements = 0, stemElements = 0;
    return LoadSupportFile(plateElements, stemElements);
  };
  p.supportDamage = [] { return DataFileDamage(SupportFileName(JobSpec), SupportFileForm()); };
  p.supportData = "BASE PLATE SUPPORT DATA";
  p.loadCaseList = LoadCaseListFileName(JobSpec);
  p.loadDamage = [](const std::string& name) { return DataFileDamage(LoadFileName(JobSpec, name), LoadFileForm()); };
  p.supportProblem = [](bool applyStability, bool& applied) {
    return SupportDataProblem(ElementCount(1) + 1, applyStability, applied);
  };
  p.loadCases = [] { return ReadLoadCaseList(LoadCaseListFileName(JobSpec), 50); };
  p.geometryProblem = [] {
    GeometryProblem();
    // On the soil a modulus of 0 is analysed as a plate without stiffness; on supports alone
    // the plate would be a mechanism.
    if (GeneralData(1, 3) <= 1.0E-7 && !Yes(kWinklerSlot) && !Yes(kHalfSpaceSlot)) return std::string(kModulusNotPositiveMessage);
    return std::string();
  };
  p.finish = [](const std::vector<std::string>& names) {
    LoadCaseNames.assign(1, std::string());
    LoadCaseNames.insert(LoadCaseNames.end(), names.begin(), names.end());
    GeometryProblem();
  };
  return p;
}

}  // namespace

std::string GeometryProblem() {
  TextLines.assign(5001, std::string());
  int count = 0;
  LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
  int plateRows = 0, stemRows = 0;
  ReadGeometrySections(TextLines, count, plateRows, stemRows);
  const int nb = ElementCount(1), ns = ElementCount(2);
  if (count == 0 || plateRows == 0 || nb < 2 || nb > kMaxElements) return kPlateGeometryMissing;
  if (stemRows == 0 || ns < 2 || ns > kMaxElements) return kStemGeometryMissing;
  std::string damage = DataFileDamage(TextLines, count, GeometryFileForm(1));
  if (!damage.empty()) return DamagedDataMessage(kPlateGeometryMissing, damage);
  damage = DataFileDamage(TextLines, count, GeometryFileForm(2));
  if (!damage.empty()) return DamagedDataMessage(kStemGeometryMissing, damage);
  BasePlateElements.Redim(nb, 4);
  WallStemElements.Redim(ns, 4);
  ReadElementTable(TextLines, count, BasePlateElements, nb, 2, plateRows, plateRows + nb - 1);
  ReadElementTable(TextLines, count, WallStemElements, ns, 2, stemRows, stemRows + ns - 1);
  if (!(GeneralData(1, 2) > 0)) return kPlateWidthNotPositiveMessage;
  if (!(GeneralData(2, 2) > 0)) return kStemHeightNotPositiveMessage;
  bool found = false;
  if (ElementsFit(BasePlateElements, nb, GeneralData(1, 2)))
    FindStemNode(BasePlateElements, nb, GeneralData(1, 2), GeneralData(1, 5), found);
  if (!found) return kPlateGeometryMissing;
  if (!ElementsFit(WallStemElements, ns, GeneralData(2, 2))) return kStemGeometryMissing;
  return "";
}

std::string SupportDataProblem(int plateNodes, bool applyStability, bool& applied) {
  applied = false;
  bool anySupport = false;
  for (int item = 1; item <= 5; ++item) anySupport = anySupport || Yes(item);
  if (!anySupport) return kSupportsNotSpecifiedMessage;

  const std::vector<double> kept = Yes(kUnyieldingSlot) ? ListedSupportNodes(UnyieldingNodes) : std::vector<double>();
  // A node beyond the plate would hold nothing: the solver leaves it out.
  for (double node : kept)
    if (node > plateNodes) return kUnyieldingUnacceptableMessage;
  if (Yes(kWinklerSlot) && Yes(kElasticSupportsSlot))
    for (double node : kept)
      if (ElasticSupportTable.Get(static_cast<int>(node), 1) > 0) {
        applied = true;
        return IncorrectSupportDataMessage(2, 3);
      }
  if (applyStability && !Yes(kWinklerSlot) && !Yes(kHalfSpaceSlot)) {
    applied = true;
    int springs = 0;
    if (Yes(kElasticSupportsSlot))
      for (int node = 1; node <= plateNodes; ++node)
        springs += (ElasticSupportTable.Get(node, 1) > 0) + (ElasticSupportTable.Get(node, 2) > 0);
    const int nodes = static_cast<int>(kept.size());
    if (!Yes(kUnyieldingSlot) ? nodes < 2 : nodes + springs < 2) return kUnstableStructureMessage;
  }
  if (Yes(kWinklerSlot) && Yes(kHalfSpaceSlot)) return IncorrectSupportDataMessage(3, 4);
  // The chosen half-space's constants: the solver has no soil to work with otherwise.
  if (Yes(kHalfSpaceSlot)) {
    auto text = [](int i) { return SupportFlags.size() > static_cast<size_t>(i) ? SupportFlags[i] : std::string(); };
    const std::string problem = HalfSpaceDataProblem(kHalfSpaceSlot, {text(kHalfSpaceModulusSlot), text(kHalfSpacePoissonSlot)});
    if (!problem.empty()) return problem;
  }
  if (!Yes(kHalfSpaceSlot) && !Yes(kToeRestrainedSlot)) {
    // Only the half-space holds the plate sideways; otherwise the toe or a stem spring must.
    bool held = false;
    if (Yes(kStemRestraintsSlot))
      for (int node = 1; node <= ElementCount(2) + 1; ++node) held = held || StemRestraintTable.Get(node, 1) > 0;
    if (!held) return kUnstableStructureMessage;
  }
  return "";
}

int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked) {
  return ::CheckSupportData(CheckProfile(), hooks, stabilityChecked);
}

int CheckJobData(const CorrectionHooks& hooks) { return ::CheckJobData(CheckProfile(), hooks); }

const ResultsProfile& JobResults() {
  static const ResultsProfile profile{{".RB"}, {".GEO", ".SUP"}, ".LD"};
  return profile;
}

}  // namespace murelo
