#include "form1_fixture.h"

#include "core/machine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include <functional>

namespace glint::ui::test {
namespace {

// Keys go where the window system sends them: to the focused control. Each
// press starts from a machine ready both to play once and to take a hold.
TEST_F(Form1Test, EachKeyPressesItsButtonWhicheverControlHasTheFocusButNotWhileTypingAndMMutes)
{
    Machine& m = window->machine();
    auto played = [&] { return m.credit == Money::fromCents(75); };
    auto moreMoney = [&] { return messages == QStringList{QStringLiteral("Give me more Money")}; };
    auto nothing = [&] { return m.credit == Money::fromWhole(1) && !(m.holdLeft || m.holdMiddle || m.holdRight); };
    const struct {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> pressed;
    } presses[] = {
        {"Command2", Qt::Key_Space, {}, played},
        {"myDebug", Qt::Key_Enter, {}, played},
        {"Command5", Qt::Key_Space, {}, moreMoney}, // a focused button takes Space and Enter itself
        {"Command5", Qt::Key_Return, {}, moreMoney},
        {"Command4", Qt::Key_1, {}, [&] { return m.holdLeft && m.ui.status.caption == "Holding Left"; }},
        {"myDebug", Qt::Key_2, {}, [&] { return m.holdMiddle && !m.holdLeft; }},
        {"Command2", Qt::Key_3, {}, [&] { return m.holdRight && m.credit == Money::fromWhole(1); }},
        {"nudgeR", Qt::Key_C, {}, [&] { return m.credit == Money::fromWhole(2); }},
        {"prizeMoney", Qt::Key_C, {}, nothing},
        {"Command2", Qt::Key_C, Qt::ControlModifier, nothing},
        {"Command2", Qt::Key_1, Qt::AltModifier, nothing},
        {"myDebug", Qt::Key_M, {}, [&] { return window->windowTitle().endsWith(QStringLiteral(" [muted]")); }},
        {"Command2", Qt::Key_M, {}, [&] { return !window->platform().muted() && !window->windowTitle().contains('['); }},
    };
    for (const auto& p : presses) {
        m.nudges = m.trailPoints = 0;
        m.credit = Money::fromWhole(1);
        m.holdAllowed = true;
        m.holdLeft = m.holdMiddle = m.holdRight = false;
        messages.clear();
        find(p.focus)->setFocus();
        QTest::keyClick(find(p.focus), p.key, p.modifiers);
        EXPECT_TRUE(p.pressed()) << p.focus << " " << QKeySequence(p.key | p.modifiers).toString().toStdString();
    }
    EXPECT_EQ(find<QLineEdit>("prizeMoney")->text(), QStringLiteral("Text1c"));

    // A key held down presses once.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"), true);
    QApplication::sendEvent(find("Command2"), &repeat);
    EXPECT_TRUE(nothing());
}

} // namespace
} // namespace glint::ui::test
