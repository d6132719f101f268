#include "app/QtMessageBoxes.h"
#include "common/ReportLocations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>

#include "common/AppText.h"
#include "common/ErrorReport.h"

namespace bytelora {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    bool modal = false;
};

// Waits (inside the box's own event loop) for the box to open, notes what it shows and
// presses the given button, so that no test ever waits on a person.
void AnswerNextBox(QMessageBox::StandardButton press, SeenBox& seen) {
    auto* poll = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, press, &seen, attempts] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (box != nullptr && box->isVisible()) {
                seen = {box->windowTitle(),     box->text(),       box->icon(),
                        box->standardButtons(), box->textFormat(), box->isModal()};
                box->button(press)->click();
                poll->deleteLater();
                return;
            }
        }
        if (++*attempts > 500) {
            poll->deleteLater();
            ADD_FAILURE() << "no message box appeared";
        }
    });
    poll->start(5);
}

TEST(QtMessageBoxes, ErrorBoxIsAWarningWithOkAndReadableLines) {
    QtMessageBoxes boxes;
    ErrorReporter reporter(boxes);
    SeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    reporter.ReportError("Disk <b>full</b>",
                         LocationText(report::kMainWindow, report::kLoggingTick), 104);
    EXPECT_EQ(seen.title.toStdString(), "Application Error");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.text.toStdString(),
              "Disk <b>full</b>\nin ByteloraApp2021/08/31.Form1.Timer1 at line 104\n\n"
              "Please email screenshot of this message to " +
                  std::string(SupportEmailAddress()));
}

TEST(QtMessageBoxes, BoxWithoutTitleCarriesTheApplicationTitle) {
    SetAppTitle();
    QtMessageBoxes boxes;
    SeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    boxes.Show("", "The history log was not found.", BoxIcon::None);
    EXPECT_EQ(seen.title.toStdString(), AppTitle());
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST(QtMessageBoxes, QuestionAnswersYesOrNo) {
    QtMessageBoxes boxes;
    for (const auto press : {QMessageBox::Yes, QMessageBox::No}) {
        SeenBox seen;
        AnswerNextBox(press, seen);
        const bool yes = boxes.AskYesNo("Delete", "Delete the history log?");
        EXPECT_EQ(yes, press == QMessageBox::Yes);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.title.toStdString(), "Delete");
    }
}

TEST(QtMessageBoxes, DisplayTextTurnsEveryCrIntoALineBreak) {
    EXPECT_EQ(QtMessageBoxes::DisplayText("a\r\nb\r\rc\nd").toStdString(), "a\nb\n\nc\nd");
}

}  // namespace
}  // namespace bytelora
