#pragma once
// The system's description of a font chosen in the options dialog: the face, its height in logical
// units of the screen for the point size, and the four styles.

#include <windows.h>

#include "common/rounding.h"
#include "common/font_description.h"
#include "win32/screen_dpi.h"

namespace kelvor::win32 {

inline LOGFONTA LogFontOf(const FontDescription& font) {
    LOGFONTA face{};
    lstrcpynA(face.lfFaceName, font.name.c_str(), LF_FACESIZE);
    // A negative height asks for the character height, which is what a point size measures.
    face.lfHeight = -static_cast<LONG>(RoundHalfEven(font.size * ScreenDotsPerInch(LOGPIXELSY) / 72.0));
    face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = font.italic ? TRUE : FALSE;
    face.lfStrikeOut = font.strikethru ? TRUE : FALSE;
    face.lfUnderline = font.underline ? TRUE : FALSE;
    face.lfCharSet = DEFAULT_CHARSET;
    return face;
}

}  // namespace kelvor::win32
