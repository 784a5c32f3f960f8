#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/container.h"

namespace vorlane::win32 {

// A system BUTTON control with its font and its click callback.
class SystemButton : public Control {
 public:
  ~SystemButton() override { destroyWindow(); }

  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void command(WORD notification) override;

 protected:
  SystemButton(Container& container, const TwipsRect& bounds, const std::string& caption,
               const Font& font, DWORD style);

 private:
  UniqueFont font_;
  std::function<void()> onClick_;
};

// An option (radio) button. The option buttons of one container form one group:
// selecting one clears the others, and the arrow keys move within the group.
class OptionButton : public SystemButton {
 public:
  OptionButton(Container& container, const TwipsRect& bounds, const std::string& caption,
               const Font& font, bool selected);

  bool selected() const { return ::SendMessageA(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

// A standard push button. "&" in the caption marks its access key.
class PushButton : public SystemButton {
 public:
  PushButton(Container& container, const TwipsRect& bounds, const std::string& caption,
             const Font& font);
};

}  // namespace vorlane::win32
