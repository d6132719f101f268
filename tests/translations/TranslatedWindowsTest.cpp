// Every window and the tray menu show their texts whole in longer languages, and keep
// working when what they show is no longer the English their logic knows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <memory>

#include "LongerTexts.h"
#include "app/MainWindowRig.h"
#include "app/Twips.h"
#include "support/AppsWindowAnswer.h"
#include "support/TextDrawing.h"
#include "support/UsageZones.h"
#include "tray/TrayMenu.h"
#include "views/AppsWindow.h"
#include "views/GraphWindow.h"
#include "views/InterfacesDialog.h"
#include "views/ShownAmounts.h"
#include "views/UsageWindow.h"
#include "widgets/ClippedText.h"

namespace bytelora {
namespace {

using testing::MainWindowRig;

struct TranslatedRig : MainWindowRig {
    UsageEnvironment usage{dir / "data" / "usage.sqlite", "boot-7", testing::CentralEuropeanZone()};

    MainWindow& Open() {
        Services services = MakeServices();
        services.usage = &usage;
        services.appCounts = [] { return countd::FetchResult{std::nullopt, "no counter here"}; };
        form = std::make_unique<MainWindow>(services);
        form->OnLoad();
        form->UpdateInterfaceInfo();
        form->show();
        QApplication::processEvents();
        return *form;
    }
};

std::string Clipped(const QWidget& window) {
    return ClippedTexts(window).join(QStringLiteral("\n")).toStdString();
}

// No two entries of a menu (or of its submenus, each on its own) answer the same key.
void ExpectOneEntryPerKey(const QMenu& menu) {
    QMap<QChar, QString> keys;
    for (const QAction* action : menu.actions()) {
        if (action->menu()) ExpectOneEntryPerKey(*action->menu());
        const QString text = action->text();
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at < 0) continue;
        const QChar key = text.at(at + 1).toLower();
        EXPECT_FALSE(keys.contains(key))
            << keys.value(key).toStdString() << " and " << text.toStdString() << " share &"
            << QString(key).toStdString();
        keys.insert(key, text);
    }
}

// Every window a user can open, each checked while it shows.
void ExpectEveryWindowWhole(MainWindow& form) {
    EXPECT_EQ(Clipped(form), "") << "main window";
    form.OnGraphButtonClicked();
    QApplication::processEvents();
    ASSERT_NE(form.Graph(), nullptr);
    EXPECT_EQ(Clipped(*form.Graph()), "") << "graph window";
    form.ShowInterfacesDialog();
    QApplication::processEvents();
    ASSERT_NE(form.InterfacesWindow(), nullptr);
    EXPECT_EQ(Clipped(*form.InterfacesWindow()), "") << "interfaces";
    form.ShowUsageWindow();
    QApplication::processEvents();
    ASSERT_NE(form.DataUsageWindow(), nullptr);
    EXPECT_EQ(Clipped(*form.DataUsageWindow()), "") << "data usage";
    form.ShowAppsWindow();
    ASSERT_NE(form.ApplicationsWindow(), nullptr);
    testing::WaitForAppsAnswer(*form.ApplicationsWindow());
    QApplication::processEvents();
    EXPECT_EQ(Clipped(*form.ApplicationsWindow()), "") << "applications";
    form.ApplicationsWindow()->close();
    // The tray menu sizes itself to its longest entry; it must still fit the screen.
    QMenu& menu = form.TrayIconMenu()->Menu();
    EXPECT_LE(menu.sizeHint().width(), QApplication::primaryScreen()->availableSize().width());
    ExpectOneEntryPerKey(menu);
}

TEST(TranslatedWindows, TheCheckFindsTextsCutOff) {
    if (!testing::TextIsDrawn()) GTEST_SKIP() << "no font draws text on this platform";
    QWidget window;
    window.resize(400, 300);
    auto* button = new QPushButton(QStringLiteral("Copy History To Clipboard"), &window);
    button->setObjectName(QStringLiteral("copy"));
    button->setGeometry(0, 0, 60, 27);
    auto* note =
        new QLabel(QStringLiteral("A long note that wraps onto more lines than it has"), &window);
    note->setWordWrap(true);
    note->setGeometry(0, 40, 80, 16);
    auto* frame = new QGroupBox(QStringLiteral("Next bandwidth usage snapshot"), &window);
    frame->setGeometry(0, 100, 50, 40);
    auto* fits = new QCheckBox(QStringLiteral("On"), &window);
    fits->setGeometry(0, 200, 200, 20);
    window.show();
    const QStringList clipped = ClippedTexts(window);
    ASSERT_EQ(clipped.size(), 3) << clipped.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(clipped.filter(QStringLiteral("copy: Copy History")).size(), 1);
    button->setGeometry(0, 0, 300, 27);
    note->setGeometry(0, 40, 80, 200);
    frame->setGeometry(0, 100, 380, 40);
    EXPECT_EQ(ClippedTexts(window).size(), 0);
}

TEST(TranslatedWindows, LongerTextsShowWholeInEveryWindow) {
    const testing::LongerTexts longer;
    TranslatedRig rig;
    MainWindow& form = rig.Open();
    ExpectEveryWindowWhole(form);
    // The logging frame's and button's texts change as logging goes on.
    form.loggingButton->click();
    EXPECT_EQ(Clipped(form), "");
    form.loggingButton->click();
    EXPECT_EQ(Clipped(form), "");
}

TEST(TranslatedWindows, TheMainWindowGrowsWiderWithoutMovingAControlPastItsNeighbour) {
    TranslatedRig english;
    const MainWindow& designed = english.Open();
    EXPECT_EQ(designed.width(), TwipsToPixels(8040));
    const QRect leftButton = designed.loggingButton->geometry();

    const testing::LongerTexts longer;
    TranslatedRig rig;
    const MainWindow& form = rig.Open();
    EXPECT_GT(form.width(), designed.width());
    EXPECT_EQ(form.height(), designed.height());
    // The same rows and columns, each only wider.
    EXPECT_EQ(form.loggingButton->y(), leftButton.y());
    EXPECT_EQ(form.loggingButton->height(), leftButton.height());
    EXPECT_LE(form.loggingButton->geometry().right(), form.graphButton->x());
    EXPECT_LE(form.startWithSessionBox->geometry().right(), form.startHiddenBox->x());
    EXPECT_LE(form.graphButton->geometry().right(), form.width());
    // The lists' column grows with them.
    EXPECT_EQ(designed.intervalList->columnWidth(0), TwipsToPixels(7000));
    EXPECT_GT(form.intervalList->columnWidth(0), designed.intervalList->columnWidth(0));
    EXPECT_LT(form.intervalList->columnWidth(0), form.intervalList->width());
}

TEST(TranslatedWindows, TranslatedCaptionsAndIntervalsKeepTheirMeaning) {
    const testing::LongerTexts longer;
    TranslatedRig rig;
    MainWindow& form = rig.Open();
    // The button decides by its caption: translated, it still switches logging.
    ASSERT_TRUE(form.loggingTimer.isActive());
    form.loggingButton->click();
    EXPECT_FALSE(form.loggingTimer.isActive());
    EXPECT_EQ(rig.settings.Value("StartStopState"), "Off");
    form.loggingButton->click();
    EXPECT_TRUE(form.loggingTimer.isActive());
    EXPECT_NE(form.loggingButton->text(), QStringLiteral("Turn Off Automatic Log"));

    // The list shows the intervals translated; a choice still means its seconds.
    QTreeWidgetItem* everySecond = form.intervalList->topLevelItem(0);
    EXPECT_NE(everySecond->text(0), QStringLiteral("Log every 1 second"));
    testing::ClickIntervalItem(form, 0);
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "1");
    // Every second: the first tick takes the snapshot.
    const int rows = form.snapshotList->topLevelItemCount();
    form.OnLoggingTick();
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), rows + 1);
}

