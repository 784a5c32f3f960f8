#include "controls/button/xp_button.h"

#include <cctype>
#include <limits>

#include "controls/button/button_errors.h"
#include "host/rounding.h"

namespace vorlane {

VelkXPButton::VelkXPButton(ButtonSite& site) : site_(site), input_(*this, site) {}

void VelkXPButton::InitProperties() {
  props_.enabled = true;
  props_.showFocusRect = true;
  props_.useMaskColor = true;
  props_.scheme = vorlane::ColorScheme::kSystem;
  props_.caption = site_.displayName();
  site_.setWindowText(props_.caption);
  props_.font.face = "Verdana";
  props_.type = vorlane::ButtonType::kXP;
  recompute(kRecolor | kRelayout);
  props_.backColor = 0xFFFFFF;
  props_.backOver = 0xFFFFFF;
  props_.foreColor = palette_.text;
  props_.foreOver = 0xFF0000;
  props_.maskColor = 0xC0C0C0;
  props_.handFlag = true;
  props_.imageIndex = 0;
}

void VelkXPButton::ReadProperties(const PropertyBag& bag) {
  const bool handFlag = props_.handFlag;
  const LoadContext context{
      [this](std::int32_t index) { return site_.systemColor(index); },
      [this](const std::string& reference) { return site_.resolvePicture(reference); }};
  props_ = readProperties(bag, context, props_.font);
  props_.handFlag = handFlag;
  site_.setWindowText(props_.caption);
  site_.setSurfaceEnabled(props_.enabled);
  relayout();
  updateAccessKey();
}

void VelkXPButton::Resize() {
  if (capturingBackground_) {
    return;
  }
  const Rect client = site_.clientRect();
  layout_.width = client.right;
  layout_.height = client.bottom;
  relayout();
  site_.setWindowRegion(outlineOf(props_.type, layout_.width, layout_.height));
  repaint(ButtonState::kNormal, true);
}

void VelkXPButton::Show() {
  if (props_.type == vorlane::ButtonType::kTransparent) {
    if (!background_) {
      // The copy keeps the size of this first Show.
      background_ = site_.createBackgroundCanvas(layout_.width, layout_.height);
    }
    captureBackground();
  }
  paintingAllowed_ = true;
  recompute(kRecolor | kRepaintNormal);
}

void VelkXPButton::Terminate() {
  paintingAllowed_ = false;
  input_.stop();
  background_.reset();
}

void VelkXPButton::AmbientChanged() {
  if (props_.scheme != vorlane::ColorScheme::kCustom) {
    recompute(kRecolor | kAsDrawn);
  }
}

void VelkXPButton::Refresh() {
  if (props_.type == vorlane::ButtonType::kTransparent) {
    captureBackground();
  }
  paintingAllowed_ = true;
  recompute(kRecolor | kRelayout | kAsDrawn);
}

void VelkXPButton::paint(Canvas& canvas) {
  const VisualState state{paintedState_, input_.hovering(), input_.focused(),
                          site_.displayAsDefault()};
  ButtonLayout boldLayout = layout_;
  if (props_.type == vorlane::ButtonType::kGradient && state.isDefault) {
    vorlane::Font bold = props_.font;
    bold.bold = true;
    boldLayout = layOut(props_, bold, layout_.width, layout_.height, site_.dotsPerInch(),
                        site_.textMeasurer());
  }
  // A hovering Custom-scheme button takes its whole palette from BackOver.
  const bool customHover = state.hovering && props_.scheme == vorlane::ColorScheme::kCustom;
  const Palette palette = customHover ? paletteFor(props_.backOver) : palette_;
  const PaintJob job{props_, layout_, boldLayout, palette, state, background_.get(), lastStyle_};
  lastStyle_ = paintButton(canvas, job);
}

void VelkXPButton::repaint(ButtonState state, bool force) {
  if (props_.checkBoxBehaviour && props_.value) {
    state = ButtonState::kPressed;
  }
  const bool unchanged = props_.caption == paintedCaption_ && state == paintedState_;
  if ((unchanged && !force) || layout_.height == 0 || !paintingAllowed_) {
    return;
  }
  paintedState_ = state;
  paintedCaption_ = props_.caption;
  site_.redrawNow();
}

Palette VelkXPButton::paletteFor(std::uint32_t backColor) const {
  const ParentColors parent =
      props_.scheme == vorlane::ColorScheme::kParent ? site_.parentColors() : ParentColors{};
  return makePalette(
      props_, backColor, [this](std::int32_t index) { return site_.systemColor(index); }, parent);
}

void VelkXPButton::relayout() {
  layout_ = layOut(props_, props_.font, layout_.width, layout_.height, site_.dotsPerInch(),
                   site_.textMeasurer());
}

void VelkXPButton::captureBackground() {
  capturingBackground_ = true;
  site_.captureBehind(background_.get(), layout_.width, layout_.height);
  capturingBackground_ = false;
}

void VelkXPButton::updateAccessKey() {
  // Only the first two ampersands are looked at: "&x" gives x; a leading "&&"
  // is a literal ampersand, after which the next single "&x" gives x.
  const std::string& caption = props_.caption;
  const auto first = caption.find('&');
  const bool literal =
      first != std::string::npos && first + 1 < caption.size() && caption[first + 1] == '&';
  const auto at = literal ? caption.find('&', first + 2) : first;
  const bool marked = at != std::string::npos && at + 1 < caption.size() && caption[at + 1] != '&';
  accessKey_ =
      marked ? static_cast<char>(std::tolower(static_cast<unsigned char>(caption[at + 1]))) : '\0';
}

// Property setters: store, then recompute, repaint, and last notify.

void VelkXPButton::recompute(unsigned then) {
  if (then & kRecolor) {
    palette_ = paletteFor(props_.backColor);
  }
  if (then & kRelayout) {
    relayout();
  }
  if (then & kRepaintNormal) {
    repaint(ButtonState::kNormal, true);
  }
  if (then & kAsDrawn) {
    repaint(paintedState_, true);
  }
}

void VelkXPButton::setButtonType(vorlane::ButtonType value) {
  props_.type = value;
  if (value == vorlane::ButtonType::kTransparent && paintingAllowed_) {
    captureBackground();
  }
  Resize();
  site_.propertyChanged("ButtonType");
}

void VelkXPButton::setCaption(const std::string& value) {
  props_.caption = value;
  site_.setWindowText(value);
  updateAccessKey();
  recompute(kLayout);
  site_.propertyChanged("Caption");
}

void VelkXPButton::setEnabled(bool value) {
  props_.enabled = value;
  repaint(ButtonState::kNormal, true);
  site_.setSurfaceEnabled(value);
  site_.propertyChanged("Enabled");
}

std::int16_t VelkXPButton::FontSize() const {
  return static_cast<std::int16_t>(roundHalfEven(props_.font.size));
}

void VelkXPButton::setFontSize(std::int16_t value) {
  // A font takes the size of the nearest whole pixel height at the screen's
  // resolution (8 points at 96 dots per inch become 8.25).
  const std::int32_t dpi = site_.dotsPerInch();
  const std::int64_t pixels = roundHalfEven(static_cast<double>(value) * dpi / 72.0);
  props_.font.size = static_cast<double>(pixels) * 72.0 / dpi;
  recompute(kLayout);
}

void VelkXPButton::setMousePointer(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw ValueOverflow("MousePointer: value outside 16 bits");
  }
  if (!isKnownPointer(value)) {
    throw InvalidPropertyValue("MousePointer: the surface does not take this pointer");
  }
  change(&ButtonProperties::mousePointer, static_cast<std::int16_t>(value), 0, "MousePointer");
}

void VelkXPButton::setPicturePosition(vorlane::PicturePosition value) {
  props_.picturePosition = value;
  site_.propertyChanged("PicturePosition");
  recompute(kRelayout | kAsDrawn);
}

void VelkXPButton::setImageIndex(std::int16_t value) {
  change(&ButtonProperties::imageIndex, value, 0, "ImageIndex");
  PicturePtr picture = value > 0 && imageList_ ? imageList_(value) : nullptr;
  if (picture) {
    setPictureNormal(std::move(picture));
  }
}

}  // namespace vorlane
