#pragma once

// Owners for every kind of Win32 handle the programs hold: move-only, each
// knows the one function that releases its handle, and a handle of the wrong
// kind does not convert, so a wrong release does not compile.

#include <windows.h>

#include <utility>

namespace vorlane::win32 {

// GDI objects and memory DCs held now, for tests to prove that painting
// releases everything it makes (Wine's GetGuiResources always answers 0).
// Always counted: a count switched on late would drift.
inline int& liveGdiObjects() {
  static int live = 0;
  return live;
}

template <typename Handle, auto Close, bool Counted = false>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) { count(1); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : UniqueHandle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return valid(); }
  // Someone else owns the handle now.
  Handle release() {
    count(-1);
    return std::exchange(handle_, nullptr);
  }
  void reset(Handle handle = nullptr) {
    if (valid()) {
      Close(handle_);
    }
    count(-1);
    handle_ = handle;
    count(1);
  }

 private:
  // CreateFile fails with INVALID_HANDLE_VALUE, every other call with null.
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  void count(int held) const {
    if (Counted && valid()) {
      liveGdiObjects() += held;
    }
  }

  Handle handle_ = nullptr;
};

using UniqueKernelHandle = UniqueHandle<HANDLE, &::CloseHandle>;
using UniqueFile = UniqueKernelHandle;
using UniqueKey = UniqueHandle<HKEY, &::RegCloseKey>;
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueWindow = UniqueHandle<HWND, &::DestroyWindow>;
using UniqueModule = UniqueHandle<HMODULE, &::FreeLibrary>;
using UniqueMemoryDc = UniqueHandle<HDC, &::DeleteDC, true>;

template <typename Object>
using UniqueGdiObject = UniqueHandle<Object, &::DeleteObject, true>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;

// Takes ownership of a freshly made GDI object, its kind deduced.
template <typename Object>
UniqueGdiObject<Object> adoptGdi(Object object) {
  return UniqueGdiObject<Object>(object);
}

// From SetWindowRgn on the window owns the region; if it refuses it, the
// owner keeps (and later deletes) it.
inline bool giveRegionToWindow(HWND window, UniqueRegion& region, bool redraw) {
  if (!region || ::SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE) == 0) {
    return false;
  }
  region.release();
  return true;
}

class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// GetDC or GetWindowDC (frame included), given back with ReleaseDC.
class WindowDc {
 public:
  enum class Area { Client, WholeWindow };
  explicit WindowDc(HWND window, Area area = Area::Client)
      : window_(window), dc_(area == Area::Client ? ::GetDC(window) : ::GetWindowDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) {
      ::ReleaseDC(window_, dc_);
    }
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Puts the previously selected object back at the end of the scope.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) {
      ::SelectObject(dc_, previous_);
    }
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A function looked up at run time, null where the system lacks it, so that
// the programs import nothing Windows XP lacks. The cast through a generic
// function pointer is how such lookups are typed.
template <typename Function>
Function runTimeFunction(HMODULE module, const char* name) {
  return module == nullptr ? nullptr
                           : reinterpret_cast<Function>(
                                 reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

template <typename Function>
Function kernelFunction(const char* name) {
  return runTimeFunction<Function>(::GetModuleHandleA("kernel32.dll"), name);
}

}  // namespace vorlane::win32
