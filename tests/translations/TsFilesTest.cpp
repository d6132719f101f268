// The translators' .ts files, as lrelease will build them into the programs: complete,
// every placeholder and layout mark kept, and no two entries of one menu on one key.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString type;              // "", "unfinished", "obsolete" or "vanished"
    QStringList translations;  // one, or one per plural form
};

struct TsFile {
    QString name;
    QString language;
    std::vector<Message> messages;
};

// The text up to the end of the element now open; lupdate writes control characters
// such as \r as <byte value="xd"/>.
QString ReadText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("byte")) {
                text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

TsFile Read(const QString& path) {
    TsFile file{QFileInfo(path).fileName(), {}, {}};
    QFile input(path);
    EXPECT_TRUE(input.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&input);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            file.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = ReadText(xml);
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = ReadText(xml);
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plain text, or <numerusform>s: read them one by one.
            QString text;
            bool numerus = false;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) &&
                   !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    numerus = true;
                    message.translations << ReadText(xml);
                } else if (xml.isCharacters() && !numerus) {
                    text += xml.text();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
                    text += QChar(
                        xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
                }
            }
            if (!numerus) message.translations << text;
            file.messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return file;
}

std::vector<TsFile> AllFiles() {
    std::vector<TsFile> files;
    const QDir folder(QStringLiteral(BYTELORA_TS_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("bytelora_*.ts")}, QDir::Files))
        files.push_back(Read(folder.filePath(name)));
    return files;
}

// A translation that is there to be checked: finished, or begun.
bool Written(const Message& message) {
    if (message.type == QLatin1String("obsolete") || message.type == QLatin1String("vanished"))
        return false;
    for (const QString& text : message.translations) {
        if (!text.isEmpty()) return true;
    }
    return false;
}

// %1..%99 and %n, with Qt's %L forms read as the plain ones.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();) found << match.next().captured(1);
    found.sort();
    return found;
}

QString Where(const TsFile& file, const Message& message) {
    return file.name + QStringLiteral(", ") + message.context + QStringLiteral(": \"") +
           message.source.left(60) + QStringLiteral("\"");
}

TEST(TsFiles, EachLanguageHasItsFile) {
    QStringList languages;
    for (const TsFile& file : AllFiles()) {
        // The file's language, as lupdate writes it: "de_DE" in bytelora_de.ts.
        const QString code = file.name.mid(9).chopped(3);
        EXPECT_TRUE(file.language == code || file.language.startsWith(code + QLatin1Char('_')))
            << file.name.toStdString() << " is in " << file.language.toStdString();
        languages << code;
        EXPECT_FALSE(file.messages.empty()) << file.name.toStdString();
    }
    languages.sort();
    EXPECT_EQ(languages.join(QLatin1Char(' ')).toStdString(), "de es fr ja pt_BR ru zh_CN zh_TW");
}

TEST(TsFiles, TranslationsKeepEveryPlaceholderAndLayoutMark) {
    QStringList problems;
    for (const TsFile& file : AllFiles()) {
        for (const Message& message : file.messages) {
            if (!Written(message)) continue;
            const QStringList wanted = Placeholders(message.source);
            for (const QString& text : message.translations) {
                if (text.isEmpty()) continue;
                if (Placeholders(text) != wanted) {
                    problems << Where(file, message) + QStringLiteral(" has placeholders ") +
                                    Placeholders(text).join(QLatin1Char(',')) +
                                    QStringLiteral(" instead of ") + wanted.join(QLatin1Char(','));
                }
                // Line breaks in messages, and the blanks that join a text to what the
                // window puts before or after it.
                if (text.count(QStringLiteral("\r\n")) !=
                    message.source.count(QStringLiteral("\r\n")))
                    problems << Where(file, message) + QStringLiteral(" changes its \\r\\n breaks");
                if (message.source.startsWith(QLatin1Char(' ')) !=
                        text.startsWith(QLatin1Char(' ')) ||
                    message.source.endsWith(QLatin1Char(' ')) != text.endsWith(QLatin1Char(' ')))
                    problems << Where(file, message) +
                                    QStringLiteral(" loses or adds a blank at an end");
                if (message.source.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('&')))
                    problems << Where(file, message) + QStringLiteral(" loses its & key");
            }
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The key after '&' in a text ("&&" is a plain '&').
QChar AcceleratorOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&')) continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

TEST(TsFiles, NoTwoEntriesOfAMenuShareAKey) {
    // The menus' own contexts: each holds the entries of one menu.
    QStringList problems;
    for (const TsFile& file : AllFiles()) {
        QMap<QString, QMap<QChar, QString>> keys;
        for (const Message& message : file.messages) {
            if (!Written(message) || !message.context.endsWith(QLatin1String("Menu"))) continue;
            const QChar key = AcceleratorOf(message.translations.first());
            if (key.isNull()) continue;
            QString& holder = keys[message.context][key];
            if (!holder.isEmpty()) {
                problems << file.name + QStringLiteral(", ") + message.context +
                                QStringLiteral(": \"") + holder + QStringLiteral("\" and \"") +
                                message.translations.first() + QStringLiteral("\" share &") + key;
            }
            holder = message.translations.first();
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// Fails until the translators' work is merged (their .ts files come from their own
// branches): it lists what is left in each language.
TEST(TsFiles, EveryTextIsTranslatedAndNoneIsObsolete) {
    QStringList left;
    for (const TsFile& file : AllFiles()) {
        int unfinished = 0;
        int obsolete = 0;
        for (const Message& message : file.messages) {
            if (message.type == QLatin1String("obsolete") ||
                message.type == QLatin1String("vanished")) {
                ++obsolete;
            } else if (message.type == QLatin1String("unfinished") ||
                       message.translations.join(QString()).isEmpty()) {
                ++unfinished;
            }
        }
        if (unfinished + obsolete > 0) {
            left << QStringLiteral("%1: %2 of %3 texts unfinished, %4 obsolete")
                        .arg(file.name)
                        .arg(unfinished)
                        .arg(file.messages.size())
                        .arg(obsolete);
        }
    }
    EXPECT_TRUE(left.isEmpty())
        << "translations not finished (merge the translators' .ts files, then run the "
           "update_translations target):\n"
        << left.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
