#pragma once
// The document library: paged print documents of the data and results reports and of printed
// graphs. A program begins a document, places fonts, text lines, bookmarks, page numbers, page
// counts and pictures on its pages, and ends it into a print preview or onto the printer; a
// named document is also written to a ".DDC" file that the viewer program DocView.exe shows again
// in the same preview later.
//
// UNITS. Every position and size is in centimetres, measured from the top left corner of the
// paper (not of the printable area), x (the column) to the right, y (the row) downwards; values
// are fractional ("row 2.4, column 1.5" is x = 1.5, y = 2.4). The first two numbers of dpText,
// dpPageNo and dpPageCount are x then y. A text's y is the top of its line; its x is the left
// end, the centre or the right end of the text as its alignment says. Font sizes are in points
// (1 pt = 2.54 / 72 cm). With these units an A4 page (21 x 29.7 cm) holds the report layouts:
// lines from x 1.5, rows down to 27.5 and the footer at y 28.
//
// ARGUMENT CODES.
//   units (dpStartDoc): 1 = centimetres, the only unit.
//   paper (dpStartDoc, dpNewPage): the Windows paper codes 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5.
//   orientation: 1 portrait, 2 landscape, 0 automatic: a page is portrait unless something on it
//     (a picture's right edge or a text's x) lies beyond the portrait width and within the
//     landscape width; so a graph placed 26 cm wide prints on a landscape page.
//   bin (paper source) and flags: kept in the document; they change nothing on screen or paper.
//   style (dpFont): a sum of 1 bold and 2 italic (0 regular). colour: 0x00BBGGRR (red lowest).
//   align (dpText, dpPageNo, dpPageCount): 0 left, 1 centred, 2 right.
//   mode (dpEndDoc): an even mode shows the preview, an odd mode prints through the Windows
//     print dialog. Whether a file is kept depends only on the file name given to dpStartDoc.
//
// RESULTS. dpStartDoc returns the document number, 1 or more; every call returns 0 when done and
// a negative DocError otherwise (dpStartDoc: its error instead of a number). A failed call
// changes nothing in the document.
//
// TRACE. With SUITE_TRACE set, each call writes one line: its name, its arguments and its result,
// separated by "|", e.g. "dpText|1|1.5|2.4|0|Results of Analysis|=0" and
// "dpStartDoc|0|Structure Data|JOB1_DATA.DDC|1|9|0|7|128||=1" (colours as 0x hex; CR and LF in
// texts written as \r and \n).
//
// THE ".DDC" FILE (version 1). Little-endian throughout; i32/u32 are 4-byte integers, f32 an IEEE
// single, u8 one byte; "text" is a u32 byte count followed by that many single-byte characters;
// "bytes" the same for binary data.
//   header, 16 bytes:  "DDC" 0x1A | u16 version = 1 | u16 0 | u32 payload length L |
//                      u32 CRC-32 of the payload (the polynomial of zip and PNG)
//   payload, L bytes, and nothing after it:
//     text title | text extra (the ninth argument of dpStartDoc) | i32 units | i32 flags
//     u32 font count, then per font: i32 style | f32 size in points | u32 colour | text face
//     u32 page count (at least 1), then per page:
//         i32 paper | i32 orientation asked | i32 bin | u8 landscape (1) or portrait (0) |
//         f32 paper width cm | f32 paper height cm (as the page lies) | u32 item count, then per item:
//         u8 kind (1 text, 2 page number, 3 page count, 4 picture) | f32 x | f32 y | f32 width |
//         f32 height (pictures; 0 otherwise) | i32 align | i32 font index (-1 for a picture) |
//         text (the text; for a picture its source file name) |
//         bytes (a picture's whole BMP or JPEG file, empty otherwise)
//     u32 bookmark count, then per bookmark: u32 page number (1 = first) | text
// A page number or page count item holds no digits: the number is that of the page the item
// is on, the count that of the whole document, both found when the page is shown or printed.
// A reader refuses a file whose signature, version, length, checksum or any field is out of
// place (see DocFileError), so a damaged, foreign or cut-off file is told apart and never shown.
#include <cstdint>
#include <string>

enum DocError {
  kDocFileError = -1,      // dpStartDoc: the document file's folder is missing or the name is a folder
  kDocArgumentError = -2,  // a unit, paper, orientation, alignment, position or size out of range
  kDocHandleError = -3,    // no open document has that number
  kDocPictureError = -4,   // dpGraphic: the picture file is missing, unreadable or no BMP/JPEG
  kDocTooManyError = -5,   // dpStartDoc: every document number is in use
  kDocWriteError = -6,     // dpEndDoc: the document file could not be written
  kDocDisplayError = -7,   // dpEndDoc: the preview window could not be made
};

// Begins a document with its first page. parent: the window that owns the preview (0 for none);
// file: the ".DDC" file to write when the document ends, empty (or blank) for none; blanks around
// the name are not part of it.
int dpStartDoc(void* parent, const std::string& title, const std::string& file, int units, int paper,
               int orientation, int bin, int flags, const std::string& extra = std::string());
// Sets the font of the texts, page numbers and page counts placed after it (until the next
// dpFont). Before the first call the font is "Arial", 10 pt, regular, black. Both argument
// orders that the programs use are accepted.
int dpFont(int doc, int style, float size, std::uint32_t colour, const std::string& face);
int dpFont(int doc, int style, float size, const std::string& face, std::uint32_t colour);
int dpText(int doc, float x, float y, int align, const std::string& text);
// Places a BMP or JPEG picture file, stretched into the box (left, top, width, height); the
// file's bytes go into the document, so the picture file may be deleted afterwards.
int dpGraphic(int doc, float left, float top, float width, float height, const std::string& file);
// A bookmark of the current page: the preview lists bookmarks in their order to jump by.
int dpBookmark(int doc, const std::string& text);
// The number of the page it stands on, and the document's page count; the last argument is
// kept for the programs' form of the call and must be 0.
int dpPageNo(int doc, float x, float y, int align, int reserved);
int dpPageCount(int doc, float x, float y, int align, int reserved);
// Ends the current page and begins the next one with its paper, orientation and paper bin.
int dpNewPage(int doc, int paper, int orientation, int bin);
// Ends the document: writes its file when one was named (a file that cannot be written gives a
// "WARNING!" box and kDocWriteError), then previews (even mode, returns when the preview is
// closed) or prints (odd mode). No printer, or a cancelled print dialog, prints nothing and
// returns 0. Windows build only; the portable form is ddoc::CloseDocument.
int dpEndDoc(int doc, int mode);
