#include "controls/progressbar/win32/progressbar_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "controls/progressbar/artwork.h"
#include "host/canvas/pixel_canvas.h"
#include "host/win32/form.h"

// The real window against the portable bar on a PixelCanvas, driven alike:
// what GDI draws off-screen, what WM_PRINTCLIENT and the screen show must be
// the same pixels.
namespace vorlane::progressbar::win32 {
namespace {

using vorlane::win32::Dpi;
using vorlane::win32::liveGdiObjects;

double twipsX(int pixels) { return pixels * 1440.0 / Dpi::screen().x; }
double twipsY(int pixels) { return pixels * 1440.0 / Dpi::screen().y; }

struct SilentMessageBox final : ModalMessageBox {
  void showStop(const std::string&, const std::string&) override {}
};

bool same(const Pixels24& a, const Pixels24& b) {
  return a.size() == b.size() && std::equal(a.data(), a.data() + a.size(), b.data());
}

// A bar window and a portable bar read from the same properties.
struct BarPair {
  BarPair(vorlane::win32::Form& form, int width, int height, const PropertyBag& properties = {})
      : window(form, {150, 150, twipsX(width), twipsY(height)}, messages, {&properties}),
        surface(width, height) {
    portable.ReadProperties(properties);
    portable.Resize(width, height);
  }
  void setValue(int value) {
    window.bar().setValue(value);
    portable.setValue(value);
  }
  // The off-screen drawing, and the window's pixels printed with
  // WM_PRINTCLIENT or copied from the screen, against the portable bar.
  bool matches(bool fromScreen = false) const {
    const vorlane::win32::WindowDc screen(nullptr);
    const vorlane::win32::WindowDc client(window.handle());
    vorlane::win32::GdiMemoryCanvas canvas(screen.get(), surface.width(), surface.height());
    if (fromScreen) {
      ::BitBlt(canvas.dc(), 0, 0, surface.width(), surface.height(), client.get(), 0, 0, SRCCOPY);
    } else {
      ::SendMessageA(window.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                     PRF_CLIENT);
    }
    return same(window.pixels(), surface.pixels()) &&
           same(canvas.readPixels(0, 0, surface.width(), surface.height()), surface.pixels());
  }

  SilentMessageBox messages;
  ProgressBarWindow window;
  PixelCanvas surface;
  Xp_ProgressBar portable{surface, messages};
};

class ProgressBarWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { form_.show(); }
  vorlane::win32::Form form_{{"bar test", twipsX(400), twipsY(120)}};
};

TEST_F(ProgressBarWindowTest, AControlOfItsOwnClassDrawingAsThePortableBar) {
  BarPair frame(form_, 97, 17);
  char name[64] = {};
  ::GetClassNameA(frame.window.handle(), name, sizeof name);
  EXPECT_STREQ(name, "Xp_ProgressBar");
  RECT box{};
  ::GetWindowRect(frame.window.handle(), &box);
  ::MapWindowPoints(nullptr, form_.handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, Dpi::screen().toPixelsX(150));
  EXPECT_EQ(box.right - box.left, 97);
  EXPECT_TRUE(frame.matches());
  // The second round makes no new artwork: every GDI object goes with its bar.
  int live = 0;
  for (int round = 0; round < 2; ++round) {
    for (int skin = 0; skin < kSkinCount; ++skin) {
      PropertyBag properties;
      properties.writeInt("ProgressLook", skin, 0);
      properties.writeInt("Style", skin % 2, 0);
      BarPair pair(form_, 103, 17 + skin, properties);
      for (int value = 1; value <= 100; ++value) {
        pair.setValue(skin % 2 == 0 ? value : value % 2);
        if (value % 10 == 5 || value == 100) {
          ASSERT_TRUE(pair.matches()) << "skin " << skin << " value " << value;
        }
      }
    }
    EXPECT_TRUE(round == 0 || liveGdiObjects() == live);
    live = liveGdiObjects();
  }
  // A resize draws the frame and the empty bar at the new size.
  ::SetWindowPos(frame.window.handle(), nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(same(frame.window.pixels(), BarPair(form_, 150, 20).surface.pixels()));
}

// Painting copies the drawing kept off-screen, so it survives covering: a
// repaint with the background erased puts it back on the screen.
TEST_F(ProgressBarWindowTest, PaintingPutsTheDrawingBackOnTheScreen) {
  BarPair pair(form_, 100, 17);
  for (int value = 1; value <= 60; ++value) {
    pair.setValue(value);
  }
  ::RedrawWindow(pair.window.handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(pair.matches(true));
}

}  // namespace
}  // namespace vorlane::progressbar::win32
