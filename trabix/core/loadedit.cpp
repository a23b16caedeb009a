#include "trabix/core/loadedit.h"

#include <cmath>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/checks.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"

namespace trabix {

double StoredLoadValue(double value) {
  if (!(std::fabs(value) >= 1.0E-4)) return 0;  // also a value that is not a number
  return ParseNumber(FormatNumber(value, "###0.000"));
}

int EditLoadData(const std::function<void()>& loadTypeDialog, const CorrectionHooks& hooks) {
  ElementTable.Redim(2, 2);
  if (LoadSupportFile(hooks) != 1) return 0;
  int elements = ElementCount();

  TextLineArray lines;
  int count = 0;
  const std::string file = LoadFileName(JobSpec, LoadCaseName);
  LoadTextLines(file, lines, 10000, count);
  int nodal = 0, trapezoidal = 0, temperature = 0;
  // A file of at most 2 lines holds no loads: the tables start from zero.
  ReadLoadData(lines, count > 2 ? count : 0, nodal, trapezoidal, temperature);

  if (loadTypeDialog) loadTypeDialog();

  int nodalKept = 0, trapezoidalKept = 0, temperatureKept = 0;
  CompactZeroRows(NodalLoadTable, elements + 1, 2, nodalKept);
  CompactZeroRows(LoadTable, elements, 2, trapezoidalKept);
  CompactZeroRows(TemperatureTable, elements, 2, temperatureKept);

  lines.assign(1, std::string());
  count = 0;
  int nodalFirst = nodalKept, trapezoidalFirst = trapezoidalKept, temperatureFirst = temperatureKept;
  ListLoads(lines, count, nodalFirst, trapezoidalFirst, temperatureFirst, LoadHeader(JobSpec, LoadCaseName));
  if (nodalKept > 0) ListLoadRows(lines, 3, nodalFirst, nodalFirst + nodalKept - 1, NodalLoadTable);
  if (trapezoidalKept > 0) ListLoadRows(lines, 4, trapezoidalFirst, trapezoidalFirst + trapezoidalKept - 1, LoadTable);
  if (temperatureKept > 0)
    ListLoadRows(lines, 5, temperatureFirst, temperatureFirst + temperatureKept - 1, TemperatureTable);
  bool written = SaveJobDataFile(JobResults(), JobSpec, file, lines, count);

  NodalLoadTable.Redim(0, 0);
  LoadTable.Redim(0, 0);
  TemperatureTable.Redim(0, 0);
  ElementTable.Redim(0, 0);
  return written ? 1 : 0;
}

int LoadCommand(const std::function<int()>& chooseLoadCase, const std::function<void()>& loadTypeDialog,
                const CorrectionHooks& hooks) {
  if (!chooseLoadCase || chooseLoadCase() != 1) return 0;
  return EditLoadData(loadTypeDialog, hooks);
}

}  // namespace trabix
