#include "controls/progressbar/win32/progressbar_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "controls/progressbar/artwork.h"
#include "host/canvas/pixel_canvas.h"
#include "host/win32/form.h"

namespace vorlane::progressbar::win32 {
namespace {

namespace host = vorlane::win32;

double twipsX(int pixels) { return pixels * 1440.0 / host::Dpi::screen().x; }
double twipsY(int pixels) { return pixels * 1440.0 / host::Dpi::screen().y; }

bool same(const Pixels24& a, const Pixels24& b) {
  return a.size() == b.size() && std::equal(a.data(), a.data() + a.size(), b.data());
}

// The bar in its window and the portable bar on a PixelCanvas, given the same values.
struct BarPair final : ModalMessageBox {
  BarPair(host::Form& form, int width, int height, const PropertyBag& properties = {})
      : window(form, {150, 150, twipsX(width), twipsY(height)}, *this, properties),
        surface(width, height) {
    portable.ReadProperties(properties);
    portable.Resize(width, height);
  }
  void showStop(const std::string&, const std::string&) override {}
  // Off-screen, through WM_PRINTCLIENT and on the screen after an erasing repaint.
  bool matches() const {
    ::RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const int width = surface.width(), height = surface.height();
    const host::WindowDc screen(nullptr), client(window.handle());
    host::GdiMemoryCanvas printed(screen.get(), width, height), shown(screen.get(), width, height);
    ::SendMessageA(window.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()),
                   PRF_CLIENT);
    ::BitBlt(shown.dc(), 0, 0, width, height, client.get(), 0, 0, SRCCOPY);
    return same(window.pixels(), surface.pixels()) &&
           same(printed.readPixels(0, 0, width, height), surface.pixels()) &&
           same(shown.readPixels(0, 0, width, height), surface.pixels());
  }

  ProgressBarWindow window;
  PixelCanvas surface;
  Xp_ProgressBar portable{surface, *this};
};

// The second round of skins leaves no GDI object behind.
TEST(ProgressBarWindow, DrawsAsThePortableBarOverEverySkin) {
  host::Form form{{"bar test", twipsX(400), twipsY(120)}};
  form.show();
  int live = 0;
  for (int round = 0; round < 2; ++round) {
    for (int skin = 0; skin < kSkinCount; ++skin) {
      PropertyBag properties;
      properties.writeInt("ProgressLook", skin, 0);
      properties.writeInt("Style", skin % 2, 0);
      BarPair pair(form, 103, 17 + skin, properties);
      for (int value = 1; value <= 100; ++value) {
        pair.window.bar().setValue(skin % 2 == 0 ? value : value % 2);
        pair.portable.setValue(pair.window.bar().Value());
        if (value % 10 == 5 || value == 100) {
          ASSERT_TRUE(pair.matches()) << "skin " << skin << " value " << value;
        }
      }
    }
    EXPECT_TRUE(round == 0 || host::liveGdiObjects() == live);
    live = host::liveGdiObjects();
  }
  BarPair pair(form, 97, 17);
  ::SetWindowPos(pair.window.handle(), nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(same(pair.window.pixels(), BarPair(form, 150, 20).surface.pixels()));
}

}  // namespace
}  // namespace vorlane::progressbar::win32
