#include "host/win32/font.h"

#include <cstring>

#include "host/win32/dpi.h"

namespace vorlane::win32 {

UniqueFont createFont(const FontSpec& wanted) {
  LOGFONTA font = {};
  // Negative: the character height, without internal leading, as points mean.
  font.lfHeight = -pointsToPixels(wanted.points, Dpi::screen().y);
  font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = wanted.underline ? TRUE : FALSE;
  font.lfItalic = wanted.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(font.lfFaceName, wanted.face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(::CreateFontIndirectA(&font));
}

}  // namespace vorlane::win32
