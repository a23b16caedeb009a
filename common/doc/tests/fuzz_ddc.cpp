// Fuzz target: a ".DDC" document file decoded as the viewer and the preview read it. The input is
// decoded as it is, and once more with its header's length and checksum made to fit its body, so
// that mutations of the body reach the records behind the checksum (a damaged file's checksum is
// right whenever a program wrote it and a disk damaged nothing but the records).
#include <cstddef>
#include <cstdint>
#include <string>

#include "doc/docmodel.h"

namespace {

void Put32(std::string& s, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ddoc::Document document;
  DecodeDocument(bytes, document);
  const size_t header = 16;
  if (bytes.size() >= header && bytes.compare(0, 4, "DDC\x1a", 4) == 0) {
    std::string fitted = bytes;
    Put32(fitted, 8, static_cast<std::uint32_t>(bytes.size() - header));
    Put32(fitted, 12, ddoc::Crc32(bytes.substr(header)));
    ddoc::Document again;
    DecodeDocument(fitted, again);
  }
  return 0;
}
