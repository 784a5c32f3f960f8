#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/button/button_input.h"
#include "controls/button/button_layout.h"
#include "controls/button/button_model.h"
#include "controls/button/button_painter.h"
#include "controls/button/button_site.h"
#include "host/canvas/canvas.h"
#include "host/property_bag.h"

namespace vorlane {

// The XP-style push button: its properties (ButtonProperties) and their
// setters and persistence, the container lifecycle, and the repaint rules. The
// drawing is paintButton's (button_painter.h), the input ButtonInput's; the
// button reaches its window and host through a ButtonSite, so the same code
// runs in a real window and in tests.
class VelkXPButton final {
 public:
  explicit VelkXPButton(ButtonSite& site);
  VelkXPButton(const VelkXPButton&) = delete;
  VelkXPButton& operator=(const VelkXPButton&) = delete;

  ButtonEvents& events() { return input_.events(); }

  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const { writeProperties(props_, bag); }
  void Resize();
  void Show();
  void Hide() { paintingAllowed_ = false; }
  void Terminate();
  void AmbientChanged();

  void Refresh();
  void DisableRefresh() { paintingAllowed_ = false; }
  static const char* Version() { return "2.0.6"; }

  // Draws the button in its last drawn state onto `canvas`: the one paint
  // function behind WM_PAINT, WM_PRINTCLIENT and the tests.
  void paint(Canvas& canvas);

  // Properties. The font's views (FontBold to FontName) change the font
  // without a notice.
  vorlane::ButtonType ButtonType() const { return props_.type; }
  void setButtonType(vorlane::ButtonType value);
  const std::string& Caption() const { return props_.caption; }
  void setCaption(const std::string& value);
  bool Enabled() const { return props_.enabled; }
  void setEnabled(bool value);
  const vorlane::Font& Font() const { return props_.font; }
  void setFont(const vorlane::Font& value) { change(&P::font, value, kLayout, "Font"); }
  bool FontBold() const { return props_.font.bold; }
  void setFontBold(bool value) { changeFont(&vorlane::Font::bold, value); }
  bool FontItalic() const { return props_.font.italic; }
  void setFontItalic(bool value) { changeFont(&vorlane::Font::italic, value); }
  bool FontUnderline() const { return props_.font.underline; }
  void setFontUnderline(bool value) { changeFont(&vorlane::Font::underline, value); }
  std::int16_t FontSize() const;
  void setFontSize(std::int16_t value);
  const std::string& FontName() const { return props_.font.face; }
  void setFontName(const std::string& value) { changeFont(&vorlane::Font::face, value); }
  vorlane::ColorScheme ColorScheme() const { return props_.scheme; }
  void setColorScheme(vorlane::ColorScheme value) {
    change(&P::scheme, value, kRecolor | kRepaintNormal, "ColorScheme");
  }
  bool ShowFocusRect() const { return props_.showFocusRect; }
  void setShowFocusRect(bool value) { change(&P::showFocusRect, value, kAsDrawn, "ShowFocusRect"); }
  std::uint32_t BackColor() const { return props_.backColor; }
  void setBackColor(std::uint32_t value) { recolor(&P::backColor, value, "BackColor"); }
  std::uint32_t BackOver() const { return props_.backOver; }
  void setBackOver(std::uint32_t value) { recolor(&P::backOver, value, "BackOver"); }
  std::uint32_t ForeColor() const { return props_.foreColor; }
  void setForeColor(std::uint32_t value) { recolor(&P::foreColor, value, "ForeColor"); }
  std::uint32_t ForeOver() const { return props_.foreOver; }
  void setForeOver(std::uint32_t value) { recolor(&P::foreOver, value, "ForeOver"); }
  std::uint32_t MaskColor() const { return props_.maskColor; }
  void setMaskColor(std::uint32_t value) { recolor(&P::maskColor, value, "MaskColor"); }
  std::int32_t MousePointer() const { return props_.mousePointer; }
  // Throws ValueOverflow outside the 16-bit range and InvalidPropertyValue
  // for a pointer number the surface does not take; nothing changes in either case.
  void setMousePointer(std::int32_t value);
  const PicturePtr& MouseIcon() const { return props_.mouseIcon; }
  void setMouseIcon(PicturePtr value) { change(&P::mouseIcon, std::move(value), 0, "MouseIcon"); }
  const PicturePtr& PictureNormal() const { return props_.pictureNormal; }
  void setPictureNormal(PicturePtr value) {
    change(&P::pictureNormal, std::move(value), kRelayout | kAsDrawn, "PictureNormal");
  }
  const PicturePtr& PictureOver() const { return props_.pictureOver; }
  void setPictureOver(PicturePtr value) {
    change(&P::pictureOver, std::move(value), Hovering() ? kAsDrawn : 0, "PictureOver");
  }
  bool UseMaskColor() const { return props_.useMaskColor; }
  void setUseMaskColor(bool value) {
    change(&P::useMaskColor, value, withPicture(), "UseMaskColor");
  }
  bool SoftBevel() const { return props_.softBevel; }
  void setSoftBevel(bool value) { change(&P::softBevel, value, kRecolor | kAsDrawn, "SoftBevel"); }
  vorlane::PicturePosition PicturePosition() const { return props_.picturePosition; }
  void setPicturePosition(vorlane::PicturePosition value);
  bool UseGreyscale() const { return props_.useGreyscale; }
  void setUseGreyscale(bool value) {
    change(&P::useGreyscale, value, withPicture(), "UseGreyscale");
  }
  vorlane::SpecialEffect SpecialEffect() const { return props_.effect; }
  void setSpecialEffect(vorlane::SpecialEffect value) {
    change(&P::effect, value, kAsDrawn, "SpecialEffect");
  }
  bool CheckBoxBehaviour() const { return props_.checkBoxBehaviour; }
  void setCheckBoxBehaviour(bool value) {
    change(&P::checkBoxBehaviour, value, kAsDrawn, "CheckBoxBehaviour");
  }
  bool Value() const { return props_.value; }
  void setValue(bool value) {
    change(&P::value, value, props_.checkBoxBehaviour ? kRepaintNormal : 0, "Value");
  }
  std::int16_t ImageIndex() const { return props_.imageIndex; }
  void setImageIndex(std::int16_t value);
  // An image list the host provides for ImageIndex: picture number n (1-based),
  // or none. An index of 0 or less, or one the list lacks, leaves the picture alone.
  void setImageList(std::function<PicturePtr(std::int16_t)> imageList) {
    imageList_ = std::move(imageList);
  }

