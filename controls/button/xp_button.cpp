#include "controls/button/xp_button.h"

#include <limits>
#include <stdexcept>

#include "host/rounding.h"

namespace vorlane {

namespace {

// System colour indexes the button reads.
constexpr std::int32_t kColorBtnFace = 15;
constexpr std::int32_t kColorBtnText = 18;

std::int32_t asInt32(std::uint32_t color) { return static_cast<std::int32_t>(color); }
std::uint32_t asColor(std::int32_t value) { return static_cast<std::uint32_t>(value); }

void writeAlways(PropertyBag& bag, std::string_view key, std::int32_t value) {
  bag.write(key, std::to_string(value));
}
void writeAlways(PropertyBag& bag, std::string_view key, bool value) {
  bag.write(key, value ? "True" : "False");
}

// Pictures are stored by the reference text they were made with; a picture
// without one, and none, leave the key out.
void writePicture(PropertyBag& bag, std::string_view key, const PicturePtr& picture) {
  if (picture && !picture->reference().empty()) {
    bag.write(key, picture->reference());
  } else {
    bag.remove(key);
  }
}

}  // namespace

VelkXPButton::VelkXPButton(ButtonSite& site) : site_(site) {
  OverTimer_ = site_.timers().createTimer(3, false, [this] { OverTimerTick(); });
  // Initialize: the surface may draw from the start.
  PaintingAllowed_ = true;
}

VelkXPButton::~VelkXPButton() = default;

void VelkXPButton::InitProperties() {
  Enabled_ = true;
  ShowFocusRect_ = true;
  UseMaskColor_ = true;
  ColorScheme_ = 1;
  Caption_ = site_.displayName();
  site_.setWindowText(Caption_);
  Font_.face = "Verdana";
  ButtonType_ = 3;
  ApplyColorScheme();
  BackColor_ = 0xFFFFFF;
  BackOver_ = 0xFFFFFF;
  ForeColor_ = colors_.TextColor;
  ForeOver_ = 0xFF0000;
  MaskColor_ = 0xC0C0C0;
  LayoutContent();
  HandFlag_ = true;
  ImageIndex_ = 0;
}

void VelkXPButton::ReadProperties(const PropertyBag& bag) {
  ButtonType_ = bag.readInt("BTYPE", 2);
  Caption_ = bag.readString("TX", "");
  site_.setWindowText(Caption_);
  Enabled_ = bag.readBool("ENAB", true);
  const auto fontText = bag.read("FONT");
  if (fontText) {
    Font_ = fontFromText(*fontText, Font_);
  }
  ColorScheme_ = bag.readInt("COLTYPE", 1);
  ShowFocusRect_ = bag.readBool("FOCUSR", true);
  BackColor_ = asColor(bag.readInt("BCOL", asInt32(site_.systemColor(kColorBtnFace))));
  BackOver_ = asColor(bag.readInt("BCOLO", asInt32(BackColor_)));
  ForeColor_ = asColor(bag.readInt("FCOL", asInt32(site_.systemColor(kColorBtnText))));
  ForeOver_ = asColor(bag.readInt("FCOLO", asInt32(ForeColor_)));
  MaskColor_ = asColor(bag.readInt("MCOL", 0xC0C0C0));
  // A stored pointer outside 16 bits, or one the surface refuses, is not the
  // surface's: the default pointer is taken instead.
  const std::int32_t pointer = bag.readInt("MPTR", 0);
  MousePointer_ = 0;
  if (pointer >= std::numeric_limits<std::int16_t>::min() &&
      pointer <= std::numeric_limits<std::int16_t>::max() &&
      site_.setMousePointer(static_cast<std::int16_t>(pointer))) {
    MousePointer_ = static_cast<std::int16_t>(pointer);
  }
  const auto icon = bag.read("MICON");
  MouseIcon_ = icon ? site_.resolvePicture(*icon) : nullptr;
  site_.setMouseIcon(MouseIcon_);
  const auto normal = bag.read("PICN");
  PictureNormal_ = normal ? site_.resolvePicture(*normal) : nullptr;
  const auto over = bag.read("PICH");
  PictureOver_ = over ? site_.resolvePicture(*over) : nullptr;
  UseMaskColor_ = bag.readBool("UMCOL", true);
  SoftBevel_ = bag.readBool("SOFT", false);
  PicturePosition_ = bag.readInt("PICPOS", 0);
  UseGreyscale_ = bag.readBool("NGREY", false);
  SpecialEffect_ = bag.readInt("FX", 0);
  CheckBoxBehaviour_ = bag.readBool("CHECK", false);
  Value_ = bag.readBool("VALUE", false);
  site_.setSurfaceEnabled(Enabled_);
  PreparePicture();
  LayoutContent();
  UpdateAccessKey();
  const std::int32_t index = bag.readInt("ImageIndex", 0);
  ImageIndex_ = (index >= std::numeric_limits<std::int16_t>::min() &&
                 index <= std::numeric_limits<std::int16_t>::max())
                    ? static_cast<std::int16_t>(index)
                    : 0;
}

void VelkXPButton::WriteProperties(PropertyBag& bag) const {
  writeAlways(bag, "BTYPE", ButtonType_);
  bag.write("TX", Caption_);
  writeAlways(bag, "ENAB", Enabled_);
  bag.write("FONT", fontToText(Font_));
  writeAlways(bag, "COLTYPE", ColorScheme_);
  writeAlways(bag, "FOCUSR", ShowFocusRect_);
  writeAlways(bag, "BCOL", asInt32(BackColor_));
  writeAlways(bag, "BCOLO", asInt32(BackOver_));
  writeAlways(bag, "FCOL", asInt32(ForeColor_));
  writeAlways(bag, "FCOLO", asInt32(ForeOver_));
  writeAlways(bag, "MCOL", asInt32(MaskColor_));
  writeAlways(bag, "MPTR", static_cast<std::int32_t>(MousePointer_));
  writePicture(bag, "MICON", MouseIcon_);
  writePicture(bag, "PICN", PictureNormal_);
  writePicture(bag, "PICH", PictureOver_);
  writeAlways(bag, "UMCOL", UseMaskColor_);
  writeAlways(bag, "SOFT", SoftBevel_);
  writeAlways(bag, "PICPOS", PicturePosition_);
  writeAlways(bag, "NGREY", UseGreyscale_);
  writeAlways(bag, "FX", SpecialEffect_);
  writeAlways(bag, "HAND", HandFlag_);
  writeAlways(bag, "CHECK", CheckBoxBehaviour_);
  writeAlways(bag, "VALUE", Value_);
  bag.writeInt("ImageIndex", ImageIndex_, 0);
}

void VelkXPButton::Resize() {
  if (CapturingBackground_) {
    return;
  }
  InnerRect_ = site_.clientRect();
  ClientHeight_ = InnerRect_.bottom;
  ClientWidth_ = InnerRect_.right;
  if (ButtonType_ >= 7 && ButtonType_ <= 13) {
    InnerRect_ = InnerRect_.inflate(-3, -3);
  } else if (ButtonType_ == 14) {
    InnerRect_ = InnerRect_.inflate(-5, -5).offset(1, 1);
  } else {
    InnerRect_ = InnerRect_.inflate(-4, -4);
  }
  LayoutContent();
  BuildRegion();
  site_.setWindowRegion(WindowRegion_);
  if (ClientHeight_ != 0) {
    repaintNormal();
  }
}

void VelkXPButton::Show() {
  if (ButtonType_ == 11) {
    if (!BackgroundDC_) {
      // The copy keeps the size of this first Show.
      BackgroundDC_ = site_.createBackgroundCanvas(ClientWidth_, ClientHeight_);
    }
    CaptureBackground();
  }
  PaintingAllowed_ = true;
  ApplyColorScheme();
  repaintNormal();
}

void VelkXPButton::Hide() { PaintingAllowed_ = false; }

void VelkXPButton::Terminate() {
  PaintingAllowed_ = false;
  OverTimer_->setEnabled(false);
  BackgroundDC_.reset();
}

void VelkXPButton::AmbientChanged() {
  if (ColorScheme_ == 2) {
    return;
  }
  ApplyColorScheme();
  repaintAsDrawn();
}

void VelkXPButton::Refresh() {
  if (ButtonType_ == 11) {
    CaptureBackground();
  }
  ApplyColorScheme();
  LayoutContent();
  PaintingAllowed_ = true;
  repaintAsDrawn();
}

void VelkXPButton::DisableRefresh() { PaintingAllowed_ = false; }

// Property setters: store, then recompute, repaint, and last notify.

void VelkXPButton::setButtonType(std::int32_t value) {
  ButtonType_ = value;
  if (value == 5 && site_.designMode()) {
    Font_.bold = true;
  } else if (value == 11 && PaintingAllowed_) {
    CaptureBackground();
  }
  Resize();
  notify("ButtonType");
}

void VelkXPButton::setCaption(const std::string& value) {
  Caption_ = value;
  site_.setWindowText(Caption_);
  UpdateAccessKey();
  LayoutContent();
  repaintNormal();
  notify("Caption");
}

void VelkXPButton::setEnabled(bool value) {
  Enabled_ = value;
  repaintNormal();
  site_.setSurfaceEnabled(Enabled_);
  notify("Enabled");
}

void VelkXPButton::setFont(const vorlane::Font& value) {
  Font_ = value;
  LayoutContent();
  repaintNormal();
  notify("Font");
}

void VelkXPButton::setFontBold(bool value) {
  Font_.bold = value;
  LayoutContent();
  repaintNormal();
}

void VelkXPButton::setFontItalic(bool value) {
  Font_.italic = value;
  LayoutContent();
  repaintNormal();
}

void VelkXPButton::setFontUnderline(bool value) {
  Font_.underline = value;
  LayoutContent();
  repaintNormal();
}

std::int16_t VelkXPButton::FontSize() const {
  return static_cast<std::int16_t>(roundHalfEven(Font_.size));
}

void VelkXPButton::setFontSize(std::int16_t value) {
  // A font takes the size of the nearest whole pixel height at the screen's
  // resolution (8 points at 96 dots per inch become 8.25).
  const std::int32_t dpi = site_.dotsPerInch() > 0 ? site_.dotsPerInch() : 96;
  const std::int64_t pixels = roundHalfEven(static_cast<double>(value) * dpi / 72.0);
  Font_.size = static_cast<double>(pixels) * 72.0 / dpi;
  LayoutContent();
  repaintNormal();
}

void VelkXPButton::setFontName(const std::string& value) {
  Font_.face = value;
  LayoutContent();
  repaintNormal();
}

void VelkXPButton::setColorScheme(std::int32_t value) {
  ColorScheme_ = value;
  ApplyColorScheme();
  repaintNormal();
  notify("ColorScheme");
}

void VelkXPButton::setShowFocusRect(bool value) {
  ShowFocusRect_ = value;
  repaintAsDrawn();
  notify("ShowFocusRect");
}

void VelkXPButton::setBackColor(std::uint32_t value) {
  BackColor_ = value;
  if (site_.designMode()) {
    BackOver_ = value;
  }
  ApplyColorScheme();
  repaintAsDrawn();
  notify("BackColor");
}

void VelkXPButton::setBackOver(std::uint32_t value) {
  BackOver_ = value;
  ApplyColorScheme();
  repaintAsDrawn();
  notify("BackOver");
}

void VelkXPButton::setForeColor(std::uint32_t value) {
  ForeColor_ = value;
  if (site_.designMode()) {
    ForeOver_ = value;
  }
  ApplyColorScheme();
  repaintAsDrawn();
  notify("ForeColor");
}

void VelkXPButton::setForeOver(std::uint32_t value) {
  ForeOver_ = value;
  ApplyColorScheme();
  repaintAsDrawn();
  notify("ForeOver");
}

void VelkXPButton::setMaskColor(std::uint32_t value) {
  MaskColor_ = value;
  ApplyColorScheme();
  repaintAsDrawn();
  notify("MaskColor");
}

void VelkXPButton::setSoftBevel(bool value) {
  SoftBevel_ = value;
  ApplyColorScheme();
  repaintAsDrawn();
  notify("SoftBevel");
}

void VelkXPButton::setMousePointer(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("MousePointer: value outside 16 bits");
  }
  if (!site_.setMousePointer(static_cast<std::int16_t>(value))) {
    throw std::invalid_argument("MousePointer: the surface refuses this pointer");
  }
  MousePointer_ = static_cast<std::int16_t>(value);
  notify("MousePointer");
}

