// The resource holders: each frees what it holds exactly once when it ends, a selection guard
// puts the previous object back before the owner of the selected one deletes it, release() hands
// a handle over, and a kernel handle of null or INVALID_HANDLE_VALUE is none.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "win/handles.h"

namespace {

bool IsGdiObject(HGDIOBJ h) { return GetObjectType(h) != 0; }

bool IsOpenHandle(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != 0;
}

TEST(GdiObject, DeletesWhatItOwnsWhenItEnds) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  HRGN region = CreateRectRgn(0, 0, 10, 10);
  {
    OwnedPen ownedPen(pen);
    OwnedBrush ownedBrush(brush);
    OwnedRegion ownedRegion(region);
    EXPECT_EQ(ownedPen.get(), pen);
    EXPECT_TRUE(ownedPen);
    EXPECT_TRUE(IsGdiObject(pen));
  }
  EXPECT_FALSE(IsGdiObject(pen));
  EXPECT_FALSE(IsGdiObject(brush));
  EXPECT_FALSE(IsGdiObject(region));
}

TEST(GdiObject, AMoveHandsOverTheObjectAndAResetFreesTheOldOne) {
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HBITMAP first = CreateBitmap(4, 4, 1, 1, nullptr);
  HBITMAP second = CreateBitmap(4, 4, 1, 1, nullptr);
  {
    OwnedFont outer;
    EXPECT_FALSE(outer);
    {
      OwnedFont inner(font);
      outer = std::move(inner);
      EXPECT_FALSE(inner);
    }
    EXPECT_TRUE(IsGdiObject(font));
    EXPECT_EQ(outer.get(), font);

    OwnedBitmap bitmap(first);
    bitmap.reset(second);
    EXPECT_FALSE(IsGdiObject(first));
    EXPECT_TRUE(IsGdiObject(second));
    OwnedBitmap taken(std::move(bitmap));
    EXPECT_EQ(taken.get(), second);
  }
  EXPECT_FALSE(IsGdiObject(font));
  EXPECT_FALSE(IsGdiObject(second));
}

TEST(GdiObject, ReleaseHandsTheObjectToTheCallerAndFreesNothing) {
  HBRUSH brush = CreateSolidBrush(RGB(7, 8, 9));
  HBRUSH handed = nullptr;
  {
    OwnedBrush owned(brush);
    handed = owned.release();
    EXPECT_FALSE(owned);
    EXPECT_EQ(owned.get(), nullptr);
  }
  EXPECT_EQ(handed, brush);
  EXPECT_TRUE(IsGdiObject(brush));
  OwnedBrush again(handed);
}

TEST(SelectionGuard, PutsThePreviousObjectBackBeforeTheOwnerDeletesTheSelectedOne) {
  OwnedDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  HGDIOBJ stockPen = GetCurrentObject(dc.get(), OBJ_PEN);
  HGDIOBJ stockBrush = GetCurrentObject(dc.get(), OBJ_BRUSH);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HPEN blue = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  {
    OwnedPen redPen(red);
    SelectionGuard useRed(dc.get(), redPen.get());
    EXPECT_EQ(useRed.previous(), stockPen);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), red);
    {
      OwnedPen bluePen(blue);
      SelectionGuard useBlue(dc.get(), bluePen.get());
      SelectionGuard noBrush(dc.get(), GetStockObject(NULL_BRUSH));
      EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), blue);
      EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    }
    EXPECT_FALSE(IsGdiObject(blue));
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), red);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), stockBrush);
  }
  EXPECT_FALSE(IsGdiObject(red));
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), stockPen);
}

TEST(SelectionGuard, RestoreEndsItEarlyAndANullObjectSelectsNothing) {
  OwnedDc dc(CreateCompatibleDC(nullptr));
  HGDIOBJ stockBitmap = GetCurrentObject(dc.get(), OBJ_BITMAP);
  OwnedBitmap bitmap(CreateCompatibleBitmap(dc.get(), 8, 8));
  SelectionGuard none(dc.get(), nullptr);
  EXPECT_EQ(none.previous(), nullptr);
  SelectionGuard useBitmap(dc.get(), bitmap.get());
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
  SelectionGuard moved(std::move(useBitmap));
  EXPECT_EQ(useBitmap.previous(), nullptr);
  moved.restore();
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), stockBitmap);
  moved.restore();  // a second restore does nothing
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), stockBitmap);
}

