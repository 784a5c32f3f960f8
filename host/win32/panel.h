#pragma once

#include <windows.h>

#include <string>

#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/container.h"

namespace vorlane::win32 {

// A borderless panel filled with one colour, holding controls of its own. Its
// mouse callbacks fire only over its bare surface, not over its controls.
class Panel : public Control, public Container {
 public:
  Panel(Container& container, const TwipsRect& bounds, COLORREF background);
  ~Panel() override { destroyWindow(); }

  HWND containerHandle() const override { return handle(); }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(GdiCanvas& canvas) override { paintBackground(canvas); }
};

// A panel with the system's group frame and caption over its whole box; each
// frame's option buttons form a group of their own.
class Frame : public Panel {
 public:
  Frame(Container& container, const TwipsRect& bounds, const std::string& caption, const Font& font,
        COLORREF background);
  ~Frame() override { destroyWindow(); }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UniqueFont font_;
  HWND groupBox_ = nullptr;  // owned by this panel as its child window
};

}  // namespace vorlane::win32
