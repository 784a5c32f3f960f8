// Windows tests of the push button with real GDI: the in-memory canvas and
// GDI agree pixel for pixel, real windows get the right outlines, painting
// leaks no GDI object.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "controls/button/gallery/looks.h"
#include "controls/button/tests/fake_button_site.h"
#include "controls/button/tests/win32/test_form.h"
#include "controls/button/win32/xp_button_window.h"
#include "host/canvas/pixel_canvas.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/handles.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {
namespace {

constexpr int kWidth = 75;
constexpr int kHeight = 23;

const char* lookName(Look look) {
  switch (look) {
    case Look::kNormal:
      return "normal";
    case Look::kHover:
      return "hover";
    case Look::kPressed:
      return "pressed";
    case Look::kDisabled:
      return "disabled";
    case Look::kFocused:
      return "focused";
  }
  return "";
}

struct Scene {
  std::unique_ptr<FakeButtonSite> site;
  std::unique_ptr<VelkXPButton> button;
};

Scene makeScene(ButtonType type, ColorScheme scheme, Look look, bool isDefault = false) {
  Scene scene;
  scene.site = std::make_unique<FakeButtonSite>(kWidth, kHeight);
  scene.button = std::make_unique<VelkXPButton>(*scene.site);
  scene.site->attach(scene.button.get());
  scene.site->isDefault = isDefault;
  VelkXPButton& button = *scene.button;
  button.InitProperties();
  button.setCaption("");
  button.setButtonType(type);
  button.setColorScheme(scheme);
  button.setBackColor(0x40C0F0);
  button.setBackOver(0x90E0A0);
  button.Resize();
  button.Show();
  // The button asks its site whether the pointer is inside while it hovers.
  scene.site->mouseInside = look == Look::kHover || look == Look::kPressed;
  putInLook(button, look);
  return scene;
}

// Pixels where the GDI drawing of the scene differs from the in-memory one.
std::string differences(Scene& scene, int* count, bool ovalOutlineAllowed) {
  const win32::WindowDc screen(nullptr);
  win32::GdiMemoryCanvas gdi(screen.get(), kWidth, kHeight);
  gdi.fillRect({0, 0, kWidth, kHeight}, 0x00FF00);
  scene.button->paint(gdi);
  const Pixels24 real = gdi.readPixels(0, 0, kWidth, kHeight);
  const Pixels24& memory = scene.site->canvas().pixels();
  std::ostringstream report;
  *count = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (real.at(x, y) == memory.at(x, y)) {
        continue;
      }
      if (ovalOutlineAllowed) {
        // Ellipse rasterisers may differ by a pixel along the curve.
        const double ox = (x + 0.5 - kWidth / 2.0) / (kWidth / 2.0);
        const double oy = (y + 0.5 - kHeight / 2.0) / (kHeight / 2.0);
        const double radius = std::sqrt(ox * ox + oy * oy);
        if (radius > 0.7 && radius < 1.3) {
          continue;
        }
      }
      if (++*count <= 8) {
        report << " (" << x << "," << y << ") gdi " << std::hex << real.at(x, y) << " memory "
               << memory.at(x, y) << std::dec;
      }
    }
  }
  return report.str();
}

TEST(ButtonGdi, GdiAndPixelCanvasAgreeOnEveryLook) {
  for (int type = 1; type <= 14; ++type) {
    for (int scheme = 1; scheme <= 4; ++scheme) {
      for (const Look look : kAllLooks) {
        Scene scene = makeScene(ButtonType{type}, ColorScheme{scheme}, look);
        int count = 0;
        const std::string report = differences(scene, &count, type == 13);
        EXPECT_EQ(count, 0) << "type " << type << " scheme " << scheme << " " << lookName(look)
                            << report;
      }
    }
  }
}

TEST(ButtonGdi, DefaultButtonLooksAgree) {
  for (const ButtonType type : {ButtonType::kClassic, ButtonType::kXP, ButtonType::kGradient}) {
    Scene scene = makeScene(type, ColorScheme::kSystem, Look::kNormal, true);
    int count = 0;
    const std::string report = differences(scene, &count, false);
    EXPECT_EQ(count, 0) << "type " << static_cast<int>(type) << report;
  }
}

