#pragma once

#include <functional>
#include <string>

#include "host/win32/forms.h"
#include "popup/popup_view.h"

namespace vorlane::win32 {

// The pop-up's window: every control where the layout puts it, in twips. The
// program hands it its logo.
class PopupWindow final : public PopupView {
 public:
  explicit PopupWindow(PicturePtr logo);

  void setLinkText(const std::string& text) override;
  void setLinkUnderline(bool underline) override;
  void setTwoLineText(const std::string& text) override;
  void setOneLineText(const std::string& text) override;
  void setBarLeft(int twips) override;
  void showOnTop() override;
  void takeForeground() override { frmmsg_.activate(); }
  void hide() override;

  void setOnLinkClick(std::function<void()> onClick) { Label2_.setOnClick(std::move(onClick)); }
  void setOnPointerOverLink(std::function<void()> onMove) {
    Label2_.setOnMouseMove(std::move(onMove));
  }
  // Enter or Space while the pop-up has the keyboard.
  void setOnLinkKey(std::function<void()> onKey);
  void setOnPointerOverPanel(std::function<void()> onMove) {
    Frame1_.setOnMouseMove(std::move(onMove));
  }

  Form& form() { return frmmsg_; }
  Label& link() { return Label2_; }
  Label& twoLineArea() { return Label1_; }
  Label& oneLineArea() { return Label4_; }
  FilledBox& bar() { return pic_; }
  IconBox& logo() { return imgLogo_; }

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
};

}  // namespace vorlane::win32
