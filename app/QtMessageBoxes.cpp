#include "app/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <stdexcept>

#include "common/AppText.h"

namespace bytelora {

namespace {

void RequireApplication() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        throw std::runtime_error("Cannot show a message box: the user interface is not running");
    }
}

QString BoxTitle(const std::string& title) {
    return QString::fromStdString(title.empty() ? AppTitle() : title);
}

int RunBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
           QMessageBox::StandardButtons buttons, QWidget* parent) {
    QMessageBox box(icon, BoxTitle(title), QtMessageBoxes::DisplayText(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // Without a parent the box is still modal to the whole program, as the error box
    // must be: the handler that shows it waits until it is closed.
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

}  // namespace

QString QtMessageBoxes::DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtMessageBoxes::Show(const std::string& title, const std::string& text, BoxIcon icon) {
    RequireApplication();
    const auto qtIcon = icon == BoxIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    RunBox(qtIcon, title, text, QMessageBox::Ok, parent_.data());
}

bool QtMessageBoxes::AskYesNo(const std::string& title, const std::string& text) {
    RequireApplication();
    const int answer = RunBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                              parent_.data());
    return answer == QMessageBox::Yes;
}

}  // namespace bytelora
