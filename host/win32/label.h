#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/container.h"

namespace vorlane::win32 {

enum class Alignment { kLeft, kCenter, kRight };

struct LabelOptions {
  Font font{"Arial"};
  // Unset: the system's button-text colour.
  std::optional<COLORREF> colour;
  Alignment alignment = Alignment::kLeft;
  // Sized to its text, keeping its box's left edge, centre or right edge as aligned.
  bool autoSize = false;
  // With autoSize: grows from its top-left corner; the alignment only lines up its lines.
  bool sizeFromTopLeft = false;
};

inline LabelOptions labelOptions(Font font, Alignment alignment = Alignment::kLeft,
                                 bool autoSize = false) {
  LabelOptions options;
  options.font = std::move(font);
  options.alignment = alignment;
  options.autoSize = autoSize;
  return options;
}

// A real STATIC window that holds its text, so other programs read it with
// WM_GETTEXT. Its background is its container's colour, so it looks transparent
// on the plain panels it sits on. "&" is shown as it is.
class Label : public Control {
 public:
  Label(Container& container, const TwipsRect& bounds, const std::string& text,
        LabelOptions options);
  ~Label() override { destroyWindow(); }

  void setText(const std::string& text);
  std::string text() const { return windowText(handle()); }
  void setUnderline(bool underline);

  void setOnMouseMove(std::function<void()> onMove) { mouse_.setOnMouseMove(std::move(onMove)); }
  void setOnClick(std::function<void()> onClick) { mouse_.setOnClick(std::move(onClick)); }

  LRESULT controlColour(HDC dc) override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void fitToText();

  LabelOptions options_;
  UniqueFont font_;
  MouseCallbacks mouse_;
};

}  // namespace vorlane::win32
