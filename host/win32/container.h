#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "host/win32/dpi.h"
#include "host/win32/handles.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

// Mouse-move and click callbacks of a window. A click is a left press and
// release on the same window, as users expect of a link.
class MouseCallbacks {
 public:
  void setOnMouseMove(std::function<void()> onMove) { onMove_ = std::move(onMove); }
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  // Runs the callbacks a mouse message calls for; true when it was a mouse message.
  bool handle(HWND window, UINT message);

 private:
  std::function<void()> onMove_;
  std::function<void()> onClick_;
  bool pressed_ = false;
};

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

  // Option buttons form one group per container: the first one starts it.
  bool claimOptionGroupStart() { return !std::exchange(optionGroupStarted_, true); }

 protected:
  explicit Container(COLORREF background);
  // Handles what every container handles; false leaves the message to the caller.
  bool handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void paintBackground(HDC dc) const;

 private:
  COLORREF background_;
  UniqueBrush brush_;
  MouseCallbacks mouse_;
  bool optionGroupStarted_ = false;
};

// A child control placed in twips relative to its container. Tab order is
// creation order; a control created later lies below the earlier ones unless
// brought to the front.
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
  // The control's box in its container's pixels.
  virtual RECT pixelBounds() const;
  void applyBounds();

 private:
  Container& container_;
  TwipsRect bounds_;
};

}  // namespace vorlane::win32
