#include "core/textfiles.h"

#include <algorithm>

#include "core/hostfs.h"
#include "core/jobspec.h"

void LoadTextLines(const std::string& fileName, TextLineArray& lines, int capacity, int& count) {
  count = 0;
  if (!FileExists(fileName)) return;
  std::FILE* f = hostfs::OpenRead(fileName);
  if (!f) return;
  if (capacity < 0) capacity = 0;
  if (lines.size() < static_cast<size_t>(capacity) + 1) lines.resize(static_cast<size_t>(capacity) + 1);
  std::string bytes;
  // The whole file in one block when its size is known (a long job's tables are large).
  if (std::fseek(f, 0, SEEK_END) == 0) {
    long size = std::ftell(f);
    if (size > 0) bytes.reserve(static_cast<size_t>(size));
    std::rewind(f);
  }
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  std::fclose(f);
  size_t end = bytes.find('\x1a');  // Ctrl-Z ends the data
  if (end == std::string::npos) end = bytes.size();
  size_t i = 0;
  // A line ends at CR LF, at CR alone or at LF alone: a file carried through another tool keeps
  // its lines.
  while (i < end) {
    size_t eol = bytes.find_first_of("\r\n", i);
    if (eol == std::string::npos || eol > end) eol = end;
    ++count;
    if (lines.size() <= static_cast<size_t>(count)) lines.resize(static_cast<size_t>(count) * 2 + 1);
    lines[count].assign(bytes, i, eol - i);
    i = eol + 1;
    if (eol < end && bytes[eol] == '\r' && i < end && bytes[i] == '\n') ++i;
  }
}

bool SaveTextLines(const std::string& fileName, const TextLineArray& lines, int count) {
  std::string bytes;
  size_t size = 0;
  for (int i = 1; i <= count && static_cast<size_t>(i) < lines.size(); ++i) size += lines[i].size();
  bytes.reserve(size + 2 * static_cast<size_t>(std::max(count, 0)));  // one block for a long file
  for (int i = 1; i <= count; ++i) {
    if (static_cast<size_t>(i) < lines.size()) bytes += lines[i];
    bytes += "\r\n";
  }
  return hostfs::WriteWhole(fileName, bytes);
}

bool FileExists(const std::string& fileName) {
  if (fileName.empty()) return false;
  return !hostfs::Find(fileName).empty();
}

void DeleteIfExists(const std::string& fileName) {
  if (hostfs::HasWildcards(fileName)) return;
  if (FileExists(fileName)) hostfs::Remove(fileName);
}

void EnsureJobDirectory(const std::string& jobSpec) {
  JobPathParts parts;
  int code = 0;
  ValidatePath(jobSpec, parts, code);
  if (parts.driveAndDirectory.empty() || parts.directory.empty()) return;
  // Every missing level, from the top down.
  std::string path = parts.drive + "\\";
  const std::string& dir = parts.directory;
  size_t i = 0;
  while (i <= dir.size()) {
    size_t j = dir.find('\\', i);
    if (j == std::string::npos) j = dir.size();
    path += dir.substr(i, j - i);
    if (!hostfs::IsDirectory(path)) hostfs::MakeDirectory(path);
    path += "\\";
    i = j + 1;
  }
}
