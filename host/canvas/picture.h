#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/canvas/pixels24.h"

namespace vorlane {

// The kinds of picture a control can hold, with the numbers the controls use.
enum class PictureType : std::int32_t { kBitmap = 1, kIcon = 3 };

// What the platform keeps for a picture (a bitmap or icon handle). The Win32
// side makes it from the pixels the first time it draws the picture.
class NativePicture {
 public:
  virtual ~NativePicture() = default;
};

// A shared picture: a bitmap or an icon with its pixels, its size in HIMETRIC
// units (hundredths of a millimetre, measured at 96 dots per inch) and the
// reference text under which a property bag stores it (empty: not storable).
// Icons carry an opacity map; pixels outside the icon's shape are left alone
// when the icon is drawn.
class Picture {
 public:
  static std::shared_ptr<const Picture> bitmap(Pixels24 pixels, std::string reference = {});
  static std::shared_ptr<const Picture> icon(Pixels24 pixels, std::vector<bool> opaque,
                                             std::string reference = {});

  PictureType type() const { return type_; }
  const Pixels24& pixels() const { return pixels_; }
  bool opaqueAt(std::int32_t x, std::int32_t y) const;
  std::int32_t widthHimetric() const { return widthHimetric_; }
  std::int32_t heightHimetric() const { return heightHimetric_; }
  const std::string& reference() const { return reference_; }

  // The platform's handle for this picture, made on first use and kept with it.
  NativePicture* native() const { return native_.get(); }
  void setNative(std::unique_ptr<NativePicture> native) const { native_ = std::move(native); }

  Picture(PictureType type, Pixels24 pixels, std::vector<bool> opaque, std::string reference);

 private:
  PictureType type_;
  Pixels24 pixels_;
  std::vector<bool> opaque_;
  std::int32_t widthHimetric_;
  std::int32_t heightHimetric_;
  std::string reference_;
  mutable std::unique_ptr<NativePicture> native_;
};

using PicturePtr = std::shared_ptr<const Picture>;

// HIMETRIC length to pixels at `dotsPerInch`, halves to even.
std::int32_t himetricToPixels(std::int32_t himetric, std::int32_t dotsPerInch);

}  // namespace vorlane
