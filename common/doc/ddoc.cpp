// The document calls up to the end of a document; dpEndDoc (preview and printing) is in the
// Windows part and builds on CloseDocument.
#include "doc/ddoc.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "core/hostfs.h"
#include "core/trace.h"
#include "doc/docmodel.h"

namespace {

struct OpenDocument {
  ddoc::Document doc;
  std::string file;
  void* parent = nullptr;
  int font = 0;  // the current font, an index into doc.fonts
};

// Document numbers are 16-bit in the programs, so they stay within 1..32767.
const int kMaxHandle = 32767;

std::map<int, OpenDocument>& Open() {
  static std::map<int, OpenDocument> open;
  return open;
}

OpenDocument* Find(int handle) {
  auto it = Open().find(handle);
  return it == Open().end() ? nullptr : &it->second;
}

bool Place(float v) { return std::isfinite(v) && std::fabs(v) <= 1000.0f; }
bool Size(float v) { return std::isfinite(v) && v > 0 && v <= 1000.0f; }

std::string Num(double v) { return ddoc::TraceNumber(v); }

std::string Hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(v));
  return buf;
}

int Done(const std::string& call, int result) {
  TraceLine(call + "|=" + std::to_string(result));
  return result;
}

int AddItem(int doc, ddoc::Item item) {
  OpenDocument* d = Find(doc);
  if (!d) return kDocHandleError;
  if (item.kind != ddoc::kPictureItem) item.font = d->font;
  d->doc.pages.back().items.push_back(std::move(item));
  return 0;
}

int PageField(const char* name, int kind, int doc, float x, float y, int align, int reserved) {
  std::string call = std::string(name) + "|" + std::to_string(doc) + "|" + Num(x) + "|" + Num(y) + "|" +
                     std::to_string(align) + "|" + std::to_string(reserved);
  if (!Place(x) || !Place(y) || align < 0 || align > 2) return Done(call, kDocArgumentError);
  ddoc::Item item;
  item.kind = kind;
  item.x = x;
  item.y = y;
  item.align = align;
  return Done(call, AddItem(doc, item));
}

}  // namespace

int dpStartDoc(void* parent, const std::string& title, const std::string& fileText, int units, int paper,
               int orientation, int bin, int flags, const std::string& extra) {
  // The programs hand the name over in a fixed-length buffer: its padding is no part of it, and
  // a buffer of blanks names no file.
  size_t from = fileText.find_first_not_of(std::string(" \0", 2));
  size_t to = fileText.find_last_not_of(std::string(" \0", 2));
  const std::string file = from == std::string::npos ? std::string() : fileText.substr(from, to - from + 1);
  char parentText[32];
  std::snprintf(parentText, sizeof parentText, "%llu",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(parent)));
  std::string call = std::string("dpStartDoc|") + parentText + "|" + ddoc::TraceText(title) + "|" + file + "|" +
                     std::to_string(units) + "|" + std::to_string(paper) + "|" + std::to_string(orientation) +
                     "|" + std::to_string(bin) + "|" + std::to_string(flags) + "|" + ddoc::TraceText(extra);
  float w, h;
  if (units != 1 || !ddoc::PaperSize(paper, w, h) || orientation < 0 || orientation > 2)
    return Done(call, kDocArgumentError);
  if (!file.empty()) {
    // The file is written when the document ends; its folder must be there now, so that the
    // program hears of a bad name while it can still tell the user.
    size_t cut = file.find_last_of("\\/:");
    std::string folder = cut == std::string::npos ? "." : file.substr(0, cut + 1);
    if (!folder.empty() && folder.back() == ':') folder += "\\";
    if (cut + 1 == file.size() || hostfs::IsDirectory(file) || !hostfs::IsDirectory(folder))
      return Done(call, kDocFileError);
  }
  int handle = 1;
  while (handle <= kMaxHandle && Find(handle)) ++handle;
  if (handle > kMaxHandle) return Done(call, kDocTooManyError);
  OpenDocument& d = Open()[handle];
  d.file = file;
  d.parent = parent;
  d.doc.title = title;
  d.doc.extra = extra;
  d.doc.units = units;
  d.doc.flags = flags;
  d.doc.fonts.push_back(ddoc::Font());
  ddoc::Page page;
  page.paper = paper;
  page.orientation = orientation;
  page.bin = bin;
  d.doc.pages.push_back(page);
  return Done(call, handle);
}

