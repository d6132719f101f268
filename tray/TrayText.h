#pragma once

#include <QString>

namespace bytelora {

// The notification area's text fields are fixed-size records ended by a NUL, so each
// text is cut to what its field holds.
inline constexpr qsizetype kTrayTipMaxChars = 127;
inline constexpr qsizetype kBalloonTextMaxChars = 255;
inline constexpr qsizetype kBalloonTitleMaxChars = 63;

// The first maxChars characters of text. A cut never splits a surrogate pair: half a
// character would turn into a replacement box in the shell.
QString CutToField(const QString& text, qsizetype maxChars);

}  // namespace bytelora
