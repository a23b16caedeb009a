#include "doc/docmodel.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/hostfs.h"

namespace ddoc {

namespace {

const char kMagic[4] = {'D', 'D', 'C', 0x1A};
const int kVersion = 1;
const size_t kHeaderSize = 16;
// Limits a sound file stays far below; a count or length beyond them is damage, and checking
// them first keeps a damaged count from asking for gigabytes.
const size_t kMaxFileSize = size_t(512) << 20;
const size_t kMaxText = size_t(1) << 20;
const size_t kMaxPicture = size_t(256) << 20;
const float kMaxLength = 1000.0f;  // cm or pt

// Smallest stored size of each record, to bound counts by the bytes that are left.
const size_t kMinFont = 4 + 4 + 4 + 4;
const size_t kMinPage = 4 * 3 + 1 + 4 * 2 + 4;
const size_t kMinItem = 1 + 4 * 4 + 4 + 4 + 4 + 4;
const size_t kMinBookmark = 4 + 4;

struct Writer {
  std::string out;
  void U8(unsigned v) { out.push_back(static_cast<char>(v & 0xFF)); }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  }
  void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
  void F32(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    U32(u);
  }
  void Text(const std::string& s) {
    U32(static_cast<std::uint32_t>(s.size()));
    out += s;
  }
};

struct Reader {
  const std::string& in;
  size_t pos;
  size_t end;
  bool ok = true;
  size_t Left() const { return end - pos; }
  bool Need(size_t n) {
    if (!ok || Left() < n) ok = false;
    return ok;
  }
  unsigned U8() {
    if (!Need(1)) return 0;
    return static_cast<unsigned char>(in[pos++]);
  }
  std::uint32_t U32() {
    if (!Need(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(in[pos + i])) << (8 * i);
    pos += 4;
    return v;
  }
  int I32() { return static_cast<int>(U32()); }
  float F32() {
    std::uint32_t u = U32();
    float v;
    std::memcpy(&v, &u, 4);
    return v;
  }
  std::string Text(size_t limit) {
    std::uint32_t n = U32();
    if (!ok || n > limit || !Need(n)) {
      ok = false;
      return std::string();
    }
    std::string s = in.substr(pos, n);
    pos += n;
    return s;
  }
  // A count of records of at least `minSize` bytes each that can still follow.
  std::uint32_t Count(size_t minSize) {
    std::uint32_t n = U32();
    if (ok && n > Left() / minSize) ok = false;
    return ok ? n : 0;
  }
};

bool Finite(float v, float low, float high) { return std::isfinite(v) && v >= low && v <= high; }

std::uint32_t Get32(const std::string& s, size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(s[at + i])) << (8 * i);
  return v;
}

bool BitmapIsSound(const std::string& b) {
  // File header (14 bytes) then an info header of at least 40 bytes.
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  std::uint32_t offBits = Get32(b, 10), infoSize = Get32(b, 14);
  if (infoSize < 40 || infoSize > 124 || 14 + infoSize > b.size()) return false;
  std::int32_t w = static_cast<std::int32_t>(Get32(b, 18)), h = static_cast<std::int32_t>(Get32(b, 22));
  unsigned planes = static_cast<unsigned char>(b[26]) | (static_cast<unsigned char>(b[27]) << 8);
  unsigned bits = static_cast<unsigned char>(b[28]) | (static_cast<unsigned char>(b[29]) << 8);
  std::uint32_t compression = Get32(b, 30);
  if (w <= 0 || w > 65535 || h == 0 || h < -65535 || h > 65535 || planes != 1) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  // The colour table (and the three masks of a bit-field bitmap) must lie before the pixels, as
  // the drawing reads them from behind the info header.
  std::uint64_t colours = Get32(b, 46);
  if (colours == 0 && bits <= 8) colours = std::uint64_t(1) << bits;
  if (bits <= 8 && colours > (std::uint64_t(1) << bits)) return false;
  std::uint64_t masks = (compression == 3 && infoSize == 40) ? 12 : 0;
  if (offBits > b.size() || 14 + infoSize + masks + colours * 4 > offBits) return false;
  std::uint64_t rows = static_cast<std::uint64_t>(h < 0 ? -static_cast<std::int64_t>(h) : h);
  std::uint64_t stride = ((static_cast<std::uint64_t>(w) * bits + 31) / 32) * 4;
  if (compression == 0 || (compression == 3 && (bits == 16 || bits == 32)))  // every row present
    return stride * rows <= b.size() - offBits;
  // Run-length: the stated data size must be there; the drawing reads no further.
  std::uint32_t dataSize = Get32(b, 34);
  return ((compression == 1 && bits == 8) || (compression == 2 && bits == 4)) && h > 0 && dataSize > 0 &&
         dataSize <= b.size() - offBits;
}

}  // namespace