TEST(ButtonGdi, PicturesAgree) {
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int i = 2; i < 14; ++i) {
    pixels.set(i, i, 0x0000FF);
    pixels.set(15 - i, i, 0x202020);
    pixels.set(i, 8, 0xF0F0F0);
  }
  std::vector<bool> opaque(16 * 16, false);
  for (int y = 3; y < 13; ++y) {
    for (int x = 3; x < 13; ++x) {
      opaque[static_cast<std::size_t>(y * 16 + x)] = true;
    }
  }
  const PicturePtr bitmap = Picture::bitmap(pixels);
  const PicturePtr icon = Picture::icon(pixels, opaque);
  for (const PicturePtr& picture : {bitmap, icon}) {
    for (const int type : {1, 3, 5, 9}) {
      for (const Look look : {Look::kNormal, Look::kHover, Look::kPressed, Look::kDisabled}) {
        for (const int effect : {0, 2}) {
          Scene scene = makeScene(ButtonType{type}, ColorScheme::kSystem, look);
          scene.button->setUseMaskColor(effect == 0);
          scene.button->setSpecialEffect(SpecialEffect{effect});
          scene.button->setPictureNormal(picture);
          scene.button->setUseGreyscale(effect == 2);
          int count = 0;
          const std::string report = differences(scene, &count, false);
          EXPECT_EQ(count, 0) << (picture == icon ? "icon" : "bitmap") << " type " << type << " "
                              << lookName(look) << " effect " << effect << report;
        }
      }
    }
  }
}

class ButtonWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { form.show(); }

  std::unique_ptr<win32::XpButtonWindow> makeButton(ButtonType type) {
    auto window = std::make_unique<win32::XpButtonWindow>(
        form, TwipsRect{300, 450, kWidth * 15.0, kHeight * 15.0}, timers, pump, keystrokes);
    window->button().setButtonType(type);
    pump.pumpOnce();
    return window;
  }

  win32::Form form{testFormOptions()};
  FakeTimerService timers;
  win32::Win32MessagePump pump;
  win32::Win32KeystrokeSender keystrokes;
};

bool inRegion(HWND window, int x, int y) {
  win32::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  if (::GetWindowRgn(window, region.get()) == ERROR) {
    return true;  // no region: the whole window
  }
  return ::PtInRegion(region.get(), x, y) != FALSE;
}

TEST_F(ButtonWindowTest, WindowRegionsFollowTheType) {
  auto rounded = makeButton(ButtonType::kXP);
  const HWND w3 = rounded->hwnd();
  for (const auto& cut : {std::pair{0, 0},
                          {1, 0},
                          {0, 1},
                          {kWidth - 2, 0},
                          {kWidth - 1, 1},
                          {0, kHeight - 2},
                          {1, kHeight - 1},
                          {kWidth - 1, kHeight - 2}}) {
    EXPECT_FALSE(inRegion(w3, cut.first, cut.second)) << cut.first << "," << cut.second;
  }
  EXPECT_TRUE(inRegion(w3, 2, 0));
  EXPECT_TRUE(inRegion(w3, 1, 1));
  EXPECT_TRUE(inRegion(w3, 0, 2));
  rounded->button().setButtonType(ButtonType::kRoundedBevel);
  EXPECT_FALSE(inRegion(w3, 1, 0));
  rounded->button().setButtonType(ButtonType::kFlatFramed);
  EXPECT_FALSE(inRegion(w3, 0, kHeight - 1));
  EXPECT_FALSE(inRegion(w3, kWidth - 1, 0));
  EXPECT_TRUE(inRegion(w3, 0, 0));
  EXPECT_TRUE(inRegion(w3, kWidth - 1, kHeight - 1));
  rounded->button().setButtonType(ButtonType::kOval);
  EXPECT_FALSE(inRegion(w3, 0, 0));
  EXPECT_FALSE(inRegion(w3, 2, 2));
  EXPECT_TRUE(inRegion(w3, kWidth / 2, kHeight / 2));
  EXPECT_TRUE(inRegion(w3, 2, kHeight / 2));
  rounded->button().setButtonType(ButtonType::kClassic);
  EXPECT_TRUE(inRegion(w3, 0, 0));
}

