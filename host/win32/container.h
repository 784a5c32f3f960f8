#pragma once

#include <windows.h>

#include <functional>
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

  COLORREF background() const { return background_; }
  HBRUSH backgroundBrush() const { return brush_.get(); }
  void setBackground(COLORREF colour);
  void setOnMouseMove(std::function<void()> onMove) { mouse_.setOnMouseMove(std::move(onMove)); }
  void setOnClick(std::function<void()> onClick) { mouse_.setOnClick(std::move(onClick)); }

  // Its colour over the whole canvas: a container's paint function, and the
  // ground of controls that let their container show through.
  void paintBackground(GdiCanvas& canvas) const;

  // Option buttons form one group per container: the first one starts it.
  bool claimOptionGroupStart() { return !std::exchange(optionGroupStarted_, true); }

 protected:
  explicit Container(COLORREF background);
  // Handles what every container handles; false leaves the message to the caller.
  bool handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  COLORREF background_;
  UniqueBrush brush_;
  MouseCallbacks mouse_;
  bool optionGroupStarted_ = false;
};

// A child control placed in twips relative to its container. Tab order is
// creation order; a control created later lies below the earlier ones unless
// brought to the front.
//
// A control of an own class is made in three steps: its constructor passes the
// container and the twips box to Control, creates whatever the window's
// messages need, then calls createControl(class name, styles), which places
// the window at the box's pixels in the container. It paints by overriding
// Window::paint (WM_PAINT and WM_PRINTCLIENT arrive there), and detects clicks
// with a ClickTracker (mouse.h) fed its button messages.
class Control : public Window {
 public:
  Container& container() const { return container_; }
  const TwipsRect& bounds() const { return bounds_; }
  void moveTo(const TwipsRect& bounds);
  void setLeft(double twips);
  void setVisible(bool visible);
  bool visible() const;
  void setEnabled(bool enabled);
  bool enabled() const;
  void bringToFront();
  void sendToBack();
  void focus();

  static Control* fromHandle(HWND window);
  // The colours of a control the system draws (WM_CTLCOLOR*): by default the
  // container's background and the window-text colour.
  virtual LRESULT controlColour(HDC dc);
  // A WM_COMMAND notification from the control (BN_CLICKED...).
  virtual void command(WORD /*notification*/) {}

 protected:
  Control(Container& container, const TwipsRect& bounds);
  // Creates the window of an own class at the control's box in the container,
  // with exactly the styles given (WS_CHILD, WS_VISIBLE... are the caller's).
  // `classStyle` is the class's (CS_DBLCLKS for a control that wants double-clicks).
  void createControl(const char* className, DWORD exStyle, DWORD style, int controlId = 0,
                     UINT classStyle = 0);
  // The control's box in its container's pixels.
  virtual RECT pixelBounds() const;
  void applyBounds();

 private:
  Container& container_;
  TwipsRect bounds_;
};

}  // namespace vorlane::win32
