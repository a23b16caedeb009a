#pragma once
// The archive functions of "ZLIB.DLL" built natively from the same zlib and minizip sources, for
// the native tests and fuzz targets of the job archive. Archive names are Windows names: the
// files are read and written through the core's file-name layer, never named to the host directly.
#include "core/archive.h"

const ZipApi* NativeZipApi();
