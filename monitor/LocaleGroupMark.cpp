#include "monitor/LocaleGroupMark.h"

#include <QLocale>

namespace bytelora {

std::string LocaleGroupMark() {
    const QLocale locale;
    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) {
        return {};
    }
    return locale.groupSeparator().toStdString();
}

}  // namespace bytelora
