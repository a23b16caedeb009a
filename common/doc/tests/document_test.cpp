#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "docfixture.h"

using namespace ddoc;
using docfixture::MakeBitmap;

namespace {

const Item* FindItem(const Document& d, int page, float x, float y, int kind = kTextItem) {
  for (const Item& it : d.pages.at(page - 1).items)
    if (it.kind == kind && it.x == x && it.y == y) return &it;
  return nullptr;
}

std::string Written(const std::string& file) {
  WriteBytes("graph.bmp", MakeBitmap(16, 8, 0x0000FF));
  int doc = docfixture::StartTwoPageDocument(file, "graph.bmp");
  Document d;
  EXPECT_EQ(CloseDocument(doc, d), 0);
  return ReadBytes(file);
}

TEST(DocumentFile, TwoPagesReadBackWithEveryTextFontPictureBookmarkAndFooter) {
  TestDirectory dir;
  WriteBytes("graph.bmp", MakeBitmap(16, 8, 0x0000FF));
  int doc = docfixture::StartTwoPageDocument("JOB1_DATA.DDC", "graph.bmp");
  ASSERT_GE(doc, 1);
  Document closed;
  ASSERT_EQ(CloseDocument(doc, closed), 0);
  std::filesystem::remove("graph.bmp");  // the document keeps its own copy of the picture

  Document d;
  ASSERT_EQ(ReadDocumentFile("job1_data.ddc", d), kDocFileOk);
  EXPECT_EQ(d.title, "Structure Data");
  EXPECT_EQ(d.flags, 128);
  ASSERT_EQ(d.pages.size(), 2u);

  struct Expect {
    int page;
    float x, y;
    const char* text;
    const char* face;
    float size;
    int style;
    std::uint32_t colour;
  };
  const Expect texts[] = {
      {1, 1.5f, 1.5f, "BEAM/STRIP;   JOB: Z:\\JOBS\\BEAM1", "Arial", 14, 1, 0x800080},
      {1, 1.5f, 3.5f, "Number of Elements:  12", "COURIER NEW", 12, 0, 0xFF},
      {1, 1.5f, 4.0f, "Length of Beam [m]:  6.000", "COURIER NEW", 12, 0, 0xFF},
      {1, 16.5f, 28, "Page", "Times New Roman", 10, 2, 0},
      {1, 18.2f, 28, "of", "Times New Roman", 10, 2, 0},
      {2, 1.5f, 2.4f, "SUPPORT Data:", "Arial", 14, 1, 0x800080},
      {2, 1.5f, 3.5f, "WINKLER SOIL:", "COURIER NEW", 12, 0, 0xFF},
      {2, 18.2f, 28, "of", "Times New Roman", 10, 2, 0},
  };
  for (const Expect& e : texts) {
    SCOPED_TRACE(e.text);
    const Item* it = FindItem(d, e.page, e.x, e.y);
    ASSERT_NE(it, nullptr);
    EXPECT_EQ(it->text, e.text);
    const Font& f = d.fonts.at(static_cast<size_t>(it->font));
    EXPECT_EQ(f.face, e.face);
    EXPECT_EQ(f.size, e.size);
    EXPECT_EQ(f.style, e.style);
    EXPECT_EQ(f.colour, e.colour);
  }
  EXPECT_EQ(d.pages[0].items.size(), 8u);  // three texts, the picture, four footer items
  EXPECT_EQ(d.pages[1].items.size(), 6u);

  for (int page = 1; page <= 2; ++page) {
    const Item* number = FindItem(d, page, 18, 28, kPageNumberItem);
    const Item* count = FindItem(d, page, 18.8f, 28, kPageCountItem);
    ASSERT_TRUE(number && count);
    EXPECT_EQ(number->align, 2);
    EXPECT_EQ(ItemText(d, page, *number) + " of " + ItemText(d, page, *count),
              std::to_string(page) + " of 2");
  }

  const Item* pic = FindItem(d, 1, 2.3f, 6.0f, kPictureItem);
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(pic->width, 10);
  EXPECT_EQ(pic->height, 5);
  EXPECT_EQ(pic->data, MakeBitmap(16, 8, 0x0000FF));
  EXPECT_EQ(DetectPicture(pic->data), kBitmapPicture);

  ASSERT_EQ(d.bookmarks.size(), 2u);
  EXPECT_EQ(d.bookmarks[0].text, " Geometry Data");
  EXPECT_EQ(d.bookmarks[0].page, 1);
  EXPECT_EQ(d.bookmarks[1].text, " SUPPORT Data");
  EXPECT_EQ(d.bookmarks[1].page, 2);

  EXPECT_FALSE(d.pages[0].landscape);
  EXPECT_EQ(d.pages[0].width, 21.0f);
  EXPECT_EQ(d.pages[0].height, 29.7f);
}

TEST(DocumentFile, WithoutAFileNameNothingIsWritten) {
  TestDirectory dir;
  for (const std::string& none : {std::string(), std::string(300, ' '), std::string("  \0\0", 4)}) {
    int doc = dpStartDoc(nullptr, "RESULTS", none, 1, 9, 0, 7, 128);
    ASSERT_GE(doc, 1);
    dpText(doc, 1.5f, 2, 0, "x");
    Document d;
    EXPECT_EQ(CloseDocument(doc, d), 0);
    EXPECT_EQ(d.pages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
}

TEST(DocumentFile, TheFileNameIsTakenWithoutThePaddingOfItsBuffer) {
  TestDirectory dir;
  std::string buffer = "JOB1_RESULTS.DDC";
  buffer.resize(300, ' ');
  int doc = dpStartDoc(nullptr, "RESULTS", buffer, 1, 9, 0, 7, 128);
  ASSERT_GE(doc, 1);
  Document d;
  EXPECT_EQ(CloseDocument(doc, d), 0);
  EXPECT_TRUE(std::filesystem::exists("JOB1_RESULTS.DDC"));
}

TEST(DocumentFile, AGraphPageTooWideForPortraitLiesLandscape) {
  TestDirectory dir;
  WriteBytes("LineBmp.bmp", MakeBitmap(40, 20, 0xFF0000));
  int doc = dpStartDoc(nullptr, "Structure Data", "GraphBMP.DDC", 1, 9, 0, 7, 128);
  ASSERT_EQ(dpGraphic(doc, 2.3f, 2.5f, 26, 14, "LineBmp.bmp"), 0);
  ASSERT_EQ(dpNewPage(doc, 9, 0, 7), 0);  // a text page stays portrait
  dpText(doc, 18, 28, 2, "1");
  ASSERT_EQ(dpNewPage(doc, 9, 2, 7), 0);  // landscape asked for
  Document d;
  ASSERT_EQ(CloseDocument(doc, d), 0);
  ASSERT_EQ(ReadDocumentFile("GraphBMP.DDC", d), kDocFileOk);
  EXPECT_TRUE(d.pages[0].landscape);
  EXPECT_EQ(d.pages[0].width, 29.7f);
  EXPECT_EQ(d.pages[0].height, 21.0f);
  EXPECT_FALSE(d.pages[1].landscape);
  EXPECT_TRUE(d.pages[2].landscape);
}

TEST(DocumentCalls, RefuseBadArgumentsAndChangeNothing) {
  TestDirectory dir;
  std::filesystem::create_directory("SUB");
  struct Start {
    const char* file;
    int units, paper, orientation, result;
  } starts[] = {
      {"A.DDC", 0, 9, 0, kDocArgumentError},          {"A.DDC", 1, 99, 0, kDocArgumentError},
      {"A.DDC", 1, 9, 3, kDocArgumentError},          {"NOWHERE\\A.DDC", 1, 9, 0, kDocFileError},
      {"SUB", 1, 9, 0, kDocFileError},                {"SUB\\", 1, 9, 0, kDocFileError},
  };
  for (const Start& s : starts) {
    SCOPED_TRACE(s.file);
    EXPECT_EQ(dpStartDoc(nullptr, "T", s.file, s.units, s.paper, s.orientation, 7, 128), s.result);
  }

  int doc = dpStartDoc(nullptr, "T", "sub\\A.DDC", 1, 1, 0, 7, 128);  // Letter, a folder in any case
  ASSERT_GE(doc, 1);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(dpText(doc, nan, 2, 0, "x"), kDocArgumentError);
  EXPECT_EQ(dpText(doc, 1, 2, 3, "x"), kDocArgumentError);
  EXPECT_EQ(dpText(doc, 1, 5000, 0, "x"), kDocArgumentError);
  EXPECT_EQ(dpFont(doc, 0, 0, 0u, "Arial"), kDocArgumentError);
  EXPECT_EQ(dpFont(doc, 0, 10, 0u, ""), kDocArgumentError);
  EXPECT_EQ(dpPageNo(doc, 18, 28, 7, 0), kDocArgumentError);
  EXPECT_EQ(dpNewPage(doc, 42, 0, 7), kDocArgumentError);
  EXPECT_EQ(dpGraphic(doc, 1, 1, 0, 5, "x.bmp"), kDocArgumentError);
  EXPECT_EQ(dpGraphic(doc, 1, 1, 5, 5, "missing.bmp"), kDocPictureError);
  WriteBytes("notes.bmp", "Job: this is text, not a picture");
  EXPECT_EQ(dpGraphic(doc, 1, 1, 5, 5, "notes.bmp"), kDocPictureError);
  std::string cut = MakeBitmap(8, 8, 0xFF);
  WriteBytes("cut.bmp", cut.substr(0, cut.size() - 10));  // pixel rows missing
  EXPECT_EQ(dpGraphic(doc, 1, 1, 5, 5, "cut.bmp"), kDocPictureError);
  WriteBytes("photo.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + "rest of a jpeg");
  EXPECT_EQ(dpGraphic(doc, 1, 1, 5, 5, "photo.jpg"), 0);

  Document d;
  ASSERT_EQ(CloseDocument(doc, d), 0);
  ASSERT_EQ(d.pages.size(), 1u);
  ASSERT_EQ(d.pages[0].items.size(), 1u);  // the JPEG alone
  EXPECT_EQ(d.pages[0].width, 21.59f);
  EXPECT_EQ(d.fonts.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists("SUB/A.DDC"));

  // Every call on a document that is not open.
  EXPECT_EQ(dpText(doc, 1, 1, 0, "x"), kDocHandleError);
  EXPECT_EQ(dpFont(doc, 0, 10, 0u, "Arial"), kDocHandleError);
  EXPECT_EQ(dpBookmark(doc, "x"), kDocHandleError);
  EXPECT_EQ(dpPageNo(doc, 1, 1, 0, 0), kDocHandleError);
  EXPECT_EQ(dpPageCount(doc, 1, 1, 0, 0), kDocHandleError);
  EXPECT_EQ(dpNewPage(doc, 9, 0, 7), kDocHandleError);
  EXPECT_EQ(dpGraphic(doc, 1, 1, 5, 5, "photo.jpg"), kDocHandleError);
  EXPECT_EQ(CloseDocument(doc, d), kDocHandleError);
  EXPECT_EQ(CloseDocument(0, d), kDocHandleError);
}

TEST(DocumentCalls, TwoOpenDocumentsKeepTheirOwnPagesAndNumbers) {
  TestDirectory dir;
  int a = dpStartDoc(nullptr, "A", "", 1, 9, 0, 7, 128);
  int b = dpStartDoc(nullptr, "B", "", 1, 9, 0, 7, 128);
  ASSERT_GE(a, 1);
  ASSERT_GE(b, 1);
  ASSERT_NE(a, b);
  dpNewPage(a, 9, 0, 7);
  dpText(b, 1, 1, 0, "in B");
  Document da, db;
  ASSERT_EQ(CloseDocument(a, da), 0);
  ASSERT_EQ(CloseDocument(b, db), 0);
  EXPECT_EQ(da.pages.size(), 2u);
  EXPECT_TRUE(da.pages[0].items.empty());
  ASSERT_EQ(db.pages.size(), 1u);
  EXPECT_EQ(db.pages[0].items.at(0).text, "in B");
}

TEST(DocumentCalls, AFileThatCannotBeWrittenAtTheEndIsReported) {
  TestDirectory dir;
  std::filesystem::create_directory("OUT");
  int doc = dpStartDoc(nullptr, "T", "OUT\\A.DDC", 1, 9, 0, 7, 128);
  ASSERT_GE(doc, 1);
  dpText(doc, 1, 1, 0, "kept");
  std::filesystem::remove("OUT");
  Document d;
  EXPECT_EQ(CloseDocument(doc, d), kDocWriteError);
  EXPECT_EQ(d.pages.at(0).items.at(0).text, "kept");
}

TEST(DocumentCalls, TraceEachCallWithItsArguments) {
  TestDirectory dir;
  docfixture::TraceFile trace;
  WriteBytes("g.bmp", MakeBitmap(4, 4, 0xFF));
  int doc = dpStartDoc(nullptr, "Structure Data", "JOB_DATA.DDC", 1, 9, 0, 7, 128);
  dpFont(doc, 1, 14, 0x800080u, "Arial");
  dpFont(doc, 2, 10, "Times New Roman", 0u);
  dpText(doc, 1.5f, 2.4f, 0, "LOAD Data\r\n");
  dpBookmark(doc, " Geometry Data");
  dpGraphic(doc, 2.3f, 2.5f, 26, 14, "g.bmp");
  dpPageNo(doc, 18, 28, 2, 0);
  dpPageCount(doc, 18.8f, 28, 0, 0);
  dpNewPage(doc, 9, 0, 7);
  dpText(99, 1, 1, 0, "x");
  Document d;
  CloseDocument(doc, d);
  EXPECT_EQ(trace.Text(),
            "dpStartDoc|0|Structure Data|JOB_DATA.DDC|1|9|0|7|128||=" + std::to_string(doc) + "\n" +
                "dpFont|" + std::to_string(doc) + "|1|14|0x800080|Arial|=0\n" +
                "dpFont|" + std::to_string(doc) + "|2|10|0x0|Times New Roman|=0\n" +
                "dpText|" + std::to_string(doc) + "|1.5|2.4|0|LOAD Data\\r\\n|=0\n" +
                "dpBookmark|" + std::to_string(doc) + "| Geometry Data|=0\n" +
                "dpGraphic|" + std::to_string(doc) + "|2.3|2.5|26|14|g.bmp|=0\n" +
                "dpPageNo|" + std::to_string(doc) + "|18|28|2|0|=0\n" +
                "dpPageCount|" + std::to_string(doc) + "|18.8|28|0|0|=0\n" +
                "dpNewPage|" + std::to_string(doc) + "|9|0|7|=0\n" +
                "dpText|99|1|1|0|x|=-3\n");
}

// Header fields rewritten after the payload was changed, so that only the payload's content
// is at fault.
std::string Reseal(std::string bytes) {
  std::string payload = bytes.substr(16);
  std::uint32_t len = static_cast<std::uint32_t>(payload.size()), crc = Crc32(payload);
  for (int i = 0; i < 4; ++i) {
    bytes[8 + i] = static_cast<char>((len >> (8 * i)) & 0xFF);
    bytes[12 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
  }
  return bytes;
}

TEST(DocumentFile, DamagedForeignAndCutOffFilesAreToldApartAndLeaveTheTargetAlone) {
  TestDirectory dir;
  const std::string good = Written("GOOD.DDC");
  ASSERT_GT(good.size(), 200u);
  Document ok;
  ASSERT_EQ(DecodeDocument(good, ok), kDocFileOk);

  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x20;
  std::string newer = good;
  newer[4] = 2;
  // A font count far beyond the bytes that follow, with a correct checksum.
  size_t fontCount = 16 + 4 + ok.title.size() + 4 + ok.extra.size() + 8;
  std::string manyFonts = good;
  manyFonts[fontCount + 3] = 0x7F;

  Document bad = ok;
  bad.pages[0].items[0].kind = 9;
  std::string badKind = EncodeDocument(bad);
  bad = ok;
  bad.pages[0].items[0].font = 50;
  std::string badFont = EncodeDocument(bad);
  bad = ok;
  bad.pages[1].items[0].y = std::numeric_limits<float>::infinity();
  std::string badPlace = EncodeDocument(bad);
  bad = ok;
  bad.bookmarks[1].page = 3;
  std::string badMark = EncodeDocument(bad);
  bad = ok;
  for (Item& it : bad.pages[0].items)
    if (it.kind == kPictureItem) it.data = "not a picture";
  std::string badPicture = EncodeDocument(bad);
  bad = ok;
  bad.pages.clear();
  std::string noPages = EncodeDocument(bad);

  struct Case {
    const char* what;
    std::string bytes;
    DocFileError error;
  } cases[] = {
      {"empty file", "", kDocFileTruncated},
      {"cut in the signature", good.substr(0, 3), kDocFileTruncated},
      {"cut in the header", good.substr(0, 10), kDocFileTruncated},
      {"header alone", good.substr(0, 16), kDocFileTruncated},
      {"cut in the middle", good.substr(0, good.size() / 2), kDocFileTruncated},
      {"last byte missing", good.substr(0, good.size() - 1), kDocFileTruncated},
      {"a byte more", good + "x", kDocFileDamaged},
      {"a flipped byte", flipped, kDocFileDamaged},
      {"newer version", newer, kDocFileNewer},
      {"job file", "Job: Z:\\JOBS\\BEAM1 // GEOMETRY & MAT. PROPERTIES\r\n", kDocFileForeign},
      {"bitmap", MakeBitmap(4, 4, 0xFF), kDocFileForeign},
      {"zip archive", std::string("PK\x03\x04", 4) + std::string(40, '\0'), kDocFileForeign},
      {"two bytes of text", "ab", kDocFileForeign},
      {"font count beyond the file", Reseal(manyFonts), kDocFileDamaged},
      {"unknown item kind", badKind, kDocFileDamaged},
      {"font index out of range", badFont, kDocFileDamaged},
      {"position not finite", badPlace, kDocFileDamaged},
      {"bookmark beyond the last page", badMark, kDocFileDamaged},
      {"picture bytes no picture", badPicture, kDocFileDamaged},
      {"no pages", noPages, kDocFileDamaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("T.DDC", c.bytes);
    Document d = ok;
    EXPECT_EQ(ReadDocumentFile("T.DDC", d), c.error);
    EXPECT_EQ(d.pages.size(), 2u);  // the target is untouched
    std::string message = DocFileMessage(c.error, "T.DDC");
    EXPECT_NE(message.find("'T.DDC'"), std::string::npos) << message;
  }
  Document d;
  EXPECT_EQ(ReadDocumentFile("MISSING.DDC", d), kDocFileMissing);
  EXPECT_EQ(ReadDocumentFile(".", d), kDocFileMissing);
  EXPECT_EQ(DocFileMessage(kDocFileTruncated, "A.DDC"), "Document File 'A.DDC' is Incomplete!   It cannot be Shown.");
  EXPECT_EQ(DocFileMessage(kDocFileForeign, "A.DDC"), "File 'A.DDC' is not a Document File!   It cannot be Shown.");
}

TEST(DocumentFile, PicturesAreCheckedBeforeTheyAreKept) {
  std::string bmp = MakeBitmap(5, 3, 0xFF);
  EXPECT_EQ(DetectPicture(bmp), kBitmapPicture);
  auto patched = [&bmp](size_t at, char v) {
    std::string b = bmp;
    b[at] = v;
    return b;
  };
  EXPECT_EQ(DetectPicture(patched(18, 0)), kNoPicture);   // no width
  EXPECT_EQ(DetectPicture(patched(28, 7)), kNoPicture);   // 7 bits a pixel
  EXPECT_EQ(DetectPicture(patched(10, 20)), kNoPicture);  // pixels inside the header
  EXPECT_EQ(DetectPicture(patched(10, 120)), kNoPicture); // pixels beyond the end
  EXPECT_EQ(DetectPicture(patched(28, 8)), kNoPicture);   // palette of 256 colours not there
  EXPECT_EQ(DetectPicture(bmp.substr(0, 53)), kNoPicture);
  EXPECT_EQ(DetectPicture(std::string("\xFF\xD8\xFF", 3)), kNoPicture);
}

}  // namespace
