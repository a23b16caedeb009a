#include "nativezip.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "core/hostfs.h"
#include "unzip.h"
#include "zip.h"

namespace {

// minizip's file layer over a whole-file buffer: an archive is read whole when opened and written
// whole when closed, so the names go through hostfs like every other file of the core.
struct Buffer {
  std::string name, bytes;
  size_t at = 0;
  bool writing = false;
};

voidpf ZCALLBACK Open(voidpf, const char* name, int mode) {
  if (!name) return nullptr;
  auto* b = new Buffer;
  b->name = name;
  b->writing = (mode & ZLIB_FILEFUNC_MODE_WRITE) != 0;
  if (mode & ZLIB_FILEFUNC_MODE_EXISTING) {
    std::FILE* f = hostfs::OpenRead(name);
    if (!f) {
      delete b;
      return nullptr;
    }
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b->bytes.append(buf, n);
    std::fclose(f);
  }
  return b;
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* buf, uLong size) {
  auto* b = static_cast<Buffer*>(stream);
  if (b->at >= b->bytes.size()) return 0;
  size_t n = std::min<size_t>(size, b->bytes.size() - b->at);
  std::memcpy(buf, b->bytes.data() + b->at, n);
  b->at += n;
  return static_cast<uLong>(n);
}

uLong ZCALLBACK Write(voidpf, voidpf stream, const void* buf, uLong size) {
  auto* b = static_cast<Buffer*>(stream);
  if (!b->writing) return 0;
  if (b->bytes.size() < b->at + size) b->bytes.resize(b->at + size);
  std::memcpy(&b->bytes[b->at], buf, size);
  b->at += size;
  return size;
}

long ZCALLBACK Tell(voidpf, voidpf stream) { return static_cast<long>(static_cast<Buffer*>(stream)->at); }

long ZCALLBACK Seek(voidpf, voidpf stream, uLong offset, int origin) {
  auto* b = static_cast<Buffer*>(stream);
  size_t base = origin == ZLIB_FILEFUNC_SEEK_SET ? 0 : origin == ZLIB_FILEFUNC_SEEK_CUR ? b->at : b->bytes.size();
  if (origin != ZLIB_FILEFUNC_SEEK_SET && origin != ZLIB_FILEFUNC_SEEK_CUR && origin != ZLIB_FILEFUNC_SEEK_END) return -1;
  b->at = base + offset;
  return 0;
}

int ZCALLBACK Close(voidpf, voidpf stream) {
  auto* b = static_cast<Buffer*>(stream);
  bool ok = !b->writing || hostfs::WriteWhole(b->name, b->bytes);
  delete b;
  return ok ? 0 : -1;
}

int ZCALLBACK Error(voidpf, voidpf) { return 0; }

zlib_filefunc_def Files() { return {Open, Read, Write, Tell, Seek, Close, Error, nullptr}; }

void* ZipOpen(const char* path, int append) {
  zlib_filefunc_def f = Files();
  return zipOpen2(path, append, nullptr, &f);
}

int ZipOpenNewFile(void* zip, const char* name, const ZipApi::FileInfo* info, const void* extraLocal,
                   unsigned extraLocalSize, const void* extraGlobal, unsigned extraGlobalSize, const char* comment,
                   int method, int level) {
  zip_fileinfo zi{};
  if (info) {
    int* tm[] = {&zi.tmz_date.tm_sec,  &zi.tmz_date.tm_min, &zi.tmz_date.tm_hour,
                 &zi.tmz_date.tm_mday, &zi.tmz_date.tm_mon, &zi.tmz_date.tm_year};
    for (int i = 0; i < 6; ++i) *tm[i] = static_cast<int>(info->tm[i]);
    zi.dosDate = info->dosDate;
    zi.internal_fa = info->internalAttributes;
    zi.external_fa = info->externalAttributes;
  }
  return zipOpenNewFileInZip(zip, name, info ? &zi : nullptr, extraLocal, extraLocalSize, extraGlobal, extraGlobalSize,
                             comment, method, level);
}

int ZipWrite(void* zip, const void* buf, unsigned len) { return zipWriteInFileInZip(zip, buf, len); }
int ZipCloseFile(void* zip) { return zipCloseFileInZip(zip); }
int ZipClose(void* zip, const char* comment) { return zipClose(zip, comment); }

void* UnzOpen(const char* path) {
  zlib_filefunc_def f = Files();
  return unzOpen2(path, &f);
}

int UnzGlobalInfo(void* unz, ZipApi::GlobalInfo* info) {
  unz_global_info g{};
  int r = unzGetGlobalInfo(unz, &g);
  info->entries = g.number_entry;
  info->commentSize = g.size_comment;
  return r;
}

int UnzFirst(void* unz) { return unzGoToFirstFile(unz); }
int UnzNext(void* unz) { return unzGoToNextFile(unz); }

int UnzEntryInfo(void* unz, ZipApi::EntryInfo* info, char* name, unsigned long nameSize, void* extra,
                 unsigned long extraSize, char* comment, unsigned long commentSize) {
  unz_file_info e{};
  int r = unzGetCurrentFileInfo(unz, &e, name, nameSize, extra, extraSize, comment, commentSize);
  if (info) {
    *info = {e.version, e.version_needed, e.flag, e.compression_method, e.dosDate, e.crc, e.compressed_size,
             e.uncompressed_size, e.size_filename, e.size_file_extra, e.size_file_comment, e.disk_num_start,
             e.internal_fa, e.external_fa, {}};
    const int tm[] = {e.tmu_date.tm_sec,  e.tmu_date.tm_min, e.tmu_date.tm_hour,
                      e.tmu_date.tm_mday, e.tmu_date.tm_mon, e.tmu_date.tm_year};
    for (int i = 0; i < 6; ++i) info->tm[i] = static_cast<unsigned>(tm[i]);
  }
  return r;
}

int UnzOpenEntry(void* unz) { return unzOpenCurrentFile(unz); }
int UnzRead(void* unz, void* buf, unsigned len) { return unzReadCurrentFile(unz, buf, len); }
int UnzCloseEntry(void* unz) { return unzCloseCurrentFile(unz); }
int UnzClose(void* unz) { return unzClose(unz); }
unsigned long long UnzDataAt(void* unz) { return unzGetCurrentFileZStreamPos64(unz); }

}  // namespace

const ZipApi* NativeZipApi() {
  static const ZipApi api{ZipOpen,   ZipOpenNewFile, ZipWrite,     ZipCloseFile,  ZipClose,      UnzOpen,
                          UnzGlobalInfo, UnzFirst,   UnzNext,      UnzEntryInfo,  UnzOpenEntry,  UnzRead,
                          UnzCloseEntry, UnzClose,   UnzDataAt};
  return &api;
}