  ButtonInput& input() { return input_; }

  // Read-only views of the state painting works from, for hosts and tests.
  bool Hovering() const { return input_.hovering(); }
  bool HasFocus() const { return input_.focused(); }
  ButtonState PaintedState() const { return paintedState_; }
  const ButtonLayout& layout() const { return layout_; }
  const Palette& palette() const { return palette_; }
  // The access key in lower case, or '\0' for none.
  char AccessKey() const { return accessKey_; }

 private:
  using P = ButtonProperties;
  // What a setter does after storing its value, before it notifies.
  static constexpr unsigned kRecolor = 1;
  static constexpr unsigned kRelayout = 2;
  static constexpr unsigned kRepaintNormal = 4;
  static constexpr unsigned kAsDrawn = 8;
  static constexpr unsigned kLayout = kRelayout | kRepaintNormal;
  template <typename T>
  void change(T P::*field, T value, unsigned then, const char* property) {
    props_.*field = std::move(value);
    recompute(then);
    site_.propertyChanged(property);
  }
  template <typename T>
  void changeFont(T vorlane::Font::*field, T value) {
    props_.font.*field = std::move(value);
    recompute(kLayout);
  }
  void recolor(std::uint32_t P::*field, std::uint32_t value, const char* property) {
    change(field, value, kRecolor | kAsDrawn, property);
  }
  // The picture options repaint only a button that has a picture.
  unsigned withPicture() const { return props_.pictureNormal ? kAsDrawn : 0; }
  void recompute(unsigned then);

  // The input repaints in a state, and flips Value in check-box mode without a notice.
  friend class ButtonInput;
  void repaint(ButtonState state, bool force);

  void relayout();
  void updateAccessKey();
  void captureBackground();
  Palette paletteFor(std::uint32_t backColor) const;

  ButtonSite& site_;
  ButtonProperties props_;
  ButtonInput input_;
  std::function<PicturePtr(std::int16_t)> imageList_;

  ButtonState paintedState_ = ButtonState::kNormal;
  std::string paintedCaption_;
  bool paintingAllowed_ = true;
  bool capturingBackground_ = false;
  ButtonLayout layout_;
  std::unique_ptr<Canvas> background_;
  char accessKey_ = '\0';
  // Worked out when a colour property, the scheme or the ambient colours change.
  Palette palette_;
  CaptionStyle lastStyle_ = CaptionStyle::kNormal;
};

}  // namespace vorlane
