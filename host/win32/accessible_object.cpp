#include "host/win32/accessible_object.h"

#include <oleacc.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "host/win32/handles.h"
#include "host/win32/wide_text.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

namespace {

// Loaded at the first WM_GETOBJECT (none of it before a screen reader asks) and
// kept: an IAccessible handed out may be called until the program ends. The
// user-interface thread joins COM's single-threaded apartment, so the calls of
// another process arrive through its message loop.
struct Oleacc {
  UniqueModule module{::LoadLibraryA("oleacc.dll")};
  UniqueModule ole32{module ? ::LoadLibraryA("ole32.dll") : nullptr};
  UniqueModule oleaut32{module ? ::LoadLibraryA("oleaut32.dll") : nullptr};
  decltype(&::SysAllocStringLen) allocateString =
      runTimeFunction<decltype(allocateString)>(oleaut32.get(), "SysAllocStringLen");
  decltype(&::LresultFromObject) lresultFromObject =
      runTimeFunction<decltype(lresultFromObject)>(module.get(), "LresultFromObject");
  decltype(&::AccessibleObjectFromWindow) objectFromWindow =
      runTimeFunction<decltype(objectFromWindow)>(module.get(), "AccessibleObjectFromWindow");
};

const Oleacc& oleacc() {
  static const Oleacc loaded = [] {
    Oleacc library;
    if (const auto initialize =
            runTimeFunction<decltype(&::CoInitialize)>(library.ole32.get(), "CoInitialize")) {
      initialize(nullptr);
    }
    return library;
  }();
  return loaded;
}

std::size_t liveObjects = 0;

// Posted by accDoDefaultAction: the action (a click that may run a nested
// message loop for minutes) runs in the control's own loop, never inside the
// screen reader's call.
UINT defaultActionMessage() {
  static const UINT message = ::RegisterWindowMessageA("VorlaneAccessibleDefaultAction");
  return message;
}

LONG roleOf(AccessibleRole role) {
  constexpr LONG kRoles[] = {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CHECKBUTTON,
                             ROLE_SYSTEM_PROGRESSBAR, ROLE_SYSTEM_LINK};
  return kRoles[static_cast<int>(role)];
}

// Our state bits are numbered in this order (accessible.h).
LONG statesOf(std::uint32_t states) {
  constexpr LONG kStates[] = {
      STATE_SYSTEM_FOCUSABLE,   STATE_SYSTEM_FOCUSED, STATE_SYSTEM_PRESSED, STATE_SYSTEM_CHECKED,
      STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_DEFAULT, STATE_SYSTEM_LINKED,  STATE_SYSTEM_READONLY};
  LONG system = 0;
  for (std::size_t bit = 0; bit < std::size(kStates); ++bit) {
    system |= (states >> bit) & 1u ? kStates[bit] : 0;
  }
  return system;
}

VARIANT variantOf(LONG value, VARTYPE type = VT_I4) {
  VARIANT variant;
  variant.vt = type;
  variant.lVal = value;
  return variant;
}

const VARIANT kEmpty = variantOf(0, VT_EMPTY);

// Every out-parameter is checked, then given its answer; `result` says which.
template <typename Value>
HRESULT answer(Value* out, Value value, HRESULT result = S_OK) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = value;
  return result;
}

