// The main window's controls, placed as they were designed.
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPalette>
#include <QScreen>

#include "app/MainWindow.h"
#include "app/Twips.h"
#include "widgets/CachedScrollBar.h"
#include "widgets/CountdownBar.h"
#include "widgets/CountdownFrame.h"
#include "widgets/GrowingList.h"
#include "widgets/RowImageDelegate.h"

namespace bytelora {
namespace {

QFont ArialBold(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

template <class Control>
Control* Place(QWidget* container, const char* name, QRect geometry, const QFont& font) {
    auto* control = new Control(container);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    // No layout ever moves a placed control. Fixed at its place's size, a control whose
    // size hint may have changed (the countdown frame with each new caption, every second)
    // no longer sends the window a layout request with nothing to lay out.
    control->setFixedSize(geometry.size());
    control->setFont(font);
    return control;
}

template <class List = QTreeWidget>
List* MakeListView(QWidget* container, const char* name, QRect geometry) {
    auto* list = Place<List>(container, name, geometry, ArialBold(9));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnCount(1);
    list->setHeaderLabels({QString()});
    list->header()->setStretchLastSection(false);
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    return list;
}

QPushButton* MakeButton(QWidget* container, const char* name, QRect geometry,
                        const QString& caption) {
    auto* button = Place<QPushButton>(container, name, geometry, ArialBold(11.25));
    button->setText(caption);
    button->setAutoDefault(false);
    button->setMouseTracking(true);
    return button;
}

// A value holder: its text is its value, and nobody ever sees it.
QLabel* MakeHolder(QWidget* container, const char* name, QRect geometry, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), container);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->hide();
    return label;
}

}  // namespace

