#pragma once

#include <QCursor>

#include <filesystem>
#include <optional>

namespace bytelora {

// The hand pointer from a .cur file, hot spot included; nullopt when Qt cannot read the
// image, so that the window keeps its default arrow.
std::optional<QCursor> LoadCursorFile(const std::filesystem::path& file);

}  // namespace bytelora