// The IAccessible of one control's client area. It has no children: every
// question is about CHILDID_SELF.
class AccessibleObject final : public IAccessible {
 public:
  explicit AccessibleObject(HWND window) : window_(window) { ++liveObjects; }
  ~AccessibleObject() { --liveObjects; }
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    const bool known = IsEqualIID(riid, __uuidof(IUnknown)) ||
                       IsEqualIID(riid, __uuidof(IDispatch)) ||
                       IsEqualIID(riid, __uuidof(IAccessible));
    if (known && object != nullptr) {
      AddRef();
    }
    return answer(object, known ? static_cast<void*>(static_cast<IAccessible*>(this)) : nullptr,
                  known ? S_OK : E_NOINTERFACE);
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
      // Made by make_unique and handed to COM: its last reference gives it back.
      const std::unique_ptr<AccessibleObject> self(this);
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return answer(count, 0u); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (answer<IDispatch*>(parent, nullptr) != S_OK) {
      return E_POINTER;
    }
    const auto fromWindow = oleacc().objectFromWindow;
    if (fromWindow == nullptr ||
        FAILED(fromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                          reinterpret_cast<void**>(parent)))) {
      *parent = nullptr;
    }
    return *parent != nullptr ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return answer(count, 0L); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    return answer<IDispatch*>(child, nullptr, E_INVALIDARG);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return text(child, name, [](const AccessibleProvider& p) { return p.name(); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return text(child, value, [](const AccessibleProvider& p) { return p.value(); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return text(child, description, [](const AccessibleProvider&) { return std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return number(child, role, [](const AccessibleProvider& p) { return roleOf(p.role()); });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return number(child, state, [this](const AccessibleProvider& p) {
      return statesOf(p.states()) | (::IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return text(child, help, [](const AccessibleProvider&) { return std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    return topic == nullptr ? E_POINTER : answer<BSTR>(file, nullptr, answer(topic, 0L, S_FALSE));
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return text(child, shortcut, [](const AccessibleProvider& p) { return p.keyboardShortcut(); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return ::GetFocus() == window_ ? answer(focus, variantOf(CHILDID_SELF))
                                   : answer(focus, kEmpty, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return answer(selection, kEmpty, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return text(child, action, [](const AccessibleProvider& p) { return p.defaultAction(); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return withProvider(child, [&](const AccessibleProvider& p) {
      if ((flags & SELFLAG_TAKEFOCUS) && (p.states() & accessible_state::kFocusable)) {
        ::SetFocus(window_);
        return S_OK;
      }
      return S_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    return withProvider(child, [&](const AccessibleProvider&) {
      const RECT bounds = screenBounds();
      *left = bounds.left;
      *top = bounds.top;
      *width = bounds.right - bounds.left;
      *height = bounds.bottom - bounds.top;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    return answer(end, kEmpty, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    const RECT bounds = screenBounds();
    return provider() != nullptr && ::PtInRect(&bounds, POINT{x, y})
               ? answer(child, variantOf(CHILDID_SELF))
               : answer(child, kEmpty, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return withProvider(child, [this](const AccessibleProvider& p) {
      if (p.defaultAction().empty()) {
        return DISP_E_MEMBERNOTFOUND;
      }
      return ::PostMessageA(window_, defaultActionMessage(), 0, 0) ? S_OK : E_FAIL;
    });
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // The provider of a window that still lives, or null.
  AccessibleProvider* provider() const {
    Window* window = Window::fromHandle(window_);
    return window != nullptr ? window->accessible() : nullptr;
  }

  // Answers a question about the control itself (its only child id) while it lives.
  template <typename Act>
  HRESULT withProvider(const VARIANT& child, Act act) const {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
      return E_INVALIDARG;
    }
    const AccessibleProvider* found = provider();
    return found != nullptr ? act(*found) : RPC_E_DISCONNECTED;
  }

  template <typename Read>
  HRESULT number(const VARIANT& child, VARIANT* out, Read read) const {
    if (answer(out, kEmpty) != S_OK) {
      return E_POINTER;
    }
    return withProvider(child, [&](const AccessibleProvider& p) {
      *out = variantOf(read(p));
      return S_OK;
    });
  }

  template <typename Read>
  HRESULT text(const VARIANT& child, BSTR* out, Read read) const {
    if (answer<BSTR>(out, nullptr) != S_OK) {
      return E_POINTER;
    }
    return withProvider(child, [&](const AccessibleProvider& p) {
      // The controls' texts are in the ANSI code page, as they are drawn.
      const std::wstring wide = widen(read(p), CP_ACP);
      const auto allocate = oleacc().allocateString;
      if (wide.empty()) {
        return S_FALSE;
      }
      *out = allocate != nullptr ? allocate(wide.data(), static_cast<UINT>(wide.size())) : nullptr;
      return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    });
  }

  RECT screenBounds() const {
    RECT bounds{};
    ::GetClientRect(window_, &bounds);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
  }

  HWND window_;
  LONG references_ = 1;
};

}  // namespace

AccessibleSnapshot snapshotOf(const AccessibleProvider& provider) {
  return {provider.name(), provider.states(), provider.value()};
}

void announceChanges(HWND window, const AccessibleSnapshot& before, const AccessibleSnapshot& now) {
  const std::pair<bool, DWORD> changes[] = {{now.name != before.name, EVENT_OBJECT_NAMECHANGE},
                                            {now.states != before.states, EVENT_OBJECT_STATECHANGE},
                                            {now.value != before.value, EVENT_OBJECT_VALUECHANGE}};
  for (const auto& [changed, event] : changes) {
    if (changed) {
      ::NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
    }
  }
}

bool handleAccessibilityMessage(HWND window, AccessibleProvider& provider, UINT message,
                                WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    const Oleacc& library = oleacc();
    if (library.lresultFromObject == nullptr) {
      return false;
    }
    auto object = std::make_unique<AccessibleObject>(window);
    result = library.lresultFromObject(__uuidof(IAccessible), wParam, object.get());
    // LresultFromObject keeps its own reference until the caller takes the
    // object; ours ends here (and with it the object, if that failed).
    object.release()->Release();
    return true;
  }
  if (message == defaultActionMessage()) {
    provider.doDefaultAction();
    result = 0;
    return true;
  }
  return false;
}

std::size_t liveAccessibleObjects() { return liveObjects; }

}  // namespace vorlane::win32
