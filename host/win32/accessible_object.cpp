#include "host/win32/accessible_object.h"

#include <oleacc.h>

#include <memory>
#include <string>

#include "host/win32/handles.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

namespace {

using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AccessibleObjectFromWindowFunction = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
using CoInitializeFunction = HRESULT(WINAPI*)(LPVOID);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);

// oleacc.dll, loaded once and kept: an IAccessible handed out may be called
// until the program ends. Loading it happens on the first WM_GETOBJECT, on the
// user-interface thread, which then joins COM's single-threaded apartment
// (ole32.dll and oleaut32.dll come with oleacc.dll): handing the object to
// another process marshals it, and its calls then arrive through this thread's
// message loop. The program loads none of these until a screen reader asks.
struct Oleacc {
  UniqueModule module;
  UniqueModule ole32;
  UniqueModule oleaut32;
  SysAllocStringLenFunction allocateString = nullptr;
  LresultFromObjectFunction lresultFromObject = nullptr;
  AccessibleObjectFromWindowFunction objectFromWindow = nullptr;
};

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  // The cast through a generic function pointer is how run-time lookups are typed.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

const Oleacc& oleacc() {
  static const Oleacc loaded = [] {
    Oleacc library;
    library.module.reset(::LoadLibraryA("oleacc.dll"));
    if (library.module) {
      library.lresultFromObject =
          lookUp<LresultFromObjectFunction>(library.module.get(), "LresultFromObject");
      library.objectFromWindow = lookUp<AccessibleObjectFromWindowFunction>(
          library.module.get(), "AccessibleObjectFromWindow");
      library.ole32.reset(::LoadLibraryA("ole32.dll"));
      if (library.ole32) {
        if (auto initialize = lookUp<CoInitializeFunction>(library.ole32.get(), "CoInitialize")) {
          initialize(nullptr);
        }
      }
      library.oleaut32.reset(::LoadLibraryA("oleaut32.dll"));
      if (library.oleaut32) {
        library.allocateString =
            lookUp<SysAllocStringLenFunction>(library.oleaut32.get(), "SysAllocStringLen");
      }
    }
    return library;
  }();
  return loaded;
}

std::size_t& liveCount() {
  static std::size_t count = 0;
  return count;
}

// Posted by accDoDefaultAction: the action (a click that may run a nested
// message loop for minutes) runs in the control's own loop, never inside the
// screen reader's call.
UINT defaultActionMessage() {
  static const UINT message = ::RegisterWindowMessageA("VorlaneAccessibleDefaultAction");
  return message;
}

LONG roleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::kCheckButton:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::kProgressBar:
      return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::kLink:
      return ROLE_SYSTEM_LINK;
    case AccessibleRole::kPushButton:
      break;
  }
  return ROLE_SYSTEM_PUSHBUTTON;
}

LONG statesOf(std::uint32_t states) {
  using namespace accessible_state;
  static constexpr struct {
    std::uint32_t ours;
    LONG system;
  } kStates[] = {{kFocusable, STATE_SYSTEM_FOCUSABLE},     {kFocused, STATE_SYSTEM_FOCUSED},
                 {kPressed, STATE_SYSTEM_PRESSED},         {kChecked, STATE_SYSTEM_CHECKED},
                 {kUnavailable, STATE_SYSTEM_UNAVAILABLE}, {kDefault, STATE_SYSTEM_DEFAULT},
                 {kLinked, STATE_SYSTEM_LINKED},           {kReadOnly, STATE_SYSTEM_READONLY}};
  LONG system = 0;
  for (const auto& state : kStates) {
    if (states & state.ours) {
      system |= state.system;
    }
  }
  return system;
}

