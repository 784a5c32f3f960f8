#include "host/win32/font.h"

#include <cstring>

#include "host/win32/dpi.h"

namespace vorlane::win32 {

UniqueFont createFont(const FontSpec& spec) {
  LOGFONTA font = {};
  // Negative: the character height, without internal leading, as points mean.
  font.lfHeight = -pointsToPixels(spec.points, Dpi::screen().y);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = spec.underline ? TRUE : FALSE;
  font.lfItalic = spec.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(::CreateFontIndirectA(&font));
}

}  // namespace vorlane::win32
