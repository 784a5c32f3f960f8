// The self-drawn controls as a screen reader hears them, asked the way a screen
// reader asks: AccessibleObjectFromWindow on the control's window, then role,
// name, keyboard shortcut, state, value and default action; the action done
// through accDoDefaultAction; the change that follows announced with
// NotifyWinEvent. Every object handed out must go with its last Release.

#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/button/win32/xp_button_window.h"
#include "controls/progressbar/win32/progressbar_window.h"
#include "host/win32/accessible_object.h"
#include "host/win32/clock.h"
#include "host/win32/forms.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_box.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/child_process.h"
#include "host/win32/tests/wait_for.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {
namespace {

std::string narrow(BSTR text) {
  std::string result;
  for (UINT i = 0; text != nullptr && i < ::SysStringLen(text); ++i) {
    result += static_cast<char>(text[i]);
  }
  ::SysFreeString(text);
  return result;
}

// What one IAccessible says about itself.
struct Heard {
  LONG role = 0;
  std::string name;
  std::string shortcut;
  LONG state = 0;
  std::string value;
  std::string action;
};

VARIANT self() {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = CHILDID_SELF;
  return child;
}

Heard listen(IAccessible& object) {
  Heard heard;
  VARIANT answer;
  if (object.get_accRole(self(), &answer) == S_OK && answer.vt == VT_I4) {
    heard.role = answer.lVal;
  }
  if (object.get_accState(self(), &answer) == S_OK && answer.vt == VT_I4) {
    heard.state = answer.lVal;
  }
  BSTR text = nullptr;
  object.get_accName(self(), &text);
  heard.name = narrow(text);
  object.get_accKeyboardShortcut(self(), &text);
  heard.shortcut = narrow(text);
  object.get_accValue(self(), &text);
  heard.value = narrow(text);
  object.get_accDefaultAction(self(), &text);
  heard.action = narrow(text);
  return heard;
}

// The win events this process announces, as an out-of-context hook sees them.
std::vector<DWORD>& eventsSeen() {
  static std::vector<DWORD> events;
  return events;
}

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) {
    eventsSeen().push_back(event);
  }
}

class Accessibility : public ::testing::Test {
 protected:
  Accessibility() {
    form.show();
    popup.viewmsg("status");
  }

  static XpButtonOptions defaultButton() {
    XpButtonOptions options;
    options.isDefault = true;
    return options;
  }

  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  Win32KeystrokeSender keystrokes;
  Win32ModalMessageBox messages;
  Form form{FormOptions{"Accessibility", 3000, 2000, RGB(255, 255, 255), false, false}};
  XpButtonWindow apply{form, {0, 0, 1125, 345}, timers, pump, keystrokes, defaultButton()};
  XpButtonWindow check{form, {0, 450, 1125, 345}, timers, pump, keystrokes};
  progressbar::win32::ProgressBarWindow bar{form, {0, 900, 1500, 255}, messages};
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
};

TEST_F(Accessibility, EachControlTellsWhatItIsAndActsOnItsDefaultAction) {
  int applyClicks = 0;
  int checkClicks = 0;
  apply.events().Click = [&] { ++applyClicks; };
  check.events().Click = [&] { ++checkClicks; };
  apply.button().setCaption("Ap&ply");
  check.button().setCaption("Save && Exit");
  check.button().setCheckBoxBehaviour(true);
  bar.bar().setMax(200);
  bar.bar().setValue(91);  // 45.5 % rounds to the even 46 %
  ::SetFocus(apply.hwnd());

  constexpr LONG kFocusable = STATE_SYSTEM_FOCUSABLE;
  const struct Row {
    const char* what;
    HWND window;
    Heard before;
    std::function<bool()> acted;  // after the default action
    std::function<void()> change;
    DWORD announced;
    LONG stateAfter;
  } rows[] = {
      {"the default button with the focus",
       apply.hwnd(),
       {ROLE_SYSTEM_PUSHBUTTON, "Apply", "Alt+P",
        kFocusable | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT, "", "Press"},
       [&] { return applyClicks == 1; },
       [&] { apply.button().setCaption("&Save"); },
       EVENT_OBJECT_NAMECHANGE,
       kFocusable | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT},
      {"a button in check-box mode",
       check.hwnd(),
       {ROLE_SYSTEM_CHECKBUTTON, "Save & Exit", "", kFocusable, "", "Check"},
       [&] { return checkClicks == 1 && check.button().Value(); },
       [&] { check.button().setEnabled(false); },
       EVENT_OBJECT_STATECHANGE,
       STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE},
      {"the progress bar",
       bar.handle(),
       {ROLE_SYSTEM_PROGRESSBAR, "", "", STATE_SYSTEM_READONLY, "46%", ""},
       nullptr,
       [&] { bar.bar().setValue(200); },
       EVENT_OBJECT_VALUECHANGE,
       STATE_SYSTEM_READONLY},
      {"the pop-up's link",
       static_cast<PopupWindow&>(popup.view()).link().handle(),
       {ROLE_SYSTEM_LINK, "Close", "", STATE_SYSTEM_LINKED, "", "Click"},
       [&] { return popup.closed(); },
       [&] { popup.timemsg("timed", 0); },
       EVENT_OBJECT_NAMECHANGE,
       STATE_SYSTEM_UNAVAILABLE},
  };

  const HWINEVENTHOOK hook =
      ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, recordEvent,
                        ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    IAccessible* object = nullptr;
    ASSERT_EQ(
        ::AccessibleObjectFromWindow(row.window, static_cast<DWORD>(OBJID_CLIENT),
                                     __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
        S_OK);
    ASSERT_NE(object, nullptr);
    const Heard heard = listen(*object);
    EXPECT_EQ(heard.role, row.before.role);
    EXPECT_EQ(heard.name, row.before.name);
    EXPECT_EQ(heard.shortcut, row.before.shortcut);
    EXPECT_EQ(heard.state, row.before.state);
    EXPECT_EQ(heard.value, row.before.value);
    EXPECT_EQ(heard.action, row.before.action);

    VARIANT other;
    other.vt = VT_I4;
    other.lVal = 1;
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(other, &name), E_INVALIDARG) << "there are no children";
    if (row.acted) {
      EXPECT_EQ(object->accDoDefaultAction(self()), S_OK);
      testing::waitFor(timers, pump, row.acted);
    } else {
      EXPECT_EQ(object->accDoDefaultAction(self()), DISP_E_MEMBERNOTFOUND);
    }

    eventsSeen().clear();
    row.change();
    testing::waitFor(timers, pump, [&] {
      const auto& seen = eventsSeen();
      return std::find(seen.begin(), seen.end(), row.announced) != seen.end();
    });
    EXPECT_EQ(listen(*object).state & ~STATE_SYSTEM_FOCUSED,
              row.stateAfter & ~STATE_SYSTEM_FOCUSED);
    object->Release();
  }
  ::UnhookWinEvent(hook);
  EXPECT_EQ(liveAccessibleObjects(), 0u);
}

}  // namespace
}  // namespace vorlane::win32
