#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"
#include "ui/splash.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace glint::ui::test {
namespace {

// F1 shows the symbols that score, in their order, named after their
// pictures and with the points a play gives them: of the bundled pictures,
// the gold-framed 9 to 16, and none of the fruits. A screen reader reads
// them as text.
TEST(HelpWindow, F1ListsEachScoringSymbolWithItsPointsInTextAScreenReaderReads)
{
    Form1 window(QStringLiteral(GLINT_BUNDLED_DATA_DIR), [](const QString&) {});
    window.load();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>();
    ASSERT_TRUE(help && help->isVisible());
    const auto* reader = QAccessible::queryAccessibleInterface(help->findChild<QTextBrowser*>())->textInterface();
    const QString read = reader->text(0, reader->characterCount());

    EXPECT_TRUE(read.contains(QRegularExpression(
        QStringLiteral("bell: 1 point\n.*bar: 2 points\n.*clover: 1 point\n.*star: 2 points\n.*seven: 3 points\n"
                       ".*diamond: 4 points\n.*gold: 1 point\n.*crown: 2 points\n"))))
        << read.toStdString();
    for (const char* fruit : {"cherry", "lemon", "orange", "melon", "grapes", "pear", "banana", "strawberry"})
        EXPECT_FALSE(read.contains(QLatin1String(fruit))) << fruit;
    for (const HelpWindow::Symbol& symbol : HelpWindow::scoringSymbols(window.machine(), window.platform().pictures()))
        EXPECT_FALSE(symbol.picture.isNull()) << symbol.name.toStdString();
}

// The splash's licence notice names the licence packaging/copyright gives
// every file, and both notices fit the room the splash gives them (one
// line, and two).
TEST(PackagedNotice, TheSplashNamesTheLicenceOfPackagingCopyrightAndItsNoticesFitTheirRoom)
{
    QFile copyright(QStringLiteral(GLINT_BUNDLED_DATA_DIR "/../packaging/copyright"));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString licence = QRegularExpression(QStringLiteral("^Files: \\*\\n(?:.+\\n)*?License: (\\S+)"),
                                               QRegularExpression::MultilineOption)
                                .match(QString::fromUtf8(copyright.readAll()))
                                .captured(1);
    ASSERT_EQ(licence, "GPL-3+") << "say below how the splash names this licence";

    QtPlatform platform(QString(), [](const QString&) {});
    platform.showSplash();
    const auto label = [&platform](const char* name) { return platform.splash()->findChild<QLabel*>(name); };
    for (const char* words : {"GNU General Public License, version 3 or later", "no warranty"})
        EXPECT_TRUE(label("lblWarning")->text().contains(QLatin1String(words))) << words;
    for (const char* name : {"lblCopyright", "lblWarning"}) {
        const QRect room = label(name)->contentsRect();
        const QRect needed = label(name)->fontMetrics().boundingRect(QRect(QPoint(), QSize(room.width(), 1000)),
                                                                     Qt::TextWordWrap, label(name)->text());
        EXPECT_LE(needed.height(), room.height()) << name;
    }
}

} // namespace
} // namespace glint::ui::test
