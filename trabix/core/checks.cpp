#include "trabix/core/checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/listing.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"

namespace trabix {

const char* const kGeometryMissingMessage = " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";

namespace {

// The load-case list offers at most this many cases to an analysis.
constexpr int kCheckedLoadCases = 20;

bool IsYes(int item) {
  return SupportFlags.size() > static_cast<size_t>(item) && IsYesAnswer(SupportFlags[item]);
}

}  // namespace

int LoadGeometryFile(const CorrectionHooks& hooks) {
  auto problem = [] {
    if (TextLines.size() < 5001) TextLines.resize(5001);
    int count = 0;
    LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
    int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
    if (dataLine == 0) return std::string(kGeometryMissingMessage);
    ReadElementTable(TextLines, count, dataLine);
    const std::string damage = DataFileDamage(TextLines, count, GeometryFileForm());
    return damage.empty() ? std::string() : DamagedDataMessage(kGeometryMissingMessage, damage);
  };
  return LoadCheckedGeometry(std::function<std::string()>(problem), hooks);
}

int LoadSupportFile(const CorrectionHooks& hooks) {
  if (!LoadGeometryFile(hooks)) return 0;
  int count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportData(TextLines, count);  // no file: every answer "N", the tables empty
  return 1;
}

int CountSupportNodes(const std::string& list) { return static_cast<int>(ListedSupportNodes(list).size()); }

std::string SupportDataProblem(bool applyStability, bool& stabilityApplied) {
  stabilityApplied = false;
  bool anySupport = false;
  for (int item = 1; item <= 7; ++item) anySupport = anySupport || IsYes(item);
  if (!anySupport) return kSupportsNotSpecifiedMessage;

  // The supports that hold the structure against moving as a rigid body: the unyielding nodes,
  // and the axis of a symmetric half, which holds it against one of the two motions.
  std::vector<double> nodes = ListedSupportNodes(UnyieldingNodes);
  int supports = static_cast<int>(nodes.size()) + (IsSymmetricHalf() ? 1 : 0);

  if (IsYes(kElasticSupportsSlot)) {
    if (IsYes(kLeftEdgeFixedSlot) && SpringTable.Get(1, 2) > 0) return IncorrectSupportDataMessage(1, 3);
    if (IsYes(kUnyieldingSlot))
      for (double node : nodes)
        if (node <= SpringTable.Rows() && SpringTable.Get(static_cast<int>(node), 1) > 0)
          return IncorrectSupportDataMessage(2, 3);
  }

  if (applyStability && !IsYes(kWinklerSlot) && !IsYes(kIsotropicHalfSpaceSlot) && !IsYes(kAnisotropicHalfSpaceSlot)) {
    stabilityApplied = true;
    if (!IsYes(kLeftEdgeFixedSlot)) {
      // A spring holds the structure as a support does (each constant the solver counts as
      // effective), and so does a right edge fixed against rotation.
      int held = supports + (IsYes(kRightEdgeFixedSlot) ? 1 : 0);
      if (IsYes(kElasticSupportsSlot))
        for (int node = 1; node <= ElementCount() + 1; ++node)
          held += (SpringTable.Get(node, 1) > 1.0) + (SpringTable.Get(node, 2) > 1.0);
      if (held < 2) return kUnstableStructureMessage;
    }
  }

  // Two soil models at once: the message names the last pair that applies.
  std::string problem;
  if (IsYes(kWinklerSlot) && IsYes(kIsotropicHalfSpaceSlot)) problem = IncorrectSupportDataMessage(4, 5);
  if (IsYes(kWinklerSlot) && IsYes(kAnisotropicHalfSpaceSlot)) problem = IncorrectSupportDataMessage(4, 6);
  if (IsYes(kIsotropicHalfSpaceSlot) && IsYes(kAnisotropicHalfSpaceSlot)) problem = IncorrectSupportDataMessage(5, 6);
  if (!problem.empty()) return problem;
  // The chosen half-space's constants: the solver has no soil to work with otherwise.
  auto texts = [](int first, int last) {
    std::vector<std::string> t;
    for (int i = first; i <= last; ++i) t.push_back(SupportFlags.size() > static_cast<size_t>(i) ? SupportFlags[i] : std::string());
    return t;
  };
  if (IsYes(kIsotropicHalfSpaceSlot)) return HalfSpaceDataProblem(kIsotropicHalfSpaceSlot, texts(kHalfSpaceModulusSlot, kHalfSpacePoissonSlot));
  if (IsYes(kAnisotropicHalfSpaceSlot)) return HalfSpaceDataProblem(kAnisotropicHalfSpaceSlot, texts(kHalfSpaceModulusSlot, kVerticalPoissonSlot));
  return problem;
}

namespace {

JobCheckProfile CheckProfile() {
  JobCheckProfile p;
  p.loadSupports = [](const CorrectionHooks& hooks) { return LoadSupportFile(hooks) == 1; };
  p.supportDamage = [] { return DataFileDamage(SupportFileName(JobSpec), SupportFileForm()); };
  p.supportData = "BEAM/STRIP SUPPORT DATA";
  p.supportProblem = SupportDataProblem;
  p.loadCases = [] { return ReadLoadCaseList(LoadCaseListFileName(JobSpec), kCheckedLoadCases); };
  p.loadCaseList = LoadCaseListFileName(JobSpec);
  p.loadDamage = [](const std::string& name) { return DataFileDamage(LoadFileName(JobSpec, name), LoadFileForm()); };
  p.finish = [](const std::vector<std::string>& names) {
    LoadCaseNames.assign(1, std::string());
    LoadCaseNames.insert(LoadCaseNames.end(), names.begin(), names.end());
    int count = 0;
    LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
    int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
    ReadElementTable(TextLines, count, dataLine);
  };
  return p;
}

}  // namespace

int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked) {
  return ::CheckSupportData(CheckProfile(), hooks, stabilityChecked);
}

int CheckJobData(const CorrectionHooks& hooks) { return ::CheckJobData(CheckProfile(), hooks); }

void RenameJobHeaders(const std::string& newJob) {
  RewriteFirstLine(GeometryFileName(newJob), GeometryHeader(newJob));
  RewriteFirstLine(SupportFileName(newJob), SupportHeader(newJob));
  for (const std::string& name : ReadLoadCaseList(LoadCaseListFileName(newJob), 5000))
    RewriteFirstLine(LoadFileName(newJob, name), LoadHeader(newJob, name));
}

const ResultsProfile& JobResults() {
  static const ResultsProfile profile{{".RB"}, {".GEO", ".SUP"}, ".LD"};
  return profile;
}

}  // namespace trabix
