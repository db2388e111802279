#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "core/narration.h"

#include <functional>
#include <string>

namespace glint::ui {

// The player's languages, most wanted first, as the environment names them
// to any Qt program: LANGUAGE's colon-separated list if it is set, else the
// first of LC_ALL, LC_MESSAGES and LANG that is. Encodings and modifiers are
// dropped ("de_DE.UTF-8@euro" is "de_DE"); C and POSIX read as "en".
using Environment = std::function<QByteArray(const char* name)>;
QStringList preferredLanguages(const Environment& environment);

// Where the game's compiled translations are: installed beside the program
// in ../share/glint-galore/translations, else those of the build tree.
QString translationsDir();

// The game's texts and Qt's own (the message boxes' buttons) in the first of
// `preferred` that the game speaks, installed for the application's life
// time. English, the game's own language, ends the search: then, and when
// no language is known, nothing is loaded and nothing is said.
class Translations {
public:
    Translations(const QStringList& preferred, const QString& dir);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "fr", ... as the file names give it; empty for English.
    const QString& language() const { return language_; }

private:
    QTranslator game_;
    QTranslator qt_;
    QString language_;
};

// A text the machine wrote, in the player's language: a known player text
// (core/texts.h) is looked up by its place and English words, its number or
// amount put back in; anything else is shown as it is.
QString shownText(const std::string& english);

// Words the machine said (core/narration.h), in the player's language: each
// player text translated, each part the window shows said as it shows it.
// In English exactly the machine's own sentence.
QString spokenText(const Words& words);

} // namespace glint::ui
