#pragma once
// The document as the library keeps it, and its ".DDC" file (format: see doc/ddoc.h).
// Portable: the preview and the printer read the same model on Windows.
#include <cstdint>
#include <string>
#include <vector>

namespace ddoc {

enum ItemKind { kTextItem = 1, kPageNumberItem = 2, kPageCountItem = 3, kPictureItem = 4 };
enum PictureType { kNoPicture = 0, kBitmapPicture = 1, kJpegPicture = 2 };

struct Font {
  int style = 0;  // 1 bold + 2 italic
  float size = 10;
  std::uint32_t colour = 0;  // 0x00BBGGRR
  std::string face = "Arial";
  bool operator==(const Font& o) const {
    return style == o.style && size == o.size && colour == o.colour && face == o.face;
  }
};

struct Item {
  int kind = kTextItem;
  float x = 0, y = 0;           // cm from the paper's top left corner
  float width = 0, height = 0;  // pictures only
  int align = 0;                // 0 left, 1 centred, 2 right
  int font = -1;                // index into Document::fonts; -1 for a picture
  std::string text;             // the text; a picture's source file name
  std::string data;             // a picture's file bytes
};

struct Page {
  int paper = 9, orientation = 0, bin = 7;
  bool landscape = false;
  float width = 21.0f, height = 29.7f;  // cm, as the page lies
  std::vector<Item> items;
};

struct Bookmark {
  int page = 1;  // 1 = first page
  std::string text;
};

struct Document {
  std::string title, extra;
  int units = 1, flags = 0;
  std::vector<Font> fonts;
  std::vector<Page> pages;
  std::vector<Bookmark> bookmarks;
};

enum DocFileError {
  kDocFileOk = 0,
  kDocFileMissing,    // no such file, or it cannot be read
  kDocFileForeign,    // not a document file at all
  kDocFileNewer,      // a document file of a later format version
  kDocFileTruncated,  // cut off before its end
  kDocFileDamaged,    // checksum or a field out of place
};

// Portrait width and height in cm of a paper code; false for a code the library does not know.
bool PaperSize(int paper, float& width, float& height);
// Sets the page's landscape flag, width and height from its paper and orientation (0 automatic).
void ResolveOrientation(Page& page);
PictureType DetectPicture(const std::string& bytes);

// What an item shows on page `pageNumber` (1 = first): its text, the page number, the page count.
std::string ItemText(const Document& doc, int pageNumber, const Item& item);

std::uint32_t Crc32(const std::string& bytes);
std::string EncodeDocument(const Document& doc);
DocFileError DecodeDocument(const std::string& bytes, Document& out);
bool WriteDocumentFile(const std::string& name, const Document& doc);
// Reads and checks a whole file; `out` is changed only when the file is sound.
DocFileError ReadDocumentFile(const std::string& name, Document& out);
// The message that tells the user why a document file cannot be shown.
std::string DocFileMessage(DocFileError error, const std::string& name);
// The message that tells the user that a document file could not be written.
std::string DocWriteMessage(const std::string& name);

// Ends an open document without showing it (dpEndDoc's first half): the pages' orientations are
// settled, the document is handed over and its file written when one was named. Returns 0,
// kDocHandleError, or kDocWriteError (the document is handed over all the same).
int CloseDocument(int handle, Document& out, void** parent = nullptr, std::string* file = nullptr);

// The trace form of a text (CR and LF spelt out) and of a number.
std::string TraceText(const std::string& text);
std::string TraceNumber(double value);

}  // namespace ddoc
