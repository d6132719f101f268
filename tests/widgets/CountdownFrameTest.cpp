// The logging frame paints from an image of its own and draws only what changed: its
// picture must stay exactly that of a plain group box with a plain progress bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPaintEvent>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "widgets/CountdownBar.h"
#include "widgets/CountdownFrame.h"

namespace bytelora {
namespace {

QFont Bold(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// A white window holding a frame with a bar, as the main window has them.
struct Window {
    QWidget window;
    QGroupBox* frame;
    QProgressBar* bar;

    Window(QGroupBox* frameControl, QProgressBar* barControl)
        : frame(frameControl), bar(barControl) {
        QPalette white = window.palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::Button, Qt::white);
        window.setPalette(white);
        window.setAutoFillBackground(true);
        window.setFixedSize(536, 80);
        frame->setParent(&window);
        frame->setGeometry(8, 8, 520, 57);
        frame->setFont(Bold(9));
        bar->setParent(frame);
        bar->setGeometry(16, 19, 488, 27);
        bar->setFont(Bold(9));
        bar->setFormat(QStringLiteral("Progress Bar"));
        bar->setAlignment(Qt::AlignCenter);
        bar->setRange(0, 5);
        bar->setValue(0);
        window.show();
    }

    void Apply(const std::function<void(QGroupBox&, QProgressBar&)>& change) {
        change(*frame, *bar);
        QApplication::processEvents();
    }
    QImage Picture() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What the window's backing store holds: the sum of every paint, whole or partial.
    QImage Screen() {
        const auto* image = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
        if (image == nullptr) return {};
        return image->copy(window.rect()).convertToFormat(QImage::Format_RGB32);
    }
};

// The largest area one paint of a widget covered.
class PaintedArea : public QObject {
  public:
    explicit PaintedArea(QWidget& widget) { widget.installEventFilter(this); }
    int Largest() const { return largest_; }
    void Reset() { largest_ = 0; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            int area = 0;
            for (const QRect& part : static_cast<QPaintEvent*>(event)->region()) {
                area += part.width() * part.height();
            }
            largest_ = std::max(largest_, area);
        }
        return false;
    }

  private:
    int largest_ = 0;
};

// Under Fusion the bar and the caption are put together from pictures; other styles (the
// Windows ones) draw them as before, and only their pixels are checked.
bool UnderFusion() {
    return QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) ==
           0;
}

// Pixels that differ by more than one level in a colour channel. The style's frame
// pixmap, scaled onto a separate image, rounds a few edge pixels one level apart.
int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const bool apart = std::abs(qRed(p) - qRed(q)) > 1 ||
                               std::abs(qGreen(p) - qGreen(q)) > 1 ||
                               std::abs(qBlue(p) - qBlue(q)) > 1;
            count += apart ? 1 : 0;
        }
    }
    return count;
}

TEST(CountdownFrame, EveryStepLooksExactlyLikeAPlainFrameAndBar) {
    Window plain(new QGroupBox, new QProgressBar);
    auto* frame = new CountdownFrame;
    auto* bar = new CountdownBar;
    Window cached(frame, bar);

    const QString prefix = QStringLiteral("Next bandwidth usage snapshot will occur in ");
    struct Step {
        std::string what;
        std::function<void(QGroupBox&, QProgressBar&)> change;
    };
    const Step steps[] = {
        {"first countdown",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(1);
             f.setTitle(prefix + "00:00:04");
         }},
        {"second",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(2);
             f.setTitle(prefix + "00:00:03");
         }},
        {"third",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(3);
             f.setTitle(prefix + "00:00:02");
         }},
        {"fourth",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(4);
             f.setTitle(prefix + "00:00:01");
         }},
        {"full",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(5);
             f.setTitle(prefix + "00:00:00");
         }},
        {"snapshot running",
         [&](QGroupBox& f, QProgressBar&) {
             f.setTitle(QStringLiteral("Logging bandwidth usage is running in background..."));
         }},
        {"shorter caption",
         [&](QGroupBox& f, QProgressBar&) { f.setTitle(QStringLiteral("Off")); }},
        {"back to empty",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setValue(0);
             f.setTitle(prefix + "00:00:00");
         }},
        {"longer interval",
         [&](QGroupBox& f, QProgressBar& b) {
             b.setMaximum(300);
             b.setValue(137);
             f.setTitle(prefix + "00:02:43");
         }},
        {"one step of many", [&](QGroupBox&, QProgressBar& b) { b.setValue(138); }},
        {"disabled", [&](QGroupBox& f, QProgressBar&) { f.setEnabled(false); }},
        {"enabled again",
         [&](QGroupBox& f, QProgressBar& b) {
             f.setEnabled(true);
             b.setValue(139);
         }},
    };
    EXPECT_EQ(DifferentPixels(plain.Picture(), cached.Picture()), 0) << "at start";
    for (const Step& step : steps) {
        plain.Apply(step.change);
        cached.Apply(step.change);
        EXPECT_EQ(DifferentPixels(plain.Picture(), cached.Picture()), 0) << step.what;
    }
    // Most steps drew only a strip again, not the whole frame or bar.
    EXPECT_GT(frame->Cache().PartRefreshes(), 5);
    if (UnderFusion()) {
        EXPECT_GE(bar->Cache().PartRefreshes(), 4);
    }
}

