#include "core/correction.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/tablereader.h"

const char* const kCorrectionCaption = " WARNING!";
const char* const kSupportsNotSpecifiedMessage = " SUPPORT CONDITIONS ARE NOT SPECIFIED";
const char* const kUnstableStructureMessage = " UNSTABLE STRUCTURE.";
const char* const kNoLoadCaseMessage = " NO LOAD CASE IS SPECIFIED FOR THIS JOB";

std::string CorrectionQueryText(const std::string& message) {
  return message + "\r\n\r\n" + " Do you wish to Correct the Data? ";
}

std::string IncorrectSupportDataMessage(int first, int second) {
  return std::string(" INCORRECT SUPPORT DATA") + " OF ITEM" + " " + std::to_string(first) + " " + "OR" + " " +
         std::to_string(second) + " ";
}

std::string HalfSpaceDataProblem(int item, const std::vector<std::string>& texts) {
  struct Constant {
    const char* name;
    bool ratio;
  };
  static const Constant isotropic[] = {{"Modulus of Elasticity, E[kPa]= ", false}, {"Poisson's Ratio, Nu= ", true}};
  static const Constant anisotropic[] = {{"Vertical Modulus of Elasticity, Ev[kPa]= ", false},
                                         {"Horizontal Modulus of Elasticity, Eh[kPa]= ", false},
                                         {"Quasi Shear Modulus, Gv[kPa]= ", false},
                                         {"Poisson's Ratio for Complementary Horizontal Strain, NUh= ", true},
                                         {"Poisson's Ratio for Vertical Strain, NUv= ", true}};
  const Constant* constants = texts.size() == 5 ? anisotropic : isotropic;
  const size_t count = texts.size() == 5 ? 5 : 2;
  for (size_t k = 0; k < count; ++k) {
    const std::string text = k < texts.size() ? Trim(texts[k]) : std::string();
    const double v = ParseNumber(text);
    const bool fits = std::isfinite(v) && v > 0 && (!constants[k].ratio || v <= 0.5);
    if (fits) continue;
    return std::string(" INCORRECT SUPPORT DATA") + " OF ITEM" + " " + std::to_string(item) + " " + "\r\n" +
           " (HALF-SPACE: " + constants[k].name + Trim(NumberToText(v)) +
           (constants[k].ratio ? "; it must be above 0 and at most 0.5)" : "; it must be bigger than 0)");
  }
  return std::string();
}

std::string DataMissingMessage(const std::string& data, const std::string& damage) {
  return " " + data + " ARE MISSING!" + "\r\n" + " (" + damage + ")";
}

std::string DamagedDataMessage(const std::string& missingMessage, const std::string& damage) {
  return damage.empty() ? missingMessage : missingMessage + "\r\n" + " (" + damage + ")";
}

std::string LoadDataMissingMessage(const std::string& caseName, const std::string& damage) {
  return DataMissingMessage("LOAD DATA OF LOAD CASE '" + Trim(caseName) + "'", damage);
}

std::string LoadCaseListMissingMessage(const std::string& damage) { return DataMissingMessage("LOAD CASE LIST DATA", damage); }

std::string LoadFilesDamage(const std::string& listFile, const std::vector<std::string>& names,
                            const std::function<std::string(const std::string& caseName)>& loadDamage) {
  const std::string listDamage = listFile.empty() ? std::string() : LoadCaseListDamage(listFile);
  if (!listDamage.empty()) return LoadCaseListMissingMessage(listDamage);
  for (size_t k = 0; loadDamage && k < names.size(); ++k) {
    const std::string damage = loadDamage(names[k]);
    if (!damage.empty()) return LoadDataMissingMessage(names[k], damage);
  }
  return std::string();
}

int CorrectDataQuery(const std::string& message, const CorrectionHooks& hooks) {
  return hooks.askCorrection ? hooks.askCorrection(message) : kAnswerNo;
}

std::vector<double> ListedSupportNodes(const std::string& list) {
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

int LoadCheckedGeometry(const std::function<bool()>& read, const std::string& message, const CorrectionHooks& hooks) {
  return LoadCheckedGeometry([&] { return read() ? std::string() : message; }, hooks);
}

int LoadCheckedGeometry(const std::function<std::string()>& problem, const CorrectionHooks& hooks) {
  for (;;) {
    const std::string message = problem();
    if (message.empty()) return 1;
    if (CorrectDataQuery(message, hooks) != kAnswerYes) return 0;
    if (!hooks.editGeometry || !hooks.editGeometry()) return 0;
  }
}

int CheckSupportData(const JobCheckProfile& profile, const CorrectionHooks& hooks, bool& stabilityChecked) {
  for (;;) {
    if (!profile.loadSupports(hooks)) return 0;
    const std::string damage = profile.supportDamage ? profile.supportDamage() : std::string();
    std::string problem;
    if (!damage.empty()) {
      problem = DataMissingMessage(profile.supportData, damage);
    } else {
      bool applied = false;
      problem = profile.supportProblem(!stabilityChecked, applied);
      if (applied) stabilityChecked = true;
    }
    if (problem.empty()) return 1;
    if (CorrectDataQuery(problem, hooks) != kAnswerYes) return 0;
    if (hooks.editSupports) hooks.editSupports();
  }
}

int CheckJobData(const JobCheckProfile& profile, const CorrectionHooks& hooks) {
  bool stabilityChecked = false;
  for (;;) {
    if (!CheckSupportData(profile, hooks, stabilityChecked)) return 0;
    std::vector<std::string> names = profile.loadCases();
    if (names.empty()) {
      if (CorrectDataQuery(kNoLoadCaseMessage, hooks) != kAnswerYes) return 0;
      if (hooks.editLoadCases) hooks.editLoadCases();
      continue;  // the whole check again: the dialogs may have changed any file
    }
    const std::string damaged = LoadFilesDamage(profile.loadCaseList, names, profile.loadDamage);
    if (!damaged.empty()) {
      if (CorrectDataQuery(damaged, hooks) != kAnswerYes) return 0;
      if (hooks.editLoadCases) hooks.editLoadCases();
      continue;
    }
    const std::string geometry = profile.geometryProblem ? profile.geometryProblem() : std::string();
    if (!geometry.empty()) {
      if (CorrectDataQuery(geometry, hooks) != kAnswerYes) return 0;
      if (!hooks.editGeometry || !hooks.editGeometry()) return 0;
      continue;
    }
    profile.finish(names);
    return 1;
  }
}