TEST_F(ButtonWindowTest, WindowTextHoldsTheCaption) {
  auto button = makeButton(ButtonType::kXP);
  button->button().setCaption("Ap&ply");
  char text[32] = {};
  ::GetWindowTextA(button->hwnd(), text, sizeof text);
  EXPECT_STREQ(text, "Ap&ply");
  EXPECT_EQ(win32::XpButtonWindow::fromHandle(button->hwnd()), button.get());
  EXPECT_EQ(win32::XpButtonWindow::fromHandle(form.handle()), nullptr);
}

TEST_F(ButtonWindowTest, WmPrintClientPaintsTheButton) {
  auto window = makeButton(ButtonType::kXP);
  const win32::WindowDc screen(nullptr);
  win32::GdiMemoryCanvas canvas(screen.get(), kWidth, kHeight);
  ::SendMessageA(window->hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
  const Pixels24 printed = canvas.readPixels(0, 0, kWidth, kHeight);
  EXPECT_EQ(printed.at(0, 10), 0x733C00u);
  EXPECT_EQ(printed.at(1, 1), 0x7B4D10u);
  EXPECT_EQ(printed.at(kWidth / 2, 0), 0x733C00u);
}

TEST_F(ButtonWindowTest, RepaintsLeakNoGdiObjects) {
  auto window = makeButton(ButtonType::kXP);
  window->button().setCaption("Ap&ply");
  window->button().setPictureNormal(Picture::bitmap(Pixels24(16, 16, 0x0000FF)));
  window->button().setPictureOver(
      Picture::icon(Pixels24(16, 16, 0x00FF00), std::vector<bool>(256, true)));
  window->button().setSpecialEffect(SpecialEffect::kRaised);
  ::ShowWindow(window->hwnd(), SW_HIDE);
  pump.pumpOnce();
  const HANDLE process = ::GetCurrentProcess();
  const DWORD systemBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
  const int before = win32::liveGdiObjects();
  VelkXPButton& button = window->button();
  const win32::WindowDc screen(nullptr);
  win32::GdiMemoryCanvas canvas(screen.get(), kWidth, kHeight);
  // The pictures make their own bitmaps on first use and keep them.
  for (const bool pressed : {false, true}) {
    if (pressed) {
      button.input().onMouseDown(1, 0, 5, 5);
    }
    ::SendMessageA(window->hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                   PRF_CLIENT);
  }
  button.input().onMouseUp(1, 0, 5, 5);
  // Type 11 keeps its copy of the background from its first Show on.
  button.setButtonType(ButtonType::kTransparent);
  ::ShowWindow(window->hwnd(), SW_SHOWNA);
  ::ShowWindow(window->hwnd(), SW_HIDE);
  const int withCanvas = win32::liveGdiObjects();
  // Every look of every type, through the same paint function as WM_PAINT; a
  // share of the rounds goes through the real window (WM_PAINT, regions).
  for (int i = 0; i < 10000; ++i) {
    button.setButtonType(ButtonType{1 + i % 14});
    switch ((i / 14) % 4) {
      case 0:
        button.input().onFocus(true);
        break;
      case 1:
        button.input().onMouseDown(1, 0, 5, 5);
        break;
      case 2:
        button.setEnabled(false);
        break;
      default:
        break;
    }
    ::SendMessageA(window->hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                   PRF_CLIENT);
    button.input().onMouseUp(1, 0, 5, 5);
    button.input().onFocus(false);
    button.setEnabled(true);
    if (i % 200 == 0) {
      ::ShowWindow(window->hwnd(), SW_SHOWNA);
      button.Refresh();
      ::ShowWindow(window->hwnd(), SW_HIDE);
    }
    ASSERT_EQ(win32::liveGdiObjects(), withCanvas) << "round " << i;
  }
  pump.pumpOnce();
  EXPECT_GT(withCanvas, before);
  EXPECT_EQ(win32::liveGdiObjects(), withCanvas);
  EXPECT_LE(::GetGuiResources(process, GR_GDIOBJECTS), systemBefore + 5);
}

}  // namespace
}  // namespace vorlane::testing
