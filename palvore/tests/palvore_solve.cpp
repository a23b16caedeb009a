// Command-line front of the tests' solver tool (see solvetool.h).
#include <cstdio>

#include "solvetool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string output;
  int status = palvore::RunSolveTool(args, output);
  std::fputs(output.c_str(), status == 64 ? stderr : stdout);
  return status;
}
