#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenu>

#include <QElapsedTimer>
#include <QTimer>

#include <condition_variable>
#include <fstream>
#include <memory>
#include <mutex>

#include "app/MainWindowRig.h"
#include "countd/client/CountdClient.h"
#include "support/AppsWindowAnswer.h"
#include "support/UsageZones.h"
#include "tray/TrayMenu.h"
#include "usage/UsagePrometheus.h"
#include "usage/UsageText.h"
#include "views/AppsWindow.h"
#include "views/UsageWindow.h"

namespace bytelora {
namespace {

using namespace std::chrono;
using testing::MainWindowRig;

// A real main window recording into a temporary database.
struct UsageFormRig : MainWindowRig {
    UsageEnvironment usage{dir / "data" / "usage.sqlite", "boot-7", testing::CentralEuropeanZone()};

    MainWindow& LoadWithUsage() {
        Services services = MakeServices();
        services.usage = &usage;
        form = std::make_unique<MainWindow>(services);
        form->OnLoad();
        // The database waits for the first table read, where counting starts.
        EXPECT_EQ(form->DataUsage(), nullptr);
        form->UpdateInterfaceInfo();
        return *form;
    }
    // `seconds` of reads four times a second, eth0 moving `perSecond` bytes each way.
    void Run(int seconds, std::uint64_t perSecond) {
        for (int i = 0; i < seconds * 4; ++i) {
            clock.Advance(milliseconds(250));
            table.AddOctets(0, perSecond / 4, perSecond / 4);
            form->UpdateInterfaceInfo();
        }
    }
    std::vector<QString> Balloons() const {
        std::vector<QString> texts;
        for (const auto& call : tray.calls()) {
            if (call.kind == testing::FakeTrayBackend::Kind::ShowBalloon)
                texts.push_back(call.text);
        }
        return texts;
    }
};

TEST(UsageWindow, ListsInterfacesByTheirAliasAndFiltersByTheStoredName) {
    UsageFormRig rig;
    rig.table.Row(0).Alias("Ethernet");
    MainWindow& form = rig.LoadWithUsage();
    rig.Run(2, 4000);
    form.FlushUsage();  // the alias is stored with the next write
    form.ShowUsageWindow();
    UsageWindow* window = form.DataUsageWindow();
    ASSERT_NE(window, nullptr);
    const int ethernet = window->InterfaceFilter->findText(QStringLiteral("Ethernet"));
    ASSERT_EQ(ethernet, 1);
    EXPECT_EQ(window->InterfaceFilter->itemData(ethernet).toString().toStdString(), "eth0");
    window->InterfaceFilter->setCurrentIndex(ethernet);
    std::uint64_t received = 0;
    for (const auto& day : window->CurrentView().total) received += day.received;
    EXPECT_EQ(received, 8000u);
}

TEST(UsageWindow, ClosingSaysHowMuchCouldNotBeStored) {
    UsageFormRig rig;
    // The database's folder cannot be made: a file stands in its way.
    std::ofstream(rig.dir / "data") << "not a folder";
    MainWindow& form = rig.LoadWithUsage();
    rig.Run(2, 4000);
    form.OnCloseRequested();
    ASSERT_FALSE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.boxes.shown().back().text,
              "The data usage not yet stored (15.6 KB, 16000 bytes) could not be written to " +
                  rig.usage.database.string() + " and is lost.");
}

TEST(UsageWindow, OpensOnFirstUseAndShowsWhatTheMainWindowRecorded) {
    UsageFormRig rig;
    MainWindow& form = rig.LoadWithUsage();
    ASSERT_NE(form.DataUsage(), nullptr);
    EXPECT_TRUE(form.DataUsage()->Recording());
    rig.Run(10, 4000);
    EXPECT_EQ(form.DataUsageWindow(), nullptr);  // nothing made until asked for

    form.ShowUsageWindow();
    UsageWindow* window = form.DataUsageWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    // The program's own icon, not whatever the desktop gives a window without one.
    EXPECT_EQ(window->windowIcon().availableSizes(), form.windowIcon().availableSizes());
    EXPECT_FALSE(window->windowIcon().availableSizes().isEmpty());
    // This month by day: today holds the 40000 bytes, not yet written.
    std::uint64_t received = 0;
    for (const auto& day : window->CurrentView().total) received += day.received;
    EXPECT_EQ(received, 40000u);
    EXPECT_EQ(window->Table->rowCount(), 31);  // March
    EXPECT_EQ(window->InterfaceFilter->findText(QStringLiteral("eth0")), 1);
    EXPECT_TRUE(window->Projection->isVisible());

    window->Views->setCurrentIndex(0);
    EXPECT_EQ(window->CurrentView().kind, UsageViewKind::Hours);
    EXPECT_EQ(window->Table->rowCount(), 24);
    EXPECT_EQ(window->Chart->Buckets().size(), 24u);
    window->Views->setCurrentIndex(2);
    EXPECT_EQ(window->Table->rowCount(), kMonthsShown);
    EXPECT_FALSE(window->Projection->isVisible());

    // The tray menu's entry shows the same window again.
    window->hide();
    QAction* entry = nullptr;
    for (QAction* action : form.TrayIconMenu()->Menu().actions()) {
        if (action->text() == QStringLiteral("Data usage\u2026")) entry = action;
    }
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.DataUsageWindow(), window);
    EXPECT_TRUE(window->isVisible());