void VelkXPButton::setMouseIcon(PicturePtr value) {
  MouseIcon_ = std::move(value);
  site_.setMouseIcon(MouseIcon_);
  notify("MouseIcon");
}

void VelkXPButton::setPictureNormal(PicturePtr value) {
  PictureNormal_ = std::move(value);
  PreparePicture();
  LayoutContent();
  repaintAsDrawn();
  notify("PictureNormal");
}

void VelkXPButton::setPictureOver(PicturePtr value) {
  PictureOver_ = std::move(value);
  if (Hovering_) {
    repaintAsDrawn();
  }
  notify("PictureOver");
}

void VelkXPButton::setUseMaskColor(bool value) {
  UseMaskColor_ = value;
  if (PictureNormal_) {
    repaintAsDrawn();
  }
  notify("UseMaskColor");
}

void VelkXPButton::setUseGreyscale(bool value) {
  UseGreyscale_ = value;
  if (PictureNormal_) {
    repaintAsDrawn();
  }
  notify("UseGreyscale");
}

void VelkXPButton::setPicturePosition(std::int32_t value) {
  PicturePosition_ = value;
  notify("PicturePosition");
  LayoutContent();
  repaintAsDrawn();
}

void VelkXPButton::setSpecialEffect(std::int32_t value) {
  SpecialEffect_ = value;
  repaintAsDrawn();
  notify("SpecialEffect");
}