TEST(CountdownFrame, TheEndOfTheFillLooksRightAtEveryColumn) {
    // A minute's countdown moves the end of the fill across the whole bar, past its text
    // and up to both of its ends.
    Window plain(new QGroupBox, new QProgressBar);
    auto* bar = new CountdownBar;
    Window cached(new CountdownFrame, bar);
    for (Window* window : {&plain, &cached}) {
        window->Apply([](QGroupBox&, QProgressBar& b) { b.setMaximum(61); });
    }
    for (int value = 0; value <= 61; ++value) {
        for (Window* window : {&plain, &cached}) {
            window->Apply([&](QGroupBox&, QProgressBar& b) { b.setValue(value); });
        }
        EXPECT_EQ(DifferentPixels(plain.Picture(), cached.Picture()), 0) << value;
    }
    if (UnderFusion()) {
        EXPECT_GT(bar->Cache().PartRefreshes(), 40);
    }
}

TEST(CountdownFrame, ACountdownThatComesRoundAgainIsNotLaidOutAgain) {
    Window plain(new QGroupBox, new QProgressBar);
    auto* frame = new CountdownFrame;
    Window cached(frame, new CountdownBar);
    const QString prefix = QStringLiteral("Next bandwidth usage snapshot will occur in ");
    const auto round = [&] {
        for (int left = 4; left >= 0; --left) {
            for (Window* window : {&plain, &cached}) {
                window->Apply([&](QGroupBox& f, QProgressBar& b) {
                    b.setValue(5 - left);
                    f.setTitle(prefix + QStringLiteral("00:00:0%1").arg(left));
                });
            }
            EXPECT_EQ(DifferentPixels(plain.Picture(), cached.Picture()), 0) << left;
        }
    };
    for (Window* window : {&plain, &cached}) {
        window->Apply([&](QGroupBox& f, QProgressBar&) { f.setTitle(prefix); });
    }
    round();
    const int laidOut = frame->CaptionsLaidOut();
    if (UnderFusion()) {
        EXPECT_EQ(laidOut, 5);
    }
    round();
    EXPECT_EQ(frame->CaptionsLaidOut(), laidOut);
}

TEST(CountdownFrame, ACountdownStepPaintsOnlyWhatChangedAndTheScreenIsStillRight) {
    Window plain(new QGroupBox, new QProgressBar);
    auto* frame = new CountdownFrame;
    auto* bar = new CountdownBar;
    Window cached(frame, bar);
    const PaintedArea framePaints(*frame);
    const PaintedArea barPaints(*bar);
    const QString prefix = QStringLiteral("Next bandwidth usage snapshot will occur in ");
    const auto step = [&](int value, const QString& caption) {
        plain.Apply([&](QGroupBox& f, QProgressBar& b) {
            b.setValue(value);
            f.setTitle(caption);
        });
        cached.Apply([&](QGroupBox&, QProgressBar&) {
            bar->ShowValue(value);
            frame->SetCaption(caption);
        });
        return DifferentPixels(plain.Screen(), cached.Screen());
    };
    for (Window* window : {&plain, &cached}) {
        window->Apply([](QGroupBox& f, QProgressBar& b) {
            b.setMaximum(5);
            f.setTitle(QStringLiteral("Off"));
        });
    }
    EXPECT_EQ(step(0, prefix + "00:00:05"), 0) << "a longer caption";
    for (int value = 1; value <= 5; ++value) {
        const_cast<PaintedArea&>(framePaints).Reset();
        const_cast<PaintedArea&>(barPaints).Reset();
        EXPECT_EQ(step(value, prefix + QStringLiteral("00:00:0%1").arg(5 - value)), 0) << value;
        if (UnderFusion()) {
            // The caption's line and the columns the fill's end crossed, not the frame.
            EXPECT_LT(framePaints.Largest(), frame->width() * frame->height() / 2) << value;
            EXPECT_LT(barPaints.Largest(), bar->width() * bar->height() / 2) << value;
        }
    }
    EXPECT_EQ(step(5, QStringLiteral("Logging bandwidth usage is running in background...")), 0);
    EXPECT_EQ(step(0, QStringLiteral("Off")), 0) << "a shorter caption, an empty bar";
}

TEST(CountdownFrame, UnderAStyleSheetPaintsAsAPlainFrame) {
    auto* frame = new CountdownFrame;
    auto* bar = new CountdownBar;
    Window cached(frame, bar);
    cached.window.setStyleSheet(QStringLiteral("QGroupBox { color: #102030; }"));
    cached.Apply([](QGroupBox& f, QProgressBar& b) {
        b.setValue(2);
        f.setTitle(QStringLiteral("Skinned"));
    });
    cached.Picture();
    EXPECT_TRUE(frame->Cache().Empty());
    EXPECT_TRUE(bar->Cache().Empty());
}

}  // namespace
}  // namespace bytelora
