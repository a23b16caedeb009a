// Holders of Win32 resources: each frees what it holds when it ends, so an early return, an
// exception or a new branch never leaks a pen, leaves a font selected into a device context or
// keeps a process handle open. This is the only place that calls DeleteObject, DeleteDC,
// ReleaseDC, EndPaint and CloseHandle.
//
//   OwnedPen pen(CreatePen(PS_SOLID, 1, colour));   // also OwnedBrush, OwnedFont, OwnedBitmap,
//   SelectionGuard usePen(dc, pen.get());            //   OwnedRegion; the owner is declared
//   ...                                              //   before the guard, so the old pen is back
//                                                    //   in the DC before the new one is deleted
//   OwnedDc memory(CreateCompatibleDC(nullptr));     // DeleteDC (memory and printer DCs)
//   WindowDc screen(hwnd);                           // GetDC ... ReleaseDC
//   PaintDc paint(hwnd);                             // BeginPaint ... EndPaint
//   OwnedHandle file(CreateFileA(...));              // CloseHandle; null and INVALID_HANDLE_VALUE
//                                                    //   both mean none
//   OwnedProcess started(pi);                        // both handles of CreateProcess
//
// Stock objects (GetStockObject) are never deleted, so they get no owner; a guard may select them.
// A handle given to Windows for keeps (clipboard data, a menu attached to a window) is release()d
// from its owner at that point.
#pragma once

#include <windows.h>

#include <utility>

namespace handles_detail {

struct FreeGdiObject {
  static bool None(HGDIOBJ h) { return h == nullptr; }
  static void Free(HGDIOBJ h) { DeleteObject(h); }
};

struct FreeDc {
  static bool None(HDC h) { return h == nullptr; }
  static void Free(HDC h) { DeleteDC(h); }
};

struct FreeKernelHandle {
  static bool None(HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static void Free(HANDLE h) { CloseHandle(h); }
};

struct FreeHook {
  static bool None(HHOOK h) { return h == nullptr; }
  static void Free(HHOOK h) { UnhookWindowsHookEx(h); }
};

}  // namespace handles_detail

// Move-only owner of one handle H, freed once by Traits::Free unless it is none.
template <class H, class Traits>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(H h) : h_(h) {}
  ~ScopedHandle() { reset(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : h_(other.release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  H get() const { return h_; }
  explicit operator bool() const { return !Traits::None(h_); }
  // Hands the handle over to the caller (or to Windows); the owner then holds none.
  H release() {
    H h = h_;
    h_ = H();
    return h;
  }
  // Frees the handle held now and holds h instead.
  void reset(H h = H()) {
    H old = h_;
    h_ = h;
    if (!Traits::None(old)) Traits::Free(old);
  }

 private:
  H h_ = H();
};

template <class T>
using GdiObject = ScopedHandle<T, handles_detail::FreeGdiObject>;
using OwnedPen = GdiObject<HPEN>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedRegion = GdiObject<HRGN>;

// A memory or printer device context (CreateCompatibleDC, CreateDC, PrintDlg's hDC).
using OwnedDc = ScopedHandle<HDC, handles_detail::FreeDc>;

// A kernel handle: file, process, thread, event.
using OwnedHandle = ScopedHandle<HANDLE, handles_detail::FreeKernelHandle>;

// A hook procedure (SetWindowsHookEx), unhooked when its owner ends.
using OwnedHook = ScopedHandle<HHOOK, handles_detail::FreeHook>;

// The process and thread handles that CreateProcess fills in, closed together.
class OwnedProcess {
 public:
  OwnedProcess() = default;
  explicit OwnedProcess(const PROCESS_INFORMATION& started)
      : process_(started.hProcess), thread_(started.hThread), id_(started.dwProcessId) {}

  HANDLE get() const { return process_.get(); }  // the process handle
  DWORD id() const { return id_; }
  explicit operator bool() const { return static_cast<bool>(process_); }
  void reset() {
    thread_.reset();
    process_.reset();
    id_ = 0;
  }

 private:
  OwnedHandle process_;
  OwnedHandle thread_;
  DWORD id_ = 0;
};

// Selects a pen, brush, font or bitmap into a device context and selects the previous one back
// when it ends (or at restore()). Nothing is selected when the context or the object is null.
// Regions are not selected this way: SelectClipRgn copies them.
class SelectionGuard {
 public:
  SelectionGuard() = default;
  SelectionGuard(HDC dc, HGDIOBJ object) { select(dc, object); }
  ~SelectionGuard() { restore(); }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;
  SelectionGuard(SelectionGuard&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  SelectionGuard& operator=(SelectionGuard&& other) noexcept {
    if (this != &other) {
      restore();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }

  // Restores what this guard holds, then selects object into dc and keeps what it displaced.
  void select(HDC dc, HGDIOBJ object) {
    restore();
    if (!dc || !object) return;
    HGDIOBJ previous = SelectObject(dc, object);
    if (previous && previous != HGDI_ERROR) {
      dc_ = dc;
      previous_ = previous;
    }
  }
  // The object this guard displaced (null when it selected nothing).
  HGDIOBJ previous() const { return previous_; }
  void restore() {
    if (dc_) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// A window's device context from GetDC, given back to its window with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The BeginPaint / EndPaint pair of one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};
