#include <QClipboard>
#include <QGuiApplication>
#include <QTextEdit>

#include <fstream>

#include "MainWindowRig.h"
#include "common/ReportLocations.h"

namespace bytelora::testing {
namespace {

constexpr char kNoHistory[] =
    "There isn't a history to view because actions have not been performed yet.";
constexpr char kLog[] =
    "3/5/24 12:00:01 PM Download: 1 Kb/s Upload: 2 Kb/s\r\n"
    "3/5/24 12:00:06 PM Download: 3 Kb/s Upload: 4 Kb/s\r\n";

struct HistoryRig : MainWindowRig {
    HistoryRig() {
        Load();
        form->snapshotList->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("a row")}));
    }
    void WriteLog() { std::ofstream(LogPath(), std::ios::binary) << kLog; }
};

TEST(HistoryCommands, ViewOpensTheLogInTheEditorOrSaysThereIsNone) {
    HistoryRig rig;
    rig.form->OnViewLogClicked();
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, kNoHistory);
    EXPECT_EQ(rig.boxes.shown()[0].title, "Bytelora");
    EXPECT_EQ(rig.boxes.shown()[0].icon, BoxIcon::None);
    EXPECT_TRUE(rig.launcher.calls().empty());

    rig.WriteLog();
    rig.form->OnViewLogClicked();
    EXPECT_EQ(rig.launcher.textFiles(), std::vector<std::string>{rig.LogPath()});

    rig.launcher.FailWith("No text editor was found.");
    rig.form->OnViewLogClicked();
    EXPECT_EQ(rig.ErrorBoxes(report::kViewLogButton, 102), 1);
}

TEST(HistoryCommands, CopyPutsTheWholeLogOnTheClipboard) {
    HistoryRig rig;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    rig.form->OnCopyLogClicked();  // no log: nothing at all
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_TRUE(rig.boxes.shown().empty());
    // The box that keeps the copy is made only when there is something to keep.
    EXPECT_EQ(rig.form->findChild<QTextEdit*>(), nullptr);

    rig.WriteLog();
    rig.form->OnCopyLogClicked();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kLog);
    ASSERT_NE(rig.form->findChild<QTextEdit*>(QStringLiteral("clipboardBox")), nullptr);
    EXPECT_TRUE(rig.form->ClipboardBox()->toPlainText().startsWith("3/5/24 12:00:01 PM"));
    EXPECT_FALSE(rig.form->ClipboardBox()->isVisible());
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(HistoryCommands, ClearAsksAndOnlyAYesDeletes) {
    struct Case {
        const char* name;
        bool logExists;
        std::optional<bool> answer;  // nullopt: the question itself fails
        bool cleared;
        int errorBoxes;
    };
    for (const Case& c : {Case{"no", true, false, false, 0}, Case{"yes", true, true, true, 0},
                          Case{"question fails", true, std::nullopt, false, 1},
                          Case{"yes without a log", false, true, true, 0}}) {
        HistoryRig rig;
        if (c.logExists) rig.WriteLog();
        if (c.answer) {
            rig.boxes.SetFixedAnswer(*c.answer);
        } else {
            rig.boxes.FailAsk("The box cannot be shown.");
        }
        rig.form->OnClearLogClicked();
        ASSERT_EQ(rig.boxes.asked().size(), 1u) << c.name;
        EXPECT_EQ(rig.boxes.asked()[0].text,
                  "Are you sure you want to delete the history log and start over?");
        EXPECT_EQ(std::filesystem::exists(rig.LogPath()), c.logExists && !c.cleared) << c.name;
        EXPECT_EQ(rig.form->snapshotList->topLevelItemCount(), c.cleared ? 0 : 1) << c.name;
        EXPECT_EQ(rig.ErrorBoxCount(), c.errorBoxes) << c.name;
        EXPECT_EQ(rig.ErrorBoxes(report::kClearLogButton, 100), c.errorBoxes) << c.name;
    }
}

TEST(HistoryCommands, HelpOpensTheLocalPage) {
    HistoryRig rig;
    rig.form->OnHelpClicked();
    EXPECT_EQ(rig.launcher.pages(),
              std::vector<std::string>{(rig.dir / "help" / "bytelora-help.html").string()});
    rig.launcher.FailWith("No browser was found.");
    rig.form->OnHelpClicked();
    EXPECT_EQ(rig.ErrorBoxes(report::kHelpButton, 100), 1);
}

TEST(HistoryCommands, TheGraphWindowIsShownOnceAndKept) {
    HistoryRig rig;
    GraphWindow* graph = rig.form->Graph();
    rig.form->OnGraphButtonClicked();
    rig.form->OnGraphButtonClicked();
    EXPECT_EQ(rig.form->Graph(), graph);
    EXPECT_TRUE(graph->isVisible());
    graph->close();  // only hides it
    EXPECT_FALSE(graph->isVisible());
    rig.form->OnGraphButtonClicked();
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

}  // namespace
}  // namespace bytelora::testing
