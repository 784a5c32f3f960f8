#pragma once

#include <windows.h>

#include "host/canvas/win32/gdi_picture.h"
#include "host/win32/container.h"
#include "host/win32/handles.h"

namespace vorlane::win32 {

// A plain rectangle of one colour without border (a bar, a rule); movable.
class FilledBox : public Control {
 public:
  FilledBox(Container& container, const TwipsRect& bounds, COLORREF colour);
  ~FilledBox() override;

  void setColour(COLORREF colour);
  COLORREF colour() const { return colour_; }

 protected:
  void paint(GdiCanvas& canvas) override;

 private:
  COLORREF colour_;
  UniqueBrush brush_;
};

// A straight line between two points of its container, in twips; one pixel
// thick. Horizontal and vertical lines are drawn exactly; a slanted one is drawn
// as its horizontal or vertical extent, whichever is longer.
class Line : public FilledBox {
 public:
  Line(Container& container, double x1, double y1, double x2, double y2, COLORREF colour);

 protected:
  RECT pixelBounds() const override;
};

// An icon picture (the logo) drawn stretched to its box, over the container's
// colour. Without one (or with a bitmap), the system's application icon
// stands in.
class IconBox : public Control {
 public:
  IconBox(Container& container, const TwipsRect& bounds, PicturePtr icon);
  ~IconBox() override;

 protected:
  void paint(GdiCanvas& canvas) override;

 private:
  PicturePtr icon_;
};

}  // namespace vorlane::win32
