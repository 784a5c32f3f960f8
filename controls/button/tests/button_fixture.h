#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "controls/button/button_site.h"
#include "controls/button/xp_button.h"
#include "host/canvas/pixel_canvas.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {

// XP's default ("Luna") system colours, but a dark red text; 0 for any other index.
inline Color luna(std::int32_t index) {
  const std::map<std::int32_t, Color> kLuna = {{13, 0x6A240A}, {15, 0xD8E9EC}, {16, 0x99A8AC},
                                               {18, 0x000080}, {20, 0xFFFFFF}, {21, 0x646F71},
                                               {22, 0xE2EFF1}};
  return kLuna.count(index) != 0 ? kLuna.at(index) : 0;
}

// A site in memory: the button draws onto a PixelCanvas; what it asks goes into `log`.
class FakeButtonSite final : public ButtonSite {
 public:
  Rect clientRect() const override { return {0, 0, canvas->width(), canvas->height()}; }
  void redrawNow() override {
    note("draw");
    canvas->clearTextCalls();
    button->paint(*canvas);
  }
  void refreshSurface() override { note("refresh"); }
  void setWindowRegion(const RegionShape& shape) override { region = shape; }
  void setSurfaceEnabled(bool) override {}
  void setWindowText(const std::string& text) override { windowText = text; }
  const TextMeasurer& textMeasurer() const override {
    return measurer != nullptr ? *measurer : fixedMeasurer_;
  }
  std::int32_t dotsPerInch() const override { return 96; }
  std::string displayName() const override { return "VelkXPButton1"; }
  bool displayAsDefault() const override { return isDefault; }
  void propertyChanged(std::string_view property) override {
    note("notify:" + std::string(property));
  }
  PicturePtr resolvePicture(const std::string& reference) const override {
    return reference == "res:apply" ? picture : nullptr;
  }
  Color systemColor(std::int32_t index) const override { return systemColors(index); }
  ParentColors parentColors() const override { return parent; }
  bool isMouseInside() const override { return mouseInside; }
  void captureMouse() override { note("capture"); }
  void sendKeystroke(KeystrokeSender::Keystroke key) override {
    note(key == KeystrokeSender::Keystroke::kTab ? "Tab" : "ShiftTab");
  }
  TimerService& timers() override { return timers_; }
  std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t w, std::int32_t h) override {
    return std::make_unique<PixelCanvas>(w, h);
  }
  // What lies behind a see-through button: diagonal stripes.
  void captureBehind(Canvas* background, std::int32_t width, std::int32_t height) override {
    note("behind");
    if (background != nullptr) {
      background->fillRect({0, 0, width, height}, 0xF4F4F4);
      for (int x = -height; x < width; x += 6) {
        background->line(x, 0, x + height, height, 0xE0C8A8);
      }
    }
  }

  std::unique_ptr<PixelCanvas> canvas = std::make_unique<PixelCanvas>(75, 23);
  VelkXPButton* button = nullptr;
  std::string log;
  void note(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
  std::string windowText;
  SystemColors systemColors = luna;
  ParentColors parent{0x00FFFF, 0x800000};
  RegionShape region;
  bool isDefault = false;
  bool mouseInside = false;
  PicturePtr picture;
  const TextMeasurer* measurer = nullptr;  // null: a fixed width per character
  FakeTimerService timers_;

 private:
  FixedTextMeasurer fixedMeasurer_;
};

// The five looks a button is drawn in by the golden sheets and the GDI comparison.
enum class Look { kNormal, kHover, kPressed, kDisabled, kFocused };
inline constexpr Look kAllLooks[] = {Look::kNormal, Look::kHover, Look::kPressed, Look::kDisabled,
                                     Look::kFocused};

// Puts a shown button into `look` through the input a user would give it.
inline void putInLook(VelkXPButton& button, Look look) {
  if (look == Look::kHover || look == Look::kPressed) {
    button.input().onMouseMove(0, 0, 5, 5);
  }
  if (look == Look::kPressed) {
    button.input().onMouseDown(1, 0, 5, 5);
  }
  if (look == Look::kDisabled) {
    button.setEnabled(false);
  }
  if (look == Look::kFocused) {
    button.input().onFocus(true);
  }
}

// A fresh button, created, laid out and shown as a form does it.
class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { create(); }

  void create() {
    button.reset();
    site = std::make_unique<FakeButtonSite>();
    button = std::make_unique<VelkXPButton>(*site);
    site->button = button.get();
    button->InitProperties();
    button->Resize();
    button->Show();
    site->log.clear();
  }

  std::unique_ptr<FakeButtonSite> site;
  std::unique_ptr<VelkXPButton> button;
};

}  // namespace vorlane::testing
