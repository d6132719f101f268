#pragma once

#include <QIcon>
#include <QString>

#include <cstdint>
#include <vector>

#include "common/TrayIconShows.h"
#include "tray/GlanceIconRenderer.h"

namespace bytelora {

// The tray icon's picture, second by second: the logo, the rates or the graph, as the
// user chose. It keeps the last seconds so that a switch to the graph shows them at
// once, and tells whether the picture differs from the one last handed out, so that an
// unchanged picture is never sent to the notification area again.
class TrayGlance {
  public:
    void Show(TrayIconShows shows) { shows_ = shows; }

    // One meter second: the texts the icon writes and the whole kilobytes per second
    // the graph draws.
    void AddSecond(const QString& download, const QString& upload, std::int32_t downloadKb,
                   std::int32_t uploadKb);

    // Whether the picture for the current choice differs from the last one taken.
    bool Changed() const;
    // The icon for the current choice; it becomes the last one taken.
    QIcon TakeIcon();

  private:
    // The drawn picture for the current choice; for the logo none.
    GlancePicture Picture() const;

    TrayIconShows shows_ = TrayIconShows::Logo;
    QString download_ = QStringLiteral("0");
    QString upload_ = QStringLiteral("0");
    // Always full: a second of nothing replaces the oldest, so a quiet line stays equal.
    std::vector<std::int32_t> downloadHistory_ = std::vector<std::int32_t>(kGlanceHistorySeconds);
    std::vector<std::int32_t> uploadHistory_ = std::vector<std::int32_t>(kGlanceHistorySeconds);

    bool taken_ = false;
    TrayIconShows takenShows_ = TrayIconShows::Logo;
    GlancePicture takenPicture_;
};

}  // namespace bytelora
