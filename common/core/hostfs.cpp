#include "core/hostfs.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hostfs {

bool HasWildcards(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

namespace {

// Windows wildcard match, letter case ignored; "x.*" also matches a name without a dot.
bool Match(const char* p, const char* s) {
  for (; *p; ++p) {
    if (*p == '*') {
      while (*p == '*') ++p;
      if (!*p) return true;
      if (p[0] == '.' && p[1] == '*' && !p[2] && !std::strchr(s, '.')) return true;
      for (; *s; ++s)
        if (Match(p, s)) return true;
      return Match(p, s);
    }
    if (!*s) return p[0] == '.' && p[1] == '*' && !p[2];
    if (*p != '?' && std::tolower(static_cast<unsigned char>(*p)) != std::tolower(static_cast<unsigned char>(*s)))
      return false;
    ++s;
  }
  return !*s;
}

thread_local std::string lastFailure;
thread_local unsigned long listings = 0;
FailureReport failureReport;
int quietDepth = 0;
WriteFault writeFault;
FaultPlace faultPlace = FaultPlace::kBeforeWriting;

const char* const kFaultReason = "There is not enough space on the disk";

// A write the fault layer refuses before writing fails before it touches anything.
bool Faulted(const std::string& target) {
  if (!writeFault || faultPlace != FaultPlace::kBeforeWriting || !writeFault(target)) return false;
  lastFailure = kFaultReason;
  return true;
}

bool FlushFaulted(const std::string& target) {
  return writeFault && faultPlace == FaultPlace::kRunTimeFlush && writeFault(target);
}

bool Failed(std::string reason) {
  lastFailure = std::move(reason);
  return false;
}

std::string RuntimeReason() { return std::strerror(errno); }

// A failed write of a job file is told (the result is passed on).
bool Told(bool ok, const std::string& name) {
  if (!ok && failureReport && quietDepth == 0) failureReport(name, lastFailure);
  return ok;
}

std::string ParentPart(const std::string& name, std::string* last) {
  size_t slash = name.find_last_of("\\/:");
  if (last) *last = slash == std::string::npos ? name : name.substr(slash + 1);
  return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

}  // namespace

std::string LastFailure() { return lastFailure; }
unsigned long FolderListings() { return listings; }
void SetFailureReport(FailureReport report) { failureReport = std::move(report); }
void TellFailure(const std::string& name) { Told(false, name); }
QuietFailures::QuietFailures() { ++quietDepth; }
QuietFailures::~QuietFailures() { --quietDepth; }
void SetWriteFault(WriteFault fault, FaultPlace place) {
  writeFault = std::move(fault);
  faultPlace = place;
}

namespace {

#ifdef _WIN32
int Descriptor(std::FILE* f) { return _fileno(f); }
int OpenForReading(const std::string& name) { return _open(name.c_str(), _O_RDONLY | _O_BINARY); }
int Duplicate(int from, int to) { return _dup2(from, to); }
int CloseDescriptor(int fd) { return _close(fd); }
#else
int Descriptor(std::FILE* f) { return fileno(f); }
int OpenForReading(const std::string& name) { return open(name.c_str(), O_RDONLY); }
int Duplicate(int from, int to) { return dup2(from, to); }
int CloseDescriptor(int fd) { return close(fd); }
#endif

long long SizeOnDisk(const std::string& hostName);

// The bytes into a new file of that (host) name. The write is whole only when the run time took
// every byte, its own flush and the close succeeded and the file holds them all: a run time may
// report success from fclose although its buffered write found the disk full.
bool WriteNewFile(const std::string& tmp, const std::string& bytes, bool breakFlush) {
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return Failed(RuntimeReason());
  if (breakFlush) {
    // The test fault: the run time keeps every byte in its buffer, and the descriptor below it
    // cannot write, so the run time's own flush fails as on a full disk.
    std::setvbuf(f, nullptr, _IOFBF, bytes.size() + 2);
    int reader = OpenForReading(tmp);
    if (reader >= 0) {
      Duplicate(reader, Descriptor(f));
      CloseDescriptor(reader);
    }
  }
  std::string reason;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (!ok) reason = RuntimeReason();
  if (std::fflush(f) != 0 && ok) {
    ok = false;
    reason = RuntimeReason();
  }
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    reason = RuntimeReason();
  }
  if (ok) {
    const long long size = SizeOnDisk(tmp);
    if (size != static_cast<long long>(bytes.size())) {
      ok = false;
      reason = "Only " + std::to_string(size < 0 ? 0 : size) + " of " + std::to_string(bytes.size()) +
               " bytes reached the disk";
    }
  }
  if (!ok) lastFailure = breakFlush ? std::string(kFaultReason) : reason;
  return ok;
}

}  // namespace

#ifdef _WIN32

std::string SystemReason(unsigned long code) {
  char text[512] = {0};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  std::string s(text, n);
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == '.' || s.back() == ' ')) s.pop_back();
  return s.empty() ? "system error " + std::to_string(code) : s;
}