TEST(OwnedDc, DeletesAMemoryDcAndReleaseKeepsIt) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HDC kept = nullptr;
  {
    OwnedDc a(first);
    OwnedDc b(second);
    kept = b.release();
  }
  EXPECT_FALSE(IsGdiObject(first));
  EXPECT_EQ(kept, second);
  EXPECT_TRUE(IsGdiObject(second));
  OwnedDc again(kept);
}

LRESULT CALLBACK PaintProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PaintDc paint(w);
    auto* painted = reinterpret_cast<int*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (paint.get() && paint.paint().hdc == paint.get()) ++*painted;
    FillRect(paint.get(), &paint.paint().rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

HWND SampleWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HandlesTestWindow";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowA("HandlesTestWindow", "Handles", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150,
                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(PaintDc, PaintsAndValidatesTheUpdateRegion) {
  HWND w = SampleWindow();
  ASSERT_NE(w, nullptr);
  int painted = 0;
  SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&painted));
  for (int i = 0; i < 3; ++i) {
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
  }
  EXPECT_EQ(painted, 3);
  DestroyWindow(w);
}

TEST(WindowDc, GivesTheWindowsDcBackEveryTime) {
  HWND w = SampleWindow();
  ASSERT_NE(w, nullptr);
  // More than Wine's handle table holds (each DC kept costs several of its entries) and more than
  // Windows' quota a process.
  for (int i = 0; i < 30000; ++i) {
    WindowDc dc(w);
    ASSERT_TRUE(dc) << "at " << i;
    ASSERT_TRUE(SetPixel(dc.get(), 1, 1, RGB(i & 255, 0, 0)) != CLR_INVALID) << "at " << i;
  }
  DestroyWindow(w);
}

TEST(OwnedHandle, ClosesAKernelHandleAndTreatsNullAndInvalidAsNone) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(event, nullptr);
  {
    OwnedHandle owned(event);
    EXPECT_TRUE(owned);
    EXPECT_TRUE(IsOpenHandle(event));
  }
  EXPECT_FALSE(IsOpenHandle(event));

  EXPECT_FALSE(OwnedHandle());
  EXPECT_FALSE(OwnedHandle(INVALID_HANDLE_VALUE));
  {
    // The current process's pseudo handle is INVALID_HANDLE_VALUE: a failed CreateFile must never
    // be "closed" as if it were a handle.
    OwnedHandle failed(CreateFileA("Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.get(), INVALID_HANDLE_VALUE);
  }

  HANDLE kept = nullptr;
  HANDLE second = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  {
    OwnedHandle owned(second);
    kept = owned.release();
  }
  EXPECT_EQ(kept, second);
  EXPECT_TRUE(IsOpenHandle(second));
  OwnedHandle again(kept);
}

TEST(OwnedProcess, ClosesTheProcessAndThreadHandlesTogether) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string command = "cmd.exe /c exit 3";
  ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi));
  {
    OwnedProcess started(pi);
    EXPECT_TRUE(started);
    EXPECT_EQ(started.id(), pi.dwProcessId);
    ASSERT_EQ(WaitForSingleObject(started.get(), 20000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(started.get(), &code);
    EXPECT_EQ(code, 3u);
    OwnedProcess moved(std::move(started));
    EXPECT_FALSE(started);
    EXPECT_TRUE(IsOpenHandle(pi.hProcess));
    EXPECT_TRUE(IsOpenHandle(pi.hThread));
  }
  EXPECT_FALSE(IsOpenHandle(pi.hProcess));
  EXPECT_FALSE(IsOpenHandle(pi.hThread));
  EXPECT_FALSE(OwnedProcess());
}

}  // namespace
