#include "controls/progressbar/win32/progressbar_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "controls/progressbar/pixel_surface.h"
#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/win32/artwork_bitmaps.h"
#include "host/win32/handles.h"

namespace vorlane::progressbar::win32 {
namespace {

using testing::RecordingMessageBox;
using vorlane::win32::SelectGuard;
using vorlane::win32::UniqueMemoryDc;
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

UniqueWindow popup(int x, int y, int width, int height) {
  return UniqueWindow(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, x, y, width, height,
                                        nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

// Reads `width` x `height` pixels that `draw` puts into a memory DC.
PixelImage capture(int width, int height, const std::function<void(HDC)>& draw) {
  void* bits = nullptr;
  const auto bitmap = createPixelBitmap(width, height, &bits);
  const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  PixelImage image(width, height, 0);
  if (!bitmap || !dc || bits == nullptr) {
    ADD_FAILURE() << "no capture bitmap";
    return image;
  }
  {
    const SelectGuard selected(dc.get(), bitmap.get());
    draw(dc.get());
    ::GdiFlush();
    std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(Rgb));
  }
  for (Rgb& pixel : image.pixels) {
    pixel &= 0x00FFFFFF;
  }
  return image;
}

PixelImage printClient(HWND window, int width, int height) {
  return capture(width, height, [window](HDC dc) {
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

PixelImage fromScreen(HWND window, int width, int height) {
  return capture(width, height, [window, width, height](HDC dc) {
    const WindowDc screen(window);
    ::BitBlt(dc, 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  });
}

// The number of pixels that differ, with the first one described.
::testing::AssertionResult samePixels(const PixelImage& actual, const PixelImage& expected) {
  if (actual.width != expected.width || actual.height != expected.height) {
    return ::testing::AssertionFailure() << "sizes differ";
  }
  int differ = 0;
  int firstX = -1;
  int firstY = -1;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      if (actual.at(x, y) != expected.at(x, y)) {
        if (differ++ == 0) {
          firstX = x;
          firstY = y;
        }
      }
    }
  }
  if (differ == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << differ << " pixels differ, first at " << firstX << "," << firstY << ": " << std::hex
         << actual.at(firstX, firstY) << " instead of " << expected.at(firstX, firstY);
}

// The window and the portable bar on a PixelSurface, driven alike.
class BarPair {
 public:
  BarPair(HWND parent, int width, int height, const PropertyBag& properties)
      : width_(width),
        height_(height),
        window_(std::make_unique<ProgressBarWindow>(parent, 10, 10, width, height, messages_,
                                                    properties)),
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
    auto fromSurface = samePixels(window_->surface().pixels(), surface_.image());
    if (!fromSurface) {
      return fromSurface << " (off-screen surface)";
    }
    auto printed = samePixels(printClient(window_->handle(), width_, height_), surface_.image());
    if (!printed) {
      return printed << " (WM_PRINTCLIENT)";
    }
    return ::testing::AssertionSuccess();
  }
  ProgressBarWindow& window() { return *window_; }
  const PixelImage& expected() const { return surface_.image(); }
  RecordingMessageBox& messages() { return messages_; }

 private:
  int width_;
  int height_;
  RecordingMessageBox messages_;
  RecordingMessageBox portableMessages_;
  std::unique_ptr<ProgressBarWindow> window_;
  PixelSurface surface_;
  Xp_ProgressBar portable_;
};

class ProgressBarWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(parent_); }
  UniqueWindow parent_ = popup(100, 100, 400, 120);
};

TEST_F(ProgressBarWindowTest, IsAChildWindowOfItsOwnClass) {
  BarPair pair(parent_.get(), 97, 17, PropertyBag());
  char name[64] = {};
  ::GetClassNameA(pair.window().handle(), name, sizeof name);
  EXPECT_STREQ(name, "Xp_ProgressBar");
  EXPECT_EQ(::GetParent(pair.window().handle()), parent_.get());
  RECT client = {};
  ::GetClientRect(pair.window().handle(), &client);
  EXPECT_EQ(client.right, 97);
  EXPECT_EQ(client.bottom, 17);
  EXPECT_EQ(pair.window().bar().activeSkin(), 0) << "the default skin is loaded";
}

TEST_F(ProgressBarWindowTest, FrameMatchesThePortablePainter) {
  BarPair pair(parent_.get(), 97, 17, PropertyBag());
  EXPECT_TRUE(pair.windowMatches());
}

TEST_F(ProgressBarWindowTest, BlocksOfEverySkinMatchThePortablePainter) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    PropertyBag properties;
    properties.writeInt("ProgressLook", skin, 0);
    BarPair pair(parent_.get(), 100, 17, properties);
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
  BarPair pair(parent_.get(), 103, 23, properties);
  for (int step = 0; step < 45; ++step) {
    pair.change([step](Xp_ProgressBar& bar) { bar.setValue(step % 2); });
    ASSERT_TRUE(pair.windowMatches()) << "step " << step;
  }
  pair.change([](Xp_ProgressBar& bar) { bar.setValue(100); });
  EXPECT_TRUE(pair.windowMatches());
}

TEST_F(ProgressBarWindowTest, ResizingRedrawsTheEmptyBar) {
  BarPair pair(parent_.get(), 100, 17, PropertyBag());
  pair.change([](Xp_ProgressBar& bar) { bar.setValue(30); });
  ::SetWindowPos(pair.window().handle(), nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
  PixelSurface expected(150, 20);
  RecordingMessageBox messages;
  Xp_ProgressBar portable(expected, messages);
  portable.ReadProperties(PropertyBag());
  portable.Resize(150, 20);
  EXPECT_TRUE(samePixels(pair.window().surface().pixels(), expected.image()));
}

TEST_F(ProgressBarWindowTest, DrawingSurvivesBeingCoveredAndUncovered) {
  BarPair pair(parent_.get(), 100, 17, PropertyBag());
  for (int value = 1; value <= 60; ++value) {
    pair.change([value](Xp_ProgressBar& bar) { bar.setValue(value); });
  }
  ::UpdateWindow(pair.window().handle());
  pumpMessages();
  {
    const UniqueWindow cover = popup(90, 90, 200, 60);
    ASSERT_TRUE(cover);
    ::UpdateWindow(cover.get());
    pumpMessages();
  }
  ::UpdateWindow(parent_.get());
  ::UpdateWindow(pair.window().handle());
  pumpMessages();
  EXPECT_TRUE(samePixels(fromScreen(pair.window().handle(), 100, 17), pair.expected()));
  // A repaint with the background erased puts the same drawing back.
  ::RedrawWindow(pair.window().handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(samePixels(fromScreen(pair.window().handle(), 100, 17), pair.expected()));
}

TEST_F(ProgressBarWindowTest, RejectedValueAsksTheMessageBoxAndDrawsNothing) {
  BarPair pair(parent_.get(), 100, 17, PropertyBag());
  const PixelImage before = pair.window().surface().pixels();
  pair.window().bar().setValue(101);
  ASSERT_EQ(pair.messages().shown.size(), 1U);
  EXPECT_EQ(pair.messages().shown[0].text, "Value can NOT be higher than Maximum !");
  EXPECT_EQ(pair.messages().shown[0].title, "Error");
  EXPECT_TRUE(samePixels(pair.window().surface().pixels(), before));
}

TEST_F(ProgressBarWindowTest, LeavesNoGdiObjectBehind) {
  // GetGuiResources counts on Windows; Wine reports 0, so the objects a bar
  // holds are also checked one by one after it has gone.
  const auto gdiObjects = [] { return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); };
  {
    // Warm up: classes, stock objects and caches the system makes once.
    BarPair warm(parent_.get(), 100, 17, PropertyBag());
    warm.change([](Xp_ProgressBar& bar) { bar.setValue(50); });
  }
  const DWORD before = gdiObjects();
  std::vector<HGDIOBJ> held;
  for (int round = 0; round < 5; ++round) {
    BarPair pair(parent_.get(), 100 + round, 17, PropertyBag());
    for (int value = 1; value <= 100; value += 3) {
      pair.change([value](Xp_ProgressBar& bar) { bar.setValue(value); });
    }
    ::SetWindowPos(pair.window().handle(), nullptr, 0, 0, 120, 19, SWP_NOMOVE | SWP_NOZORDER);
    printClient(pair.window().handle(), 120, 19);
    pumpMessages();
    held = pair.window().surface().objects();
    ASSERT_EQ(held.size(), 28U);
    for (const HGDIOBJ object : held) {
      ASSERT_NE(::GetObjectType(object), 0U);
    }
  }
  EXPECT_EQ(gdiObjects(), before);
  for (const HGDIOBJ object : held) {
    EXPECT_EQ(::GetObjectType(object), 0U);
  }
}

}  // namespace
}  // namespace vorlane::progressbar::win32
