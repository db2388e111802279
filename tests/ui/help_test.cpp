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

#include <map>

namespace glint::ui::test {
namespace {

// F1 shows the symbols that score, named after their pictures and with the
// points a play gives them: of the bundled pictures, the gold-framed 9 to
// 16. A screen reader reads them as text.
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
    auto* text = help->findChild<QTextBrowser*>();
    const QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(text)->textInterface();
    const QString read = reader->text(0, reader->characterCount());

    const std::pair<QString, const char*> scoring[] = {{"bell", "1 point"},  {"bar", "2 points"},
                                                       {"clover", "1 point"}, {"star", "2 points"},
                                                       {"seven", "3 points"}, {"diamond", "4 points"},
                                                       {"gold", "1 point"},  {"crown", "2 points"}};
    const auto symbols = HelpWindow::scoringSymbols(window.machine(), window.platform().pictures());
    ASSERT_EQ(symbols.size(), std::size(scoring));
    for (size_t i = 0; i < symbols.size(); ++i) {
        const auto& [name, points] = scoring[i];
        EXPECT_EQ(symbols[i].name, name);
        EXPECT_FALSE(symbols[i].picture.isNull()) << name.toStdString();
        EXPECT_TRUE(read.contains(name + ": " + points)) << name.toStdString();
    }
    EXPECT_FALSE(read.contains(QStringLiteral("cherry")));
}

// The splash's notices fit the room it gives them (one line, and two), and the licence notice
// names the licence packaging/copyright gives every file.
TEST(PackagedNotice, TheSplashNamesTheLicenceOfPackagingCopyrightAndItsNoticesFitTheirLines)
{
    QFile copyright(QStringLiteral(GLINT_BUNDLED_DATA_DIR "/../packaging/copyright"));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto licence = QRegularExpression(QStringLiteral("^Files: \\*\\n(?:.+\\n)*?License: (\\S+)"),
                                            QRegularExpression::MultilineOption)
                             .match(QString::fromUtf8(copyright.readAll()))
                             .captured(1);
    const std::map<QString, QString> named = {{"GPL-3+", "GNU General Public License, version 3 or later"},
                                              {"GPL-2+", "GNU General Public License, version 2 or later"}};
    ASSERT_TRUE(named.count(licence)) << "say here how the splash names " << licence.toStdString();

    QtPlatform platform(QString(), [](const QString&) {});
    platform.showSplash();
    const auto label = [&platform](const char* name) { return platform.splash()->findChild<QLabel*>(name); };
    EXPECT_TRUE(label("lblWarning")->text().contains(named.at(licence))) << label("lblWarning")->text().toStdString();
    EXPECT_TRUE(label("lblWarning")->text().contains(QStringLiteral("no warranty")));
    for (const char* name : {"lblCopyright", "lblWarning"}) {
        const QRect room = label(name)->contentsRect();
        const QRect needed = label(name)->fontMetrics().boundingRect(QRect(QPoint(), QSize(room.width(), 1000)),
                                                                     Qt::TextWordWrap, label(name)->text());
        EXPECT_LE(needed.height(), room.height()) << name;
    }
}

} // namespace
} // namespace glint::ui::test
