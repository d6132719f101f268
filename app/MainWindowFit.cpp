// Room for translated texts in the main window, whose controls sit where they were
// designed around the English ones.
#include <QAbstractButton>
#include <QGroupBox>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <vector>

#include "app/MainWindow.h"
#include "history/DateTimeText.h"
#include "history/LoggingScheduler.h"
#include "translations/Translators.h"

namespace bytelora {
namespace {

QString Shown(const char* english) {
    return QString::fromStdString(LoggingText(english));
}

// How many times wider than now the control must be to show each text whole.
template <class Control, class SetText>
double WidthNeeded(Control& control, const std::vector<QString>& texts, SetText setText) {
    const QString kept = control.text();
    double ratio = 1.0;
    for (const QString& text : texts) {
        setText(control, text);
        const int wanted = std::max(control.sizeHint().width(), control.minimumSizeHint().width());
        ratio = std::max(ratio, static_cast<double>(wanted) / std::max(1, control.width()));
    }
    setText(control, kept);
    return ratio;
}

struct TitleOf {
    QGroupBox& box;
    QString text() const { return box.title(); }
    QSize sizeHint() const { return box.minimumSizeHint(); }
    QSize minimumSizeHint() const { return box.minimumSizeHint(); }
    int width() const { return box.width(); }
};

void Widen(QWidget& control, double ratio) {
    const QRect place = control.geometry();
    const QRect wider(static_cast<int>(place.x() * ratio), place.y(),
                      static_cast<int>(place.width() * ratio + 0.999), place.height());
    // A placed control keeps a fixed size (see the layout), so its new size is fixed too:
    // a geometry beyond the old fixed size would be cut back to it.
    control.setFixedSize(wider.size());
    control.setGeometry(wider);
}

}  // namespace

void MainWindow::FitTranslatedTexts() {
    // German and French often run 30-40 % longer than English. Where a translated text
    // would be cut off, the window and every control in it grow wider in proportion: no
    // control moves in relation to the others and none overlaps its neighbour. English
    // never gets here, so it keeps the window as designed.
    if (!ShowsTranslatedTexts()) return;
    const auto setButton = [](QAbstractButton& button, const QString& text) {
        button.setText(text);
    };
    double ratio = 1.0;
    ratio = std::max(ratio, WidthNeeded(*loggingButton,
                                        {Shown(kLoggingButtonDesignCaption), Shown(kTurnOnCaption),
                                         Shown(kTurnOffCaption)},
                                        setButton));
    for (QAbstractButton* control : std::initializer_list<QAbstractButton*>{
             graphButton, viewLogButton, copyLogButton, helpButton, clearLogButton,
             startWithSessionBox, startHiddenBox}) {
        ratio = std::max(ratio, WidthNeeded(*control, {control->text()}, setButton));
    }
    // The countdown frame's caption changes as logging goes on; the widest date a
    // snapshot can complete at is a late one in December.
    const auto lateInTheYear =
        std::chrono::sys_days(std::chrono::year_month_day(
            std::chrono::year(2026), std::chrono::December, std::chrono::day(28))) +
        std::chrono::hours(23) + std::chrono::minutes(58);
    const QString completed =
        Shown(kSnapshotCompletePrefix) + QString::fromStdString(LocalDateTimeText(lateInTheYear));
    TitleOf countdown{*countdownFrame};
    TitleOf startup{*startupOptionsFrame};
    const auto setTitle = [](TitleOf& frame, const QString& text) { frame.box.setTitle(text); };
    ratio = std::max(ratio, WidthNeeded(countdown,
                                        {Shown(kCountdownPrefix) + QStringLiteral("00:00:00"),
                                         Shown(kSnapshotRunningText), completed,
                                         Shown(kLogTurnedOffText), Shown(kLogOffText)},
                                        setTitle));
    ratio = std::max(ratio, WidthNeeded(startup, {startupOptionsFrame->title()}, setTitle));
    if (ratio <= 1.0) return;
    grownForTexts_ = ratio;

    setFixedSize(static_cast<int>(width() * ratio + 0.999), height());
    // Each in its own parent's terms: the bar and the check boxes sit in their frames.
    for (QWidget* control : std::initializer_list<QWidget*>{
             countdownFrame, countdownBar, snapshotList, intervalList, startupOptionsFrame,
             startWithSessionBox, startHiddenBox, loggingButton, graphButton, viewLogButton,
             copyLogButton, helpButton, clearLogButton}) {
        Widen(*control, ratio);
    }
}

}  // namespace bytelora