void VelkXPButton::setCheckBoxBehaviour(bool value) {
  CheckBoxBehaviour_ = value;
  repaintAsDrawn();
  notify("CheckBoxBehaviour");
}

void VelkXPButton::setValue(bool value) {
  Value_ = value;
  if (CheckBoxBehaviour_) {
    repaintNormal();
  }
  notify("Value");
}

void VelkXPButton::setImageList(std::function<PicturePtr(std::int16_t)> imageList) {
  imageList_ = std::move(imageList);
}

void VelkXPButton::setImageIndex(std::int16_t value) {
  ImageIndex_ = value;
  notify("ImageIndex");
  // The picture comes from the image list the host provided, if any; an index
  // of 0 or less, or one the list does not hold, leaves the picture alone.
  if (value <= 0 || !imageList_) {
    return;
  }
  PicturePtr picture = imageList_(value);
  if (!picture) {
    return;
  }
  PictureNormal_ = std::move(picture);
  PreparePicture();
  LayoutContent();
  repaintAsDrawn();
  notify("PictureNormal");
}

Color VelkXPButton::TranslateColor(std::uint32_t color) const {
  // A colour is either RGB (high byte 0) or a system colour reference (high
  // byte 0x80, index in the low bits); anything else cannot be translated.
  const std::uint32_t kind = color >> 24;
  if (kind == 0) {
    return color;
  }
  if (kind == 0x80 && (color & 0x00FF0000u) == 0) {
    return site_.systemColor(static_cast<std::int32_t>(color & 0xFFFF));
  }
  return 0;
}

}  // namespace vorlane
