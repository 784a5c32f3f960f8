#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/container.h"

namespace vorlane::win32 {

// An option (radio) button. The option buttons of one container form one group:
// selecting one clears the others, and the arrow keys move within the group.
class OptionButton : public Control {
 public:
  OptionButton(Container& container, const TwipsRect& bounds, const std::string& caption,
               const Font& font, bool selected);
  ~OptionButton() override;

  bool selected() const;
  // Selecting clears the container's other option buttons.
  void setSelected(bool selected);
  std::string caption() const;
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

  void command(WORD notification) override;

 private:
  UniqueFont font_;
  std::function<void()> onClick_;
};

// A standard push button. "&" in the caption marks its access key.
class PushButton : public Control {
 public:
  PushButton(Container& container, const TwipsRect& bounds, const std::string& caption,
             const Font& font);
  ~PushButton() override;

  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  // As if the user clicked it.
  void click();

  void command(WORD notification) override;

 private:
  UniqueFont font_;
  std::function<void()> onClick_;
};

}  // namespace vorlane::win32
