#include "controls/progressbar/win32/progressbar_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/tests/progressbar_test_support.h"
#include "host/canvas/pixel_canvas.h"
#include "host/win32/form.h"

// The real window against the portable painter on a PixelCanvas, driven alike:
// what GDI draws off-screen, what WM_PRINTCLIENT and the screen show must be
// the same pixels.
namespace vorlane::progressbar::win32 {
namespace {

using testing::RecordingMessageBox;
using vorlane::win32::Dpi;
using vorlane::win32::Form;
using vorlane::win32::FormOptions;
using vorlane::win32::GdiMemoryCanvas;
using vorlane::win32::UniqueWindow;
using vorlane::win32::WindowDc;

// Lets the windows handle what is pending (paints above all).
void pumpMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

double twipsX(int pixels) { return pixels * 1440.0 / Dpi::screen().x; }
double twipsY(int pixels) { return pixels * 1440.0 / Dpi::screen().y; }

// Reads `width` x `height` pixels that `draw` puts into a memory canvas.
Pixels24 capture(int width, int height, const std::function<void(HDC)>& draw) {
  const WindowDc screen(nullptr);
  GdiMemoryCanvas canvas(screen.get(), width, height);
  draw(canvas.dc());
  return canvas.readPixels(0, 0, width, height);
}

Pixels24 printClient(HWND window, int width, int height) {
  return capture(width, height, [window](HDC dc) {
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

Pixels24 fromScreen(HWND window, int width, int height) {
  return capture(width, height, [window, width, height](HDC dc) {
    const WindowDc screen(window);
    ::BitBlt(dc, 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  });
}

// The number of pixels that differ, with the first one described.
::testing::AssertionResult samePixels(const Pixels24& actual, const Pixels24& expected) {
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    return ::testing::AssertionFailure() << "sizes differ";
  }
  int differ = 0;
  ::testing::Message first;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.at(x, y) != expected.at(x, y) && differ++ == 0) {
        first << x << "," << y << ": " << std::hex << actual.at(x, y) << " instead of "
              << expected.at(x, y);
      }
    }
  }
  if (differ == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << differ << " pixels differ, first at " << first;
}

class BarPair {
 public:
  BarPair(Form& form, int width, int height, const PropertyBag& properties)
      : width_(width),
        height_(height),
        window_(std::make_unique<ProgressBarWindow>(
            form, TwipsRect{150, 150, twipsX(width), twipsY(height)}, messages_,
            ProgressBarOptions{&properties})),
        surface_(width, height),
        portable_(surface_, portableMessages_) {
    portable_.ReadProperties(properties);
    portable_.Resize(width, height);
  }
  template <typename Change>
  void change(Change apply) {
    apply(window_->bar());
    apply(portable_);
  }
  ::testing::AssertionResult windowMatches() {
    auto offScreen = samePixels(window_->pixels(), surface_.pixels());
    if (!offScreen) {
      return offScreen << " (off-screen canvas)";
    }
    auto printed = samePixels(printClient(window_->handle(), width_, height_), surface_.pixels());
    if (!printed) {
      return printed << " (WM_PRINTCLIENT)";
    }
    return ::testing::AssertionSuccess();
  }
  ProgressBarWindow& window() { return *window_; }
  const Pixels24& expected() const { return surface_.pixels(); }
  RecordingMessageBox& messages() { return messages_; }

 private:
  int width_;
  int height_;
  RecordingMessageBox messages_;
  RecordingMessageBox portableMessages_;
  std::unique_ptr<ProgressBarWindow> window_;
  PixelCanvas surface_;
  Xp_ProgressBar portable_;
};

FormOptions parentOptions() {
  FormOptions options;
  options.caption = "bar test";
  options.clientWidth = twipsX(400);
  options.clientHeight = twipsY(120);
  return options;
}

class ProgressBarWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(form_.handle(), nullptr);
    form_.show();
  }
  Form form_{parentOptions()};
};

TEST_F(ProgressBarWindowTest, IsAControlOfItsOwnClassPlacedInTwips) {
  BarPair pair(form_, 97, 17, PropertyBag());
  char name[64] = {};
  ::GetClassNameA(pair.window().handle(), name, sizeof name);
  EXPECT_STREQ(name, "Xp_ProgressBar");
  EXPECT_EQ(::GetParent(pair.window().handle()), form_.handle());
  RECT box{};
  ::GetWindowRect(pair.window().handle(), &box);
  ::MapWindowPoints(nullptr, form_.handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, Dpi::screen().toPixelsX(150));
  EXPECT_EQ(box.right - box.left, 97);
  EXPECT_EQ(box.bottom - box.top, 17);
  EXPECT_EQ(pair.window().bar().activeSkin(), 0) << "the default skin is loaded";
  EXPECT_TRUE(pair.windowMatches()) << "the frame";
}

TEST_F(ProgressBarWindowTest, BlocksOfEverySkinMatchThePortablePainter) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    PropertyBag properties;
    properties.writeInt("ProgressLook", skin, 0);
    BarPair pair(form_, 100, 17, properties);
    for (int value = 1; value <= 100; ++value) {
      pair.change([value](Xp_ProgressBar& bar) { bar.setValue(value); });
      if (value % 10 == 5 || value == 100) {
        ASSERT_TRUE(pair.windowMatches()) << "skin " << skin << " value " << value;
      }
    }
  }
}

