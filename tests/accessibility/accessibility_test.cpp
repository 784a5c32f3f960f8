// The self-drawn controls as a screen reader hears them, acts on them and
// hears their changes; every object handed out goes with its last Release.

#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
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
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {
namespace {

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

TEST(Accessibility, EachControlTellsWhatItIsActsAndAnnouncesItsChanges) {
  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  Win32KeystrokeSender keystrokes;
  Win32ModalMessageBox messages;
  Form form{FormOptions{"Accessibility", 3000, 2000, RGB(255, 255, 255)}};
  XpButtonOptions defaultButton;
  defaultButton.isDefault = true;
  XpButtonWindow apply{form, {0, 0, 1125, 345}, timers, pump, keystrokes, defaultButton};
  XpButtonWindow check{form, {0, 450, 1125, 345}, timers, pump, keystrokes};
  progressbar::win32::ProgressBarWindow bar{form, {0, 900, 1500, 255}, messages};
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
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
