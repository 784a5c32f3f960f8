#pragma once

#include <string>

#include "host/win32/forms.h"
#include "popup/frmmsg.h"
#include "popup/link_accessible.h"
#include "popup/popup_view.h"

namespace vorlane::win32 {

// The pop-up's window: every control where the layout puts it, in twips. It
// reports the user's pointer, clicks and keys to its frmmsg, and lets a screen
// reader hear and click the link. The program hands it its logo; without one
// the system's application icon stands in.
class PopupWindow final : public PopupView {
 public:
  PopupWindow(frmmsg& popup, PicturePtr logo);
  ~PopupWindow() override;

  void setLinkText(const std::string& text) override;
  void setLinkUnderline(bool underline) override { Label2_.setUnderline(underline); }
  void setTwoLineText(const std::string& text) override { Label1_.setText(text); }
  void setOneLineText(const std::string& text) override { Label4_.setText(text); }
  void setBarLeft(int twips) override { pic_.setLeft(twips); }
  void showOnTop() override;
  void takeForeground() override { frmmsg_.activate(); }
  void hide() override { frmmsg_.hide(); }

  Form& form() { return frmmsg_; }
  Label& link() { return Label2_; }

 private:
  Form frmmsg_;
  Panel Frame1_;
  Label lblProductName_;
  Label Label3_;
  IconBox imgLogo_;
  Label Label2_;
  FilledBox Picture1_;
  FilledBox pic_;
  Label Label1_;
  Label Label4_;
  LinkAccessible linkAccessible_;
};

}  // namespace vorlane::win32
