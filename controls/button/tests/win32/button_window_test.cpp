// The push button in real windows: GDI and the in-memory canvas agree pixel for pixel
// and painting frees its GDI objects; real mouse input and a form's access key
// dispatch (the space key and Alt+key by keyboard are the FirstUse scenario's).

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdlib>

#include "controls/button/tests/sheets.h"
#include "controls/button/win32/xp_button_window.h"
#include "host/canvas/image_file.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/form.h"
#include "host/win32/handles.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"

namespace vorlane::testing {
namespace {

TEST_F(ButtonTest, GdiAndPixelCanvasAgree) {
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int i = 2; i < 14; ++i) {
    pixels.set(i, i, 0x0000FF), pixels.set(15 - i, i, 0x202020), pixels.set(i, 8, 0xF0F0F0);
  }
  std::vector<bool> opaque(16 * 16, false);
  std::fill(opaque.begin() + 48, opaque.begin() + 208, true);
  const PicturePtr bitmap = Picture::bitmap(pixels), icon = Picture::icon(pixels, opaque);
  const win32::WindowDc screen(nullptr);
  // On the System scheme only: the default button, and pictures plain and greyscale.
  const PicturePtr pictures[] = {nullptr, nullptr, bitmap, bitmap, icon, icon};
  // The first type's paintings keep the pictures' GDI copies; later ones add none.
  int live = 0;
  for (int type = 1; type <= 14; ++type) {
    live = type == 2 ? win32::liveGdiObjects() : live;
    for (int scheme = 1; scheme <= 4; ++scheme) {
      for (const Look look : kAllLooks) {
        for (int variant = 0; variant < (scheme == 1 ? 6 : 1); ++variant) {
          const bool greyscale = variant > 1 && variant % 2 == 1;
          create();
          site->isDefault = variant == 1;
          button->setCaption("");
          button->setButtonType(ButtonType{type});
          button->setColorScheme(ColorScheme{scheme});
          button->setBackColor(0x40C0F0);
          button->setBackOver(0x90E0A0);
          button->setPictureNormal(pictures[variant]);
          button->setUseGreyscale(greyscale);
          button->setUseMaskColor(!greyscale);
          button->setSpecialEffect(greyscale ? SpecialEffect::kSunken : SpecialEffect::kNone);
          site->mouseInside = look == Look::kHover || look == Look::kPressed;
          putInLook(*button, look);
          win32::GdiMemoryCanvas gdi(screen.get(), 75, 23);
          button->paint(gdi);
          const Pixels24 real = gdi.readPixels(0, 0, 75, 23);
          int differences = 0;
          for (int i = 0; i < 75 * 23; ++i) {
            const int x = i % 75, y = i / 75;
            // Ellipse rasterisers may differ by a pixel along the oval's curve.
            const double radius = std::hypot((x + 0.5) / 37.5 - 1, (y + 0.5) / 11.5 - 1);
            differences += real.at(x, y) != site->canvas->at(x, y) &&
                           !(type == 13 && radius > 0.7 && radius < 1.3);
          }
          EXPECT_EQ(differences, 0) << "type " << type << " scheme " << scheme << " look "
                                    << static_cast<int>(look) << " variant " << variant;
        }
      }
    }
  }
  EXPECT_EQ(win32::liveGdiObjects(), live);
}

// The README's gallery: the golden sheets drawn with GDI and real captions,
// written into the folder VORLANE_GALLERY names (tools/run.sh's tour sets it).
TEST(ButtonGallery, DrawsTheSheetsWithRealCaptions) {
  const char* folder = std::getenv("VORLANE_GALLERY");
  if (folder == nullptr) {
    GTEST_SKIP() << "VORLANE_GALLERY names no folder";
  }
  const win32::GdiTextMeasurer measurer;
  const win32::WindowDc screen(nullptr);
  const SheetSurface gdi{[&](VelkXPButton& button, int width, int height) {
                           win32::GdiMemoryCanvas canvas(screen.get(), width, height);
                           button.paint(canvas);
                           return canvas.readPixels(0, 0, width, height);
                         },
                         &measurer};
  EXPECT_TRUE(
      writeImageFile(std::string(folder) + "/buttons.png", buttonSheet({1, 2, 3, 4}, false, gdi)));
  EXPECT_TRUE(writeImageFile(std::string(folder) + "/button-pictures.png", pictureSheet(gdi)));
}

TEST(ButtonInputTest, HoverClickAndAccessKey) {
  // Real input moves the desktop's one mouse: window tests run in parallel wait.
  win32::testing::DesktopLock desktop;
  win32::Form form{{"Button test", 4500, 3000, RGB(0, 0, 0), true}};
  FakeTimerService timers;
  win32::Win32TimerService guardTimers;
  win32::Win32MessagePump pump;
  win32::Win32KeystrokeSender keystrokes;
  form.show();
  win32::XpButtonWindow window(form, {600, 750, 1500, 450}, timers, pump, keystrokes);
  VelkXPButton& button = window.button();
  button.setCaption("Ap&ply");
  int overs = 0, outs = 0, clicks = 0;
  window.events().MouseOver = [&] { ++overs; };
  window.events().MOUSEOUT = [&] { ++outs; };
  window.events().Click = [&] { ++clicks; };
  const auto serveUntil = [&](const std::function<bool()>& done) {
    win32::testing::waitFor(guardTimers, pump, done);
  };
  const auto moveTo = [&](HWND over, LONG x, LONG y) {
    POINT to{x, y};
    ::ClientToScreen(over, &to);
    ::mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                  to.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1),
                  to.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1), 0, 0);
    serveUntil([to] {
      POINT cursor{};
      return ::GetCursorPos(&cursor) && cursor.x == to.x && cursor.y == to.y;
    });
    pump.pumpOnce();
  };
  pump.pumpOnce();
  moveTo(form.handle(), 250, 180);
  moveTo(window.hwnd(), 50, 15);
  serveUntil([&] { return overs == 1; });
  ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  serveUntil([&] { return clicks == 1; });
  EXPECT_EQ(::GetFocus(), window.hwnd());
  EXPECT_TRUE(button.HasFocus() && button.Hovering());
  moveTo(form.handle(), 250, 180);
  timers.advance(10);  // a turn of the hover poll
  EXPECT_EQ(std::make_pair(overs, outs), std::make_pair(1, 1));
  EXPECT_FALSE(button.Hovering());

  EXPECT_TRUE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'P'));
  EXPECT_EQ(clicks, 2);
  ::SendMessage(window.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
  button.setEnabled(false);
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'p'));
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace vorlane::testing
