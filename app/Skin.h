#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <filesystem>

namespace bytelora {

// The optional skin beside the program: a Qt style sheet in <program folder>/x/o.cjs.
std::filesystem::path SkinFilePath(const std::filesystem::path& programFolder);

// Without a plain, visible skin file the window is left exactly as it is. Otherwise the
// window and its group boxes, check boxes, radio buttons and labels take the button-face
// colour, and then the skin's style sheet is applied to the window. Throws
// std::runtime_error when the file cannot be read or is no valid style sheet; the
// colours already changed stay and no style sheet is set.
void ApplySkin(QWidget& window, const std::filesystem::path& programFolder);

// The colour that skinned windows and their captions wear: the system's button face.
QColor SkinColour();

// True when Qt can parse styleSheet. Qt reports parse errors only as a warning when a
// widget is polished, so this polishes a hidden probe widget and listens for it.
bool IsValidStyleSheet(const QString& styleSheet);

}  // namespace bytelora
