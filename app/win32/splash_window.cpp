#include "app/win32/splash_window.h"

#include "resource_ids.h"

namespace vorlane::win32 {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

Font arial(double points, bool bold) { return Font{"Arial", points, bold}; }

const Font kCopyrightSign{"Arial Black", 9.75, false};

}  // namespace

SplashWindow::SplashWindow()
    : frmSplash_(FormOptions{"frmSplash", 5130, 3510}),
      Frame1_(frmSplash_, {50, 50, 5040, 3420}, kWhite),
      lblCompanyProduct_(Frame1_, {120, 360, 4635, 435}, "ZendrySoft",
                         labelOptions(arial(18, true), Alignment::kCenter, true)),
      Label2_(Frame1_, {3480, 360, 255, 255}, "\xA9",
              labelOptions(kCopyrightSign, Alignment::kLeft, false)),
      Label1_(Frame1_, {120, 720, 4740, 285}, "Presents",
              labelOptions(arial(12, true), Alignment::kCenter, true)),
      lblProductName_(Frame1_, {480, 1080, 3855, 510}, "Zendry's Vorlane",
                      labelOptions(arial(21.75, true), Alignment::kCenter, true)),
      Label3_(Frame1_, {4320, 1080, 255, 255}, "\xA9",
              labelOptions(kCopyrightSign, Alignment::kLeft, false)),
      imgLogo_(Frame1_, {2040, 1560, 855, 825}, loadIconPicture(IDI_VORLANE_LOGO, 32)),
      Label4_(Frame1_, {120, 2520, 1485, 285}, "Loading...",
              labelOptions(arial(12, true), Alignment::kLeft, true)),
      prog_(Frame1_, {1320, 2520, 1500, 285}, "",
            labelOptions(arial(12, true), Alignment::kCenter, true)),
      lblPlatform_(Frame1_, {3000, 2520, 1545, 240}, "Platform: ME/XP",
                   labelOptions(arial(9.75, true), Alignment::kRight, true)),
      lblVersion_(Frame1_, {3000, 2760, 1665, 240}, "Version 0.1 (Beta)",
                  labelOptions(arial(9.75, true), Alignment::kRight, true)),
      Label5_(Frame1_, {120, 2880, 2055, 255}, "First Build: 18/10/03",
              labelOptions(arial(8.25, false), Alignment::kLeft, false)),
      lblLegalNotice_(Frame1_, {120, 3120, 4695, 255},
                      "Copyright \xA9 ZendrySoft. All rights reserved.",
                      labelOptions(arial(9, false), Alignment::kLeft, false)) {}

}  // namespace vorlane::win32
