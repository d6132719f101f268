#include "app/Skin.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPalette>
#include <QRadioButton>
#include <stdexcept>

#include "common/PlatformFiles.h"
#include "common/Utilities.h"

namespace bytelora {

namespace {

// Collects Qt's style-sheet parse warnings while it is installed, and passes every other
// message on to whoever handled messages before.
class ParseWarningListener {
  public:
    ParseWarningListener() {
        // Warnings switched off by logging rules would otherwise never reach us.
        auto* category = QLoggingCategory::defaultCategory();
        warningsWereEnabled_ = category->isWarningEnabled();
        category->setEnabled(QtWarningMsg, true);
        heard_ = false;
        previous_ = qInstallMessageHandler(&ParseWarningListener::Handle);
    }
    ~ParseWarningListener() {
        qInstallMessageHandler(previous_);
        QLoggingCategory::defaultCategory()->setEnabled(QtWarningMsg, warningsWereEnabled_);
    }
    ParseWarningListener(const ParseWarningListener&) = delete;
    ParseWarningListener& operator=(const ParseWarningListener&) = delete;

    bool heard() const { return heard_; }

  private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.contains(QLatin1String("Could not parse"))) {
            heard_ = true;
            return;
        }
        if (previous_ != nullptr) {
            previous_(type, context, text);
        }
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline bool heard_ = false;
    bool warningsWereEnabled_ = true;
};

void SetBackgroundColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool TakesSkinColour(const QWidget& widget) {
    return qobject_cast<const QGroupBox*>(&widget) != nullptr ||
           qobject_cast<const QCheckBox*>(&widget) != nullptr ||
           qobject_cast<const QRadioButton*>(&widget) != nullptr ||
           qobject_cast<const QLabel*>(&widget) != nullptr;
}

QString ReadSkinText(const std::filesystem::path& file) {
    QFile skin(QString::fromStdString(PathToUtf8(file)));
    if (!skin.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot read the skin file " + PathToUtf8(file) + ": " +
                                 skin.errorString().toStdString());
    }
    const QByteArray bytes = skin.readAll();
    if (skin.error() != QFileDevice::NoError) {
        throw std::runtime_error("Cannot read the skin file " + PathToUtf8(file) + ": " +
                                 skin.errorString().toStdString());
    }
    return QString::fromUtf8(bytes);
}

}  // namespace

std::filesystem::path SkinFilePath(const std::filesystem::path& programFolder) {
    return programFolder / "x" / "o.cjs";
}

QColor SkinColour() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

bool IsValidStyleSheet(const QString& styleSheet) {
    if (styleSheet.trimmed().isEmpty()) {
        return true;
    }
    ParseWarningListener listener;
    QWidget probe;
    probe.setAttribute(Qt::WA_DontShowOnScreen);
    probe.setStyleSheet(styleSheet);
    probe.ensurePolished();
    return !listener.heard();
}

void ApplySkin(QWidget& window, const std::filesystem::path& programFolder) {
    const auto skinFile = SkinFilePath(programFolder);
    if (!platform::IsPlainVisibleFile(skinFile)) {
        return;
    }
    const QColor colour = SkinColour();
    SetBackgroundColour(window, colour);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (TakesSkinColour(*child)) {
            SetBackgroundColour(*child, colour);
        }
    }
    const QString styleSheet = ReadSkinText(skinFile);
    if (!IsValidStyleSheet(styleSheet)) {
        throw std::runtime_error("The skin file " + PathToUtf8(skinFile) +
                                 " is not a style sheet that can be applied");
    }
    window.setStyleSheet(styleSheet);
}

}  // namespace bytelora
