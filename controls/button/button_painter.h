#pragma once

#include <cstdint>

#include "controls/button/button_layout.h"
#include "controls/button/button_model.h"
#include "host/canvas/canvas.h"

namespace vorlane {

// How a look draws its caption: in which colours, where, with which copies.
enum class CaptionStyle : std::uint8_t {
  kNormal,    // text colour, with the effect
  kHover,     // hover text colour, with the effect
  kPressed,   // moved one pixel, hover text colour, with the effect
  kEmbossed,  // highlight copy moved one pixel, shadow on top
  kGreyed,    // shadow colour only
  kDimmed,    // darkened pressed face
  kEngraved,  // highlight copy moved one pixel, face on top
  kCarved,    // dark copy moved one pixel, highlight on top
};

// The state a paint shows, taken before it starts.
struct VisualState {
  ButtonState painted = ButtonState::kNormal;
  bool hovering = false;
  bool focused = false;
  // The container's display-as-default flag.
  bool isDefault = false;
};

// Everything one paint reads; nothing of it changes while it paints.
struct PaintJob {
  const ButtonProperties& properties;
  const ButtonLayout& layout;
  // Type 14's default caption is bold: its layout and font, for that look.
  const ButtonLayout& boldLayout;
  const Palette& palette;
  VisualState state;
  // What lies behind a see-through button (type 11), or null.
  const Canvas* background = nullptr;
  // The caption a centred picture is drawn under is drawn again over it, in
  // the style the look used; a look that drew none uses the style of the paint before.
  CaptionStyle previousStyle = CaptionStyle::kNormal;
};

// Draws the whole button onto `canvas`; gives the caption style it used.
CaptionStyle paintButton(Canvas& canvas, const PaintJob& job);

// The pixel work of pictures: composites `picture` onto `canvas` at (x, y),
// width by height. `silhouette` -1 for none; `mask` -1 matches nothing (as does
// any mask without `useMaskColor`). An icon is drawn over a square of
// `maskFill`. The options a look chooses come first, for brace lists.
struct BlitOptions {
  std::int64_t silhouette = -1;
  bool darkOnly = false;
  bool greyscale = false;
  bool blend = false;
  std::int64_t mask = -1;
  bool useMaskColor = true;
  Color maskFill = 0;
};
void blitPicture(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, const Picture& picture, const BlitOptions& options);

}  // namespace vorlane
