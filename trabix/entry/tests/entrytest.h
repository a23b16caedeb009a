#pragma once
// What the data-entry tests share: the program's messages set up for a test, job JOB's geometry
// as the geometry dialog saves it, and a job file read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "../../tests/testsupport.h"
#include "entry/ids.h"
#include "win/grid.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace trabix {
namespace entrytest {

// A step that waits for the "WARNING!" box, keeps its text and answers it with OK.
inline wintest::Step WarningInto(std::vector<std::string>& texts) {
  return wintest::WhenDialog("WARNING!", [&texts](HWND box) {
    texts.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
}
inline wintest::Step WarningInto(std::string& text) {
  return wintest::WhenDialog("WARNING!", [&text](HWND box) {
    text = wintest::BoxText(box);
    wintest::AnswerBox(box, IDOK);
  });
}

// Clears the entry tables and saves job JOB's geometry header: 10 m in 4 elements, E = 2E7 kPa,
// Nu = 0.2, alpha = 1E-5; a strip or a beam, the whole structure or its symmetric half.
inline void SaveGeometryHeader(bool strip = false, bool half = false) {
  ClearEntryTables();
  ASSERT_TRUE(SaveGeometryDialogData("JOB", {"", "10", "4", "2E7", "0.2", "1E-5"}, strip, half));
}

// A beam of 4 elements of 2.5 m, each 0.5 m wide and `depth` deep, with its element table.
inline void SaveBeam(const std::string& depth = "0.5") {
  SaveGeometryHeader();
  FillGeometryCells();
  for (int e = 1; e <= 4; ++e) {
    CellTexts(3, e) = "0.5";
    CellTexts(4, e) = depth;
  }
  ASSERT_TRUE(SaveGeometryCells("JOB"));
}

// The texts of the first `count` cells of the table on screen, in the order of their ids.
inline std::vector<std::string> PageCells(int count) {
  std::vector<std::string> cells;
  for (int k = 1; k <= count; ++k) cells.push_back(wintest::GetText(TablePage(), kFirstCellId + k));
  return cells;
}

using testing::FileLines;

// A text file's lines, each ended by "\n".
inline std::string FileText(const std::string& file) {
  std::vector<std::string> lines = FileLines(file);
  std::string all;
  for (size_t i = 1; i < lines.size(); ++i) all += lines[i] + "\n";
  return all;
}

}  // namespace entrytest
}  // namespace trabix
