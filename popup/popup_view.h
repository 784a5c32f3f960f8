#pragma once

#include <string>

namespace vorlane {

// What the pop-up's logic changes on its window. The window reports the user's
// pointer and clicks back to frmmsg (pointerOverLink, pointerOverPanel,
// linkClicked).
class PopupView {
 public:
  virtual ~PopupView() = default;
  // `Label2`, the link.
  virtual void setLinkText(const std::string& text) = 0;
  virtual void setLinkUnderline(bool underline) = 0;
  // `Label1`, the two-line message area.
  virtual void setTwoLineText(const std::string& text) = 0;
  // `Label4`, the one-line message area.
  virtual void setOneLineText(const std::string& text) = 0;
  // Left edge of the sliding bar `pic` inside the panel, in twips.
  virtual void setBarLeft(int twips) = 0;
  // Shows the window modeless and unowned, which activates it, and makes it
  // topmost without moving it.
  virtual void showOnTop() = 0;
  // Makes the shown window the foreground window, so that the keyboard reaches
  // it: asked for by the pages that wait for the user, not by status texts,
  // which must not take the keyboard from the program the user is typing in.
  virtual void takeForeground() = 0;
  virtual void hide() = 0;
};

}  // namespace vorlane
