#include "host/canvas/picture.h"

#include "host/rounding.h"

namespace vorlane {

namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kPictureDotsPerInch = 96.0;

std::int32_t pixelsToHimetric(std::int32_t pixels) {
  return static_cast<std::int32_t>(roundHalfEven(pixels * kHimetricPerInch / kPictureDotsPerInch));
}

}  // namespace

Picture::Picture(PictureType type, Pixels24 pixels, std::vector<bool> opaque, std::string reference)
    : type_(type),
      pixels_(std::move(pixels)),
      opaque_(std::move(opaque)),
      widthHimetric_(pixelsToHimetric(pixels_.width())),
      heightHimetric_(pixelsToHimetric(pixels_.height())),
      reference_(std::move(reference)) {
  opaque_.resize(
      static_cast<std::size_t>(pixels_.width()) * static_cast<std::size_t>(pixels_.height()), true);
}

std::shared_ptr<const Picture> Picture::bitmap(Pixels24 pixels, std::string reference) {
  return std::make_shared<const Picture>(PictureType::kBitmap, std::move(pixels),
                                         std::vector<bool>{}, std::move(reference));
}

std::shared_ptr<const Picture> Picture::icon(Pixels24 pixels, std::vector<bool> opaque,
                                             std::string reference) {
  return std::make_shared<const Picture>(PictureType::kIcon, std::move(pixels), std::move(opaque),
                                         std::move(reference));
}

bool Picture::opaqueAt(std::int32_t x, std::int32_t y) const {
  return Rect{0, 0, pixels_.width(), pixels_.height()}.contains(x, y) &&
         opaque_[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels_.width()) +
                 static_cast<std::size_t>(x)];
}

std::int32_t himetricToPixels(std::int32_t himetric, std::int32_t dotsPerInch) {
  return static_cast<std::int32_t>(
      roundHalfEven(static_cast<double>(himetric) * dotsPerInch / kHimetricPerInch));
}

}  // namespace vorlane