// A French translation of the units alone.
class FrenchUnits : public QTranslator {
  public:
    FrenchUnits() { InstallBytelorasTranslation(this); }
    ~FrenchUnits() override { RemoveBytelorasTranslation(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (qstrcmp(source, "KB") == 0) return QStringLiteral("Ko");
        if (qstrcmp(source, "GB") == 0) return QStringLiteral("Go");
        return {};
    }
};

TEST(TranslatedWindows, AmountsAndDatesTakeTheLocalesFormOnlyWhenTranslated) {
    const QLocale kept;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // English: what the exports and bytelora-cli write, whatever the locale.
    EXPECT_EQ(ShownByteAmount(1536), QStringLiteral("1.5 KB"));
    EXPECT_EQ(ShownByteAmount(1000ull << 30), QStringLiteral("1000 GB"));
    EXPECT_EQ(ShownRate(12345), QStringLiteral("12345 Kb/s"));
    EXPECT_EQ(ShownUsageLabel("2024-03-05T13:00"), QStringLiteral("2024-03-05 13:00"));
    {
        const FrenchUnits french;
        EXPECT_EQ(ShownByteAmount(1536), QStringLiteral("1,5 Ko"));
        EXPECT_EQ(ShownByteAmount(1000ull << 30), QStringLiteral("1000 Go"));  // never grouped
        EXPECT_EQ(ShownByteAmount(512), QStringLiteral("512 B"));
        EXPECT_EQ(ShownUsageLabel("2024-03-05"), QStringLiteral("05/03/2024"));
        EXPECT_EQ(ShownUsageLabel("2024-03-05T13:00"), QStringLiteral("05/03/2024 13:00"));
        EXPECT_EQ(ShownUsageLabel("2024"), QStringLiteral("2024"));
        EXPECT_TRUE(ShownUsageLabel("2024-03").endsWith(QStringLiteral(" 2024")));
        EXPECT_NE(ShownUsageLabel("2024-03"), QStringLiteral("2024-03"));
    }
    QLocale::setDefault(kept);
}

// Once a language's translation is merged, its own texts must fit too; until then the
// longer stand-in above covers them.
TEST(TranslatedWindows, EachFinishedTranslationShowsWhole) {
    int checked = 0;
    for (const char* code : {"de", "fr", "es", "pt_BR", "ru", "zh_CN", "zh_TW", "ja"}) {
        auto* translation = new QTranslator(qApp);
        if (!translation->load(QStringLiteral("bytelora_") + QString::fromLatin1(code),
                               QStringLiteral(":/i18n")) ||
            translation->translate("bytelora::MainWindow", "View History Graph").isEmpty()) {
            delete translation;
            continue;
        }
        SCOPED_TRACE(code);
        InstallBytelorasTranslation(translation);
        {
            TranslatedRig rig;
            ExpectEveryWindowWhole(rig.Open());
        }
        RemoveBytelorasTranslation(translation);
        delete translation;
        ++checked;
    }
    if (checked == 0) GTEST_SKIP() << "no language is translated yet";
}

}  // namespace
}  // namespace bytelora
