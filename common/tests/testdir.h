#pragma once
// A fresh, empty working directory for one test; the test's files are named relative to it.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TestDirectory {
 public:
  TestDirectory() {
    namespace fs = std::filesystem;
    static std::atomic<int> serial{0};
    old_ = fs::current_path();
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() / ("suite-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~TestDirectory() {
    std::error_code ec;
    Keep();
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  // When SUITE_KEEP_TEST_FILES names a folder, the files a test made are copied into a folder of
  // their own there before they go: the seeds of the fuzz targets.
  void Keep() const {
    const char* keep = std::getenv("SUITE_KEEP_TEST_FILES");
    if (!keep || !*keep) return;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path to = fs::path(keep) / path_.filename();
    for (const auto& entry : fs::directory_iterator(path_, ec)) {
      if (!entry.is_regular_file(ec) || entry.file_size(ec) > (1u << 20)) continue;
      fs::create_directories(to, ec);
      fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
    }
  }

  std::filesystem::path old_, path_;
};

inline void WriteBytes(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