    const auto csv = rig.dir / "export.csv";
    window->askSavePath = [&] { return QString::fromStdString(csv.string()); };
    window->ExportButton->click();
    std::ifstream written(csv, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
              UsageCsv(window->CurrentView()));
    EXPECT_FALSE(
        window->ExportCsv(QString::fromStdString((rig.dir / "no" / "such" / "x.csv").string())));
    EXPECT_EQ(rig.boxes.shown().size(), 1u);

    // Closing the main window writes what is pending.
    form.OnCloseRequested();
    UsageStore store({rig.usage.database, UsageStore::Mode::Read}, rig.clock, {});
    std::uint64_t stored = 0;
    for (const auto& row : store.Rows({0, INT64_MAX / 2})) stored += row.sent;
    EXPECT_EQ(stored, 40000u);
}

TEST(UsageWindow, TheLimitAndItsBalloonsComeOncePerMonthAcrossARestart) {
    UsageFormRig rig;
    rig.settings.SaveSetting(kSettingsAppName, kSettingsSection, kUsageLimitKey, "1");  // 1 MB
    {
        MainWindow& form = rig.LoadWithUsage();
        form.ShowUsageWindow();
        rig.Run(61, 8000);  // 976 KB both ways together: over 90 %
        ASSERT_EQ(rig.Balloons().size(), 1u);
        EXPECT_TRUE(rig.Balloons()[0].startsWith(QStringLiteral("90 %")));
        rig.Run(61, 8000);
        ASSERT_EQ(rig.Balloons().size(), 2u);
        EXPECT_TRUE(
            rig.Balloons()[1].startsWith(QStringLiteral("The monthly data limit is reached")));
        form.OnCloseRequested();
        rig.form.reset();
    }
    // Restarted in the same month: no balloon again.
    MainWindow& again = rig.LoadWithUsage();
    rig.Run(61, 8000);
    EXPECT_EQ(rig.Balloons().size(), 2u);
    again.OnCloseRequested();
    rig.form.reset();

    // Changing the month's first day in the window stores it and moves the period.
    rig.clock.Advance(hours(24 * 31));
    MainWindow& later = rig.LoadWithUsage();
    later.ShowUsageWindow();
    later.DataUsageWindow()->MonthStart->setValue(15);
    EXPECT_EQ(rig.settings.GetSetting(kSettingsAppName, kSettingsSection, kUsageMonthStartKey, ""),
              "15");
    // The limit, too fine for the window's 0.1 GB steps, is left as it was stored.
    EXPECT_EQ(rig.settings.GetSetting(kSettingsAppName, kSettingsSection, kUsageLimitKey, ""), "1");
    EXPECT_EQ(later.DataUsageWindow()->CurrentView().total.front().label, "2024-03-15");
    rig.Run(61, 8000);  // a new accounting month: 90 % again
    EXPECT_EQ(rig.Balloons().size(), 3u);
}

