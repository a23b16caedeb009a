#pragma once
// The frame of the programs' solver tools (trabix_solve, palvore_solve, murelo_solve): the
// command line
//
//   <tool> <job specification> <load case> [elastic|plastic]
//
// ("[elastic]" alone for a tool whose program has no elastic-plastic analysis yet)
// sets the program's job, case and mode as its analysis command does, analyses, and prints
// "code <c>", "passes <p>" and either "report <file>" or the stop's message. The exit status is
// the code (100 when the job has no geometry or no load case, 64 for a wrong command line).
#include <functional>
#include <string>
#include <vector>

struct SolveToolProfile {
  std::string tool;  // the tool's name in its usage line
  // Sets the job, the load case (at most 29 characters) and the mode (0 elastic, 1 plastic).
  std::function<void(const std::string& job, const std::string& loadCase, int mode)> begin;
  // Analyses the case: the solver's code; passes := the passes of the yield iteration.
  std::function<int(int& passes)> analyse;
  std::function<std::string()> reportName;        // the results report of the case
  std::function<std::string(int code)> stopText;  // the message of a stop
  bool plastic = true;  // the tool offers the elastic-plastic mode
};

inline int RunSolveToolWith(const SolveToolProfile& p, const std::vector<std::string>& args, std::string& output) {
  const bool plastic = args.size() == 3 && (args[2] == "plastic" || args[2] == "1");
  if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "elastic" && args[2] != "0" && !plastic) ||
      (plastic && !p.plastic)) {
    output = "usage: " + p.tool + " <job specification> <load case> " + (p.plastic ? "[elastic|plastic]" : "[elastic]") + "\n";
    return 64;
  }
  p.begin(args[0], args[1].substr(0, 29), plastic ? 1 : 0);
  int passes = 0;
  const int code = p.analyse(passes);
  output = "code " + std::to_string(code) + "\n";
  if (code >= 0) output += "passes " + std::to_string(passes) + "\n";
  if (code == 0) output += "report " + p.reportName() + "\n";
  else if (code > 0) output += p.stopText(code) + "\n";
  return code >= 0 ? code : 100;
}
