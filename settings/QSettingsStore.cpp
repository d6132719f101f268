#include "settings/QSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <system_error>
#include <type_traits>

#include "common/Translate.h"
#include "settings/IniFileCheck.h"

namespace bytelora {

namespace {

QString ToQString(const std::filesystem::path& path) {
    if constexpr (std::is_same_v<std::filesystem::path::value_type, char>) {
        return QFile::decodeName(QByteArray::fromStdString(path.string()));
    } else {
        return QString::fromStdWString(path.wstring());
    }
}

QString ToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A name that QSettings keeps as one plain name: no empty name, and no "/" or "\",
// which it would turn into sub-sections (and, for the application, into folders).
bool IsPlainName(const std::string& name) {
    return !name.empty() && name.find_first_of("/\\") == std::string::npos;
}

std::string Where(const SettingsLocation& location) {
    return location.format == SettingsLocation::Format::Registry
               ? FillIn(Translate("bytelora::Settings", "the registry key %1"),
                        {location.registryKey})
               : FillIn(Translate("bytelora::Settings", "the settings file %1"),
                        {location.file.string()});
}

// Why an INI file could not be written, when the file system shows it: usually a part
// of the folder path that is a file rather than a folder.
std::string WriteFailureReason(const std::filesystem::path& file) {
    std::error_code ec;
    for (auto folder = file.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        const auto status = std::filesystem::status(folder, ec);
        if (status.type() == std::filesystem::file_type::not_found) {
            if (folder == folder.parent_path()) break;
            continue;
        }
        if (!std::filesystem::is_directory(status)) {
            return FillIn(
                Translate("bytelora::Settings", " (%1 is a file, so the folder cannot be made)"),
                {folder.string()});
        }
        break;
    }
    return {};
}

std::unique_ptr<QSettings> Open(const SettingsLocation& location) {
    if (location.format == SettingsLocation::Format::Registry) {
        return std::make_unique<QSettings>(ToQString(location.registryKey),
                                           QSettings::NativeFormat);
    }
    return std::make_unique<QSettings>(ToQString(location.file), QSettings::IniFormat);
}

}  // namespace

SettingsLocation QSettingsStore::LocationFor(const std::string& appName,
                                             const std::string& section) const {
    if (iniFile_) {
        SettingsLocation location;
        location.format = SettingsLocation::Format::IniFile;
        location.file = *iniFile_;
        return location;
    }
    return SystemSettingsLocation(appName, section);
}

std::string QSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) {
    if (!IsPlainName(appName) || !IsPlainName(section) || !IsPlainName(key)) {
        return defaultValue;
    }
    const auto location = LocationFor(appName, section);
    if (location.format == SettingsLocation::Format::IniFile) {
        // Opening a missing file would be harmless, but a damaged one must not be
        // half-read: what the reader skipped could be the very value asked for.
        if (location.file.empty() ||
            CheckIniFile(location.file).state != IniFileCheck::State::Valid) {
            return defaultValue;
        }
    }
    const auto settings = Open(location);
    if (settings->status() != QSettings::NoError) return defaultValue;
    settings->beginGroup(ToQString(section));
    const QVariant value = settings->value(ToQString(key));
    if (!value.isValid()) return defaultValue;
    // A hand-written line such as "key=a, b" reads as a list; it is still one text.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

void QSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                 const std::string& key, const std::string& value) {
    // "The setting "<key>" was not saved: <why>", in the user's language.
    const auto notSaved = [&key](const std::string& why) {
        return FillIn(Translate("bytelora::Settings", "The setting \"%1\" was not saved: %2"),
                      {key, why});
    };
    for (const auto* name : {&appName, &section, &key}) {
        if (!IsPlainName(*name)) {
            throw SettingsError(
                notSaved(FillIn(Translate("bytelora::Settings",
                                          "\"%1\" is not a valid settings name (it is "
                                          "empty or holds a \"/\" or \"\\\")."),
                                {*name})));
        }
    }
    const auto location = LocationFor(appName, section);
    if (location.format == SettingsLocation::Format::IniFile) {
        if (location.file.empty()) {
            throw SettingsError(notSaved(Translate("bytelora::Settings",
                                                   "no folder for settings was found (neither "
                                                   "XDG_CONFIG_HOME nor HOME names one).")));
        }
        if (const auto check = CheckIniFile(location.file); !check.usable()) {
            throw SettingsError(notSaved(FillIn(
                Translate("bytelora::Settings",
                          "%1 %2. It was left as it is; repair or remove it, then try again."),
                {Where(location), check.problem})));
        }
    }
    const auto settings = Open(location);
    settings->beginGroup(ToQString(section));
    settings->setValue(ToQString(key), ToQString(value));
    settings->endGroup();
    settings->sync();
    switch (settings->status()) {
        case QSettings::NoError:
            return;
        case QSettings::FormatError:
            throw SettingsError(notSaved(FillIn(
                Translate("bytelora::Settings",
                          "%1 is damaged. It was left as it is; repair or remove it, then try "
                          "again."),
                {Where(location)})));
        case QSettings::AccessError:
            break;
    }
    const auto reason = location.format == SettingsLocation::Format::IniFile
                            ? WriteFailureReason(location.file)
                            : std::string();
    throw SettingsError(notSaved(FillIn(
        Translate("bytelora::Settings", "%1 could not be written%2."), {Where(location), reason})));
}

}  // namespace bytelora
