#include <windows.h>
// psapi.h needs the types of windows.h.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/memory/win32/form1_window.h"
#include "app/memory/win32/virtual_alloc_allocator.h"
#include "app/win32/options_window.h"
#include "app/win32/splash_window.h"
#include "controls/button/win32/xp_button_window.h"
#include "controls/progressbar/win32/progressbar_window.h"
#include "host/twips.h"
#include "host/win32/accessible_object.h"
#include "host/win32/clock.h"
#include "host/win32/forms.h"
#include "host/win32/handles.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/memory_status.h"
#include "host/win32/message_box.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {
namespace {

// A control's rectangle: its box, a one-pixel rule across it, or sized to its
// text keeping the box's left edge, centre or right edge.
enum class Fit { kBox, kLine, kLeft, kCentre, kRight };

struct FontRow {
  const char* face;
  double points;
  bool bold;
};

// One control: its text, its box in twips in its container (the row numbered
// `in`, or the window when -1), and where set its font and the colour just
// inside its top-left corner.
struct Placed {
  const char* text;
  TwipsRect box;
  int in = -1;
  std::optional<FontRow> font = std::nullopt;
  Fit fit = Fit::kBox;
  std::optional<COLORREF> fill = std::nullopt;
};

LONG pixels(double twips, LONG dpi) {
  return static_cast<LONG>(std::nearbyint(twips * dpi / 1440));
}

// Each container's offset is rounded on its own, as nested windows place them.
RECT expectedRect(const std::vector<Placed>& rows, const Placed& row, HWND window, POINT dpi) {
  LONG left = 0, top = 0;
  for (const Placed* in = &row; in != nullptr;
       in = in->in < 0 ? nullptr : &rows[static_cast<std::size_t>(in->in)]) {
    left += pixels(in->box.left, dpi.x);
    top += pixels(in->box.top, dpi.y);
  }
  const LONG width = pixels(row.box.width, dpi.x);
  if (row.fit == Fit::kBox || row.fit == Fit::kLine) {
    return {left, top, left + width,
            top + (row.fit == Fit::kLine ? 1 : pixels(row.box.height, dpi.y))};
  }
  WindowDc dc(window);
  SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  // One line, so that an empty text measures a line's height too.
  RECT text = {};
  ::DrawTextA(dc.get(), row.text, -1, &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  if (row.fit != Fit::kLeft) {
    left += row.fit == Fit::kCentre ? (width - text.right) / 2 : width - text.right;
  }
  return {left, top, left + text.right, top + text.bottom};
}

std::string describe(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

// `container` null: on the screen.
RECT placeIn(HWND window, HWND container) {
  RECT box = {};
  ::GetWindowRect(window, &box);
  ::MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&box), 2);
  return box;
}

LOGFONTA fontOf(HWND window) {
  LOGFONTA font = {};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font;
}

// Checks that the shown `form` is borderless, `width` × `height` twips at the
// centre of the screen, and holds, at any depth, a window for every row with
// its text and rectangle at the screen's real DPI: only where the user sees
// each control matters, not how the toolkit nests them.
void expectLayout(HWND form, double width, double height, const std::vector<Placed>& rows) {
  // Read here rather than through the toolkit, so that a wrong figure there shows.
  const WindowDc screen(nullptr);
  const POINT dpi = {::GetDeviceCaps(screen.get(), LOGPIXELSX),
                     ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
  const LONG widthPx = pixels(width, dpi.x), heightPx = pixels(height, dpi.y);
  const LONG left = (::GetSystemMetrics(SM_CXSCREEN) - widthPx) / 2;
  const LONG top = (::GetSystemMetrics(SM_CYSCREEN) - heightPx) / 2;
  RECT client = {};
  ::GetClientRect(form, &client);
  EXPECT_EQ(describe(client), describe({0, 0, widthPx, heightPx}));
  EXPECT_EQ(describe(placeIn(form, nullptr)), describe({left, top, left + widthPx, top + heightPx}))
      << "borderless, centred";
  ::RedrawWindow(form, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::vector<HWND> windows;
  ::EnumChildWindows(
      form,
      [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  for (const Placed& row : rows) {
    std::string seen;
    const auto match = std::find_if(windows.begin(), windows.end(), [&](HWND window) {
      char text[256] = {};
      ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
      if (std::strcmp(text, row.text) != 0) {
        return false;
      }
      const RECT actual = placeIn(window, form);
      const RECT wanted = expectedRect(rows, row, window, dpi);
      seen += " " + describe(actual) + " (wanted " + describe(wanted) + ")";
      return ::EqualRect(&actual, &wanted) != FALSE;
    });
    if (match == windows.end()) {
      ADD_FAILURE() << "no window \"" << row.text << "\" in place; with this text:" << seen;
      continue;
    }
    if (row.font) {
      const LOGFONTA font = fontOf(*match);
      EXPECT_EQ(std::make_tuple(std::string(font.lfFaceName), font.lfHeight, font.lfWeight),
                std::make_tuple(std::string(row.font->face), -pixels(row.font->points * 20, dpi.y),
                                LONG{row.font->bold ? FW_BOLD : FW_NORMAL}))
          << row.text;
    }
    if (row.fill) {
      // A whole-window DC of the form does not clip its children away.
      const RECT box = placeIn(*match, form);
      WindowDc dc(form, WindowDc::Area::WholeWindow);
      EXPECT_EQ(::GetPixel(dc.get(), box.left + std::min<LONG>(2, (box.right - box.left) / 2),
                           box.top + std::min<LONG>(2, (box.bottom - box.top) / 2)),
                *row.fill)
          << "fill of \"" << row.text << "\" at " << describe(box);
    }
  }
}

FontRow arial(double points, bool bold) { return FontRow{"Arial", points, bold}; }
const FontRow kSign{"Arial Black", 9.75, false};
const FontRow kOption{"MS Sans Serif", 8.25, false};

void pointAt(HWND window, LONG x, LONG y) {
  const RECT box = placeIn(window, nullptr);
  ::mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE,
                ::MulDiv(box.left + x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1),
                ::MulDiv(box.top + y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1), 0, 0);
}

// The desktop to the test alone, and the real loop with the real pop-up on it.
class AppWindows : public ::testing::Test {
 protected:
  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  Win32ModalMessageBox messages;
  Win32KeystrokeSender keystrokes;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
};

TEST_F(AppWindows, SplashEveryControlWhereTheLayoutPutsIt) {
  SplashWindow splash;
  splash.show();
  expectLayout(
      splash.form().handle(), 5130, 3510,
      {
          {"", {50, 50, 5040, 3420}, -1, {}, Fit::kBox, RGB(255, 255, 255)},
          {"ZendrySoft", {120, 360, 4635, 435}, 0, arial(18, true), Fit::kCentre},
          {"\xA9", {3480, 360, 255, 255}, 0, kSign},
          {"Presents", {120, 720, 4740, 285}, 0, arial(12, true), Fit::kCentre},
          {"Zendry's Vorlane", {480, 1080, 3855, 510}, 0, arial(21.75, true), Fit::kCentre},
          {"\xA9", {4320, 1080, 255, 255}, 0, kSign},
          {"", {2040, 1560, 855, 825}, 0},
          {"Loading...", {120, 2520, 1485, 285}, 0, arial(12, true), Fit::kLeft},
          {"", {1320, 2520, 1500, 285}, 0, arial(12, true), Fit::kCentre},
          {"Platform: ME/XP", {3000, 2520, 1545, 240}, 0, arial(9.75, true), Fit::kRight},
          {"Version 0.1 (Beta)", {3000, 2760, 1665, 240}, 0, arial(9.75, true), Fit::kRight},
          {"First Build: 18/10/03", {120, 2880, 2055, 255}, 0, arial(8.25, false)},
          {"Copyright \xA9 ZendrySoft. All rights reserved.",
           {120, 3120, 4695, 255},
           0,
           arial(9, false)},
      });
}

TEST_F(AppWindows, OptionsEveryControlWhereTheLayoutPutsIt) {
  OptionsWindow options([] {}, OptionsServices{messages, timers, pump, keystrokes});
  options.show();
  expectLayout(options.form().handle(), 4905, 2265,
               {
                   {"", {50, 50, 4815, 2175}, -1, {}, Fit::kBox, ::GetSysColor(COLOR_WINDOW)},
                   {"Options", {0, 0, 4815, 375}, 0, arial(9.75, true)},
                   {"", {0, 360, 4800, 0}, 0, {}, Fit::kLine, ::GetSysColor(COLOR_WINDOWTEXT)},
                   {"Mode Select", {120, 480, 1695, 1095}, 0, arial(9, true)},
                   {"Stealth ", {120, 240, 1455, 375}, 3, kOption},
                   {"Normal", {120, 600, 1455, 375}, 3, kOption},
                   {"Ap&ply", {120, 1680, 4575, 375}, 0},
                   {"Run When Computer Starts", {1920, 480, 2775, 1095}, 0, arial(9, true)},
                   {"True", {120, 240, 1455, 375}, 7, kOption},
                   {"False", {120, 600, 1455, 375}, 7, kOption},
                   {"", {2640, 3960, 1455, 255}},
               });
}

TEST_F(AppWindows, PopupEveryControlWhereTheLayoutPutsItAndRealInput) {
  PopupWindow& window = static_cast<PopupWindow&>(popup.view());
  popup.viewmsg("");
  HWND form = window.form().handle();
  EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  expectLayout(form, 3240, 1665,
               {
                   {"", {50, 50, 3135, 1575}, -1, {}, Fit::kBox, RGB(255, 255, 255)},
                   {"Zendry's Vorlane", {60, 120, 2865, 360}, 0, arial(15.75, true), Fit::kLeft},
                   {"\xA9", {2880, 0, 255, 255}, 0, kSign},
                   {"", {1320, 480, 495, 465}, 0},
                   {"Close", {2400, 840, 615, 255}, 0, arial(8.25, false)},
                   {"", {0, 1080, 4575, 50}, 0, {}, Fit::kBox, RGB(0, 0, 0)},
                   {"", {2400, 1080, 735, 50}, 0, {}, Fit::kBox, RGB(67, 117, 154)},
                   {"", {120, 1150, 2925, 450}, 0, arial(8.25, true), Fit::kLeft},
                   {"", {120, 1200, 2925, 225}, 0, arial(9, true), Fit::kLeft},
               });
  // The underline stays until the pointer crosses the bare panel.
  pointAt(window.link().handle(), 10, 8);
  testing::waitFor(timers, pump, [&] { return fontOf(window.link().handle()).lfUnderline; });
  // Space on a page clicks the link (a click and Enter the end-to-end pages
  // use); the page is topmost.
  std::unique_ptr<Timer> space = timers.createTimer(300, true, [&] {
    space->setEnabled(false);
    EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ::keybd_event(VK_SPACE, 0, 0, 0);
    ::keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
  });
  const auto guard = timers.createTimer(5000, true, [&] {
    ADD_FAILURE() << "the key never arrived";
    popup.linkClicked();
  });
  popup.mention("page");
  guard->setEnabled(false);
  EXPECT_FALSE(window.form().visible());
  popup.viewmsg("");
  pointAt(form, 23, 53);
  testing::waitFor(timers, pump, [&] { return !fontOf(window.link().handle()).lfUnderline; });
  popup.hidemsg();
}

std::uint64_t commitCharge() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

// The diagnostic form's button runs the real routine on the real loop: the
// blocks go back to the system, the pop-up hides. A block the system cannot
// give is refused, not thrown. (That the routine's pages are real and its
// progress is shown, the end-to-end clearings check.)
TEST_F(AppWindows, Command2ClearsTenMegabytesAndGivesThemBack) {
  Win32MemoryStatusSource memory{std::string()};
  VirtualAllocBlockAllocator allocator;
  ProgramState state;
  RamClearer clearer{state, memory, allocator, pump, pump, popup};
  Form1 logic{memory, popup, clearer, userDecimalSeparator};
  Form1Window window{logic};
  window.form().show();
  const std::uint64_t before = commitCharge();
  ::SendMessageA(window.Command2().handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(state.clearpercent, 100);
  EXPECT_LT(commitCharge(), before + 2 * 1024 * 1024);
  EXPECT_FALSE(popup.shown());
  EXPECT_EQ(allocator.claim(0), nullptr);
  EXPECT_EQ(allocator.claim(~std::size_t{0} - 0xFFFF), nullptr);
}

VARIANT childId(LONG id) {
  VARIANT variant;
  variant.vt = VT_I4;
  variant.lVal = id;
  return variant;
}
const VARIANT kSelf = childId(CHILDID_SELF);

std::vector<DWORD> eventsSeen;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) {
    eventsSeen.push_back(event);
  }
}

// The self-drawn controls as a screen reader hears them, acts on them and
// hears their changes; every object handed out goes with its last Release.
TEST_F(AppWindows, EachControlTellsAScreenReaderWhatItIsActsAndAnnouncesItsChanges) {
  Form form{FormOptions{"Accessibility", 3000, 2000, RGB(255, 255, 255)}};
  XpButtonOptions defaultButton;
  defaultButton.isDefault = true;
  XpButtonWindow apply{form, {0, 0, 1125, 345}, timers, pump, keystrokes, defaultButton};
  XpButtonWindow check{form, {0, 450, 1125, 345}, timers, pump, keystrokes};
  progressbar::win32::ProgressBarWindow bar{form, {0, 900, 1500, 255}, messages};
  form.show();
  popup.viewmsg("status");
  int clicks = 0;
  apply.events().Click = check.events().Click = [&] { ++clicks; };
  apply.button().setCaption("Ap&ply");
  check.button().setCaption("Save && Exit");
  check.button().setCheckBoxBehaviour(true);
  bar.bar().setMax(200);
  bar.bar().setValue(91);  // 45.5 % rounds to the even 46 %
  ::SetFocus(apply.hwnd());
  const struct {
    HWND window;
    LONG role, state;
    const char* texts;
    std::function<bool()> acted;  // by the default action; null: it has none
    std::function<void()> change;
    DWORD announced;
    LONG stateAfter;
  } rows[] = {
      {apply.hwnd(), ROLE_SYSTEM_PUSHBUTTON,
       STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT, "Apply|Alt+P||Press|",
       [&] { return clicks == 1; }, [&] { apply.button().setCaption("&Save"); },
       EVENT_OBJECT_NAMECHANGE, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_DEFAULT},
      {check.hwnd(), ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_FOCUSABLE, "Save & Exit|||Check|",
       [&] { return clicks == 2 && check.button().Value(); },
       [&] { check.button().setEnabled(false); }, EVENT_OBJECT_STATECHANGE,
       STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE},
      {bar.handle(), ROLE_SYSTEM_PROGRESSBAR, STATE_SYSTEM_READONLY, "||46%||", nullptr,
       [&] { bar.bar().setValue(200); }, EVENT_OBJECT_VALUECHANGE, STATE_SYSTEM_READONLY},
      {static_cast<PopupWindow&>(popup.view()).link().handle(), ROLE_SYSTEM_LINK,
       STATE_SYSTEM_LINKED, "Close|||Click|", [&] { return popup.closed(); },
       [&] { popup.timemsg("timed", 0); }, EVENT_OBJECT_NAMECHANGE, STATE_SYSTEM_UNAVAILABLE}};
  const HWINEVENTHOOK hook =
      ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, recordEvent,
                        ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.texts);
    IAccessible* object = nullptr;
    ASSERT_EQ(
        ::AccessibleObjectFromWindow(row.window, static_cast<DWORD>(OBJID_CLIENT),
                                     __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
        S_OK);
    VARIANT role = {}, state = {};
    object->get_accRole(kSelf, &role);
    object->get_accState(kSelf, &state);
    EXPECT_EQ(std::make_pair(role.lVal, state.lVal), std::make_pair(row.role, row.state));
    std::string texts;  // name, keyboard shortcut, value and default action
    for (auto get : {&IAccessible::get_accName, &IAccessible::get_accKeyboardShortcut,
                     &IAccessible::get_accValue, &IAccessible::get_accDefaultAction}) {
      BSTR text = nullptr;
      (object->*get)(kSelf, &text);
      texts += std::string(text, text + ::SysStringLen(text)) + "|";
      ::SysFreeString(text);
    }
    EXPECT_EQ(texts, row.texts);
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(childId(1), &name), E_INVALIDARG) << "there are no children";
    EXPECT_EQ(object->accDoDefaultAction(kSelf), row.acted ? S_OK : DISP_E_MEMBERNOTFOUND);
    if (row.acted) {
      testing::waitFor(timers, pump, row.acted);
    }
    eventsSeen.clear();
    row.change();
    testing::waitFor(timers, pump, [&] {
      return std::find(eventsSeen.begin(), eventsSeen.end(), row.announced) != eventsSeen.end();
    });
    object->get_accState(kSelf, &state);
    EXPECT_EQ(state.lVal & ~STATE_SYSTEM_FOCUSED, row.stateAfter);
    object->Release();
  }
  ::UnhookWinEvent(hook);
  EXPECT_EQ(liveAccessibleObjects(), 0u);
}

}  // namespace
}  // namespace vorlane::win32
