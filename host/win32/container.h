#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "host/win32/dpi.h"
#include "host/win32/handles.h"
#include "host/win32/mouse.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

// A window that holds controls (a form or a panel): it fills itself with its
// colour, and it hands the messages the system sends about a child control
// (colours, commands) to that control's object.
class Container {
 public:
  virtual ~Container() = default;
  virtual HWND containerHandle() const = 0;

  // WM_CTLCOLOR* of a child window: `text` on the container's background.
  LRESULT childColours(HDC dc, COLORREF text) const;
  void setOnMouseMove(std::function<void()> onMove) { mouse_.setOnMouseMove(std::move(onMove)); }
  void setOnClick(std::function<void()> onClick) { mouse_.setOnClick(std::move(onClick)); }

  // Also the ground of controls that let their container show through.
  void paintBackground(GdiCanvas& canvas) const;

  // Option buttons form one group per container: the first one starts it.
  bool claimOptionGroupStart() { return !std::exchange(optionGroupStarted_, true); }

 protected:
  explicit Container(COLORREF background);
  // False leaves the message to the caller. A child that is no control of the
  // toolkit (a frame's group box) gets the window-text colour on the background.
  bool handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  COLORREF background_;
  UniqueBrush brush_;
  MouseCallbacks mouse_;
  bool optionGroupStarted_ = false;
};

// A child control placed in twips relative to its container. Tab order is
// creation order; a control created later lies below the earlier ones unless
// brought to the front. Its constructor makes whatever the window's messages
// need before it creates the window.
class Control : public Window {
 public:
  Container& container() const { return container_; }
  void setLeft(double twips) {
    bounds_.left = twips;
    applyBounds();
  }
  void bringToFront() {
    ::SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  void focus() { ::SetFocus(handle()); }

  static Control* fromHandle(HWND window) {
    return dynamic_cast<Control*>(Window::fromHandle(window));
  }
  // WM_CTLCOLOR*: by default the window-text colour on the container's background.
  virtual LRESULT controlColour(HDC dc) {
    return container_.childColours(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  }
  // WM_COMMAND.
  virtual void command(WORD /*notification*/) {}

 protected:
  Control(Container& container, const TwipsRect& bounds);
  // A window of an own class at the control's box, with exactly the styles given.
  void createControl(const char* className, DWORD exStyle, DWORD style, int controlId = 0,
                     UINT classStyle = 0);
  // A system control at the control's box, in `font` where there is one.
  void createSystemControl(const char* className, DWORD style, const std::string& text, HFONT font);
  virtual RECT pixelBounds() const;
  void applyBounds();

 private:
  Container& container_;
  TwipsRect bounds_;
};

}  // namespace vorlane::win32
