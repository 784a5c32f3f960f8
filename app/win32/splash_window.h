#pragma once

#include <string>

#include "app/startup/splash.h"
#include "host/win32/forms.h"

namespace vorlane::win32 {

// `frmSplash`: the product's start-up window, every control where the layout
// puts it. Created hidden; the caller shows it when the load decides so.
class SplashWindow final : public SplashView {
 public:
  SplashWindow();

  void show() { frmSplash_.show(); }
  void setLoadingCaption(const std::string& caption) override { Label4_.setText(caption); }
  void hide() override { frmSplash_.hide(); }
  // The window goes at once; the toolkit objects forget their handles as it does.
  void unload() override { ::DestroyWindow(frmSplash_.handle()); }

  Form& form() { return frmSplash_; }

 private:
  Form frmSplash_;
  Panel Frame1_;
  Label lblCompanyProduct_;
  Label Label2_;
  Label Label1_;
  Label lblProductName_;
  Label Label3_;
  IconBox imgLogo_;
  Label Label4_;
  Label prog_;
  Label lblPlatform_;
  Label lblVersion_;
  Label Label5_;
  Label lblLegalNotice_;
};

}  // namespace vorlane::win32
