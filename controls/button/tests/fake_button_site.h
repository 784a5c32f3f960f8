#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_site.h"
#include "controls/button/xp_button.h"
#include "host/canvas/pixel_canvas.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {

// A button site in memory: the button draws onto a PixelCanvas of the client
// size, and everything the button asks of its window is recorded in `log`.
class FakeButtonSite final : public ButtonSite {
 public:
  // XP's default ("Luna") system colours.
  static constexpr Color kBtnFace = 0xD8E9EC;
  static constexpr Color kBtnText = 0x000000;
  static constexpr Color kBtnShadow = 0x99A8AC;
  static constexpr Color kBtnHighlight = 0xFFFFFF;
  static constexpr Color k3dDkShadow = 0x646F71;
  static constexpr Color k3dLight = 0xE2EFF1;
  static constexpr Color kHighlight = 0x6A240A;

  FakeButtonSite(std::int32_t width, std::int32_t height);

  void attach(VelkXPButton* button) { button_ = button; }
  void resize(std::int32_t width, std::int32_t height);
  PixelCanvas& canvas() { return *canvas_; }
  Color at(std::int32_t x, std::int32_t y) const { return canvas_->at(x, y); }

  Rect clientRect() const override { return {0, 0, width_, height_}; }
  void redrawNow() override;
  void refreshSurface() override { log.push_back("refresh"); }
  void setWindowRegion(const RegionShape& shape) override {
    region = shape;
    log.push_back("region");
  }
  void setSurfaceEnabled(bool enabled) override { surfaceEnabled = enabled; }
  void setWindowText(const std::string& text) override { windowText = text; }
  std::string displayName() const override { return "VelkXPButton1"; }
  bool displayAsDefault() const override { return isDefault; }
  void propertyChanged(std::string_view property) override {
    log.push_back("notify:" + std::string(property));
  }
  PicturePtr resolvePicture(const std::string& reference) const override;
  Color systemColor(std::int32_t index) const override;
  ParentColors parentColors() const override { return parent; }
  const TextMeasurer& textMeasurer() const override { return measurer_; }
  std::int32_t dotsPerInch() const override { return 96; }
  bool isMouseInside() const override { return mouseInside; }
  void captureMouse() override { log.push_back("capture"); }
  void sendKeystroke(KeystrokeSender::Keystroke keystroke) override {
    log.push_back(keystroke == KeystrokeSender::Keystroke::kTab ? "key:Tab" : "key:ShiftTab");
  }
  TimerService& timers() override { return timers_; }
  std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t width, std::int32_t height) override {
    return std::make_unique<PixelCanvas>(width, height);
  }
  void captureBehind(Canvas* background, std::int32_t width, std::int32_t height) override;

  FakeTimerService& fakeTimers() { return timers_; }
  int draws() const { return draws_; }

  std::vector<std::string> log;
  RegionShape region;
  bool surfaceEnabled = true;
  std::string windowText;
  bool isDefault = false;
  bool mouseInside = false;
  ParentColors parent{0x00FFFF, 0x800000};
  Color behind = 0x336699;
  std::map<std::string, PicturePtr> pictures;

 private:
  std::int32_t width_;
  std::int32_t height_;
  std::unique_ptr<PixelCanvas> canvas_;
  VelkXPButton* button_ = nullptr;
  FixedTextMeasurer measurer_;
  FakeTimerService timers_;
  int draws_ = 0;
};

}  // namespace vorlane::testing
