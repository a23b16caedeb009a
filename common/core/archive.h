#pragma once
// The job archive: while a job is not in use its files are kept packed in one zip file,
// <job>.ZIP, beside them. Packing and unpacking go through the minizip functions of "ZLIB.DLL"
// and happen only when that file is present in the current directory. An archive that cannot be
// unpacked whole is never replaced: the opening says why (ArchiveFault), and leaving keeps it.
#include <string>

// The minizip functions the archive uses, as ZLIB.DLL exports them.
struct ZipApi {
  struct FileInfo {  // zip_fileinfo
    unsigned tm[6];
    unsigned long dosDate, internalAttributes, externalAttributes;
  };
  struct GlobalInfo {  // unz_global_info
    unsigned long entries, commentSize;
  };
  struct EntryInfo {  // unz_file_info
    unsigned long version, versionNeeded, flag, method, dosDate, crc, compressedSize, uncompressedSize,
        nameSize, extraSize, commentSize, diskStart, internalAttributes, externalAttributes;
    unsigned tm[6];
  };
  void* (*zipOpen)(const char* path, int append);
  int (*zipOpenNewFileInZip)(void* zip, const char* name, const FileInfo* info, const void* extraLocal,
                             unsigned extraLocalSize, const void* extraGlobal, unsigned extraGlobalSize,
                             const char* comment, int method, int level);
  int (*zipWriteInFileInZip)(void* zip, const void* buf, unsigned len);
  int (*zipCloseFileInZip)(void* zip);
  int (*zipClose)(void* zip, const char* comment);
  void* (*unzOpen)(const char* path);
  int (*unzGetGlobalInfo)(void* unz, GlobalInfo* info);
  int (*unzGoToFirstFile)(void* unz);
  int (*unzGoToNextFile)(void* unz);
  int (*unzGetCurrentFileInfo)(void* unz, EntryInfo* info, char* name, unsigned long nameSize, void* extra,
                               unsigned long extraSize, char* comment, unsigned long commentSize);
  int (*unzOpenCurrentFile)(void* unz);
  int (*unzReadCurrentFile)(void* unz, void* buf, unsigned len);
  int (*unzCloseCurrentFile)(void* unz);
  int (*unzClose)(void* unz);
  // Where the open entry's data begins in the archive.
  unsigned long long (*unzGetCurrentFileZStreamPos64)(void* unz);
};

// The functions of "ZLIB.DLL" in the current directory; null when the file is absent or is not
// the library (and always in the native build, which has no such library).
const ZipApi* LoadZipApi();
#ifndef _WIN32
// The native build has no library: its tests and fuzz targets hand over the functions of a
// native build of the same sources here (null again: no library).
void UseZipApi(const ZipApi* api);
#endif

// The sign that begins the temporary names of an unpack and of a save-as: no job's name holds
// it, so a temporary is never another job's file, and what a killed copy left is known by it.
const char kTemporarySign = '+';

// Why an archive was not unpacked: refused (damaged, or holding what is no file of its job) or
// one of its files could not be written. Nothing of it was unpacked either way.
struct ArchiveFault {
  enum Kind { kNone, kRefused, kNotWritten };
  Kind kind = kNone;
  std::string archive;  // the archive's name
  std::string file;     // not written: the file that could not be written
  std::string reason;   // what was wrong with the archive, or the system's words on the write
};
// The warning that tells the user (caption "WARNING!").
std::string ArchiveFaultText(const ArchiveFault& fault);

// What all of a job's files may hold together; an archive that unpacks to more is refused.
constexpr unsigned long kMaxJobBytes = 64ul << 20;
// The files a job can have (some fifty load cases of two files each, and its data files, with
// room to spare); an archive of more entries is refused before any of them is read.
constexpr unsigned long kMaxJobEntries = 1000;

// Leaving a job: the old archive is kept as "LASTJOB.ZIP" (current directory) while the job's
// files are packed into a new one, then dropped, or moved back when neither a new archive nor the
// job's geometry file exists. A "LASTJOB.ZIP" already there (a program killed while leaving) is
// kept as "LASTJOB (n).ZIP", a name no job has. Does nothing without the library, and nothing for
// a job whose archive this session could not unpack whole: that archive and its loose files stay
// as they are.
void ArchiveJob(const std::string& jobSpec, const std::string& geometryExtension = ".GEO");
// Packs the loose files <job>.* into "ZIPVER.zip" in the job's folder, each entry dated as its
// file; on complete success the loose files are deleted and the archive becomes <job>.ZIP. Any
// failure keeps the loose files.
bool ZipJobFiles(const std::string& jobSpec);
// Opening a job: unpacks <job>.ZIP into the job's folder when it and the library exist. False
// (and the fault) when the archive exists but was not unpacked whole; the job is then held: its
// next leave keeps the archive. A loose file not older than the archive is the job's current
// state and is kept.
bool OpenJobFromZip(const std::string& jobSpec, ArchiveFault* fault = nullptr);
// Unpacks every entry into the archive's folder, all or nothing: each entry is checked, written
// to a temporary name, and only when every one is written do they take their own names. Entries
// must be the job's own files under distinct bare names Windows can hold, in ASCII when marked as
// UTF-8, no more than a job has, each with data of its own. The temporary names begin with "+",
// which no job's name holds; those a killed unpack left are removed first.
bool UnzipArchive(const std::string& archiveName, ArchiveFault* fault = nullptr);
