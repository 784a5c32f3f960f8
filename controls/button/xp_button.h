#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/button/button_site.h"
#include "host/canvas/canvas.h"
#include "host/canvas/font.h"
#include "host/property_bag.h"

namespace vorlane {

// The events the button raises to its host. Every argument is passed by
// reference: a handler may change it, and the button carries on with the value
// the handler left.
struct ButtonEvents {
  using MouseHandler =
      std::function<void(std::int16_t& Button, std::int16_t& Shift, float& x, float& y)>;
  using KeyHandler = std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)>;
  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;
  std::function<void(std::int16_t& KeyAscii)> KeyPress;
  KeyHandler KeyDown;
  KeyHandler KeyUp;
  std::function<void()> MouseOver;
  std::function<void()> MOUSEOUT;
};

// The XP-style push button: its properties and their persistence, its painting
// in fourteen looks and four colour schemes, and its input handling. It draws
// through a Canvas and reaches its window and host through a ButtonSite, so the
// same code runs in a real window and in tests.
class VelkXPButton {
 public:
  static constexpr std::uint8_t StateNormal = 0;
  static constexpr std::uint8_t StatePressed = 2;

  explicit VelkXPButton(ButtonSite& site);
  VelkXPButton(const VelkXPButton&) = delete;
  VelkXPButton& operator=(const VelkXPButton&) = delete;
  ~VelkXPButton();

  ButtonEvents& events() { return events_; }

  // Container lifecycle.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  void Resize();
  void Show();
  void Hide();
  void Terminate();
  void AmbientChanged();

  // Public methods.
  void Refresh();
  void DisableRefresh();
  static const char* Version() { return "2.0.6"; }

  // Draws the button in its last drawn state onto `canvas`: the one paint
  // function behind WM_PAINT, WM_PRINTCLIENT and the tests.
  void paint(Canvas& canvas);

  // Properties.
  std::int32_t ButtonType() const { return ButtonType_; }
  void setButtonType(std::int32_t value);
  const std::string& Caption() const { return Caption_; }
  void setCaption(const std::string& value);
  bool Enabled() const { return Enabled_; }
  void setEnabled(bool value);
  const vorlane::Font& Font() const { return Font_; }
  void setFont(const vorlane::Font& value);
  bool FontBold() const { return Font_.bold; }
  void setFontBold(bool value);
  bool FontItalic() const { return Font_.italic; }
  void setFontItalic(bool value);
  bool FontUnderline() const { return Font_.underline; }
  void setFontUnderline(bool value);
  std::int16_t FontSize() const;
  void setFontSize(std::int16_t value);
  const std::string& FontName() const { return Font_.face; }
  void setFontName(const std::string& value);
  std::int32_t ColorScheme() const { return ColorScheme_; }
  void setColorScheme(std::int32_t value);
  bool ShowFocusRect() const { return ShowFocusRect_; }
  void setShowFocusRect(bool value);
  std::uint32_t BackColor() const { return BackColor_; }
  void setBackColor(std::uint32_t value);
  std::uint32_t BackOver() const { return BackOver_; }
  void setBackOver(std::uint32_t value);
  std::uint32_t ForeColor() const { return ForeColor_; }
  void setForeColor(std::uint32_t value);
  std::uint32_t ForeOver() const { return ForeOver_; }
  void setForeOver(std::uint32_t value);
  std::uint32_t MaskColor() const { return MaskColor_; }
  void setMaskColor(std::uint32_t value);
  std::int32_t MousePointer() const { return MousePointer_; }
  // Throws std::overflow_error outside the 16-bit range and std::invalid_argument
  // for a pointer number the surface refuses; nothing changes in either case.
  void setMousePointer(std::int32_t value);
  const PicturePtr& MouseIcon() const { return MouseIcon_; }
  void setMouseIcon(PicturePtr value);
  const PicturePtr& PictureNormal() const { return PictureNormal_; }
  void setPictureNormal(PicturePtr value);
  const PicturePtr& PictureOver() const { return PictureOver_; }
  void setPictureOver(PicturePtr value);
  bool UseMaskColor() const { return UseMaskColor_; }
  void setUseMaskColor(bool value);
  bool SoftBevel() const { return SoftBevel_; }
  void setSoftBevel(bool value);
  std::int32_t PicturePosition() const { return PicturePosition_; }
  void setPicturePosition(std::int32_t value);
  bool UseGreyscale() const { return UseGreyscale_; }
  void setUseGreyscale(bool value);
  std::int32_t SpecialEffect() const { return SpecialEffect_; }
  void setSpecialEffect(std::int32_t value);
  bool CheckBoxBehaviour() const { return CheckBoxBehaviour_; }
  void setCheckBoxBehaviour(bool value);
  bool Value() const { return Value_; }
  void setValue(bool value);
  std::int16_t ImageIndex() const { return ImageIndex_; }
  void setImageIndex(std::int16_t value);
  // An image list the host provides for ImageIndex: picture number n (1-based),
  // or none when the list has no such picture.
  void setImageList(std::function<PicturePtr(std::int16_t)> imageList);