namespace {

std::string SystemReason() { return hostfs::SystemReason(GetLastError()); }

bool WriteReplacing(const std::string& name, const std::string& bytes) {
  if (Faulted(name)) return false;
  std::string tmp = name + ".~tmp";
  bool ok = WriteNewFile(tmp, bytes, FlushFaulted(name));
  if (ok && !MoveFileExA(tmp.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    lastFailure = SystemReason();
    ok = false;
  }
  if (!ok) DeleteFileA(tmp.c_str());
  return ok;
}

long long SizeOnDisk(const std::string& hostName) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(hostName.c_str(), GetFileExInfoStandard, &d)) return -1;
  return static_cast<long long>((static_cast<unsigned long long>(d.nFileSizeHigh) << 32) | d.nFileSizeLow);
}

}  // namespace

std::vector<Entry> Find(const std::string& pattern) {
  std::vector<Entry> out;
  ++listings;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return out;
  std::string dir = ParentPart(pattern, nullptr);
  do {
    std::string n = fd.cFileName;
    if (n == "." || n == "..") continue;
    if (fd.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    out.push_back({dir + n, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return out;
}

std::FILE* OpenRead(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

bool WriteWhole(const std::string& name, const std::string& bytes) { return Told(WriteReplacing(name, bytes), name); }

bool Remove(const std::string& name) { return !HasWildcards(name) && DeleteFileA(name.c_str()) != 0; }
bool MakeDirectory(const std::string& name) { return CreateDirectoryA(name.c_str(), nullptr) != 0; }
bool Rename(const std::string& from, const std::string& to) {
  if (Faulted(to)) return false;
  return MoveFileA(from.c_str(), to.c_str()) != 0 || Failed(SystemReason());
}
bool Replace(const std::string& from, const std::string& to) {
  if (Faulted(to)) return false;
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
         Failed(SystemReason());
}
bool IsDirectory(const std::string& name) {
  DWORD a = GetFileAttributesA(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
long long ModifiedTime(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &d)) return 0;
  unsigned long long t = (static_cast<unsigned long long>(d.ftLastWriteTime.dwHighDateTime) << 32) |
                         d.ftLastWriteTime.dwLowDateTime;
  return (static_cast<long long>(t) - 116444736000000000LL) * 100;  // 100 ns ticks since 1601
}

#else

std::string SystemReason(unsigned long code) { return std::strerror(static_cast<int>(code)); }

namespace {

// Host form of a Windows name: separators turned, drive dropped, each existing component
// found again in its real letter case. Components that do not exist stay as given.
std::string Host(const std::string& name) {
  std::string s = name;
  for (char& c : s)
    if (c == '\\') c = '/';
  if (s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':') s = s.substr(2);
  std::string base = (!s.empty() && s[0] == '/') ? "/" : "";
  std::string out = base;
  size_t i = base.size();
  while (i <= s.size()) {
    size_t j = s.find('/', i);
    if (j == std::string::npos) j = s.size();
    std::string comp = s.substr(i, j - i);
    if (!comp.empty()) {
      std::string dir = out.empty() ? "." : out;
      std::string probe = (out.empty() ? "" : (out.back() == '/' ? out : out + "/")) + comp;
      struct stat st;
      if (comp != "." && comp != ".." && lstat(probe.c_str(), &st) != 0) {
        if (DIR* d = opendir(dir.c_str())) {
          while (dirent* e = readdir(d)) {
            if (strcasecmp(e->d_name, comp.c_str()) == 0) { comp = e->d_name; break; }
          }
          closedir(d);
        }
      }
      if (!out.empty() && out.back() != '/') out += '/';
      out += comp;
    }
    i = j + 1;
  }
  if (out.empty()) out = ".";
  return out;
}

}  // namespace

std::vector<Entry> Find(const std::string& pattern) {
  std::vector<Entry> out;
  ++listings;
  std::string last;
  std::string parent = ParentPart(pattern, &last);
  if (last.empty()) return out;
  std::string dir = parent.empty() ? "." : Host(parent);
  std::string prefix = parent.empty() ? "" : (dir.back() == '/' ? dir : dir + "/");
  DIR* d = opendir(dir.c_str());
  if (!d) return out;
  while (dirent* e = readdir(d)) {
    std::string n = e->d_name;
    if (n[0] == '.') continue;  // ".", ".." and hidden names
    if (!Match(last.c_str(), n.c_str())) continue;
    std::string full = prefix + n;
    struct stat st;
    if (stat(full.c_str(), &st) != 0) continue;
    out.push_back({full, S_ISDIR(st.st_mode)});
  }
  closedir(d);
  return out;
}

std::FILE* OpenRead(const std::string& name) {
  std::string h = Host(name);
  struct stat st;
  if (stat(h.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
  return std::fopen(h.c_str(), "rb");
}

namespace {

bool WriteReplacing(const std::string& name, const std::string& bytes) {
  if (Faulted(name)) return false;
  std::string h = Host(name);
  std::string tmp = h + ".~tmp";
  bool ok = WriteNewFile(tmp, bytes, FlushFaulted(name));
  if (ok && std::rename(tmp.c_str(), h.c_str()) != 0) {
    lastFailure = RuntimeReason();
    ok = false;
  }
  if (!ok) std::remove(tmp.c_str());
  return ok;
}

long long SizeOnDisk(const std::string& hostName) {
  struct stat st;
  return stat(hostName.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

}  // namespace

bool WriteWhole(const std::string& name, const std::string& bytes) { return Told(WriteReplacing(name, bytes), name); }

bool Remove(const std::string& name) {
  if (HasWildcards(name)) return false;
  std::string h = Host(name);
  struct stat st;
  if (stat(h.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return std::remove(h.c_str()) == 0;
}
bool MakeDirectory(const std::string& name) { return mkdir(Host(name).c_str(), 0777) == 0; }
bool Rename(const std::string& from, const std::string& to) {
  if (Faulted(to)) return false;
  std::string t = Host(to);
  struct stat st;
  if (stat(t.c_str(), &st) == 0) return Failed("Cannot create a file when that file already exists");
  return std::rename(Host(from).c_str(), t.c_str()) == 0 || Failed(RuntimeReason());
}
bool Replace(const std::string& from, const std::string& to) {
  if (Faulted(to)) return false;
  std::string t = Host(to);
  struct stat st;
  if (stat(t.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return Failed("Access is denied");  // as Windows says
  return std::rename(Host(from).c_str(), t.c_str()) == 0 || Failed(RuntimeReason());
}
long long ModifiedTime(const std::string& name) {
  struct stat st;
  if (stat(Host(name).c_str(), &st) != 0) return 0;
  return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}
bool IsDirectory(const std::string& name) {
  struct stat st;
  return stat(Host(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

#endif

// A copy is a whole write of the source's bytes: the same checks, the same temporary name.
bool Copy(const std::string& from, const std::string& to) {
  std::FILE* in = OpenRead(from);
  if (!in) return Told(Failed(RuntimeReason()), to);
  std::string bytes;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) bytes.append(buf, n);
  const bool read = !std::ferror(in);
  std::fclose(in);
  if (!read) return Told(Failed(RuntimeReason()), to);
  return WriteWhole(to, bytes);
}

}  // namespace hostfs
