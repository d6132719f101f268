// What the live tray tip costs once a second: a changed tip sent through Qt's tray icon,
// and the check that leaves an unchanged one unsent. Run it on the desktop to be
// measured (an X display with a tray host, or the offscreen platform for the bare cost).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

#include "tray/QtTrayBackend.h"
#include "tray/TrayIcon.h"
#include "tray/TrayText.h"

namespace bytelora {
namespace {

void TrayTipChanged(benchmark::State& state) {
    QtTrayBackend backend;
    TrayIcon tray(backend);
    tray.TrayTip(QStringLiteral("Bytelora"));
    tray.InTray(true);
    QApplication::processEvents();
    int rate = 0;
    for (auto _ : state) {
        // Every tip differs from the one before, as a changing rate makes it.
        const QString tip = RatesTipText(QStringLiteral("Bytelora"),
                                         QString::number(++rate) + QStringLiteral(" Kb/s"),
                                         QStringLiteral("3 Kb/s"));
        if (tip != tray.TrayTip()) tray.TrayTip(tip);
        // Whatever the platform queues for it (a D-Bus signal, a redraw) is part of the cost.
        QApplication::processEvents();
    }
    state.counters["tray"] = backend.IsAvailable() ? 1 : 0;
}
BENCHMARK(TrayTipChanged)->Unit(benchmark::kMicrosecond);

void TrayTipUnchanged(benchmark::State& state) {
    QtTrayBackend backend;
    TrayIcon tray(backend);
    tray.InTray(true);
    const QString download = QStringLiteral("120 Kb/s");
    const QString upload = QStringLiteral("3 Kb/s");
    tray.TrayTip(RatesTipText(QStringLiteral("Bytelora"), download, upload));
    for (auto _ : state) {
        const QString tip = RatesTipText(QStringLiteral("Bytelora"), download, upload);
        if (tip != tray.TrayTip()) tray.TrayTip(tip);
        benchmark::DoNotOptimize(tip);
    }
}
BENCHMARK(TrayTipUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bytelora

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
