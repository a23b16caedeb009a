#include "trabix/core/checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "core/globals.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"

namespace trabix {

const char* const kCorrectionCaption = " WARNING!";
const char* const kGeometryMissingMessage = " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
const char* const kSupportsNotSpecifiedMessage = " SUPPORT CONDITIONS ARE NOT SPECIFIED";
const char* const kUnstableStructureMessage = " UNSTABLE STRUCTURE.";
const char* const kNoLoadCaseMessage = " NO LOAD CASE IS SPECIFIED FOR THIS JOB";

namespace {

// The load-case list offers at most this many cases to an analysis.
constexpr int kCheckedLoadCases = 20;

bool IsYes(int item) {
  if (SupportFlags.size() <= static_cast<size_t>(item)) return false;
  std::string s = Trim(SupportFlags[item]);
  return s.size() == 1 && std::toupper(static_cast<unsigned char>(s[0])) == 'Y';
}

// The parts of an unyielding node list that name a node (see CountSupportNodes), as numbers.
std::vector<double> SupportNodes(const std::string& list) {
  std::vector<double> nodes;
  size_t from = 0;
  while (from <= list.size()) {
    size_t comma = list.find(',', from);
    if (comma == std::string::npos) comma = list.size();
    std::string part = Trim(list.substr(from, comma - from));
    from = comma + 1;
    double node = std::nearbyint(ParseNumber(part));
    bool named = node > 0 && Trim(NumberToText(node)) == part;
    if (named && std::find(nodes.begin(), nodes.end(), node) == nodes.end()) nodes.push_back(node);
  }
  return nodes;
}

}  // namespace

std::string CorrectionQueryText(const std::string& message) {
  return message + "\r\n\r\n" + " Do you wish to Correct the Data? ";
}

std::string IncorrectSupportDataMessage(int first, int second) {
  return std::string(" INCORRECT SUPPORT DATA") + " OF ITEM" + " " + std::to_string(first) + " " + "OR" + " " +
         std::to_string(second) + " ";
}

int CorrectDataQuery(const std::string& message, const CorrectionHooks& hooks) {
  return hooks.askCorrection ? hooks.askCorrection(message) : kAnswerNo;
}

int LoadGeometryFile(const CorrectionHooks& hooks) {
  for (;;) {
    if (TextLines.size() < 5001) TextLines.resize(5001);
    int count = 0;
    LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
    int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
    if (dataLine > 0) {
      ReadElementTable(TextLines, count, dataLine);
      return 1;
    }
    if (CorrectDataQuery(kGeometryMissingMessage, hooks) != kAnswerYes) return 0;
    if (!hooks.editGeometry || !hooks.editGeometry()) return 0;
  }
}

int LoadSupportFile(const CorrectionHooks& hooks) {
  if (!LoadGeometryFile(hooks)) return 0;
  int count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportData(TextLines, count);  // no file: every answer "N", the tables empty
  return 1;
}

int CountSupportNodes(const std::string& list) { return static_cast<int>(SupportNodes(list).size()); }

std::string SupportDataProblem(bool applyStability, bool& stabilityApplied) {
  stabilityApplied = false;
  bool anySupport = false;
  for (int item = 1; item <= 7; ++item) anySupport = anySupport || IsYes(item);
  if (!anySupport) return kSupportsNotSpecifiedMessage;

  // The supports that hold the structure against moving as a rigid body: the unyielding nodes,
  // and the axis of a symmetric half, which holds it against one of the two motions.
  std::vector<double> nodes = SupportNodes(UnyieldingNodes);
  int supports = static_cast<int>(nodes.size()) + (IsSymmetricHalf() ? 1 : 0);

  if (IsYes(3)) {
    if (IsYes(1) && SpringTable.Get(1, 2) > 0) return IncorrectSupportDataMessage(1, 3);
    if (IsYes(2))
      for (double node : nodes)
        if (node <= SpringTable.Rows() && SpringTable.Get(static_cast<int>(node), 1) > 0)
          return IncorrectSupportDataMessage(2, 3);
  }

  if (applyStability && !IsYes(4) && !IsYes(5) && !IsYes(6)) {
    stabilityApplied = true;
    if (!IsYes(1)) {
      // A spring holds the structure as a support does (each constant the solver counts as
      // effective), and so does a right edge fixed against rotation.
      int held = supports + (IsYes(7) ? 1 : 0);
      if (IsYes(3))
        for (int node = 1; node <= ElementCount() + 1; ++node)
          held += (SpringTable.Get(node, 1) > 1.0) + (SpringTable.Get(node, 2) > 1.0);
      if (held < 2) return kUnstableStructureMessage;
    }
  }

  // Two soil models at once: the message names the last pair that applies.
  std::string problem;
  if (IsYes(4) && IsYes(5)) problem = IncorrectSupportDataMessage(4, 5);
  if (IsYes(4) && IsYes(6)) problem = IncorrectSupportDataMessage(4, 6);
  if (IsYes(5) && IsYes(6)) problem = IncorrectSupportDataMessage(5, 6);
  return problem;
}

int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked) {
  for (;;) {
    if (!LoadSupportFile(hooks)) return 0;
    bool applied = false;
    std::string problem = SupportDataProblem(!stabilityChecked, applied);
    if (applied) stabilityChecked = true;
    if (problem.empty()) return 1;
    if (CorrectDataQuery(problem, hooks) != kAnswerYes) return 0;
    if (hooks.editSupports) hooks.editSupports();
  }
}

int CheckJobData(const CorrectionHooks& hooks) {
  bool stabilityChecked = false;
  for (;;) {
    if (!CheckSupportData(hooks, stabilityChecked)) return 0;
    std::vector<std::string> names = ReadLoadCaseList(LoadCaseListFileName(JobSpec), kCheckedLoadCases);
    if (names.empty()) {
      if (CorrectDataQuery(kNoLoadCaseMessage, hooks) != kAnswerYes) return 0;
      if (hooks.editLoadCases) hooks.editLoadCases();
      continue;  // the whole check again: the dialogs may have changed any file
    }
    LoadCaseNames.assign(1, std::string());
    LoadCaseNames.insert(LoadCaseNames.end(), names.begin(), names.end());
    int count = 0;
    LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
    int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
    ReadElementTable(TextLines, count, dataLine);
    return 1;
  }
}

void RenameJobHeaders(const std::string& newJob) {
  auto rewrite = [](const std::string& file, const std::string& header) {
    TextLineArray lines;
    int count = 0;
    LoadTextLines(file, lines, 5000, count);
    if (count < 1) return;
    lines[1] = header;
    SaveTextLines(file, lines, count);
  };
  rewrite(GeometryFileName(newJob), GeometryHeader(newJob));
  rewrite(SupportFileName(newJob), SupportHeader(newJob));
  for (const std::string& name : ReadLoadCaseList(LoadCaseListFileName(newJob), 5000))
    rewrite(LoadFileName(newJob, name), LoadHeader(newJob, name));
}

}  // namespace trabix
