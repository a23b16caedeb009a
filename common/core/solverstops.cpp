#include "core/solverstops.h"

#include <algorithm>

const char* const kHalfSpaceDataMessage = "The HALF-SPACE Data describe no Elastic Soil!";

namespace {

bool Listed(const std::vector<int>& codes, int code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

}  // namespace

std::string SolverStopMessage(int code, const SolverStopProfile& profile) {
  const std::string crlf = "\r\n";
  switch (Listed(profile.ownTexts, code) ? code : kStopSystemUnstable) {
    case kStopIterationUnstable:
      return "The ITERARTION PROCESS is Unstable!" + crlf + crlf + "  INCREASE the NUMBER of ELEMENTS " + crlf +
             "  and/or change OTHER DATA ITEMS! ";
    case kStopLoadTooLarge:
      return "The LOAD is too LARGE to be CARRIED OUT" + crlf + crlf + "      by SOIL with the given Yield Stress! ";
    case kStopIterationUnstableNodeWise:
      return "The ITERARTION PROCESS is Unstable!" + crlf + crlf + "  INCREASE the NUMBER of ELEMENTS! ";
    case kStopLoadTooLargeNodeWise:
      return "The LOAD is too LARGE to be CARRIED OUT" + crlf + crlf + "     by SOIL with the given Yield Stresses! ";
    case kStopBadJobData:
      return "The GEOMETRY DATA are Incomplete or cannot be Analysed!" + crlf + crlf + "Correct the Data!";
    case kStopBadSupportData:
      return "The SUPPORT DATA File is Damaged!" + crlf + crlf + "Correct the Data!";
    case kStopBadLoadData:
      return "The LOAD DATA File is Damaged!" + crlf + crlf + "Correct the Data!";
    case kStopValueTooLarge:
      return "A VALUE of the DATA Files is too LARGE to be Analysed!" + crlf + crlf + "Correct the Data!";
    case kStopBadHalfSpace:
      return std::string(kHalfSpaceDataMessage) + crlf + crlf + "Correct the Data!";
    case kStopReportNotWritten:
      return "The RESULTS File cannot be Written!" + crlf + crlf + "Check the JOB Directory!";
    default:
      return "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ";
  }
}

std::vector<SolverTone> SolverStopTones(int code, const SolverStopProfile& profile) {
  bool low = profile.lowTonesByDefault != Listed(profile.toneExceptions, code);
  if (low) return {{100, 550}, {294, 250}, {100, 550}, {294, 250}};
  return {{330, 250}, {294, 250}, {330, 250}, {294, 250}};
}

SolverWarningData SolverWarningFor(int code, const SolverStopProfile& profile) {
  SolverWarningData w;
  if (code <= 0) return w;
  w.caption = "WARNING!";
  w.text = SolverStopMessage(code, profile);
  w.tones = SolverStopTones(code, profile);
  return w;
}
