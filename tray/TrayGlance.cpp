#include "tray/TrayGlance.h"

#include "tray/TrayIcons.h"

namespace bytelora {

namespace {

void Push(std::vector<std::int32_t>& history, std::int32_t value) {
    history.erase(history.begin());
    history.push_back(value);
}

}  // namespace

void TrayGlance::AddSecond(const QString& download, const QString& upload, std::int32_t downloadKb,
                           std::int32_t uploadKb) {
    download_ = download;
    upload_ = upload;
    Push(downloadHistory_, downloadKb);
    Push(uploadHistory_, uploadKb);
}

GlancePicture TrayGlance::Picture() const {
    GlancePicture picture;
    // Only what the choice draws is compared: the graph scrolling on does not change the
    // rates' picture, nor a new text the graph's.
    switch (shows_) {
        case TrayIconShows::Logo:
            break;
        case TrayIconShows::Rates:
            picture.kind = GlancePicture::Kind::Rates;
            picture.download = download_;
            picture.upload = upload_;
            break;
        case TrayIconShows::Graph:
            picture.kind = GlancePicture::Kind::Graph;
            picture.downloadHistory = downloadHistory_;
            picture.uploadHistory = uploadHistory_;
            break;
    }
    return picture;
}

bool TrayGlance::Changed() const {
    return !taken_ || shows_ != takenShows_ || Picture() != takenPicture_;
}

QIcon TrayGlance::TakeIcon() {
    taken_ = true;
    takenShows_ = shows_;
    takenPicture_ = Picture();
    if (shows_ == TrayIconShows::Logo) return TrayIconImage();
    return GlanceIcon(takenPicture_);
}

}  // namespace bytelora