bool PaperSize(int paper, float& width, float& height) {
  switch (paper) {
    case 1: width = 21.59f; height = 27.94f; return true;   // Letter
    case 5: width = 21.59f; height = 35.56f; return true;   // Legal
    case 8: width = 29.7f; height = 42.0f; return true;     // A3
    case 9: width = 21.0f; height = 29.7f; return true;     // A4
    case 11: width = 14.8f; height = 21.0f; return true;    // A5
    default: return false;
  }
}

void ResolveOrientation(Page& page) {
  float w = 21.0f, h = 29.7f;
  PaperSize(page.paper, w, h);
  bool landscape = page.orientation == 2;
  if (page.orientation == 0) {
    float right = 0;
    for (const Item& it : page.items) right = std::fmax(right, it.kind == kPictureItem ? it.x + it.width : it.x);
    landscape = right > w && right <= h;
  }
  page.landscape = landscape;
  page.width = landscape ? h : w;
  page.height = landscape ? w : h;
}

PictureType DetectPicture(const std::string& bytes) {
  if (BitmapIsSound(bytes)) return kBitmapPicture;
  if (bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF)
    return kJpegPicture;
  return kNoPicture;
}

std::string ItemText(const Document& doc, int pageNumber, const Item& item) {
  if (item.kind == kPageNumberItem) return std::to_string(pageNumber);
  if (item.kind == kPageCountItem) return std::to_string(doc.pages.size());
  return item.text;
}

