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

// The live tip: "Bytelora — Download: 120 Kb/s, Upload: 3 Kb/s", from the two rate
// texts as the window shows them.
QString RatesTipText(const QString& product, const QString& download, const QString& upload);

}  // namespace bytelora