  // Notifications from the surface (input, focus, access key).
  void onMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void onMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void onMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  void onClick();
  void onDoubleClick();
  void onKeyDown(std::int16_t keyCode, std::int16_t shift);
  void onKeyUp(std::int16_t keyCode, std::int16_t shift);
  void onKeyPress(std::int16_t keyAscii);
  void onAccessKey();
  void onFocusGained();
  void onFocusLost();

  // Read-only views of the state the painting works from, for hosts and tests.
  bool Hovering() const { return Hovering_; }
  bool HasFocus() const { return HasFocus_; }
  std::uint8_t PaintedState() const { return PaintedState_; }
  bool PaintingAllowed() const { return PaintingAllowed_; }
  bool HandFlag() const { return HandFlag_; }
  const Rect& InnerRect() const { return InnerRect_; }
  const Rect& CaptionRect() const { return CaptionRect_; }
  std::int32_t PictureLeft() const { return PictureLeft_; }
  std::int32_t PictureTop() const { return PictureTop_; }
  std::int32_t PictureWidth() const { return PictureWidth_; }
  std::int32_t PictureHeight() const { return PictureHeight_; }
  char AccessKey() const { return AccessKey_; }
  const RegionShape& WindowRegion() const { return WindowRegion_; }

  struct SchemeColors {
    Color FaceColor = 0;
    Color LightColor = 0;
    Color HighlightColor = 0;
    Color ShadowColor = 0;
    Color DarkShadowColor = 0;
    Color TextColor = 0;
    Color HoverTextColor = 0;
    Color AccentColor = 0;
    Color AccentTint = 0;
    Color MaskRGB = 0;
    Color PressedFaceColor = 0;
  };
  const SchemeColors& colors() const { return colors_; }

  // The colour arithmetic with this button's SoftBevel, and the colour
  // translation of colour values that may name system colours.
  Color ShadeColor(Color color, std::int32_t amount, bool proportionalBlue = false) const;
  Color TranslateColor(std::uint32_t color) const;

  // The pixel work of pictures: composites `picture` onto `canvas` at (x, y),
  // width by height. `mask` -1 matches nothing, `silhouette` -1 for none.
  void BlitPicture(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height, const Picture& picture, std::int64_t mask,
                   std::int64_t silhouette, bool darkOnly, bool greyscale, bool blend) const;

