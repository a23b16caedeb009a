#include "corvane/solver/solver.h"

#include "core/globals.h"
#include "core/jobnames.h"
#include "core/numbers.h"
#include "core/tablereader.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/supportfile.h"
#include "corvane/solver/beam.h"
#include "corvane/solver/plate.h"
#include "corvane/solver/tank.h"

namespace corvane {

namespace {

int TypeCode(const std::string& type) { return type == "PLATE" ? 2 : type == "TANK" ? 3 : 1; }

// Reads the geometry, support and load files of JobSpec and LoadCaseName into Corvane's tables.
AnalysisOutcome ReadJobFiles(int type) {
  AnalysisOutcome out;
  // The solver offers no correction: a missing geometry is reported with the reader's message.
  std::string missing;
  GeometryCorrection kept = GeometryCorrectionHooks;
  GeometryCorrectionHooks.ask = [&missing](const std::string& message) {
    missing = message;
    return false;
  };
  GeometryCorrectionHooks.edit = [] { return 0; };
  int ok = 0;
  LoadGeometryFile(JobSpec, WorkTables[1], 1, type, ok);
  if (ok == 1 && type == 3) LoadGeometryFile(JobSpec, WorkTables[2], 2, type, ok);
  if (ok == 1 && type == 3 && ElementCount(3) > 0) LoadGeometryFile(JobSpec, WorkTables[3], 3, type, ok);
  GeometryCorrectionHooks = kept;
  if (ok != 1) {
    // A value beyond the range is named as such, not as missing data.
    out.code = missing.find(kValueOutOfRange) != std::string::npos ? kStopValueTooLarge : kAnalysisNoGeometry;
    out.detail = missing;
    return out;
  }
  if (!FileExists(JobSpec + ".SUP")) {
    out.code = kAnalysisNoSupports;
    return out;
  }
  int n1 = 0, n2 = 0, n3 = 0;
  LoadSupportFile(type, n1, n2, n3, 0, ok);
  // A damaged file is not analysed as the part of it that could be read.
  if (int stop = DataFileStop(DataFileDamage(JobSpec + ".SUP", SupportFileForm(type)), kStopBadSupportData)) {
    out.code = stop;
    return out;
  }
  if (int stop = DataFileStop(DataFileDamage(LoadFileName(JobSpec, LoadCaseName), LoadFileForm(type)), kStopBadLoadData)) {
    out.code = stop;
    return out;
  }
  LoadTable.Redim(12, 4);
  SizeLoadTables(type, n1, n2, n3);
  ReadLoadFile(type);
  return out;
}

}  // namespace

bool ParseAnalysisCommandLine(const std::string& raw, AnalysisCall& call) {
  call = AnalysisCall();
  size_t at = 0;
  while (at < raw.size() && raw[at] == ' ') ++at;
  if (at < raw.size() && raw[at] == '"') {
    size_t close = raw.find('"', at + 1);
    at = close == std::string::npos ? raw.size() : close + 1;
  } else {
    size_t blank = raw.find(' ', at);
    at = blank == std::string::npos ? raw.size() : blank;
  }
  std::string rest = raw.substr(at);
  size_t first = rest.find(',');
  size_t second = first == std::string::npos ? std::string::npos : rest.find(',', first + 1);
  if (second == std::string::npos) return false;
  call.type = Trim(rest.substr(0, first));
  call.job = Trim(rest.substr(first + 1, second - first - 1));
  call.caseName = Trim(rest.substr(second + 1));
  bool known = call.type == "BEAM/STRIP" || call.type == "PLATE" || call.type == "TANK";
  return known && !call.job.empty() && !call.caseName.empty();
}

std::vector<std::string> ResultFileNames(const std::string& job, const std::string& caseName) {
  const std::string c = Trim(caseName).substr(0, 1);
  return {job + ".RB" + c, job + ".RP" + c, job + ".RW" + c, job + ".RR" + c};
}

AnalysisOutcome RunAnalysis(const AnalysisCall& call) {
  AnalysisOutcome out;
  StructureType = call.type;
  JobSpec = call.job;
  LoadCaseName = call.caseName;
  // Old results of the case would pass for the new ones after a stop.
  for (const std::string& name : ResultFileNames(call.job, call.caseName)) DeleteIfExists(name);
  const int type = TypeCode(call.type);
  out = ReadJobFiles(type);
  if (out.code != 0) return out;
  if (type == 1) {
    out.code = AnalyseBeam(call.caseName, out.detail);
    return out;
  }
  const std::vector<std::string> files = ResultFileNames(call.job, call.caseName);
  const std::string header = "Job: " + JobSpec + " //  Load Case: '" + call.caseName + "'";
  int count = 0;
  if (type == 2) {
    PlateModel model;
    out.code = PreparePlateModel(model, out.detail);
    if (out.code == 0) out.code = AnalysePlate(model);
    if (out.code != 0) return out;
    TextLineArray lines = PlateResultsLines(model, header, count);
    if (!SaveTextLines(files[1], lines, count)) out.code = kStopReportNotWritten;
    return out;
  }
  TankModel tank;
  out.code = PrepareTankModel(tank, out.detail);
  if (out.code == 0) out.code = AnalyseTank(tank);
  if (out.code != 0) return out;
  TextLineArray plate = PlateResultsLines(tank.base, header, true, tank.inPlane, count);
  bool written = SaveTextLines(files[1], plate, count);
  TextLineArray wall = WallResultsLines(tank, header, count);
  written = written && SaveTextLines(files[2], wall, count);
  if (tank.hasRoof) {
    TextLineArray roof = RoofResultsLines(tank.roof, header, count);
    written = written && SaveTextLines(files[3], roof, count);
  }
  if (!written) {
    // Every substructure's results or none.
    for (int f = 1; f <= 3; ++f) DeleteIfExists(files[static_cast<size_t>(f)]);
    out.code = kStopReportNotWritten;
  }
  return out;
}

SolverWarningData AnalysisWarningFor(const AnalysisOutcome& outcome) {
  const std::string crlf = "\r\n";
  SolverWarningData w;
  switch (outcome.code) {
    case kAnalysisBadCommandLine:
      w.text = "ANALYSIS.exe is started with the STRUCTURE TYPE, the JOB and the LOAD CASE:" + crlf +
               "   ANALYSIS.exe TYPE,JOB,LOAD CASE" + crlf + crlf + "Start the ANALYSIS from Corvane!";
      break;
    case kAnalysisNoGeometry:
      w.text = (outcome.detail.empty() ? std::string("Geometry Data File is Missing!") : outcome.detail) + crlf + crlf +
               "Enter the Data!";
      break;
    case kAnalysisNoSupports:
      w.text = "Support Data File is Missing!" + crlf + crlf + "Enter the Data!";
      break;
    case kAnalysisDataRefused:
      w.text = outcome.detail + crlf + crlf + "Correct the Data!";
      break;
    default:
      return trabix::SolverWarningFor(outcome.code);
  }
  w.caption = "WARNING!";
  w.tones = trabix::SolverStopTones(outcome.code);
  return w;
}

int AnalysisMain(const std::string& raw, const std::function<void(const SolverWarningData&)>& warn) {
  AnalysisCall call;
  AnalysisOutcome outcome;
  if (ParseAnalysisCommandLine(raw, call)) outcome = RunAnalysis(call);
  else outcome.code = kAnalysisBadCommandLine;
  if (outcome.code != 0 && warn) warn(AnalysisWarningFor(outcome));
  return outcome.code;
}

}  // namespace corvane
