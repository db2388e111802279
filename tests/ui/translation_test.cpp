#include "test_assets.h"

#include "core/texts.h"
#include "ui/form1.h"
#include "ui/splash.h"
#include "ui/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace glint::ui::test {
namespace {

const QString kCompiled = QStringLiteral(GLINT_BUILD_TRANSLATIONS_DIR);

// Whether `text` shows whole in `widget` at its design font and size: on one
// line in a button's contents; in a label, wrapped into as many lines as its
// height holds, and at least the first (whose room below the baseline the
// design's tight labels leave to the letters that need it).
bool fits(const QWidget* widget, const QString& text)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    const int flags = qobject_cast<const QLabel*>(widget)->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(QRect(0, 0, widget->width(), 10000), flags, text);
    const int lines = (needed.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing();
    return needed.width() <= widget->width() && lines <= std::max(1, widget->height() / metrics.lineSpacing());
}

// The (context, source) of every entry the translators have for `language`.
std::vector<std::pair<QString, QString>> entries(const QString& language)
{
    QFile file(QStringLiteral(GLINT_TS_DIR "/glint-galore_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::pair<QString, QString>> found;
    QString context;
    for (QXmlStreamReader ts(&file); ts.readNext() != QXmlStreamReader::Invalid && !ts.atEnd();) {
        if (ts.isStartElement() && ts.name() == QLatin1String("name"))
            context = ts.readElementText();
        else if (ts.isStartElement() && ts.name() == QLatin1String("source"))
            found.emplace_back(context, ts.readElementText());
    }
    return found;
}

TEST(Translations, EveryTextOfEveryLanguageFitsItsControlAtTheDesignFontAndSize)
{
    // Where each place's player texts show; none for the places that grow
    // with their text (a message box), scroll (the trace, the help) or are
    // sized to it (the splash's version line, checked on the splash), nor
    // for words only heard.
    const std::map<std::string, QStringList> shownOn = {
        {"status", {"status"}}, {"holdReadout", {"Label4", "Label5", "Label6", "Label7"}},
        {"Trail4", {"Trail4"}}, {"trailHeldLight", {"trailHeldLight"}},
        {"messageBox", {}},     {"myDebug", {}},
        {"lblVersion", {}},     {"symbol", {}},
        {"speech", {}},
    };
    const std::string widestArg = "\u00A332,767.75"; // the widest number or amount
    const QStringList languages = QDir(kCompiled).entryList({QStringLiteral("glint-galore_*.qm")});
    ASSERT_EQ(languages.size(), 4);
    for (QString language : languages) {
        language = language.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
        const Translations translations({language}, kCompiled);
        ASSERT_EQ(translations.language(), language);
        TestAssets assets;
        Form1 window(assets.root(), [](const QString&) {});
        window.load();
        frmSplash splash{QPixmap()};
        const auto why = [&](const QWidget* widget, const QString& text) {
            return (language + QLatin1Char(' ') + widget->objectName() + QStringLiteral(": ") + text).toStdString();
        };

        // What the windows show now: captions, notices, the first message.
        for (QWidget* widget : window.findChildren<QWidget*>() + splash.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QPushButton*>(widget);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (text.isEmpty() || !widget->isVisibleTo(widget->window()))
                continue;
            EXPECT_TRUE(fits(widget, text)) << why(widget, text);
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << why(widget, text);
            EXPECT_TRUE(!button || button->accessibleName().startsWith(text)) << why(widget, widget->accessibleName());
        }
        // Every text the machine may write, its number at its widest, and
        // every one the translators have is one the window recognises.
        for (const PlayerText& text : allPlayerTexts()) {
            const auto row = shownOn.find(text.place);
            ASSERT_NE(row, shownOn.end()) << text.place << " is not in the table";
            const QString shown = shownText(fill(text, widestArg));
            EXPECT_EQ(shown.contains(QString::fromStdString(widestArg)), fill(text, "") != text.english) << text.english;
            for (const QString& name : row->second) {
                QWidget* control = window.findChild<QWidget*>(name);
                EXPECT_TRUE(fits(control, shown)) << why(control, shown);
            }
        }
        for (const auto& [context, source] : entries(language)) {
            std::string arg;
            const PlayerText* known = recognise(source.toStdString(), arg);
            const bool window = QStringList{"Form1", "frmSplash", "glint::ui::HelpWindow"}.contains(context);
            EXPECT_TRUE(window || (known && context == QLatin1String(known->place)))
                << language.toStdString() << " has " << context.toStdString() << ": " << source.toStdString();
        }
    }
}

// Said words are translated part by part: a player text with its number, or
// with words the window shows translated in turn; a symbol's name unless its
// picture is not a bundled one; a framed message said as plain words, its
// capitals lowered beyond ASCII too. In English they are the machine's own.
TEST(Translations, SpokenWordsAreTranslatedPartByPartAndInEnglishAreTheMachinesOwn)
{
    const std::pair<Words, const char*> rows[] = {
        {{said(text::kNudgesLeft, "2")}, "noch 2 Stupser"},
        {{said(text::kStoppedOn, "Selector")}, "gestoppt auf Wähler"},
        {{asShown("cherry"), asShown("Lucky Seven"), said(text::kTrailAt, "Bonus"), unframed("$$-ROOT SOME GLINT-$$")},
         "Kirsche, Lucky Seven, Leiter Bonus, räum den glanz ab"},
        {{said(text::kPoints, "7"), said(text::kRungNamed, "Bonus")}, "7 Punkte, Bonus-Stufe"},
        {{unframed("Plays: \u00A31.00"), said(text::kSoundOff)}, "Spiele \u00A31.00, Ton aus"},
    };
    {
        const Translations german({QStringLiteral("de")}, kCompiled);
        for (const auto& [words, spoken] : rows)
            EXPECT_EQ(spokenText(words).toStdString(), spoken);
    }
    for (const auto& [words, spoken] : rows)
        EXPECT_EQ(spokenText(words).toStdString(), english(words));
}

TEST(Translations, TheLanguageComesFromTheEnvironmentAndEnglishOrAnUnknownOneLoadsNothing)
{
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        const char* chosen;
    } rows[] = {
        {"", "", "", "de_DE.UTF-8", "de"},         {"", "", "nl_BE.UTF-8@euro", "de_DE.UTF-8", "nl"},
        {"", "fr_FR", "nl_NL", "de_DE", "fr"},     {"es:de", "", "", "C.UTF-8", "es"},
        {"xx:pt_BR:fr_CA", "", "", "", "fr"},      {"en_GB:de", "", "", "de_DE.UTF-8", ""},
        {"", "C", "", "de_DE.UTF-8", ""},          {"", "", "", "POSIX", ""},
        {"", "", "", "ja_JP.UTF-8", ""},
    };
    // Qt's own texts follow, as on the message boxes' buttons.
    const std::map<std::string, const char*> qtCancel = {
        {"", "Cancel"}, {"de", "Abbrechen"}, {"es", "Cancelar"}, {"fr", "Annuler"}, {"nl", "Annuleren"}};
    for (const auto& r : rows) {
        const std::map<std::string, QByteArray> environment = {
            {"LANGUAGE", r.language}, {"LC_ALL", r.lcAll}, {"LC_MESSAGES", r.lcMessages}, {"LANG", r.lang}};
        const Translations translations(
            preferredLanguages([&](const char* name) { return environment.at(name); }), kCompiled);
        EXPECT_EQ(translations.language(), QLatin1String(r.chosen)) << r.language << "|" << r.lcAll << "|" << r.lang;
        EXPECT_EQ(shownText(text::kHoldAny.english) == QLatin1String(text::kHoldAny.english), !*r.chosen);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(qtCancel.at(r.chosen)));
    }
}

} // namespace
} // namespace glint::ui::test
