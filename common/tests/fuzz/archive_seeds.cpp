// Seeds of the archive fuzz target: the jobs of the other targets' seed bundles (the fixtures and
// the files the tests made), each packed as the programs pack a job they leave, and one archive of
// each hostile kind an unpack must refuse whole.
//   archive_seeds OUT BUNDLE_FOLDER...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/archive.h"
#include "fuzz/fuzzsupport.h"
#include "nativezip.h"

namespace fs = std::filesystem;

namespace {

// An archive of the given entries, each holding `content`, made by the library as a user's zip
// tool would make it; empty when the library refused.
std::string Zipped(std::initializer_list<const char*> entries, const std::string& content) {
  const ZipApi* z = NativeZipApi();
  fs::remove("HOSTILE.ZIP");
  void* zip = z->zipOpen("HOSTILE.ZIP", 0);
  if (!zip) return std::string();
  ZipApi::FileInfo info{};
  info.tm[3] = 1;
  info.tm[5] = 2024;
  for (const char* entry : entries) {
    z->zipOpenNewFileInZip(zip, entry, &info, nullptr, 0, nullptr, 0, nullptr, 8, 9);
    z->zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
    z->zipCloseFileInZip(zip);
  }
  z->zipClose(zip, nullptr);
  std::ifstream in("HOSTILE.ZIP", std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// One seed of each kind: traversal, absolute and drive paths, device names, letter-case twins,
// repeats, names Windows would cut, more bytes than a job has, more files than a job has, a bad
// checksum, two entries reading one file's data, a UTF-8 name beyond ASCII, a cut archive, and no
// zip at all.
int WriteHostileSeeds(const fs::path& out) {
  const std::string data = "Job: hostile // GEOMETRY & MAT. PROPERTIES\r\n  1.500\r\n";
  std::vector<std::pair<std::string, std::string>> seeds = {
      {"traversal", Zipped({"BEAM1.GEO", "..\\BEAM1.GEO", "../BEAM1.SUP"}, data)},
      {"absolute", Zipped({"\\BEAM1.GEO", "/BEAM1.SUP"}, data)},
      {"drive", Zipped({"C:BEAM1.GEO", "C:\\BEAM1.SUP"}, data)},
      {"device", Zipped({"BEAM1.GEO", "CON", "NUL.GEO", "COM1.SUP", "LPT9 .LDD"}, data)},
      {"case-twins", Zipped({"BEAM1.GEO", "beam1.geo"}, data)},
      {"repeated", Zipped({"BEAM1.SUP", "BEAM1.SUP"}, data)},
      {"trailing-dot", Zipped({"BEAM1.GEO", "BEAM1.ZIP."}, data)},
      {"trailing-blank", Zipped({"BEAM1.GEO", "BEAM1.ZIP "}, data)},
      {"too-much", Zipped({"BEAM1.A", "BEAM1.B", "BEAM1.C", "BEAM1.D"}, std::string(17u << 20, '\0'))},
      {"not-a-zip", "PK\x03\x04 but nothing more"},
  };
  std::string good = Zipped({"BEAM1.GEO", "BEAM1.SUP"}, data);
  std::string crc = good;
  size_t central = crc.find("PK\x01\x02");
  if (central != std::string::npos) crc[central + 16] ^= 0x55;
  seeds.push_back({"bad-crc", crc});
  seeds.push_back({"truncated", good.substr(0, good.size() * 2 / 3)});
  // The second directory entry pointing at the first one's local header, with its check sum and sizes.
  std::string shared = good;
  size_t first = shared.find("PK\x01\x02");
  size_t second = first == std::string::npos ? first : shared.find("PK\x01\x02", first + 4);
  if (second != std::string::npos) {
    shared.replace(second + 16, 12, shared.substr(first + 16, 12));
    shared.replace(second + 42, 4, shared.substr(first + 42, 4));
    seeds.push_back({"shared-data", shared});
  }
  // Bit 11 of the flags: the names are UTF-8, one of them beyond ASCII.
  std::string utf8 = Zipped({"BEAM1.GEO", "BEAM1.G\xc3\x89O"}, data);
  for (const char* header : {"PK\x03\x04", "PK\x01\x02"}) {
    const size_t flags = header[2] == 3 ? 7 : 9;  // the high byte of the flags
    for (size_t at = utf8.find(header); at != std::string::npos; at = utf8.find(header, at + 4))
      utf8[at + flags] = static_cast<char>(utf8[at + flags] | 0x08);
  }
  seeds.push_back({"utf8-name", utf8});
  {
    const ZipApi* z = NativeZipApi();
    fs::remove("HOSTILE.ZIP");
    void* zip = z->zipOpen("HOSTILE.ZIP", 0);
    ZipApi::FileInfo info{};
    for (unsigned long i = 0; zip && i <= kMaxJobEntries; ++i) {
      z->zipOpenNewFileInZip(zip, ("BEAM1." + std::to_string(i)).c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 8, 9);
      z->zipCloseFileInZip(zip);
    }
    if (zip) z->zipClose(zip, nullptr);
    std::ifstream in("HOSTILE.ZIP", std::ios::binary);
    seeds.push_back({"too-many", std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())});
  }
  int made = 0;
  for (const auto& [kind, bytes] : seeds) {
    if (bytes.empty()) continue;
    std::ofstream(out / ("hostile-" + kind + ".zip"), std::ios::binary) << bytes;
    ++made;
  }
  fs::remove("HOSTILE.ZIP");
  return made;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  UseZipApi(NativeZipApi());
  fs::path out = fs::absolute(argv[1]);
  fs::create_directories(out);
  fs::path work = fs::temp_directory_path() / ("suite-archive-seeds-" + std::to_string(::getpid()));
  fs::create_directories(work);
  fs::current_path(work);
  int made = WriteHostileSeeds(out);
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
