#pragma once
// The solver tool of the tests: analyses one load case of a pile job in a given mode exactly as
// the program's analysis command does (the same globals, job files and solver), writing the
// results report <job>.RB<c>.
//
//   palvore_solve <job specification> <load case> [elastic|plastic]
//
// Prints the outcome (the solver's code, the passes of the yield iteration and, for a stop, its
// message) and returns the code as the exit status (100 when the job has no geometry or no load
// case, 64 for a wrong command line).
#include <string>
#include <vector>

namespace palvore {

// args: the arguments after the program name. output receives what the tool prints.
int RunSolveTool(const std::vector<std::string>& args, std::string& output);

}  // namespace palvore
