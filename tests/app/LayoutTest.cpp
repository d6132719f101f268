#include <QFontInfo>

#include "FormRig.h"

namespace bytelora::testing {
namespace {

QRect InWindow(const Form1& form, const QWidget* control) {
    return QRect(control->mapTo(&form, QPoint(0, 0)), control->size());
}

TEST(Layout, ClientAreaIsFixedAndEveryVisibleControlLiesInside) {
    FormRig rig;
    Form1& form = rig.Load();
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
    for (const QWidget* holder :
         {static_cast<QWidget*>(form.lblRecv), static_cast<QWidget*>(form.Label16),
          static_cast<QWidget*>(form.RichTextBox1())}) {
        EXPECT_FALSE(holder->isVisible());
        EXPECT_GE(holder->x(), client.width());
    }
}

TEST(Layout, ControlsSitWhereTheyWereDesigned) {
    FormRig rig;
    Form1 form(rig.MakeServices());
    struct Case {
        const char* name;
        QRect geometry;
        const char* caption;
    };
    for (const Case& c :
         {Case{"Frame1", {8, 8, 520, 57}, "Next bandwidth usage snapshot will occur in "},
          Case{"ProgressBar1", {16, 19, 488, 27}, ""}, Case{"ListView1", {8, 72, 520, 112}, ""},
          Case{"ListView2", {8, 192, 520, 106}, ""},
          Case{"Frame2", {8, 303, 520, 49}, "Startup Options"},
          Case{"Check4", {16, 20, 262, 17}, "Load this software on Windows startup"},
          Case{"Check8", {280, 20, 172, 17}, "Minimized to system tray"},
          Case{"PushButton5", {8, 360, 256, 27}, "Turn On Automatic Logging"},
          Case{"PushButton1", {272, 360, 256, 27}, "View History Graph"},
          Case{"PushButton2", {8, 394, 256, 27}, "View History Log"},
          Case{"PushButton3", {272, 394, 256, 27}, "Copy History To Clipboard"},
          Case{"PushButton4", {8, 428, 256, 27}, "Help"},
          Case{"PushButton6", {272, 428, 256, 27}, "Clear History Log"},
          Case{"lblRecv", {568, 176, 81, 33}, "Label1"},
          Case{"Label9", {672, 176, 81, 33}, "Label3"},
          Case{"Label2", {680, 104, 97, 33}, "Label2"}}) {
        const auto* control = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.geometry) << c.name;
        QString caption;
        if (auto* frame = qobject_cast<const QGroupBox*>(control)) caption = frame->title();
        if (auto* button = qobject_cast<const QAbstractButton*>(control)) caption = button->text();
        if (auto* label = qobject_cast<const QLabel*>(control)) caption = label->text();
        EXPECT_EQ(caption, c.caption) << c.name;
    }
    EXPECT_EQ(form.ProgressBar1->text(), "Progress Bar");
    EXPECT_EQ(form.Frame1->font().family(), "Arial");
    EXPECT_TRUE(form.Frame1->font().bold());
    EXPECT_EQ(form.Frame1->font().pointSizeF(), 9.0);
    EXPECT_EQ(form.PushButton3->font().pointSizeF(), 11.25);
    EXPECT_FALSE(form.ListView1->rootIsDecorated());
}

TEST(Layout, TabOrderStartsAtTheSnapshotList) {
    FormRig rig;
    Form1& form = rig.Load();
    const std::vector<QWidget*> expected = {
        form.ListView1,   form.ListView2, form.PushButton5, form.PushButton3, form.PushButton1,
        form.PushButton2, form.Check8,    form.Check4,      form.PushButton4, form.PushButton6};
    std::vector<QWidget*> order;
    QWidget* at = form.ListView1;
    do {
        if (at->focusPolicy() & Qt::TabFocus) order.push_back(at);
        at = at->nextInFocusChain();
    } while (at != form.ListView1 && order.size() < 40);
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace bytelora::testing