TEST(UsageWindow, KeepsTheTextfileOfTheFolderTheSettingsName) {
    UsageFormRig rig;
    const auto folder = rig.dir / "textfiles";
    std::filesystem::create_directories(folder);
    rig.settings.SaveSetting(kSettingsAppName, kSettingsSection, kTextfileFolderKey,
                             folder.string());
    MainWindow& form = rig.LoadWithUsage();
    const auto file = folder / "bytelora.prom";
    const auto text = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // From the first read, the counted interface at 0.
    EXPECT_NE(text().find("bytelora_received_bytes_total{interface=\"eth0\"} 0\n"),
              std::string::npos)
        << text();
    rig.Run(10, 4000);
    form.OnCloseRequested();  // the end writes the last totals
    EXPECT_NE(text().find("bytelora_received_bytes_total{interface=\"eth0\"} 40000\n"),
              std::string::npos)
        << text();
}

// A per-application counter the tests hold back and move: it is asked on a thread of the
// window's, so what it shares with the test is behind a lock, and it lives as long as the
// last question to it.
struct HeldCounter {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = true;
    countd::Reply reply;
    int looks = 0;
    int answers = 0;

    static std::function<countd::FetchResult()> Fetch(std::shared_ptr<HeldCounter> counter) {
        return [counter] {
            std::unique_lock lock(counter->mutex);
            ++counter->looks;
            counter->opened.wait(lock, [&] { return counter->open; });
            ++counter->answers;
            return countd::FetchResult{counter->reply, {}};
        };
    }
    void Open(bool value) {
        {
            const std::lock_guard lock(mutex);
            open = value;
        }
        opened.notify_all();
    }
    template <class Edit>
    void Change(Edit&& change) {
        const std::lock_guard lock(mutex);
        change(reply);
    }
    int Answers() {
        const std::lock_guard lock(mutex);
        return answers;
    }
    int Looks() {
        const std::lock_guard lock(mutex);
        return looks;
    }
};

// Minutes of reads, each letting the counter's answer come, until `done` holds (or ten).
template <class Done>
bool RunMinutesUntil(UsageFormRig& rig, Done&& done) {
    for (int minute = 0; minute < 10 && !done(); ++minute) {
        rig.Run(60, 4000);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 200) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

std::uint64_t CurlReceivedToday(MainWindow& form) {
    for (const auto& [key, bytes] : form.DataUsage()->AppBytesToday(std::nullopt)) {
        if (key.find("/usr/bin/curl") != std::string::npos) return bytes.received;
    }
    return 0;
}

TEST(UsageWindow, ListsTodaysAndThisMonthsApplicationsAndTheApplicationsWindowShowsToday) {
    UsageFormRig rig;
    rig.clock.SetNow(testing::Utc(2024, 3, 5, 10));
    auto counter = std::make_shared<HeldCounter>();
    counter->Change([](countd::Reply& reply) {
        reply.startedUnix = 100;
        reply.processes.push_back({7, 1, 0, {5000, 500}, "curl", "/usr/bin/curl", ""});
        reply.processes.push_back({8, 1, 0, {10, 10}, "ssh", "/usr/bin/ssh", ""});
        for (auto& process : reply.processes) process.uid = countd::ClientUserId().value_or(0);
    });
    Services services = rig.MakeServices();
    services.usage = &rig.usage;
    services.appCounts = HeldCounter::Fetch(counter);
    rig.form = std::make_unique<MainWindow>(services);
    MainWindow& form = *rig.form;
    form.OnLoad();
    form.UpdateInterfaceInfo();  // the first write asks for the base
    ASSERT_TRUE(RunMinutesUntil(rig, [&] { return counter->Answers() >= 1; }));
    counter->Change([](countd::Reply& reply) {
        reply.processes[0].bytes = {5000 + 30000, 500 + 3000};
        reply.processes[1].bytes = {10 + 700, 10 + 700};
    });
    ASSERT_TRUE(RunMinutesUntil(rig, [&] { return CurlReceivedToday(form) == 30000; }));
    // Once a minute at most, not with each of the reads.
    EXPECT_LE(counter->Looks(), 6);

    form.ShowUsageWindow();
    UsageWindow* window = form.DataUsageWindow();
    ASSERT_NE(window, nullptr);
    window->Views->setCurrentIndex(0);  // today
    window->ByApplication->setChecked(true);
    EXPECT_TRUE(window->ShowsApplications());
    EXPECT_FALSE(window->InterfaceFilter->isEnabled());
    ASSERT_EQ(window->Table->rowCount(), 2);
    EXPECT_EQ(window->Table->horizontalHeaderItem(0)->text(), "Application");
    EXPECT_EQ(window->CurrentApps()[0].executable, "/usr/bin/curl");
    EXPECT_EQ(window->CurrentApps()[0].received, 30000u);
    EXPECT_EQ(window->CurrentApps()[1].sent, 700u);
    window->Views->setCurrentIndex(1);  // this month holds the same
    EXPECT_EQ(window->CurrentApps().size(), 2u);
    window->Views->setCurrentIndex(2);  // months: per interface only
    EXPECT_FALSE(window->ShowsApplications());
    EXPECT_FALSE(window->ByApplication->isEnabled());
    EXPECT_EQ(window->Table->horizontalHeaderItem(0)->text(), "Month");
    window->close();

    // The Applications window: today's stored bytes and what the counter holds beyond
    // the last write, not the bytes since the counter started.
    counter->Change([](countd::Reply& reply) { reply.processes[0].bytes.received += 1000; });
    form.ShowAppsWindow();
    AppsWindow* apps = form.ApplicationsWindow();
    ASSERT_NE(apps, nullptr);
    testing::WaitForAppsAnswer(*apps);
    ASSERT_EQ(apps->Table().rowCount(), 2);
    const auto size = [](std::uint64_t bytes) {
        return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1,
                                           QLocale::DataSizeTraditionalFormat);
    };
    EXPECT_EQ(apps->Table().item(0, 3)->text(), size(31000));
    EXPECT_EQ(apps->Table().item(0, 4)->text(), size(3000));
    apps->close();
}

