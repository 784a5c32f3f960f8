#include "controls/progressbar/xp_progressbar.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/progressbar/artwork.h"
#include "host/rounding.h"

namespace vorlane::progressbar {

namespace {

// Pixels: the frame's border, where the first block (and the moving group
// after a resize) starts, one block plus its gap, one step of the moving
// group, and where the group starts again after leaving at the right.
constexpr double kFrame = 3;
constexpr double kFirstBlockX = 4;
constexpr double kBlockPitch = 10;
constexpr double kGroupStep = 5;
constexpr double kRestartX = 2;

// The block arithmetic works in 16-bit integers; a figure that does not fit
// has no value there (the caller then draws nothing new).
std::optional<std::int16_t> toInt16(double value) {
  const std::int64_t rounded = roundHalfEven(value);
  if (std::isnan(value) || rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(rounded);
}

std::int32_t toInt32(double value) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(roundHalfEven(value), std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

// Every position and size the bar draws with lies within the client area.
int toPixels(double value) { return static_cast<int>(roundHalfEven(value)); }

double readNumber(const PropertyBag& bag, std::string_view key, double fallback) {
  const double value = bag.readDouble(key, fallback);
  return std::isfinite(value) ? value : fallback;
}

}  // namespace

Xp_ProgressBar::Xp_ProgressBar(Canvas& surface, ModalMessageBox& messages, PropertyChanged changed)
    : surface_(surface),
      messages_(messages),
      changed_(changed ? std::move(changed) : [](std::string_view) {}) {}

std::int32_t Xp_ProgressBar::Min() const { return toInt32(min_); }
std::int32_t Xp_ProgressBar::Max() const { return toInt32(max_); }

bool Xp_ProgressBar::refused(bool refuse, const char* message) const {
  if (refuse) {
    messages_.showStop(message, "Error");
  }
  return refuse;
}

void Xp_ProgressBar::setValue(std::int32_t New_Value) {
  if (refused(New_Value > max_, "Value can NOT be higher than Maximum !") ||
      refused(New_Value < min_, "Value can NOT be smaller than minimum !")) {
    return;
  }
  value_ = New_Value;
  changed_("Value");
  if (style_ == 0) {
    DrawBlocks();
  } else if (max_ == value_) {
    resizeHandler();
  } else {
    DrawStyledBlocks();
  }
}

void Xp_ProgressBar::setMin(std::int32_t New_Mini) {
  if (!refused(New_Mini > max_, "Minimum can NOT be biger than maximum !") &&
      !refused(New_Mini < 0, "Minimum can NOT be smaller then 0 !")) {
    min_ = New_Mini;
    changed_("Min");
  }
}

void Xp_ProgressBar::setMax(std::int32_t New_Maxi) {
  if (!refused(New_Maxi < min_, "Maximum can NOT be smaller than minimum !")) {
    max_ = New_Maxi;
    changed_("Max");
  }
}

void Xp_ProgressBar::setStyle(std::int32_t New_Style) {
  style_ = New_Style;
  changed_("Style");
}

void Xp_ProgressBar::setProgressLook(std::int32_t New_ProgressLook) {
  progressLook_ = New_ProgressLook;
  changed_("ProgressLook");
  ApplyLook();
}

void Xp_ProgressBar::ReadProperties(const PropertyBag& bag) {
  min_ = readNumber(bag, "Min", kDefaultMin);
  max_ = readNumber(bag, "Max", kDefaultMax);
  value_ = bag.readInt("Value", kDefaultValue);
  style_ = bag.readInt("Style", kDefaultStyle);
  setProgressLook(bag.readInt("ProgressLook", kDefaultProgressLook));
}

void Xp_ProgressBar::WriteProperties(PropertyBag& bag) const {
  bag.writeDouble("Min", min_, kDefaultMin);
  bag.writeDouble("Max", max_, kDefaultMax);
  bag.writeInt("Value", value_, kDefaultValue);
  bag.writeInt("Style", style_, kDefaultStyle);
  bag.writeInt("ProgressLook", progressLook_, kDefaultProgressLook);
}

void Xp_ProgressBar::Resize(int clientWidth, int clientHeight) {
  clientWidth_ = std::max(clientWidth, 0);
  clientHeight_ = std::max(clientHeight, 0);
  resizeHandler();
}

void Xp_ProgressBar::resizeHandler() {
  surface_.fillRect({0, 0, surface_.width(), surface_.height()}, kBackColour);
  const int w = clientWidth_;
  const int h = clientHeight_;
  // On a control narrower or lower than the frame's two borders the edges and
  // the interior have no room; they are left out rather than drawn mirrored.
  const auto piece = [this](int x, int y, int width, int height, Rect source) {
    surface_.stretchPicture(*framePicture(), source, Rect::sized(x, y, width, height));
  };
  const int sideHeight = toPixels(h - 2 * kFrame);
  piece(0, 0, 3, 3, Rect::sized(0, 0, 3, 3));
  piece(w - 3, 0, 3, 3, Rect::sized(56, 0, 3, 3));
  piece(w - 3, h - 3, 3, 3, Rect::sized(56, 10, 3, 3));
  piece(0, h - 3, 3, 3, Rect::sized(0, 10, 3, 3));
  piece(3, 0, w - 6, 3, Rect::sized(3, 0, 12, 3));
  piece(w - 3, 3, 3, sideHeight, Rect::sized(56, 3, 3, 3));
  piece(3, h - 3, w - 6, 3, Rect::sized(3, 10, 1, 3));
  piece(0, 3, 3, sideHeight, Rect::sized(0, 3, 3, 3));
  piece(3, 3, w - 6, sideHeight, Rect::sized(4, 4, 51, 7));
  state_.sweepX = kFirstBlockX;
  ResetBar();
}

void Xp_ProgressBar::ResetBar() {
  state_.blockX = kFirstBlockX;
  if (state_.pendingReset) {
    state_.threshold = state_.pendingValue;
    state_.pendingReset = false;
  } else {
    state_.threshold = value_ - min_;
    state_.lastValue = state_.threshold;
  }
  const std::optional<std::int16_t> ticks = toInt16(state_.threshold);
  state_.blockTicks = ticks.value_or(0);
  state_.outOfRange = !ticks.has_value();
  state_.width = clientWidth_;
  state_.innerHeight = clientHeight_ - 2 * kFrame;
  const PicturePtr& first = pc_[0];
  state_.blockWidth = first ? first->pixels().width() : 0;
  state_.blockHeight = first ? first->pixels().height() : 0;
  state_.barFull = false;
}

void Xp_ProgressBar::DrawBlocks() {
  if (state_.blockX == kFirstBlockX) {
    resizeHandler();
  }
  if (value_ < state_.lastValue) {
    state_.pendingValue = value_;
    state_.pendingReset = true;
    resizeHandler();
  } else {
    state_.lastValue = value_;
  }
  if (value_ <= min_) {
    resizeHandler();
  }
  const auto range = toInt16(max_ - min_);
  if (state_.outOfRange || !range) {
    return;
  }
  const double step = (max_ != 100 && value_ > 0) ? 0 : *range * 0.01;
  if (value_ < min_ + state_.threshold) {
    return;
  }
  state_.threshold += step;
  // With Max equal to Min there is no unit to measure blocks in.
  if (*range <= 0) {
    return;
  }
  const double unit = state_.width * 0.01 * (100.0 / *range);
  while (state_.blockX < state_.blockTicks * unit) {
    if (state_.blockX + kBlockPitch >= state_.width) {
      FinishBar();
    }
    if (state_.barFull) {
      break;
    }
    drawBlockPicture(pc_[2], state_.blockX, state_.blockWidth);
    state_.blockX += kBlockPitch;
  }
  // At the 16-bit limit the reach already covers the whole bar.
  if (state_.blockTicks < std::numeric_limits<std::int16_t>::max()) {
    ++state_.blockTicks;
  }
}

void Xp_ProgressBar::FinishBar() {
  drawBlockPicture(pc_[2], state_.blockX, (state_.width - kFrame) - state_.blockX);
  state_.barFull = true;
}

void Xp_ProgressBar::DrawStyledBlocks() {
  const double p = state_.sweepX;
  const double segment = state_.blockWidth / 2;
  const double width = state_.width;
  if (p != 2 && p != 4) {
    drawBlockPicture(blankPicture(), p - kGroupStep, segment);
  }
  if (p + 20 < width) {
    drawBlockPicture(pc_[2], p + 10, segment);
  }
  if (p + 10 < width) {
    drawBlockPicture(pc_[1], p + 5, segment);
  }
  if (p + 5 < width) {
    drawBlockPicture(pc_[0], p, segment);
    state_.sweepX = p + kGroupStep;
  } else {
    drawBlockPicture(blankPicture(), p, (width - kFrame) - p);
    state_.sweepX = kRestartX;
  }
}

void Xp_ProgressBar::ApplyLook() {
  if (progressLook_ < 0 || progressLook_ >= kSkinCount) {
    return;
  }
  for (int index = 0; index < kPicturesPerSkin; ++index) {
    pc_[static_cast<std::size_t>(index)] = skinPicture(progressLook_, index);
  }
  activeSkin_ = progressLook_;
}

void Xp_ProgressBar::drawBlockPicture(const PicturePtr& picture, double x, double width) {
  if (!picture) {
    return;
  }
  surface_.stretchPicture(
      *picture, Rect::sized(0, 0, toPixels(state_.blockWidth), toPixels(state_.blockHeight)),
      Rect::sized(toPixels(x), toPixels(kFrame), toPixels(width), toPixels(state_.innerHeight)));
}

}  // namespace vorlane::progressbar
