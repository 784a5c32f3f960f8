#include "controls/button/tests/fake_button_site.h"

namespace vorlane::testing {

FakeButtonSite::FakeButtonSite(std::int32_t width, std::int32_t height)
    : width_(width), height_(height), canvas_(std::make_unique<PixelCanvas>(width, height)) {}

void FakeButtonSite::resize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  canvas_ = std::make_unique<PixelCanvas>(width, height);
}

void FakeButtonSite::redrawNow() {
  ++draws_;
  log.push_back("draw");
  if (button_ != nullptr) {
    canvas_->clearTextCalls();
    button_->paint(*canvas_);
  }
}

PicturePtr FakeButtonSite::resolvePicture(const std::string& reference) const {
  const auto found = pictures.find(reference);
  return found == pictures.end() ? nullptr : found->second;
}

Color FakeButtonSite::systemColor(std::int32_t index) const {
  switch (index) {
    case 13:
      return kHighlight;
    case 15:
      return kBtnFace;
    case 16:
      return kBtnShadow;
    case 18:
      return kBtnText;
    case 20:
      return kBtnHighlight;
    case 21:
      return k3dDkShadow;
    case 22:
      return k3dLight;
    default:
      return 0;
  }
}

void FakeButtonSite::captureBehind(Canvas* background, std::int32_t width, std::int32_t height) {
  log.push_back("capture-behind");
  if (background != nullptr) {
    background->fillRect({0, 0, width, height}, behind);
  }
}

}  // namespace vorlane::testing
