#pragma once
// The warnings of the solvers' stops as data: the caption, the text and the four tones that the
// program plays before its task-modal "WARNING!" box. The texts are the suite's; which codes a
// program has, and which of them sound the low tones, is the program's profile.
#include <string>
#include <vector>

// Stop codes of the suite's solvers (0 done).
constexpr int kStopIterationUnstable = 1;  // the yield iteration does not settle within its pass limit
constexpr int kStopSystemUnstable = 2;     // the system is a mechanism (singular or nearly so, or too few elastic soil nodes)
constexpr int kStopLoadTooLarge = 3;       // 1.1 x the soil reaction exceeds what the soil can carry
constexpr int kStopBadJobData = 4;         // the element table is incomplete or a value cannot be analysed
constexpr int kStopBadHalfSpace = 5;       // the half-space constants describe no elastic soil
constexpr int kStopReportNotWritten = 6;   // the results report cannot be written
constexpr int kStopIterationUnstableNodeWise = 7;  // code 1 of an iteration on node-wise yield stresses
constexpr int kStopLoadTooLargeNodeWise = 8;       // code 3 against node-wise yield stresses
// (9 is Murelo's own.)
constexpr int kStopBadSupportData = 11;  // the support file is damaged (cut short, a table out of form)
constexpr int kStopBadLoadData = 12;     // the load file of the case is damaged
constexpr int kStopValueTooLarge = 13;   // a value of the data files lies beyond what the analysis computes with

extern const char* const kHalfSpaceDataMessage;  // "The HALF-SPACE Data describe no Elastic Soil!"

struct SolverTone {
  int frequency;  // Hz
  int duration;   // ms
};

struct SolverWarningData {
  std::string caption;
  std::string text;
  std::vector<SolverTone> tones;
};

struct SolverStopProfile {
  std::vector<int> ownTexts;        // codes with a text of their own; any other gives code 2's text
  bool lowTonesByDefault = false;   // the tones of a code not in toneExceptions
  std::vector<int> toneExceptions;  // codes with the other tones
};

// Lines joined by CR LF.
std::string SolverStopMessage(int code, const SolverStopProfile& profile);
std::vector<SolverTone> SolverStopTones(int code, const SolverStopProfile& profile);
// Nothing (an empty text, no tones) for a code of 0 or below.
SolverWarningData SolverWarningFor(int code, const SolverStopProfile& profile);
