#pragma once

#include "app/memory/general_number.h"

namespace vorlane {

// The decimal separator of the logged-on user's regional settings.
class Win32UserNumberFormat final : public UserNumberFormat {
 public:
  std::string decimalSeparator() const override;
};

}  // namespace vorlane
