#pragma once
// A fresh, empty working directory for one test; the test's files are named relative to it.
#include <atomic>
#include <chrono>
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
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path old_, path_;
};

inline void WriteBytes(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
