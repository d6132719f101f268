#include "app/Skin.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "support/TempDir.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A window with the kinds of controls the main window has.
class SkinTest : public ::testing::Test {
  protected:
    SkinTest() {
        frame = new QGroupBox(&window);
        framedCheck = new QCheckBox(frame);
        check = new QCheckBox(&window);
        option = new QRadioButton(&window);
        label = new QLabel(&window);
        list = new QListWidget(&window);
        button = new QPushButton(&window);
        progress = new QProgressBar(&window);
        richText = new QTextEdit(&window);
        // The plain look the window has without a skin.
        QPalette white = window.palette();
        white.setColor(QPalette::Window, Qt::white);
        window.setPalette(white);
    }

    std::vector<QWidget*> Recoloured() {
        return {&window, frame, framedCheck, check, option, label};
    }
    std::vector<QWidget*> LeftAlone() { return {list, button, progress, richText}; }

    struct Look {
        QPalette palette;
        bool autoFill;
    };
    std::vector<Look> LookOfAll() {
        std::vector<Look> looks;
        for (const auto& widgets : {Recoloured(), LeftAlone()}) {
            for (QWidget* w : widgets) looks.push_back({w->palette(), w->autoFillBackground()});
        }
        return looks;
    }
    void ExpectUntouched(const std::vector<Look>& before) {
        const auto after = LookOfAll();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_TRUE(after[i].palette == before[i].palette) << "widget " << i;
            EXPECT_EQ(after[i].autoFill, before[i].autoFill) << "widget " << i;
        }
        EXPECT_TRUE(window.styleSheet().isEmpty());
    }
    void ExpectRecoloured() {
        for (QWidget* w : Recoloured()) {
            EXPECT_EQ(w->palette().color(w->backgroundRole()), SkinColour())
                << w->metaObject()->className();
            EXPECT_TRUE(w->autoFillBackground()) << w->metaObject()->className();
        }
    }

    void WriteSkin(const std::string& text) {
        fs::create_directories(dir / "x");
        std::ofstream(dir / "x" / "o.cjs", std::ios::binary) << text;
    }

    TempDir dir;
    QWidget window;
    QGroupBox* frame;
    QCheckBox* framedCheck;
    QCheckBox* check;
    QRadioButton* option;
    QLabel* label;
    QListWidget* list;
    QPushButton* button;
    QProgressBar* progress;
    QTextEdit* richText;
};

TEST_F(SkinTest, SkinFileLiesInTheXFolder) {
    EXPECT_EQ(SkinFilePath(dir.path()), dir / "x" / "o.cjs");
}

TEST_F(SkinTest, WithoutASkinFileNothingChanges) {
    const auto before = LookOfAll();
    EXPECT_NO_THROW(ApplySkin(window, dir.path()));  // no "x" folder
    ExpectUntouched(before);
    fs::create_directories(dir / "x");
    EXPECT_NO_THROW(ApplySkin(window, dir.path()));
    ExpectUntouched(before);
    fs::create_directories(dir / "x" / "o.cjs");  // a folder named like the skin
    EXPECT_NO_THROW(ApplySkin(window, dir.path()));
    ExpectUntouched(before);
}

TEST_F(SkinTest, ValidSkinRecoloursAndIsApplied) {
    const std::string sheet = "QLabel { color: #102030; }\nQGroupBox { border: 1px solid gray; }";
    WriteSkin(sheet);
    ApplySkin(window, dir.path());
    ExpectRecoloured();
    EXPECT_EQ(window.styleSheet().toStdString(), sheet);
    for (QWidget* w : LeftAlone()) {
        EXPECT_FALSE(w->autoFillBackground()) << w->metaObject()->className();
    }
}

TEST_F(SkinTest, InvalidSkinThrowsAfterRecolouringAndIsNotApplied) {
    WriteSkin("QLabel { color: red; ");
    // Those controls paint with these roles; the window role they inherit is not theirs.
    const auto paintedColours = [](const QWidget* w) {
        std::vector<QColor> colours;
        for (const auto role : {QPalette::Base, QPalette::Button, QPalette::Text,
                                QPalette::ButtonText, QPalette::Highlight}) {
            colours.push_back(w->palette().color(role));
        }
        return colours;
    };
    std::vector<std::vector<QColor>> others;
    for (QWidget* w : LeftAlone()) others.push_back(paintedColours(w));
    EXPECT_THROW(ApplySkin(window, dir.path()), std::runtime_error);
    ExpectRecoloured();
    for (std::size_t i = 0; i < others.size(); ++i) {
        EXPECT_TRUE(paintedColours(LeftAlone()[i]) == others[i]) << i;
        EXPECT_FALSE(LeftAlone()[i]->autoFillBackground()) << i;
    }
    EXPECT_TRUE(window.styleSheet().isEmpty());
}

TEST_F(SkinTest, UnreadableSkinThrowsAfterRecolouring) {
    // A regular file that every read fails on, even for root.
    fs::create_directories(dir / "x");
    std::error_code error;
    fs::create_symlink("/proc/self/mem", dir / "x" / "o.cjs", error);
    if (error) GTEST_SKIP() << error.message();
    EXPECT_THROW(ApplySkin(window, dir.path()), std::runtime_error);
    ExpectRecoloured();
    EXPECT_TRUE(window.styleSheet().isEmpty());
}

TEST(StyleSheetCheck, AcceptsExactlyWhatQtCanParse) {
    for (const char* sheet : {"", "  \n", "QLabel { color: red; }", "background: white;",
                              "QPushButton:hover { color: blue }\n/* comment */",
                              "QLabel { color: nosuchcolour; }", "* { }"}) {
        EXPECT_TRUE(IsValidStyleSheet(QString::fromUtf8(sheet))) << sheet;
    }
    for (const char* sheet :
         {"QLabel { color: red;", "}}}", "QLabel color red {", "{{", "QLabel { color: red; } }"}) {
        EXPECT_FALSE(IsValidStyleSheet(QString::fromUtf8(sheet))) << sheet;
    }
}

TEST(StyleSheetCheck, KeepsParseWarningsToItselfAndRestoresTheHandler) {
    static int unrelated = 0;
    static int parseWarnings = 0;
    unrelated = parseWarnings = 0;
    const auto previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text == QLatin1String("unrelated")) {
                ++unrelated;
            } else if (text.contains(QLatin1String("Could not parse"))) {
                ++parseWarnings;
            }
        });
    EXPECT_FALSE(IsValidStyleSheet(QStringLiteral("}}}")));
    qWarning("unrelated");
    qInstallMessageHandler(previous);
    EXPECT_EQ(unrelated, 1);
    EXPECT_EQ(parseWarnings, 0);
}

}  // namespace
}  // namespace bytelora
