// Seeds of the archive fuzz target: the jobs of the other targets' seed bundles (the fixtures and
// the files the tests made), each packed as the programs pack a job they leave.
//   archive_seeds OUT BUNDLE_FOLDER...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/archive.h"
#include "fuzz/fuzzsupport.h"
#include "nativezip.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  UseZipApi(NativeZipApi());
  fs::path out = fs::absolute(argv[1]);
  fs::create_directories(out);
  fs::path work = fs::temp_directory_path() / ("suite-archive-seeds-" + std::to_string(::getpid()));
  int made = 0;
  for (int a = 2; a < argc; ++a) {
    std::error_code ec;
    int fromThis = 0;  // a few jobs of each program
    for (const auto& e : fs::directory_iterator(argv[a], ec)) {
      if (fromThis >= 10 || e.file_size() > 16384) continue;
      std::ifstream in(e.path(), std::ios::binary);
      std::string bundle((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      fs::remove_all(work);
      fs::create_directories(work);
      fs::current_path(work);
      for (const auto& [ext, bytes] : fuzz::ReadBundle(reinterpret_cast<const uint8_t*>(bundle.data()), bundle.size()))
        fuzz::WriteFile("BEAM1." + ext, bytes);
      if (ZipJobFiles("BEAM1")) ++fromThis, fs::copy_file("BEAM1.ZIP", out / ("packed-" + std::to_string(made++) + ".zip"));
    }
  }
  fs::current_path(out);
  fs::remove_all(work);
  std::printf("%-18s %5d seeds\n", "archive", made);
  return 0;
}
