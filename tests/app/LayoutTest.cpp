#include <QFontInfo>

#include "MainWindowRig.h"
#include "widgets/CountdownFrame.h"

namespace bytelora::testing {
namespace {

QRect InWindow(const MainWindow& form, const QWidget* control) {
    return QRect(control->mapTo(&form, QPoint(0, 0)), control->size());
}

TEST(Layout, ClientAreaIsFixedAndEveryVisibleControlLiesInside) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    EXPECT_EQ(form.size(), QSize(536, 462));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));

    const QRect client = form.rect();
    int visible = 0;
    for (const QWidget* child : form.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->isWindow()) continue;
        ++visible;
        EXPECT_TRUE(client.contains(InWindow(form, child))) << child->objectName().toStdString();
    }
    EXPECT_GT(visible, 13);
    // The value holders keep their places beyond the right edge and are never shown.
    for (const QWidget* holder : {static_cast<QWidget*>(form.receivedKbLabel),
                                  static_cast<QWidget*>(form.previousSentLabel),
                                  static_cast<QWidget*>(form.ClipboardBox())}) {
        EXPECT_FALSE(holder->isVisible());
        EXPECT_GE(holder->x(), client.width());
    }
}

// Counts the layout requests a widget receives.
class LayoutRequests : public QObject {
  public:
    explicit LayoutRequests(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) ++count;
        return false;
    }
};

TEST(Layout, ANewCountdownCaptionLaysNothingOut) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    QCoreApplication::processEvents();
    // The countdown's caption changes every second; the window has nothing to lay out.
    LayoutRequests requests(form);
    const QRect frame = form.countdownFrame->geometry();
    form.countdownFrame->SetCaption(
        QStringLiteral("Next bandwidth usage snapshot will occur in 4"));
    form.countdownFrame->SetCaption(QStringLiteral("Snapshot complete at 12:00:00 on 1/1/2026"));
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count, 0);
    EXPECT_EQ(form.countdownFrame->geometry(), frame);
}

TEST(Layout, ControlsSitWhereTheyWereDesigned) {
    MainWindowRig rig;
    MainWindow form(rig.MakeServices());
    struct Case {
        const char* name;
        QRect geometry;
        const char* caption;
    };
    for (const Case& c :
         {Case{"countdownFrame", {8, 8, 520, 57}, "Next bandwidth usage snapshot will occur in "},
          Case{"countdownBar", {16, 19, 488, 27}, ""}, Case{"snapshotList", {8, 72, 520, 112}, ""},
          Case{"intervalList", {8, 192, 520, 106}, ""},
          Case{"startupOptionsFrame", {8, 303, 520, 49}, "Startup Options"},
          Case{"startWithSessionBox", {16, 20, 262, 17}, "Load this software on Windows startup"},
          Case{"startHiddenBox", {280, 20, 172, 17}, "Minimized to system tray"},
          Case{"loggingButton", {8, 360, 256, 27}, "Turn On Automatic Logging"},
          Case{"graphButton", {272, 360, 256, 27}, "View History Graph"},
          Case{"viewLogButton", {8, 394, 256, 27}, "View History Log"},
          Case{"copyLogButton", {272, 394, 256, 27}, "Copy History To Clipboard"},
          Case{"helpButton", {8, 428, 256, 27}, "Help"},
          Case{"clearLogButton", {272, 428, 256, 27}, "Clear History Log"},
          Case{"receivedKbLabel", {568, 176, 81, 33}, "Label1"},
          Case{"downloadRateLabel", {672, 176, 81, 33}, "Label3"},
          Case{"sentDifferenceLabel", {680, 104, 97, 33}, "Label2"}}) {
        const auto* control = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.geometry) << c.name;
        QString caption;
        if (auto* frame = qobject_cast<const QGroupBox*>(control)) caption = frame->title();
        if (auto* button = qobject_cast<const QAbstractButton*>(control)) caption = button->text();
        if (auto* label = qobject_cast<const QLabel*>(control)) caption = label->text();
        EXPECT_EQ(caption, c.caption) << c.name;
    }
    EXPECT_EQ(form.countdownBar->text(), "Progress Bar");
    EXPECT_EQ(form.countdownFrame->font().family(), "Arial");
    EXPECT_TRUE(form.countdownFrame->font().bold());
    EXPECT_EQ(form.countdownFrame->font().pointSizeF(), 9.0);
    EXPECT_EQ(form.copyLogButton->font().pointSizeF(), 11.25);
    EXPECT_FALSE(form.snapshotList->rootIsDecorated());
}

TEST(Layout, TabOrderStartsAtTheSnapshotList) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    const std::vector<QWidget*> expected = {
        form.snapshotList, form.intervalList,  form.loggingButton,  form.copyLogButton,
        form.graphButton,  form.viewLogButton, form.startHiddenBox, form.startWithSessionBox,
        form.helpButton,   form.clearLogButton};
    std::vector<QWidget*> order;
    QWidget* at = form.snapshotList;
    do {
        if (at->focusPolicy() & Qt::TabFocus) order.push_back(at);
        at = at->nextInFocusChain();
    } while (at != form.snapshotList && order.size() < 40);
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace bytelora::testing
