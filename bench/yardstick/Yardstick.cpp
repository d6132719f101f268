// The yardstick for the idle cost and the start-up time: the least a Qt Widgets program
// can do and still look and work like Bytelora. Two windows of the same sizes, a tray
// icon, /proc/net/dev read four times a second into hidden labels, and once a second a
// 324 by 225 chart image scrolled by two pixels with a new column drawn. Nothing else:
// no settings, no history log, no error guards.
//
// With --bare it is the memory yardstick: the same window, tray icon, reads and chart,
// but no widgets in the window and no graph window.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct Totals {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

// Sums the byte columns of every interface but loopback.
Totals ReadProcNetDev() {
    Totals totals;
    std::FILE* file = std::fopen("/proc/net/dev", "r");
    if (file == nullptr) return totals;
    char line[512];
    int number = 0;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (++number <= 2) continue;
        char* colon = std::strchr(line, ':');
        if (colon == nullptr) continue;
        *colon = '\0';
        const char* name = line;
        while (*name == ' ') ++name;
        if (std::strcmp(name, "lo") == 0) continue;
        unsigned long long rx = 0, tx = 0, skip = 0;
        if (std::sscanf(colon + 1, "%llu %llu %llu %llu %llu %llu %llu %llu %llu", &rx, &skip,
                        &skip, &skip, &skip, &skip, &skip, &skip, &tx) == 9) {
            totals.received += rx;
            totals.sent += tx;
        }
    }
    std::fclose(file);
    return totals;
}

class Graph final : public QWidget {
  public:
    explicit Graph(const QImage& image) : QWidget(nullptr, Qt::Tool), image_(image) {
        setWindowTitle(QStringLiteral("Yardstick Graph"));
        setFixedSize(324, 226);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPoint(0, 0), image_);
    }

  private:
    const QImage& image_;
};

void ScrollAndPlot(QImage& image, std::uint64_t down, std::uint64_t up) {
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::memmove(row, row + 2, static_cast<std::size_t>(width - 2) * sizeof(QRgb));
        row[width - 2] = row[width - 1] = qRgb(0, 0, 0);
    }
    const int h = image.height();
    const int d = static_cast<int>(std::min<std::uint64_t>(down, 100) * h / 100);
    const int u = static_cast<int>(std::min<std::uint64_t>(up, 100) * h / 100);
    for (int y = 0; y < d; ++y)
        reinterpret_cast<QRgb*>(image.scanLine(y))[width - 3] = qRgb(255, 0, 0);
    for (int y = h - u; y < h; ++y)
        reinterpret_cast<QRgb*>(image.scanLine(y))[width - 4] = qRgb(0, 255, 0);
}

void AddControls(QWidget& window) {
    auto* frame = new QGroupBox(QStringLiteral("Next snapshot"), &window);
    frame->setGeometry(8, 8, 520, 57);
    auto* progress = new QProgressBar(frame);
    progress->setGeometry(16, 19, 488, 27);
    auto* list1 = new QTreeWidget(&window);
    list1->setGeometry(8, 72, 520, 112);
    auto* list2 = new QTreeWidget(&window);
    list2->setGeometry(8, 192, 520, 106);
    auto* options = new QGroupBox(QStringLiteral("Options"), &window);
    options->setGeometry(8, 303, 520, 49);
    (new QCheckBox(QStringLiteral("Start with the session"), options))
        ->setGeometry(16, 20, 262, 17);
    (new QCheckBox(QStringLiteral("Minimised"), options))->setGeometry(280, 20, 172, 17);
    const char* captions[] = {"Logging", "Graph", "Log", "Copy", "Help", "Clear"};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]), &window);
        button->setGeometry(8 + (i % 2) * 264, 360 + (i / 2) * 34, 256, 27);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const bool bare = QCoreApplication::arguments().contains(QStringLiteral("--bare"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Yardstick"));
    window.setFixedSize(536, 462);
    if (!bare) AddControls(window);
    QLabel received;
    QLabel sent;

    QImage chart(324, 225, QImage::Format_RGB32);
    chart.fill(Qt::black);
    std::unique_ptr<Graph> graph;
    if (!bare) graph = std::make_unique<Graph>(chart);

    QSystemTrayIcon tray(app.style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.setToolTip(QStringLiteral("Yardstick"));
    tray.show();

    Totals last = ReadProcNetDev();
    Totals now = last;
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        now = ReadProcNetDev();
        received.setText(QString::number(now.received / 1024));
        sent.setText(QString::number(now.sent / 1024));
    });
    sampler.start(250);
    QTimer meter;
    meter.setTimerType(Qt::PreciseTimer);
    QObject::connect(&meter, &QTimer::timeout, [&] {
        ScrollAndPlot(chart, (now.received - last.received) / 1024, (now.sent - last.sent) / 1024);
        last = now;
        if (graph && graph->isVisible()) graph->update();
    });
    meter.start(1000);

    window.show();
    return QApplication::exec();
}
