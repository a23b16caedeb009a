#pragma once
// The job archive: while a job is not in use its files are kept packed in one zip file,
// <job>.ZIP, beside them. Packing and unpacking go through the minizip functions of "ZLIB.DLL"
// and happen only when that file is present in the current directory; nothing is reported.
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
};

// The functions of "ZLIB.DLL" in the current directory; null when the file is absent or is not
// the library (and always in the native build, which has no such library).
const ZipApi* LoadZipApi();
#ifndef _WIN32
// The native build has no library: its tests and fuzz targets hand over the functions of a
// native build of the same sources here (null again: no library).
void UseZipApi(const ZipApi* api);
#endif

// Leaving a job: the old archive is kept as "LASTJOB.ZIP" (current directory) while the job's
// files are packed into a new one, then dropped, or moved back when neither a new archive nor the
// job's geometry file exists. Does nothing without the library.
void ArchiveJob(const std::string& jobSpec, const std::string& geometryExtension = ".GEO");
// Packs the loose files <job>.* into "ZIPVER.zip" in the job's folder; on complete success the
// loose files are deleted and the archive becomes <job>.ZIP. Any failure keeps the loose files.
bool ZipJobFiles(const std::string& jobSpec);
// Opening a job: unpacks <job>.ZIP into the job's folder when it and the library exist.
void OpenJobFromZip(const std::string& jobSpec);
// Unpacks every entry into the archive's folder. Entries must be bare file names; nothing is
// written unless every entry was read whole with a correct checksum.
bool UnzipArchive(const std::string& archiveName);