void MainWindow::BuildControls() {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(8040), TwipsToPixels(6930));

    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSizeF(9);
    setFont(windowFont);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setMouseTracking(true);

    // The frame and its bar change every second: they paint from an image of their own
    // and draw again only the part that changed.
    countdownFrame =
        Place<CountdownFrame>(this, "countdownFrame", TwipsRect(120, 120, 7800, 855), ArialBold(9));
    countdownFrame->setTitle(tr("Next bandwidth usage snapshot will occur in "));
    countdownBar = Place<CountdownBar>(countdownFrame, "countdownBar",
                                       TwipsRect(240, 285, 7320, 405), ArialBold(9));
    countdownBar->setRange(0, 100);
    countdownBar->setValue(0);
    countdownBar->setTextVisible(true);
    countdownBar->setFormat(tr("Progress Bar"));
    countdownBar->setAlignment(Qt::AlignCenter);

    // A snapshot adds a row every few seconds at the end of the list: only the new row is
    // drawn, and only where it is in view.
    snapshotList =
        MakeListView<GrowingList>(this, "snapshotList", TwipsRect(120, 1080, 7800, 1680));
    snapshotList->setItemDelegate(new RowImageDelegate(*snapshotList));
    // Its scroll bar's range grows with every row; its picture, past a screenful, does not.
    snapshotList->setVerticalScrollBar(new CachedScrollBar(Qt::Vertical));
    intervalList = MakeListView(this, "intervalList", TwipsRect(120, 2880, 7800, 1590));

    startupOptionsFrame = Place<QGroupBox>(this, "startupOptionsFrame",
                                           TwipsRect(120, 4540, 7800, 735), ArialBold(9));
    startupOptionsFrame->setTitle(tr("Startup Options"));
    startWithSessionBox = Place<QCheckBox>(startupOptionsFrame, "startWithSessionBox",
                                           TwipsRect(240, 300, 3930, 255), ArialBold(9));
    startWithSessionBox->setText(tr("Load this software on Windows startup"));
    startHiddenBox = Place<QCheckBox>(startupOptionsFrame, "startHiddenBox",
                                      TwipsRect(4200, 300, 2580, 255), ArialBold(9));
    startHiddenBox->setText(tr("Minimized to system tray"));

    loggingButton = MakeButton(this, "loggingButton", TwipsRect(120, 5400, 3840, 405),
                               tr("Turn On Automatic Logging"));
    graphButton =
        MakeButton(this, "graphButton", TwipsRect(4080, 5400, 3840, 405), tr("View History Graph"));
    viewLogButton =
        MakeButton(this, "viewLogButton", TwipsRect(120, 5910, 3840, 405), tr("View History Log"));
    copyLogButton = MakeButton(this, "copyLogButton", TwipsRect(4080, 5910, 3840, 405),
                               tr("Copy History To Clipboard"));
    helpButton = MakeButton(this, "helpButton", TwipsRect(120, 6420, 3840, 405), tr("Help"));
    clearLogButton = MakeButton(this, "clearLogButton", TwipsRect(4080, 6420, 3840, 405),
                                tr("Clear History Log"));

    receivedKbLabel =
        MakeHolder(this, "receivedKbLabel", TwipsRect(8520, 2640, 1215, 495), "Label1");
    sentKbLabel = MakeHolder(this, "sentKbLabel", TwipsRect(8520, 3360, 1215, 495), "Label2");
    downloadRateLabel =
        MakeHolder(this, "downloadRateLabel", TwipsRect(10080, 2640, 1215, 495), "Label3");
    uploadRateLabel =
        MakeHolder(this, "uploadRateLabel", TwipsRect(10080, 3360, 1215, 495), "Label4");
    previousReceivedLabel =
        MakeHolder(this, "previousReceivedLabel", TwipsRect(11640, 2640, 1215, 495), "Label6");
    previousSentLabel =
        MakeHolder(this, "previousSentLabel", TwipsRect(11640, 3360, 1215, 495), "Label7");
    receivedDifferenceLabel =
        MakeHolder(this, "receivedDifferenceLabel", TwipsRect(8520, 1560, 1215, 495), "Label1");
    sentDifferenceLabel =
        MakeHolder(this, "sentDifferenceLabel", TwipsRect(10200, 1560, 1455, 495), "Label2");

    loggingTimer.setObjectName(QStringLiteral("loggingTimer"));
    samplerTimer.setObjectName(QStringLiteral("samplerTimer"));
    meterTimer.setObjectName(QStringLiteral("meterTimer"));
    for (QTimer* timer : {&loggingTimer, &samplerTimer, &meterTimer})
        timer->setTimerType(Qt::PreciseTimer);
    loggingTimer.setInterval(1000);
    samplerTimer.setInterval(250);
    meterTimer.setInterval(1000);

    SetTabOrder();
    FitTranslatedTexts();
    snapshotList->setFocus();
}

void MainWindow::SetTabOrder() {
    // Design tab indexes: snapshotList 0, intervalList 7, loggingButton 12, copyLogButton 13,
    // graphButton 14, viewLogButton 15, startHiddenBox 18, startWithSessionBox 19, helpButton 20,
    // clearLogButton 21; the frames, the progress bar and the hidden holders take no focus.
    for (QWidget* passive :
         {static_cast<QWidget*>(countdownFrame), static_cast<QWidget*>(startupOptionsFrame),
          static_cast<QWidget*>(countdownBar)}) {
        passive->setFocusPolicy(Qt::NoFocus);
    }
    QWidget* order[] = {snapshotList, intervalList,  loggingButton,  copyLogButton,
                        graphButton,  viewLogButton, startHiddenBox, startWithSessionBox,
                        helpButton,   clearLogButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

QTextEdit* MainWindow::ClipboardBox() {
    if (!clipboardBox_) {
        clipboardBox_ = new QTextEdit(this);
        clipboardBox_->setObjectName(QStringLiteral("clipboardBox"));
        clipboardBox_->setGeometry(TwipsRect(9000, 240, 4815, 3015));
        clipboardBox_->setAcceptRichText(false);
        clipboardBox_->setFocusPolicy(Qt::NoFocus);
        clipboardBox_->hide();
    }
    return clipboardBox_;
}

void MainWindow::CentreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace bytelora
