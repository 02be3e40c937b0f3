#pragma once

#include <QFont>

namespace pnr {

// The windows' fonts. The design's bitmap sans serif is not on Linux; Liberation Sans has the
// same metrics as the Windows core sans serif and keeps every caption within its designed
// width. The families are named explicitly because fontconfig's own sans-serif can be a
// monospaced face when only the Liberation fonts are installed.
[[nodiscard]] inline QFont uiFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Bold, 11 pixels to the em (8 points at 96 dpi), whatever the screen's resolution, because
// the controls are placed in pixels.
[[nodiscard]] inline QFont formFont()
{
    QFont font = uiFont();
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

} // namespace pnr