 private:
  // Painting (button painter).
  void Repaint(std::uint8_t state, bool force);
  void ApplyColorScheme();
  void DrawBox(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
               Color color, bool outlineOnly);
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color);
  void DrawPixel(std::int32_t x, std::int32_t y, Color color);
  void DrawBevel(Color outerTopLeft, Color outerBottomRight, Color innerTopLeft,
                 Color innerBottomRight, std::int16_t inset, bool outerOnly);
  void DrawOval(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                Color penColor, Color fillColor);
  void DrawFocus();
  void LayoutContent();
  void DrawCaption(std::uint8_t style);
  void DrawCaptionEffect(const Rect& rect);
  void DrawText(const Rect& rect, Color color);
  void BuildRegion();
  void CaptureBackground();
  void Gradient(Color base, std::int32_t k, bool proportional, bool downward);
  void Corners(Color color);
  void DrawLook(std::uint8_t branch);
  void DrawType1(std::uint8_t branch);
  void DrawType2(std::uint8_t branch);
  void DrawType3(std::uint8_t branch);
  void DrawType4(std::uint8_t branch);
  void DrawType5(std::uint8_t branch);
  void DrawType6(std::uint8_t branch);
  void DrawType7812(std::uint8_t branch);
  void DrawType9(std::uint8_t branch);
  void DrawType11(std::uint8_t branch);
  void DrawType13(std::uint8_t branch);
  void DrawType14(std::uint8_t branch);

  // Pictures.
  void PreparePicture();
  void LayoutPicture();
  void DrawPicture(std::uint8_t pictureState);
  void DrawPictureEffect(std::int32_t offset, const Picture& picture);

  // Input.
  void UpdateAccessKey();
  bool IsMouseInside() const { return site_.isMouseInside(); }
  void OverTimerTick();
  void ClickHandling();
  void notify(std::string_view property) { site_.propertyChanged(property); }
  void repaintAsDrawn() { Repaint(PaintedState_, true); }
  void repaintNormal() { Repaint(StateNormal, true); }

  ButtonSite& site_;
  ButtonEvents events_;
  std::function<PicturePtr(std::int16_t)> imageList_;

  // Properties.
  std::int32_t ButtonType_ = 0;
  std::string Caption_;
  bool Enabled_ = false;
  vorlane::Font Font_;
  std::int32_t ColorScheme_ = 0;
  bool ShowFocusRect_ = false;
  std::uint32_t BackColor_ = 0;
  std::uint32_t BackOver_ = 0;
  std::uint32_t ForeColor_ = 0;
  std::uint32_t ForeOver_ = 0;
  std::uint32_t MaskColor_ = 0;
  std::int16_t MousePointer_ = 0;
  PicturePtr MouseIcon_;
  PicturePtr PictureNormal_;
  PicturePtr PictureOver_;
  bool UseMaskColor_ = false;
  bool SoftBevel_ = false;
  std::int32_t PicturePosition_ = 0;
  bool UseGreyscale_ = false;
  std::int32_t SpecialEffect_ = 0;
  bool CheckBoxBehaviour_ = false;
  bool Value_ = false;
  std::int16_t ImageIndex_ = 0;
  bool HandFlag_ = false;

  // Private state shared by painting and input.
  std::uint8_t PressedButton_ = 0;
  std::uint8_t LastKeyDown_ = 0;
  bool HasFocus_ = false;
  bool Hovering_ = false;
  std::uint8_t PaintedState_ = StateNormal;
  std::string PaintedCaption_;
  bool PaintingAllowed_ = false;
  bool CapturingBackground_ = false;
  std::int32_t ClientWidth_ = 0;
  std::int32_t ClientHeight_ = 0;
  Rect InnerRect_;
  RegionShape WindowRegion_;
  std::unique_ptr<Canvas> BackgroundDC_;
  char AccessKey_ = '\0';
  std::unique_ptr<Timer> OverTimer_;

  // Colour cache and layout.
  SchemeColors colors_;
  Rect CaptionRect_;
  Rect PressedCaptionRect_;
  std::int32_t CaptionWidth_ = 0;
  std::int32_t CaptionHeight_ = 0;
  std::int32_t PictureWidth_ = 0;
  std::int32_t PictureHeight_ = 0;
  std::int32_t PictureLeft_ = 0;
  std::int32_t PictureTop_ = 0;
  std::uint8_t LastCaptionStyle_ = 0;

  // The surface being drawn on, only while paint() runs.
  Canvas* canvas_ = nullptr;
};

}  // namespace vorlane
