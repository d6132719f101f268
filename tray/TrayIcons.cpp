#include "tray/TrayIcons.h"

#include <QString>

#include <initializer_list>

// The pictures are compiled into this static library; nothing outside refers to their
// objects, so the linker would drop them unless they are registered by name.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(tray_icons);
    Q_INIT_RESOURCE(program_icon);
}

namespace bytelora {

namespace {

void EnsureIconResources() {
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
}

QIcon IconFromSizes(const QString& pattern, std::initializer_list<int> sizes) {
    EnsureIconResources();
    QIcon icon;
    for (const int size : sizes) icon.addFile(pattern.arg(size), QSize(size, size));
    return icon;
}

}  // namespace

QIcon TrayIconImage() {
    return IconFromSizes(QStringLiteral(":/bytelora/tray/tray-q-%1.png"), {16, 22, 24, 32, 48});
}

QIcon ProgramIcon() {
    return IconFromSizes(QStringLiteral(":/bytelora/program/bytelora-%1.png"),
                         {16, 32, 48, 64, 128, 256});
}

}  // namespace bytelora