TEST_F(ProgressBarWindowTest, MovingGroupMatchesThePortablePainter) {
  PropertyBag properties;
  properties.writeInt("Style", 1, 0);
  properties.writeInt("ProgressLook", 6, 0);
  BarPair pair(form_, 103, 23, properties);
  for (int step = 0; step < 45; ++step) {
    pair.change([step](Xp_ProgressBar& bar) { bar.setValue(step % 2); });
    ASSERT_TRUE(pair.windowMatches()) << "step " << step;
  }
  pair.change([](Xp_ProgressBar& bar) { bar.setValue(100); });
  EXPECT_TRUE(pair.windowMatches());
  // A resize draws the frame and the empty bar at the new size.
  ::SetWindowPos(pair.window().handle(), nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
  PixelCanvas resized(150, 20);
  Xp_ProgressBar portable(resized, pair.messages());
  portable.ReadProperties(properties);
  portable.Resize(150, 20);
  EXPECT_TRUE(samePixels(pair.window().pixels(), resized.pixels()));
}

TEST_F(ProgressBarWindowTest, DrawingSurvivesBeingCoveredAndUncovered) {
  BarPair pair(form_, 100, 17, PropertyBag());
  for (int value = 1; value <= 60; ++value) {
    pair.change([value](Xp_ProgressBar& bar) { bar.setValue(value); });
  }
  ::UpdateWindow(pair.window().handle());
  pumpMessages();
  RECT bar{};
  ::GetWindowRect(pair.window().handle(), &bar);
  {
    const UniqueWindow cover(::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE,
                                               bar.left - 10, bar.top - 10, 200, 60, nullptr,
                                               nullptr, ::GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(cover);
    ::UpdateWindow(cover.get());
    pumpMessages();
  }
  ::UpdateWindow(form_.handle());
  ::UpdateWindow(pair.window().handle());
  pumpMessages();
  EXPECT_TRUE(samePixels(fromScreen(pair.window().handle(), 100, 17), pair.expected()));
  // A repaint with the background erased puts the same drawing back.
  ::RedrawWindow(pair.window().handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(samePixels(fromScreen(pair.window().handle(), 100, 17), pair.expected()));
}

TEST_F(ProgressBarWindowTest, LeavesNoGdiObjectBehind) {
  {
    // Warm up: the artwork's bitmaps are made on first use and kept.
    BarPair warm(form_, 100, 17, PropertyBag());
    warm.change([](Xp_ProgressBar& bar) { bar.setValue(50); });
  }
  const int before = vorlane::win32::liveGdiObjects();
  for (int round = 0; round < 5; ++round) {
    BarPair pair(form_, 100 + round, 17, PropertyBag());
    for (int value = 1; value <= 100; value += 3) {
      pair.change([value](Xp_ProgressBar& bar) { bar.setValue(value); });
    }
    ::SetWindowPos(pair.window().handle(), nullptr, 0, 0, 120, 19, SWP_NOMOVE | SWP_NOZORDER);
    printClient(pair.window().handle(), 120, 19);
    pumpMessages();
    EXPECT_GT(vorlane::win32::liveGdiObjects(), before) << "the off-screen canvas";
  }
  EXPECT_EQ(vorlane::win32::liveGdiObjects(), before);
}

}  // namespace
}  // namespace vorlane::progressbar::win32
