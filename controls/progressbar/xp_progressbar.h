#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "host/canvas/canvas.h"
#include "host/message_box.h"
#include "host/property_bag.h"

namespace vorlane::progressbar {

// What the bar remembers between drawing calls. Positions and sizes are pixels.
struct DrawingState {
  double width = 0;        // client width
  double innerHeight = 0;  // client height minus 6
  double blockWidth = 0;   // size of the active skin's picture 0
  double blockHeight = 0;
  double blockX = 0;            // left edge of the next block (style 0)
  std::int16_t blockTicks = 0;  // blocks are drawn while blockX < blockTicks * unit
  double threshold = 0;         // DrawBlocks does nothing while Value < Min + threshold
  double lastValue = 0;         // Value at the previous call; a lower Value resets
  double pendingValue = 0;      // the lower Value that forced a reset
  bool pendingReset = false;    // the next ResetBar takes pendingValue
  bool barFull = false;         // the last (squeezed) block stands
  double sweepX = 0;            // left edge of the moving group (other styles)
  // Our own addition: the last reset could not express its figures in the
  // 16-bit block arithmetic, so no block is drawn until a reset succeeds.
  bool outOfRange = false;
};

// The XP progress bar: its five properties with their checks, their
// persistence, and the incremental drawing of frame, blocks and moving group
// on a canvas. The Windows window only owns the canvas and feeds sizes in.
class Xp_ProgressBar {
 public:
  // Told the name of every property that changed ("Value", "Min", ...).
  using PropertyChanged = std::function<void(std::string_view)>;

  static constexpr std::int32_t kDefaultMin = 0;
  static constexpr std::int32_t kDefaultMax = 100;
  static constexpr std::int32_t kDefaultValue = 0;
  static constexpr std::int32_t kDefaultStyle = 0;
  static constexpr std::int32_t kDefaultProgressLook = 0;

  // Creation defaults; no skin is loaded until ProgressLook is set or the
  // persisted properties are read.
  Xp_ProgressBar(Canvas& surface, ModalMessageBox& messages, PropertyChanged changed = {});

  std::int32_t Min() const;
  std::int32_t Max() const;
  std::int32_t Value() const { return value_; }
  std::int32_t Style() const { return style_; }
  std::int32_t ProgressLook() const { return progressLook_; }

  // A rejected value shows its message, changes nothing and returns normally.
  void setMin(std::int32_t New_Mini);
  void setMax(std::int32_t New_Maxi);
  void setValue(std::int32_t New_Value);
  void setStyle(std::int32_t New_Style);
  void setProgressLook(std::int32_t New_ProgressLook);

  // Loading takes the stored values as they are (no checks, no drawing), then
  // sets ProgressLook through its setter so the skin is loaded.
  void ReadProperties(const PropertyBag& bag);
  // Writes "Min", "Max", "Value", "Style", "ProgressLook" in that order; the
  // bag leaves out values equal to their defaults.
  void WriteProperties(PropertyBag& bag) const;

  // The host sized the control: draws frame and empty bar, resets the state.
  void Resize(int clientWidth, int clientHeight);

  const DrawingState& drawingState() const { return state_; }
  // The skin whose pictures the active skin `pc` holds; empty before the first
  // successful ApplyLook.
  std::optional<int> activeSkin() const { return activeSkin_; }

 private:
  void resizeHandler();
  void ResetBar();
  void DrawBlocks();
  void FinishBar();
  void DrawStyledBlocks();
  void ApplyLook();

  bool refused(bool refuse, const char* message) const;
  // Draws a picture of the active skin (or blank) from its whole area; draws
  // nothing while no skin is loaded or the rectangle is empty.
  void drawBlockPicture(const PicturePtr& picture, double x, double width);

  Canvas& surface_;
  ModalMessageBox& messages_;
  PropertyChanged changed_;

  // Min and Max are kept as the numbers they were given or read back as (a
  // stored "12.5" stays 12.5 in the comparisons) and handed out as integers.
  double min_ = kDefaultMin;
  double max_ = kDefaultMax;
  std::int32_t value_ = kDefaultValue;
  std::int32_t style_ = kDefaultStyle;
  std::int32_t progressLook_ = kDefaultProgressLook;

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  // `pc`: the active skin's three pictures, empty until the first ApplyLook.
  std::array<PicturePtr, 3> pc_;
  std::optional<int> activeSkin_;
  DrawingState state_;
};

}  // namespace vorlane::progressbar
