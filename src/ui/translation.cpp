#include "ui/translation.h"

#include "core/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace glint::ui {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"; "C" and "POSIX" are the game's English.
QString localeName(const QString& entry)
{
    QString name = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en");
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

// `text` translated, with `arg` in place of its "%1".
QString filled(const PlayerText& text, const QString& arg)
{
    const QString translated = QCoreApplication::translate(text.place, text.english);
    if (!QString::fromUtf8(text.english).contains(QLatin1String("%1")))
        return translated;
    return translated.arg(arg);
}

} // namespace

QStringList preferredLanguages(const Environment& environment)
{
    QStringList entries = QString::fromLocal8Bit(environment("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (entries.isEmpty()) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const QString value = QString::fromLocal8Bit(environment(name));
            if (!value.isEmpty()) {
                entries << value;
                break;
            }
        }
    }
    QStringList languages;
    for (const QString& entry : entries)
        languages << localeName(entry);
    return languages;
}

QString translationsDir()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../share/glint-galore/translations"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QStringLiteral(GLINT_BUILD_TRANSLATIONS_DIR);
}

Translations::Translations(const QStringList& preferred, const QString& dir)
{
    for (const QString& name : preferred) {
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return;
        // "pt_BR" is spoken by a Brazilian translation, else a Portuguese one.
        QStringList candidates{name};
        if (language != name)
            candidates << language;
        for (const QString& candidate : candidates) {
            const QString file = QDir(dir).filePath(QStringLiteral("glint-galore_%1.qm").arg(candidate));
            if (!QFileInfo::exists(file) || !game_.load(file))
                continue;
            language_ = candidate;
            QCoreApplication::installTranslator(&game_);
            // Qt's own look for "qtbase_de_AT", then "qtbase_de".
            if (qt_.load(QStringLiteral("qtbase_") + candidate, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&qt_);
            return;
        }
    }
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

QString shownText(const std::string& english)
{
    std::string arg;
    const PlayerText* text = recognise(english, arg);
    return text ? filled(*text, QString::fromStdString(arg)) : QString::fromStdString(english);
}

QString spokenText(const Words& words)
{
    QStringList parts;
    for (const Phrase& phrase : words) {
        QString arg = shownText(phrase.arg);
        if (phrase.unframed) {
            // Capitals beyond ASCII too are said as words, not spelt.
            if (arg == arg.toUpper())
                arg = arg.toLower();
            arg = QString::fromStdString(forTheEar(arg.toStdString()));
        }
        parts << (phrase.text ? filled(*phrase.text, arg) : arg);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace glint::ui
