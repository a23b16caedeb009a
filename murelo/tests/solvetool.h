#pragma once
// The solver tool of the tests: analyses one load case of a retaining-wall job exactly as the
// program's analysis command does (the same globals, job files and solver), writing the results
// report <job>.RB<c>.
//
//   murelo_solve <job specification> <load case> [elastic|plastic]
//
// Prints the outcome as the other programs' solver tools do (common/tests/solvetool.h; the passes
// are those of the contact iteration) and returns the code as the exit status (100 when the job ends
// without results silently, 64 for a wrong command line).
#include <string>
#include <vector>

namespace murelo {

struct WallModel;

// args: the arguments after the program name. output receives what the tool prints; the model
// (when given) keeps what the analysis worked on.
int RunSolveTool(const std::vector<std::string>& args, std::string& output, WallModel* model = nullptr);

}  // namespace murelo
