// Fuzz target: a ".DDC" document file decoded as the viewer and the preview read it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "doc/docmodel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ddoc::Document document;
  DecodeDocument(std::string(reinterpret_cast<const char*>(data), size), document);
  return 0;
}