TEST(UsageWindow, ACounterThatDoesNotAnswerNeverStallsTheWindowAndItsLateAnswerIsRecorded) {
    UsageFormRig rig;
    rig.clock.SetNow(testing::Utc(2024, 3, 5, 10));
    auto counter = std::make_shared<HeldCounter>();
    counter->Change([](countd::Reply& reply) {
        reply.startedUnix = 100;
        reply.processes.push_back({7, 1, 0, {5000, 500}, "curl", "/usr/bin/curl", ""});
        reply.processes[0].uid = countd::ClientUserId().value_or(0);
    });
    counter->Open(false);
    Services services = rig.MakeServices();
    services.usage = &rig.usage;
    services.appCounts = HeldCounter::Fetch(counter);
    rig.form = std::make_unique<MainWindow>(services);
    MainWindow& form = *rig.form;
    form.OnLoad();
    form.UpdateInterfaceInfo();
    // Three minutes of reads and writes while the question hangs: each read returns, and
    // the window goes on handling its events.
    rig.Run(180, 4000);
    bool handled = false;
    QTimer::singleShot(0, &form, [&] { handled = true; });
    QElapsedTimer waited;
    waited.start();
    while (!handled && waited.elapsed() < 5000) QApplication::processEvents();
    EXPECT_TRUE(handled);
    // The question runs on a worker thread, which a loaded machine may start late.
    while (counter->Looks() == 0 && waited.elapsed() < 10000) QApplication::processEvents();
    rig.Run(60, 4000);
    EXPECT_EQ(counter->Looks(), 1);  // one question at a time
    EXPECT_EQ(counter->Answers(), 0);
    EXPECT_EQ(CurlReceivedToday(form), 0u);

    // It answers at last: that answer is the base, and what curl moves after it is
    // recorded, once.
    counter->Open(true);
    ASSERT_TRUE(RunMinutesUntil(rig, [&] { return counter->Answers() >= 1; }));
    counter->Change([](countd::Reply& reply) { reply.processes[0].bytes.received += 30000; });
    ASSERT_TRUE(RunMinutesUntil(rig, [&] { return CurlReceivedToday(form) != 0; }));
    rig.Run(120, 4000);
    EXPECT_EQ(CurlReceivedToday(form), 30000u);

    // The last write before the end asks directly: the bytes of the last minute are not
    // left to a background answer that would come too late.
    counter->Change([](countd::Reply& reply) { reply.processes[0].bytes.received += 20000; });
    form.FlushUsageAtExit();
    EXPECT_EQ(CurlReceivedToday(form), 50000u);
}

}  // namespace
}  // namespace bytelora
