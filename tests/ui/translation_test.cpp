#include "test_assets.h"

#include "core/texts.h"
#include "ui/form1.h"
#include "ui/splash.h"
#include "ui/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace glint::ui::test {
namespace {

const QString kSources = QStringLiteral(GLINT_TS_DIR);
const QString kCompiled = QStringLiteral(GLINT_BUILD_TRANSLATIONS_DIR);

// "de", "fr", ... from the translation sources.
QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(kSources).entryList({QStringLiteral("glint-galore_*.ts")}))
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

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
        option.text = text;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    const int flags = label && label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(QRect(0, 0, widget->width(), 10000), flags, text);
    const int lines = (needed.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing();
    return needed.width() <= widget->width() && lines <= std::max(1, widget->height() / metrics.lineSpacing());
}

TEST(Translations, EveryTranslationIsFinishedKeepsItsArgumentAndIsOneTheGameShows)
{
    ASSERT_EQ(shippedLanguages(), (QStringList{"de", "es", "fr", "nl"}));
    const QStringList windowContexts = {QStringLiteral("Form1"), QStringLiteral("frmSplash")};
    for (const QString& language : shippedLanguages()) {
        QFile file(kSources + QStringLiteral("/glint-galore_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString context, source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == QLatin1String("name")) {
                context = ts.readElementText();
            } else if (ts.name() == QLatin1String("source")) {
                source = ts.readElementText();
            } else if (ts.name() == QLatin1String("translation")) {
                const QString type = ts.attributes().value(QLatin1String("type")).toString();
                const QString translation = ts.readElementText();
                const std::string where =
                    (language + QLatin1Char(' ') + context + QStringLiteral(": ") + source).toStdString();
                ++messages;
                EXPECT_TRUE(type.isEmpty() && !translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(translation.count(QLatin1String("%1")), source.count(QLatin1String("%1"))) << where;
                if (windowContexts.contains(context))
                    continue;
                const auto texts = allPlayerTexts();
                EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const PlayerText& text) {
                    return context == QLatin1String(text.place) && source == QString::fromUtf8(text.english);
                })) << where << " is no player text";
            }
        }
        EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
        EXPECT_GT(messages, int(allPlayerTexts().size())) << language.toStdString();
    }
}

TEST(Translations, EveryTranslatedTextFitsItsControlAtTheDesignFontAndSize)
{
    // Where each place's player texts show; an empty list for the places
    // that grow with their text (a message box) or scroll (the trace).
    const std::map<std::string, QStringList> shownOn = {
        {"status", {"status"}},
        {"holdReadout", {"Label4", "Label5", "Label6", "Label7"}},
        {"Trail4", {"Trail4"}},
        {"trailHeldLight", {"trailHeldLight"}},
        {"messageBox", {}},
        {"myDebug", {}},
        {"lblVersion", {}}, // sized to its text: checked on the splash
    };
    // The widest a number or amount in a text gets.
    const std::string widestArg = "\u00A332,767.75";

    for (const QString& language : shippedLanguages()) {
        const Translations translations({language}, kCompiled);
        ASSERT_EQ(translations.language(), language);
        TestAssets assets;
        Form1 window(assets.root(), [](const QString&) {});
        window.load();
        frmSplash splash{QPixmap()};
        auto control = [&](const QString& name) {
            auto* widget = window.findChild<QWidget*>(name);
            return widget ? widget : splash.findChild<QWidget*>(name);
        };
        const auto why = [&](const QWidget* widget, const QString& text) {
            return (language + QLatin1Char(' ') + widget->objectName() + QStringLiteral(": ") + text).toStdString();
        };

        // Every text the windows show now: the captions, names and notices.
        for (QWidget* widget : window.findChildren<QWidget*>() + splash.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QPushButton*>(widget);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (text.isEmpty() || !widget->isVisibleTo(widget->window()))
                continue;
            EXPECT_TRUE(fits(widget, text)) << why(widget, text);
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << why(widget, text);
            if (button) {
                EXPECT_TRUE(button->accessibleName().startsWith(text)) << why(widget, button->accessibleName());
            }
        }
        // Every text the machine may write, its number at its widest.
        for (const PlayerText& text : allPlayerTexts()) {
            const auto row = shownOn.find(text.place);
            ASSERT_NE(row, shownOn.end()) << text.place << " is not in the table";
            const QString shown = shownText(fill(text, widestArg));
            for (const QString& name : row->second)
                EXPECT_TRUE(fits(control(name), shown)) << why(control(name), shown);
        }
    }
}

TEST(Translations, TheLanguageComesFromTheEnvironmentAndEnglishOrAnUnknownOneLoadsNothing)
{
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        const char* chosen;
    } rows[] = {
        {"", "", "", "de_DE.UTF-8", "de"},
        {"", "", "nl_BE.UTF-8@euro", "de_DE.UTF-8", "nl"},
        {"", "fr_FR", "nl_NL", "de_DE", "fr"},
        {"es:de", "", "", "C.UTF-8", "es"},
        {"xx:pt_BR:fr_CA", "", "", "", "fr"},
        {"en_GB:de", "", "", "de_DE.UTF-8", ""},
        {"", "C", "", "de_DE.UTF-8", ""},
        {"", "", "", "POSIX", ""},
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