std::uint32_t Crc32(const std::string& bytes) {
  static std::uint32_t table[256];
  static bool made = false;
  if (!made) {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    made = true;
  }
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char ch : bytes) c = table[(c ^ ch) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string EncodeDocument(const Document& doc) {
  Writer p;
  p.Text(doc.title);
  p.Text(doc.extra);
  p.I32(doc.units);
  p.I32(doc.flags);
  p.U32(static_cast<std::uint32_t>(doc.fonts.size()));
  for (const Font& f : doc.fonts) {
    p.I32(f.style);
    p.F32(f.size);
    p.U32(f.colour);
    p.Text(f.face);
  }
  p.U32(static_cast<std::uint32_t>(doc.pages.size()));
  for (const Page& pg : doc.pages) {
    p.I32(pg.paper);
    p.I32(pg.orientation);
    p.I32(pg.bin);
    p.U8(pg.landscape ? 1 : 0);
    p.F32(pg.width);
    p.F32(pg.height);
    p.U32(static_cast<std::uint32_t>(pg.items.size()));
    for (const Item& it : pg.items) {
      p.U8(static_cast<unsigned>(it.kind));
      p.F32(it.x);
      p.F32(it.y);
      p.F32(it.width);
      p.F32(it.height);
      p.I32(it.align);
      p.I32(it.font);
      p.Text(it.text);
      p.Text(it.data);
    }
  }
  p.U32(static_cast<std::uint32_t>(doc.bookmarks.size()));
  for (const Bookmark& b : doc.bookmarks) {
    p.U32(static_cast<std::uint32_t>(b.page));
    p.Text(b.text);
  }
  Writer h;
  h.out.assign(kMagic, 4);
  h.U8(kVersion & 0xFF);
  h.U8(kVersion >> 8);
  h.U8(0);
  h.U8(0);
  h.U32(static_cast<std::uint32_t>(p.out.size()));
  h.U32(Crc32(p.out));
  return h.out + p.out;
}

DocFileError DecodeDocument(const std::string& bytes, Document& out) {
  if (bytes.size() < 4) {
    // Too short to tell: the start of a document file cut off, or something else.
    return bytes.compare(0, bytes.size(), kMagic, bytes.size()) == 0 ? kDocFileTruncated : kDocFileForeign;
  }
  if (bytes.compare(0, 4, kMagic, 4) != 0) return kDocFileForeign;
  if (bytes.size() < kHeaderSize) return kDocFileTruncated;
  unsigned version = static_cast<unsigned char>(bytes[4]) | (static_cast<unsigned char>(bytes[5]) << 8);
  if (version == 0) return kDocFileDamaged;
  if (version > kVersion) return kDocFileNewer;
  std::uint32_t length = Get32(bytes, 8);
  if (bytes.size() - kHeaderSize < length) return kDocFileTruncated;
  if (bytes.size() - kHeaderSize > length) return kDocFileDamaged;
  if (Crc32(bytes.substr(kHeaderSize)) != Get32(bytes, 12)) return kDocFileDamaged;

  Reader r{bytes, kHeaderSize, bytes.size()};
  Document d;
  d.title = r.Text(kMaxText);
  d.extra = r.Text(kMaxText);
  d.units = r.I32();
  d.flags = r.I32();
  if (d.units != 1) return kDocFileDamaged;
  std::uint32_t fonts = r.Count(kMinFont);
  for (std::uint32_t i = 0; r.ok && i < fonts; ++i) {
    Font f;
    f.style = r.I32();
    f.size = r.F32();
    f.colour = r.U32();
    f.face = r.Text(255);
    if (!Finite(f.size, 0.1f, kMaxLength)) r.ok = false;
    d.fonts.push_back(f);
  }
  std::uint32_t pages = r.Count(kMinPage);
  if (pages == 0) r.ok = false;
  for (std::uint32_t i = 0; r.ok && i < pages; ++i) {
    Page pg;
    pg.paper = r.I32();
    pg.orientation = r.I32();
    pg.bin = r.I32();
    unsigned landscape = r.U8();
    pg.landscape = landscape == 1;
    pg.width = r.F32();
    pg.height = r.F32();
    if (landscape > 1 || pg.orientation < 0 || pg.orientation > 2 || !Finite(pg.width, 1, kMaxLength) ||
        !Finite(pg.height, 1, kMaxLength))
      r.ok = false;
    std::uint32_t items = r.Count(kMinItem);
    for (std::uint32_t k = 0; r.ok && k < items; ++k) {
      Item it;
      it.kind = static_cast<int>(r.U8());
      it.x = r.F32();
      it.y = r.F32();
      it.width = r.F32();
      it.height = r.F32();
      it.align = r.I32();
      it.font = r.I32();
      it.text = r.Text(kMaxText);
      it.data = r.Text(kMaxPicture);
      if (!r.ok) break;
      bool place = Finite(it.x, -kMaxLength, kMaxLength) && Finite(it.y, -kMaxLength, kMaxLength);
      if (it.kind == kPictureItem) {
        r.ok = place && Finite(it.width, 1e-3f, kMaxLength) && Finite(it.height, 1e-3f, kMaxLength) &&
               it.font == -1 && DetectPicture(it.data) != kNoPicture;
      } else {
        r.ok = place && it.kind >= kTextItem && it.kind <= kPageCountItem && it.width == 0 && it.height == 0 &&
               it.align >= 0 && it.align <= 2 && it.font >= 0 && static_cast<std::uint32_t>(it.font) < fonts &&
               it.data.empty();
      }
      pg.items.push_back(std::move(it));
    }
    d.pages.push_back(std::move(pg));
  }
  std::uint32_t marks = r.Count(kMinBookmark);
  for (std::uint32_t i = 0; r.ok && i < marks; ++i) {
    Bookmark b;
    b.page = static_cast<int>(r.U32());
    b.text = r.Text(kMaxText);
    if (b.page < 1 || static_cast<std::uint32_t>(b.page) > pages) r.ok = false;
    d.bookmarks.push_back(std::move(b));
  }
  if (!r.ok || r.Left() != 0) return kDocFileDamaged;
  out = std::move(d);
  return kDocFileOk;
}

bool WriteDocumentFile(const std::string& name, const Document& doc) {
  hostfs::QuietFailures quiet;  // the callers tell a failure in the document's own words
  return hostfs::WriteWhole(name, EncodeDocument(doc));
}

DocFileError ReadDocumentFile(const std::string& name, Document& out) {
  std::FILE* f = hostfs::OpenRead(name);
  if (!f) return kDocFileMissing;
  std::string bytes;
  char buf[65536];
  size_t n;
  bool tooBig = false;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    bytes.append(buf, n);
    if (bytes.size() > kMaxFileSize) {
      tooBig = true;
      break;
    }
  }
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return kDocFileMissing;
  if (tooBig) return bytes.compare(0, 4, kMagic, 4) == 0 ? kDocFileDamaged : kDocFileForeign;
  return DecodeDocument(bytes, out);
}

std::string DocFileMessage(DocFileError error, const std::string& name) {
  const std::string file = "'" + name + "'";
  switch (error) {
    case kDocFileOk: return std::string();
    case kDocFileMissing: return "Document File " + file + " cannot be Opened!   It may be Missing.";
    case kDocFileForeign: return "File " + file + " is not a Document File!   It cannot be Shown.";
    case kDocFileNewer:
      return "Document File " + file + " was Written by a Newer Version of the Program!   It cannot be Shown.";
    case kDocFileTruncated: return "Document File " + file + " is Incomplete!   It cannot be Shown.";
    case kDocFileDamaged: return "Document File " + file + " is Damaged!   It cannot be Shown.";
  }
  return std::string();
}

std::string DocWriteMessage(const std::string& name) {
  return "Document File '" + name + "' could not be Written!   Check the Disk and its Folder.";
}

std::string TraceText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out.push_back(c);
  }
  return out;
}

std::string TraceNumber(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", value);
  return buf;
}

}  // namespace ddoc
