#pragma once
// Helpers of Corvane's core tests: the job-file fixtures of tests/data and a line comparison.
#include <algorithm>
#include <filesystem>
#include <string>

#include "../../../common/tests/fixtures.h"
#include "corvane/core/globals.h"

namespace corvane {
namespace testing {

// The build names the fixture folder for a test program started by hand.
#ifndef CORVANE_TEST_DATA
#define CORVANE_TEST_DATA "tests/data"
#endif
inline std::filesystem::path DataFolder() { return FixtureFolder(CORVANE_TEST_DATA); }

inline TextLineArray LoadFixture(const std::string& file, int& count) {
  return LoadFixtureFrom(DataFolder(), file, count);
}

// A job held in the shared tables: its type and substructure, the element counts of the base
// plate (or beam, strip, plate), wall and roof, lengths, radii and moduli that make a complete
// geometry file, every answer "N".
inline void SetJobGeometry(const char* type, const char* substructure, int nb, int nw, int nr, double plateInner,
                           double roofInner) {
  StructureType = type;
  Substructure = substructure;
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  JobDataTable(1, 1) = nb;
  JobDataTable(2, 1) = nw;
  JobDataTable(3, 1) = nr;
  for (int s = 1; s <= 3; ++s)
    for (int i = 2; i <= 6; ++i) JobDataTable(s, i) = i < 4 ? 6.0 : 0.2;
  if (StructureType == "PLATE") JobDataTable(1, 2) = plateInner;
  JobDataTable(3, 2) = roofInner;
}

// Copies a fixture into the current directory under another name.
inline void CopyFixture(const std::string& file, const std::string& as) {
  std::filesystem::copy_file(DataFolder() / file, std::filesystem::current_path() / as,
                             std::filesystem::copy_options::overwrite_existing);
}

inline void ExpectSameLines(const TextLineArray& got, int gotCount, const TextLineArray& want, int wantCount,
                            const std::string& what) {
  EXPECT_EQ(gotCount, wantCount) << what;
  for (int i = 1; i <= std::min(gotCount, wantCount); ++i) EXPECT_EQ(got[i], want[i]) << what << " line " << i;
}

// The lines of a file written by the program.
inline TextLineArray FileLines(const std::string& file, int& count) {
  TextLineArray lines;
  count = 0;
  LoadTextLines(file, lines, 10000, count);
  return lines;
}

}  // namespace testing
}  // namespace corvane