// The controls' texts are in the ANSI code page, as they are drawn.
HRESULT toBstr(const std::string& text, BSTR* out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (text.empty()) {
    return S_FALSE;
  }
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  const auto allocate = oleacc().allocateString;
  *out = allocate != nullptr ? allocate(wide.data(), static_cast<UINT>(wide.size())) : nullptr;
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void setEmpty(VARIANT* variant) { variant->vt = VT_EMPTY; }

void setSelf(VARIANT* variant) {
  variant->vt = VT_I4;
  variant->lVal = CHILDID_SELF;
}

// The IAccessible of one control's client area. It has no children: every
// question is about CHILDID_SELF.
class AccessibleObject final : public IAccessible {
 public:
  explicit AccessibleObject(HWND window) : window_(window) { ++liveCount(); }
  ~AccessibleObject() { --liveCount(); }
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDispatch)) ||
        IsEqualIID(riid, __uuidof(IAccessible))) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
      // The object was made by make_unique and handed to COM; its last
      // reference gives it back.
      const std::unique_ptr<AccessibleObject> self(this);
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent == nullptr) {
      return E_POINTER;
    }
    *parent = nullptr;
    const Oleacc& library = oleacc();
    if (library.objectFromWindow == nullptr ||
        FAILED(library.objectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW),
                                        __uuidof(IDispatch), reinterpret_cast<void**>(parent)))) {
      *parent = nullptr;
      return S_FALSE;
    }
    return *parent != nullptr ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child == nullptr) {
      return E_POINTER;
    }
    *child = nullptr;
    return E_INVALIDARG;
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
    AccessibleProvider* provider = nullptr;
    const HRESULT checked = self(child, role, provider);
    if (checked != S_OK) {
      return checked;
    }
    role->vt = VT_I4;
    role->lVal = roleOf(provider->role());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    AccessibleProvider* provider = nullptr;
    const HRESULT checked = self(child, state, provider);
    if (checked != S_OK) {
      return checked;
    }
    state->vt = VT_I4;
    state->lVal = statesOf(provider->states());
    if (!::IsWindowVisible(window_)) {
      state->lVal |= STATE_SYSTEM_INVISIBLE;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return text(child, help, [](const AccessibleProvider&) { return std::string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file == nullptr || topic == nullptr) {
      return E_POINTER;
    }
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return text(child, shortcut, [](const AccessibleProvider& p) { return p.keyboardShortcut(); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) {
      return E_POINTER;
    }
    if (::GetFocus() == window_) {
      setSelf(focus);
      return S_OK;
    }
    setEmpty(focus);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection == nullptr) {
      return E_POINTER;
    }
    setEmpty(selection);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return text(child, action, [](const AccessibleProvider& p) { return p.defaultAction(); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    VARIANT unused;
    AccessibleProvider* provider = nullptr;
    const HRESULT checked = self(child, &unused, provider);
    if (checked != S_OK) {
      return checked;
    }
    if ((flags & SELFLAG_TAKEFOCUS) && (provider->states() & accessible_state::kFocusable)) {
      ::SetFocus(window_);
      return S_OK;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    VARIANT unused;
    AccessibleProvider* provider = nullptr;
    const HRESULT checked = self(child, &unused, provider);
    if (checked != S_OK) {
      return checked;
    }
    const RECT bounds = screenBounds();
    *left = bounds.left;
    *top = bounds.top;
    *width = bounds.right - bounds.left;
    *height = bounds.bottom - bounds.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    if (end == nullptr) {
      return E_POINTER;
    }
    setEmpty(end);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (child == nullptr) {
      return E_POINTER;
    }
    const RECT bounds = screenBounds();
    const POINT point{x, y};
    if (provider() != nullptr && ::PtInRect(&bounds, point)) {
      setSelf(child);
      return S_OK;
    }
    setEmpty(child);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    VARIANT unused;
    AccessibleProvider* provider = nullptr;
    const HRESULT checked = self(child, &unused, provider);
    if (checked != S_OK) {
      return checked;
    }
    if (provider->defaultAction().empty()) {
      return DISP_E_MEMBERNOTFOUND;
    }
    return ::PostMessageA(window_, defaultActionMessage(), 0, 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // The provider of a window that still lives, or null.
  AccessibleProvider* provider() const {
    Window* window = Window::fromHandle(window_);
    return window != nullptr ? window->accessible() : nullptr;
  }

  // Checks that a question is about the control itself (its only child id) and
  // that the control still lives; S_OK with `provider` set, else the answer.
  HRESULT self(const VARIANT& child, VARIANT* out, AccessibleProvider*& found) const {
    if (out == nullptr) {
      return E_POINTER;
    }
    setEmpty(out);
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
      return E_INVALIDARG;
    }
    found = provider();
    return found != nullptr ? S_OK : RPC_E_DISCONNECTED;
  }

  template <typename Read>
  HRESULT text(const VARIANT& child, BSTR* out, Read read) const {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    VARIANT unused;
    AccessibleProvider* found = nullptr;
    const HRESULT checked = self(child, &unused, found);
    if (checked != S_OK) {
      return checked;
    }
    return toBstr(read(*found), out);
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
  const auto announce = [window](DWORD event) {
    ::NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
  };
  if (now.name != before.name) {
    announce(EVENT_OBJECT_NAMECHANGE);
  }
  if (now.states != before.states) {
    announce(EVENT_OBJECT_STATECHANGE);
  }
  if (now.value != before.value) {
    announce(EVENT_OBJECT_VALUECHANGE);
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

std::size_t liveAccessibleObjects() { return liveCount(); }

}  // namespace vorlane::win32
