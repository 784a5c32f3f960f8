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
  ~FilledBox() override { destroyWindow(); }

 protected:
  void paint(GdiCanvas& canvas) override;

 private:
  UniqueBrush brush_;
};

// A one-pixel line between two points in twips; a slanted one is drawn as its
// horizontal or vertical extent, whichever is longer.
class Line : public FilledBox {
 public:
  Line(Container& container, double x1, double y1, double x2, double y2, COLORREF colour);

 protected:
  RECT pixelBounds() const override;
};

// An icon picture (the logo) stretched to its box over the container's colour;
// without one (or with a bitmap) the system's application icon stands in.
class IconBox : public Control {
 public:
  IconBox(Container& container, const TwipsRect& bounds, PicturePtr icon);
  ~IconBox() override { destroyWindow(); }

 protected:
  void paint(GdiCanvas& canvas) override;

 private:
  PicturePtr icon_;
};

}  // namespace vorlane::win32
