#include "app/QtLauncher.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "support/TempDir.h"

namespace bytelora {
namespace {

// Linux hands text files to the desktop, as it does pages; Windows starts notepad.exe,
// which no test here starts.
#ifdef _WIN32
constexpr bool kTextFilesGoToTheDesktop = false;
#else
constexpr bool kTextFilesGoToTheDesktop = true;
#endif

// Stands in for the desktop: whatever would be opened is caught here instead.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

class QtLauncherTest : public ::testing::Test {
  protected:
    QtLauncherTest() {
        for (const char* scheme : {"file", "http", "https"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "Open");
        }
    }
    ~QtLauncherTest() override {
        for (const char* scheme : {"file", "http", "https"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    UrlCatcher catcher;
    QtLauncher launcher;
    testing::TempDir dir;
};

TEST_F(QtLauncherTest, PageAddressesGoToTheBrowser) {
    launcher.OpenPage("https://www.bytelora.org/help.html?from=app#top");
    launcher.OpenPage("http://localhost:8080/");
    ASSERT_EQ(catcher.urls.size(), 2U);
    EXPECT_EQ(catcher.urls[0].toString().toStdString(),
              "https://www.bytelora.org/help.html?from=app#top");
    EXPECT_EQ(catcher.urls[1].host().toStdString(), "localhost");
}

TEST_F(QtLauncherTest, LocalPageWithAwkwardNameIsOpenedAsAFile) {
    // Blanks, '#', '%' and '&' are all allowed in file names on both systems.
    const auto page = dir / "help #1 %20&.html";
    std::ofstream(page) << "<html></html>";
    launcher.OpenPage(page.string());
    ASSERT_EQ(catcher.urls.size(), 1U);
    EXPECT_TRUE(catcher.urls[0].isLocalFile());
    EXPECT_TRUE(std::filesystem::equivalent(catcher.urls[0].toLocalFile().toStdWString(), page))
        << catcher.urls[0].toString().toStdString();
}

TEST_F(QtLauncherTest, OtherKindsOfLinksAreRefused) {
    for (const char* target : {"", "   ", "javascript:alert(1)", "mailto:a@b.org",
                               "no-such-file.html", "ftp://example.org/x"}) {
        EXPECT_THROW(launcher.OpenPage(target), std::runtime_error) << target;
    }
    EXPECT_TRUE(catcher.urls.empty());
}

TEST_F(QtLauncherTest, TextFileIsHandedOverAsOneLocalPath) {
    if (!kTextFilesGoToTheDesktop) GTEST_SKIP() << "text files go to notepad.exe here";
    const auto log = dir / "Bytelora log; rm -rf $HOME.txt";
    std::ofstream(log) << "line\r\n";
    launcher.OpenTextFile(log.string());
    ASSERT_EQ(catcher.urls.size(), 1U);
    EXPECT_EQ(catcher.urls[0].toLocalFile().toStdString(), log.string());
    EXPECT_THROW(launcher.OpenTextFile(""), std::runtime_error);
}

TEST_F(QtLauncherTest, DesktopRefusalIsAFailure) {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "NoSuchSlot");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "NoSuchSlot");
    EXPECT_THROW(launcher.OpenPage("https://www.bytelora.org/"), std::runtime_error);
    if (kTextFilesGoToTheDesktop) {
        EXPECT_THROW(launcher.OpenTextFile((dir / "x.txt").string()), std::runtime_error);
    }
}

}  // namespace
}  // namespace bytelora

#include "QtLauncherTest.moc"
