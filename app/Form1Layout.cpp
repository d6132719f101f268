// The main window's controls, placed as they were designed.
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPalette>
#include <QScreen>

#include "app/CountdownBar.h"
#include "app/CountdownFrame.h"
#include "app/RowImageDelegate.h"
#include "app/Form1.h"
#include "app/Twips.h"

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
    control->setFont(font);
    return control;
}

QTreeWidget* MakeListView(QWidget* container, const char* name, QRect geometry) {
    auto* list = Place<QTreeWidget>(container, name, geometry, ArialBold(9));
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

QPushButton* MakeButton(QWidget* container, const char* name, QRect geometry, const char* caption) {
    auto* button = Place<QPushButton>(container, name, geometry, ArialBold(11.25));
    button->setText(QString::fromLatin1(caption));
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

void Form1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
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
    Frame1 = Place<CountdownFrame>(this, "Frame1", TwipsRect(120, 120, 7800, 855), ArialBold(9));
    Frame1->setTitle(QStringLiteral("Next bandwidth usage snapshot will occur in "));
    ProgressBar1 =
        Place<CountdownBar>(Frame1, "ProgressBar1", TwipsRect(240, 285, 7320, 405), ArialBold(9));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setFormat(QStringLiteral("Progress Bar"));
    ProgressBar1->setAlignment(Qt::AlignCenter);

    ListView1 = MakeListView(this, "ListView1", TwipsRect(120, 1080, 7800, 1680));
    // A snapshot adds a row every few seconds, and the list repaints every row it shows.
    ListView1->setItemDelegate(new RowImageDelegate(*ListView1));
    ListView2 = MakeListView(this, "ListView2", TwipsRect(120, 2880, 7800, 1590));

    Frame2 = Place<QGroupBox>(this, "Frame2", TwipsRect(120, 4540, 7800, 735), ArialBold(9));
    Frame2->setTitle(QStringLiteral("Startup Options"));
    Check4 = Place<QCheckBox>(Frame2, "Check4", TwipsRect(240, 300, 3930, 255), ArialBold(9));
    Check4->setText(QStringLiteral("Load this software on Windows startup"));
    Check8 = Place<QCheckBox>(Frame2, "Check8", TwipsRect(4200, 300, 2580, 255), ArialBold(9));
    Check8->setText(QStringLiteral("Minimized to system tray"));

    PushButton5 = MakeButton(this, "PushButton5", TwipsRect(120, 5400, 3840, 405),
                             "Turn On Automatic Logging");
    PushButton1 =
        MakeButton(this, "PushButton1", TwipsRect(4080, 5400, 3840, 405), "View History Graph");
    PushButton2 =
        MakeButton(this, "PushButton2", TwipsRect(120, 5910, 3840, 405), "View History Log");
    PushButton3 = MakeButton(this, "PushButton3", TwipsRect(4080, 5910, 3840, 405),
                             "Copy History To Clipboard");
    PushButton4 = MakeButton(this, "PushButton4", TwipsRect(120, 6420, 3840, 405), "Help");
    PushButton6 =
        MakeButton(this, "PushButton6", TwipsRect(4080, 6420, 3840, 405), "Clear History Log");

    lblRecv = MakeHolder(this, "lblRecv", TwipsRect(8520, 2640, 1215, 495), "Label1");
    lblSent = MakeHolder(this, "lblSent", TwipsRect(8520, 3360, 1215, 495), "Label2");
    Label9 = MakeHolder(this, "Label9", TwipsRect(10080, 2640, 1215, 495), "Label3");
    Label10 = MakeHolder(this, "Label10", TwipsRect(10080, 3360, 1215, 495), "Label4");
    Label15 = MakeHolder(this, "Label15", TwipsRect(11640, 2640, 1215, 495), "Label6");
    Label16 = MakeHolder(this, "Label16", TwipsRect(11640, 3360, 1215, 495), "Label7");
    Label1 = MakeHolder(this, "Label1", TwipsRect(8520, 1560, 1215, 495), "Label1");
    Label2 = MakeHolder(this, "Label2", TwipsRect(10200, 1560, 1455, 495), "Label2");

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    for (QTimer* timer : {&Timer1, &Timer2, &Timer3}) timer->setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(1000);
    Timer2.setInterval(250);
    Timer3.setInterval(1000);

    SetTabOrder();
    ListView1->setFocus();
}

void Form1::SetTabOrder() {
    // Design tab indexes: ListView1 0, ListView2 7, PushButton5 12, PushButton3 13,
    // PushButton1 14, PushButton2 15, Check8 18, Check4 19, PushButton4 20, PushButton6 21;
    // the frames, the progress bar and the hidden holders take no focus.
    for (QWidget* passive : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                             static_cast<QWidget*>(ProgressBar1)}) {
        passive->setFocusPolicy(Qt::NoFocus);
    }
    QWidget* order[] = {ListView1,   ListView2, PushButton5, PushButton3, PushButton1,
                        PushButton2, Check8,    Check4,      PushButton4, PushButton6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

QTextEdit* Form1::RichTextBox1() {
    if (!richTextBox1_) {
        richTextBox1_ = new QTextEdit(this);
        richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
        richTextBox1_->setGeometry(TwipsRect(9000, 240, 4815, 3015));
        richTextBox1_->setAcceptRichText(false);
        richTextBox1_->setFocusPolicy(Qt::NoFocus);
        richTextBox1_->hide();
    }
    return richTextBox1_;
}

void Form1::CentreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace bytelora
