#include "palvore/core/checks.h"

#include <cmath>
#include <vector>

#include "core/globals.h"
#include "core/loadcases.h"
#include "core/textfiles.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/slots.h"

namespace palvore {

const char* const kGeometryMissingMessage = " PILE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";

namespace {

// Reads the geometry file; false when it or its section is missing or its elements cannot be
// analysed.
// What is wrong with the geometry file as a listing, as ReadGeometry last found it.
std::string geometryDamage;

bool ReadGeometry() {
  geometryDamage.clear();
  if (TextLines.size() < 5001) TextLines.resize(5001);
  int count = 0;
  LoadTextLines(JobSpec + ".geo", TextLines, 5000, count);
  const int first = count > 0 ? ReadGeometrySections(TextLines, count) : 0;
  if (first == 0) return false;
  const int elements = ElementCount();
  if (ReadElementRows(TextLines, count, first) < elements || elements < 1) return false;
  geometryDamage = DataFileDamage(TextLines, count, GeometryFileForm(TextLines, count));
  if (!geometryDamage.empty()) return false;
  double sum = 0;
  for (int e = 1; e <= elements; ++e) {
    const double l = Geometry.rows(e, 1), b = Geometry.rows(e, 2), i = Geometry.rows(e, IsSheetPile() ? 2 : 3);
    if (!(l > 0) || !(i > 0) || (!IsSheetPile() && !(b > 0))) return false;
    sum += l;
  }
  return std::fabs(sum - Geometry.length) <= 0.001 * std::fabs(Geometry.length);
}

JobCheckProfile CheckProfile() {
  JobCheckProfile p;
  p.loadSupports = [](const CorrectionHooks& hooks) { return LoadSupportFile(hooks) == 1; };
  p.supportDamage = [] { return DataFileDamage(SupportFileName(JobSpec), SupportFileForm()); };
  p.supportData = "PILE SUPPORT DATA";
  p.supportProblem = SupportDataProblem;
  p.loadCases = [] { return ReadLoadCaseList(LoadCaseListFileName(JobSpec), 50); };
  p.loadCaseList = LoadCaseListFileName(JobSpec);
  p.loadDamage = [](const std::string& name) { return DataFileDamage(LoadFileName(JobSpec, name), LoadFileForm()); };
  p.finish = [](const std::vector<std::string>& names) {
    LoadCaseNames.assign(1, std::string());
    LoadCaseNames.insert(LoadCaseNames.end(), names.begin(), names.end());
    ReadGeometry();
  };
  return p;
}

}  // namespace

int LoadGeometryFile(const CorrectionHooks& hooks) {
  // A damaged file names what is wrong with it.
  std::function<std::string()> problem = [] {
    return ReadGeometry() ? std::string() : DamagedDataMessage(kGeometryMissingMessage, geometryDamage);
  };
  return LoadCheckedGeometry(problem, hooks);
}

int LoadSupportFile(const CorrectionHooks& hooks) {
  if (!LoadGeometryFile(hooks)) return 0;
  int count = 0, springs = 0, soil = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportData(TextLines, count, springs, soil);  // no file: every answer "N", the tables empty
  return 1;
}

std::string SupportDataProblem(bool applyStability, bool& applied) {
  applied = false;
  bool anySupport = false;
  for (int item = 1; item <= 5; ++item) anySupport = anySupport || SupportFlag(item);
  if (!anySupport) return kSupportsNotSpecifiedMessage;

  const int nodes = ElementCount() + 1;
  const std::vector<double> listed = SupportFlag(kUnyieldingSlot) ? ListedSupportNodes(Supports.unyieldingNodes) : std::vector<double>();
  // A node beyond the pile would hold nothing: the solver leaves it out.
  for (double node : listed)
    if (node > nodes) return IncorrectSupportDataMessage(2, 3);
  if (SupportFlag(kElasticSupportsSlot)) {
    if (SupportFlag(kTopEdgeFixedSlot) && Supports.springs.Get(1, 2) > 0) return IncorrectSupportDataMessage(1, 3);
    for (double node : listed)
      if (Supports.springs.Get(static_cast<int>(node), 1) > 0) return IncorrectSupportDataMessage(2, 3);
  }
  if (applyStability && !SupportFlag(kWinklerSlot) && !SupportFlag(kHalfSpaceSlot)) {
    applied = true;
    // What holds the pile as the solver counts it: the listed nodes and the horizontal springs
    // above 1.0 kN/m. A fixed top holds its rotation only: one support more is needed with it.
    int held = static_cast<int>(listed.size());
    if (SupportFlag(kElasticSupportsSlot))
      for (int node = 1; node <= nodes; ++node) held += Supports.springs.Get(node, 1) > 1.0;
    if (held < (SupportFlag(kTopEdgeFixedSlot) ? 1 : 2)) return kUnstableStructureMessage;
  }
  if (SupportFlag(kWinklerSlot) && SupportFlag(kHalfSpaceSlot)) return IncorrectSupportDataMessage(4, 5);
  // The chosen half-space's constants: the solver has no soil to work with otherwise.
  if (SupportFlag(kHalfSpaceSlot)) {
    auto text = [](int i) { return Supports.flags.size() > static_cast<size_t>(i) ? Supports.flags[i] : std::string(); };
    return HalfSpaceDataProblem(kHalfSpaceSlot, {text(kHalfSpaceModulusSlot), text(kHalfSpacePoissonSlot)});
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

}  // namespace palvore
