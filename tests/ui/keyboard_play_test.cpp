#include "form1_fixture.h"

#include "core/machine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <string>

namespace glint::ui::test {
namespace {

// Keys go where the window system sends them: to the focused control. Each
// press starts from a machine ready both to play once and to take a hold.
class KeyboardPlayTest : public Form1Test {
protected:
    void press(const char* focus, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Machine& m = window->machine();
        m.nudges = m.trailPoints = 0;
        m.credit = Money::fromWhole(1);
        m.holdAllowed = true;
        m.holdLeft = m.holdMiddle = m.holdRight = false;
        messages.clear();
        find(focus)->setFocus();
        QTest::keyClick(find(focus), key, modifiers);
    }
};

TEST_F(KeyboardPlayTest, EachKeyPressesItsButtonWhicheverControlHasTheFocus)
{
    const Machine& m = window->machine();
    auto played = [&] { return m.credit == Money::fromCents(75); };
    auto moreMoney = [&] { return messages == QStringList{QStringLiteral("Give me more Money")}; };
    const struct {
        const char* focus;
        Qt::Key key;
        std::function<bool()> pressed;
    } presses[] = {
        {"Command2", Qt::Key_Space, played},
        {"Command2", Qt::Key_Return, played},
        {"myDebug", Qt::Key_Enter, played},
        {"myDebug", Qt::Key_Space, played},
        {"Command5", Qt::Key_Space, moreMoney}, // a focused button takes Space and Enter itself
        {"Command5", Qt::Key_Return, moreMoney},
        {"Command4", Qt::Key_1, [&] { return m.holdLeft && m.ui.status.caption == "Holding Left"; }},
        {"myDebug", Qt::Key_2, [&] { return m.holdMiddle && !m.holdLeft; }},
        {"Command2", Qt::Key_3, [&] { return m.holdRight && m.credit == Money::fromWhole(1); }},
        {"nudgeR", Qt::Key_C, [&] { return m.credit == Money::fromWhole(2); }},
    };
    for (const auto& p : presses) {
        press(p.focus, p.key);
        EXPECT_TRUE(p.pressed()) << p.focus << " " << QKeySequence(p.key).toString().toStdString();
    }
    EXPECT_EQ(text("status"), QStringLiteral("Plays: 2.00"));
}

TEST_F(KeyboardPlayTest, KeysTypedInATextBoxHeldDownOrWithControlOrAltPlayNothing)
{
    press("prizeMoney", Qt::Key_Return);
    QTest::keyClicks(find("prizeMoney"), QStringLiteral("1c3m 2"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"), true);
    QApplication::sendEvent(find("Command2"), &repeat);
    QTest::keyClick(find("Command2"), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(find("Command2"), Qt::Key_1, Qt::AltModifier);

    const Machine& m = window->machine();
    EXPECT_EQ(find<QLineEdit>("prizeMoney")->text(), QStringLiteral("Text11c3m 2"));
    EXPECT_EQ(m.ui.prizeMoney.text, "Text11c3m 2");
    EXPECT_FALSE(m.holdLeft || m.holdMiddle || m.holdRight);
    EXPECT_EQ(m.credit, Money::fromWhole(1));
    EXPECT_FALSE(window->platform().muted());
}

TEST_F(KeyboardPlayTest, MSilencesTheRunAndSaysSoInTheCaptionUntilPressedAgain)
{
    const QString title = window->windowTitle();
    const QString sound = QDir(assets.root()).filePath(QStringLiteral("sound/extra.wav"));
    TestAssets::writeWav(sound);
    const std::string path = QFile::encodeName(sound).toStdString();
    QtPlatform& platform = window->platform();
    SoundPlayer& sounds = platform.sounds();
    auto playing = [&sounds] {
        sounds.sync();
        return sounds.playing();
    };
    platform.startSound(path, 9);
    ASSERT_EQ(playing(), path);

    press("myDebug", Qt::Key_M);
    EXPECT_EQ(window->windowTitle(), title + QStringLiteral(" [muted]"));
    EXPECT_EQ(playing(), "");
    find<QPushButton>("Command3")->click(); // its coin sound is not started
    platform.startSound(path, 1);
    EXPECT_EQ(playing(), "");

    press("Command2", Qt::Key_M);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(playing(), ""); // the cut-off sound stays cut off
    platform.startSound(path, 1);
    EXPECT_EQ(playing(), path);
}

} // namespace
} // namespace glint::ui::test
