#include "ui/help_window.h"

#include "core/machine.h"
#include "core/strips.h"
#include "core/version.h"
#include "ui/notices.h"
#include "ui/picture_table.h"
#include "ui/translation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace glint::ui {

std::vector<HelpWindow::Symbol> HelpWindow::scoringSymbols(const Machine& machine, const PictureTable& pictures)
{
    std::vector<Symbol> symbols;
    for (int number = 1; number <= kSymbolCount; ++number) {
        const auto index = static_cast<size_t>(number);
        const int points = machine.symbolPoints.at(index);
        if (points <= 0)
            continue;
        symbols.push_back({shownText(machine.symbolName(number)), pictures.forRatio(machine.symbolPics.at(index), 2),
                           points});
    }
    return symbols;
}

QString HelpWindow::page(const std::vector<Symbol>& symbols)
{
    // Lists rather than tables: a screen reader reads each item as one line.
    QString rows;
    for (size_t i = 0; i < symbols.size(); ++i) {
        const int points = symbols[i].points;
        rows += QStringLiteral("<p style=\"margin: 0\"><img src=\"symbol:%1\" width=\"40\" height=\"40\" style=\"vertical-align: "
                               "middle\"> %2</p>")
                    .arg(i)
                    .arg(tr("%1: %2").arg(symbols[i].name.toHtmlEscaped(),
                                          points == 1 ? tr("1 point") : tr("%1 points").arg(points)));
    }

    const QString keys[] = {
        tr("<b>Space</b> or <b>Enter</b> presses the focused button; Start has the focus when the game opens."),
        tr("<b>1</b>, <b>2</b> and <b>3</b> press the left, middle and right Hold/Nudge button."),
        tr("<b>C</b> puts in a coin, as cash does."),
        tr("<b>M</b> turns all sound off or on; the window's title shows [muted] while it is off."),
        tr("<b>F1</b> opens this help; <b>Esc</b> or <b>F1</b> closes it."),
        tr("<b>Ctrl+Q</b> quits the game."),
    };
    QString keyRows;
    for (const QString& key : keys)
        keyRows += QStringLiteral("<li>%1</li>").arg(key);

    return tr("<h2>How to play</h2>"
              "<p>Glint Galore is a fruit machine with three reels. You play it with pretend coins: "
              "nothing is ever paid out, and nothing can be won or bought.</p>"
              "<p>Press <b>cash</b>, the red slot at the top right, to put a coin from your purse into the "
              "machine. The message line at the top then shows your credit as money, for example "
              "\"Plays: 3.00\". Each press of <b>Start</b> costs 0.25 of it and spins the reels, which stop "
              "left, middle, right. Your purse holds ten coins and keeps the last one; <b>more money</b> "
              "adds five (it lies under the list at the bottom right: reach it with Tab).</p>"
              "<p><b>Total Cash</b> is the machine's cash pot. Every coin adds to it, but the box shows the "
              "new amount only when the next play starts. <b>Pay Tube!</b> shows seven tenths of the pot; "
              "it is only a display.</p>"
              "<h3>Symbols that score</h3>"
              "<p>Only these symbols score, when they stop on the middle row, the win line. The other "
              "symbols score nothing.</p>") +
           rows +
           tr("<h3>The trail and the bonus</h3>"
              "<p>The points on the win line move the marker up the trail ladder beside the reels, rungs 1 "
              "to 8, and light its lamps. A total of exactly 4 reaches <b>Bonus</b>: feature names run "
              "along the message line until you press Start, which stops them on one. The feature is only "
              "shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, "
              "give three in a row and light the whole ladder. A total beyond 8 reaches the top of the "
              "trail, which lights the ladder and starts the trail again.</p>"
              "<h3>Nudges and holds</h3>"
              "<p>After a play the machine may give you nudges (\"2 nudges\"): each press of a "
              "<b>Hold/Nudge</b> button moves its reel down one symbol and scores the new win line. Start "
              "waits until the nudges are used. Or it may ask \"Hold Any?\": press the Hold/Nudge buttons "
              "of the reels you want to keep still in the next spin, and press again to cancel. "
              "<b>Trail Held</b> turns red when the next play will add its points to this play's "
              "total.</p>"
              "<p><b>cheat</b> makes every later play give nudges, more with every press. The list at the "
              "bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its "
              "messages.</p>"
              "<h3>Keys</h3>") +
           QStringLiteral("<ul>%1</ul>").arg(keyRows) +
           tr("<h2>About</h2>"
              "<p>Glint Galore, %1, by KQProductions.</p>"
              "<p>%2. %3</p>"
              "<p>The pictures and sounds are made for the game by its own generator and come under the "
              "same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License "
              "1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and "
              "Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken \"okey "
              "dokey\" is by espeak-ng.</p>")
               .arg(QString::fromStdString(versionText()), QCoreApplication::translate("frmSplash", kCopyrightNotice),
                    QCoreApplication::translate("frmSplash", kLicenceNotice));
}

HelpWindow::HelpWindow(const std::vector<Symbol>& symbols, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("How to play %1").arg(QString::fromLatin1(kAppTitle)));
    resize(560, 620);

    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(windowTitle());
    for (size_t i = 0; i < symbols.size(); ++i)
        text->document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("symbol:%1").arg(i)),
                                      symbols[i].picture);
    text->setHtml(page(symbols));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Esc closes any dialog; F1 closes this one as it opened it.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    text->setFocus();
}

void addHelpAndQuitKeys(QWidget& window, const Machine& machine, const PictureTable& pictures)
{
    // Ctrl+Q works while the main window or the help is the active window,
    // so not while a message box waits inside a handler.
    const auto addQuit = [&window](QWidget* on) {
        QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), on), &QShortcut::activated, &window,
                         &QWidget::close);
    };
    addQuit(&window);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(help, &QShortcut::activated, &window, [&window, &machine, &pictures, addQuit] {
        auto* shown = window.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!shown) {
            shown = new HelpWindow(HelpWindow::scoringSymbols(machine, pictures), &window);
            addQuit(shown);
        }
        shown->show();
        shown->raise();
        shown->activateWindow();
    });
}

} // namespace glint::ui