int dpFont(int doc, int style, float size, std::uint32_t colour, const std::string& face) {
  std::string call = "dpFont|" + std::to_string(doc) + "|" + std::to_string(style) + "|" + Num(size) + "|" +
                     Hex(colour) + "|" + ddoc::TraceText(face);
  OpenDocument* d = Find(doc);
  if (!d) return Done(call, kDocHandleError);
  if (!Size(size) || face.empty() || face.size() > 255) return Done(call, kDocArgumentError);
  ddoc::Font f;
  f.style = style;
  f.size = size;
  f.colour = colour;
  f.face = face;
  size_t i = 0;
  while (i < d->doc.fonts.size() && !(d->doc.fonts[i] == f)) ++i;
  if (i == d->doc.fonts.size()) d->doc.fonts.push_back(f);
  d->font = static_cast<int>(i);
  return Done(call, 0);
}

int dpFont(int doc, int style, float size, const std::string& face, std::uint32_t colour) {
  return dpFont(doc, style, size, colour, face);
}

int dpText(int doc, float x, float y, int align, const std::string& text) {
  std::string call = "dpText|" + std::to_string(doc) + "|" + Num(x) + "|" + Num(y) + "|" + std::to_string(align) +
                     "|" + ddoc::TraceText(text);
  if (!Place(x) || !Place(y) || align < 0 || align > 2 || text.size() > (size_t(1) << 20))
    return Done(call, kDocArgumentError);
  ddoc::Item item;
  item.x = x;
  item.y = y;
  item.align = align;
  item.text = text;
  return Done(call, AddItem(doc, item));
}

int dpGraphic(int doc, float left, float top, float width, float height, const std::string& file) {
  std::string call = "dpGraphic|" + std::to_string(doc) + "|" + Num(left) + "|" + Num(top) + "|" + Num(width) +
                     "|" + Num(height) + "|" + file;
  if (!Find(doc)) return Done(call, kDocHandleError);
  if (!Place(left) || !Place(top) || !Size(width) || !Size(height)) return Done(call, kDocArgumentError);
  std::FILE* f = hostfs::OpenRead(file);
  if (!f) return Done(call, kDocPictureError);
  std::string bytes;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 && bytes.size() <= (size_t(256) << 20)) bytes.append(buf, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed || bytes.size() > (size_t(256) << 20) || ddoc::DetectPicture(bytes) == ddoc::kNoPicture)
    return Done(call, kDocPictureError);
  ddoc::Item item;
  item.kind = ddoc::kPictureItem;
  item.x = left;
  item.y = top;
  item.width = width;
  item.height = height;
  item.text = file;
  item.data = std::move(bytes);
  return Done(call, AddItem(doc, std::move(item)));
}

int dpBookmark(int doc, const std::string& text) {
  std::string call = "dpBookmark|" + std::to_string(doc) + "|" + ddoc::TraceText(text);
  OpenDocument* d = Find(doc);
  if (!d) return Done(call, kDocHandleError);
  if (text.size() > (size_t(1) << 20)) return Done(call, kDocArgumentError);
  d->doc.bookmarks.push_back({static_cast<int>(d->doc.pages.size()), text});
  return Done(call, 0);
}

int dpPageNo(int doc, float x, float y, int align, int reserved) {
  return PageField("dpPageNo", ddoc::kPageNumberItem, doc, x, y, align, reserved);
}

int dpPageCount(int doc, float x, float y, int align, int reserved) {
  return PageField("dpPageCount", ddoc::kPageCountItem, doc, x, y, align, reserved);
}

int dpNewPage(int doc, int paper, int orientation, int bin) {
  std::string call = "dpNewPage|" + std::to_string(doc) + "|" + std::to_string(paper) + "|" +
                     std::to_string(orientation) + "|" + std::to_string(bin);
  OpenDocument* d = Find(doc);
  if (!d) return Done(call, kDocHandleError);
  float w, h;
  if (!ddoc::PaperSize(paper, w, h) || orientation < 0 || orientation > 2) return Done(call, kDocArgumentError);
  ddoc::Page page;
  page.paper = paper;
  page.orientation = orientation;
  page.bin = bin;
  d->doc.pages.push_back(page);
  return Done(call, 0);
}

namespace ddoc {

int CloseDocument(int handle, Document& out, void** parent, std::string* fileOut) {
  OpenDocument* d = Find(handle);
  if (!d) return kDocHandleError;
  for (Page& p : d->doc.pages) ResolveOrientation(p);
  out = std::move(d->doc);
  if (parent) *parent = d->parent;
  std::string file = d->file;
  if (fileOut) *fileOut = file;
  Open().erase(handle);
  if (!file.empty() && !WriteDocumentFile(file, out)) return kDocWriteError;
  return 0;
}

}  // namespace ddoc
