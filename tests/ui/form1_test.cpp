#include "form1_fixture.h"

#include "core/machine.h"
#include "core/strips.h"
#include "ui/design_widgets.h"
#include "ui/trace_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTimer>

#include <functional>
#include <string>

namespace glint::ui::test {
namespace {

TEST_F(Form1Test, EachButtonsClickReachesItsHandlerAndItsResultReachesTheScreen)
{
    Machine& m = window->machine();
    auto offer = [&m] { m.holdAllowed = true; };
    const struct {
        const char* button;
        std::function<void()> given;
        QString status;
        const char* messages; // the message boxes shown
    } clicks[] = {
        {"Command3", {}, QStringLiteral("Plays: 1.00"), ""},
        {"Command4", {}, QStringLiteral("Cheater! - 5"), ""},
        {"Command5", {}, QStringLiteral("Cheater! - 5"), "Glint Galore: Give me more Money [OK]"},
        {"nudgel", offer, QStringLiteral("Holding Left"), ""},
        {"nudgem", offer, QStringLiteral("Holding Middle"), ""},
        {"nudgeR", offer, QStringLiteral("Holding Right"), ""},
        {"Command3", [&m] { m.coins = 1; }, QStringLiteral("Holding Right"), "Glint Galore: Your Skint.. go home! [OK]"},
    };
    for (const auto& c : clicks) {
        messages.clear();
        if (c.given)
            c.given();
        QTest::mouseClick(find(c.button), Qt::LeftButton);
        EXPECT_EQ(text("status"), c.status) << c.button;
        EXPECT_EQ(messages.join(QLatin1Char('|')).toStdString(), c.messages) << c.button;
    }
    m.showTrail(4);
    m.ui.trailHeldLight.foreColor = kRed;
    window->sync();
    for (const char* label : {"Trail4", "trailHeldLight"})
        EXPECT_EQ(find<QLabel>(label)->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << label;
    EXPECT_EQ(colourAtCentre(find("bonus4")), TestAssets::lampColour(true));
    EXPECT_EQ(colourAtCentre(find("bonus5")), TestAssets::lampColour(false));

    // Typing in a money box reaches the machine at once.
    QTest::keyClicks(find("prizeMoney"), QStringLiteral("9"));
    EXPECT_EQ(m.ui.prizeMoney.text, "Text19");
}

// The spin blocks the event loop, so each step must reach the screen by a
// synchronous repaint of the cells' new pictures.
TEST_F(Form1Test, ASpinRepaintsTheCellsAtEveryStepBeforeItsHandlerReturns)
{
    QTest::mouseClick(find("Command3"), Qt::LeftButton);
    struct PaintWatcher : QObject {
        int paints = 0;
        QSet<qint64> pictures;
        bool eventFilter(QObject* cell, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                ++paints;
                pictures << static_cast<ImageWidget*>(cell)->picture().cacheKey();
            }
            return false;
        }
    } watcher;
    find("mr")->installEventFilter(&watcher);
    QElapsedTimer spin;
    spin.start();
    QTest::mouseClick(find("Command2"), Qt::LeftButton);
    EXPECT_GE(spin.elapsed(), 480); // no step is shorter than its 10 ms

    const Machine& m = window->machine();
    EXPECT_GE(watcher.paints, 48);
    EXPECT_GE(watcher.pictures.size(), 8); // the right reel passes most of its symbols
    EXPECT_EQ(text("nopoints"), QString::fromStdString(m.ui.nopoints.caption));
    EXPECT_EQ(colourAtCentre(find("mr")), TestAssets::symbolColour(kRightStrip[size_t(m.reelRight)]));
    EXPECT_EQ(find<TraceView>("myDebug")->rowCount(), 2);
}

TEST_F(Form1Test, TimersTickAtTheMachinesIntervalsRestartWhenSwitchedOnAgainAndStopWithTheWindow)
{
    Form1Controls& ui = window->machine().ui;
    for (const auto& [name, model] : {std::pair<const char*, const Timer*>{"flashLights", &ui.flashLights},
                                      {"bonusTimer", &ui.bonusTimer}, {"Timer1", &ui.Timer1},
                                      {"Timer2", &ui.Timer2}, {"Timer3", &ui.Timer3}}) {
        EXPECT_EQ(find<QTimer>(name)->interval(), model->interval) << name;
        EXPECT_EQ(find<QTimer>(name)->isActive(), model->enabled) << name;
    }
    auto* bonusTimer = find<QTimer>("bonusTimer");
    ui.bonusTimer.setEnabled(true);
    find<QPushButton>("Command4")->click();
    ASSERT_TRUE(bonusTimer->isActive());
    QTest::qWait(60);
    // Off and on again within one handler: the countdown starts afresh.
    ui.bonusTimer.setEnabled(false);
    ui.bonusTimer.setEnabled(true);
    find<QPushButton>("Command4")->click();
    EXPECT_GT(bonusTimer->remainingTime(), 70);
    window->close();
    for (const char* name : {"flashLights", "bonusTimer", "Timer2"})
        EXPECT_FALSE(find<QTimer>(name)->isActive()) << name;
}

// Keys go where the window system sends them: to the focused control. Each
// press starts from a machine ready both to play once and to take a hold.
TEST_F(Form1Test, EachKeyPressesItsButtonWhicheverControlHasTheFocusEvenAValueBoxAndMMutes)
{
    Machine& m = window->machine();
    auto played = [&] { return m.credit == Money::fromCents(75); };
    auto moreMoney = [&] { return messages == QStringList{QStringLiteral("Glint Galore: Give me more Money [OK]")}; };
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
        {"Command4", Qt::Key_1, {}, [&] { return m.holdLeft && m.ui.status.caption == "Holding Left"; }},
        {"myDebug", Qt::Key_2, {}, [&] { return m.holdMiddle && !m.holdLeft; }},
        {"Command2", Qt::Key_3, {}, [&] { return m.holdRight && m.credit == Money::fromWhole(1); }},
        {"nudgeR", Qt::Key_C, {}, [&] { return m.credit == Money::fromWhole(2); }},
        {"prizeMoney", Qt::Key_C, {}, [&] { return m.credit == Money::fromWhole(2); }},
        {"cashpot", Qt::Key_Space, {}, played},
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
    EXPECT_EQ(find<QLineEdit>("prizeMoney")->text(), QStringLiteral("Text1"));

    // A key held down presses once.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"), true);
    QApplication::sendEvent(find("Command2"), &repeat);
    EXPECT_TRUE(nothing());
}

// The trace grows by two lines a play without end; appending to a long one
// must stay cheap and leave the view where the player put it.
TEST_F(Form1Test, LinesAppendedToALongTraceArriveWithoutScrollingIt)
{
    ListBox& trace = window->machine().ui.myDebug;
    auto* view = find<TraceView>("myDebug");
    constexpr int kRows = 300000, kTotal = kRows + 200;
    for (int row = 0; row < kRows; ++row)
        trace.addItem("TOTALPOINTS: " + std::to_string(row));
    for (int row = kRows; row < kTotal; ++row) {
        trace.addItem("TOTALPOINTS: " + std::to_string(row));
        window->sync();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(view->rowCount(), kTotal);
    EXPECT_EQ(view->topRow(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), kTotal - view->viewport()->height() / view->rowHeight());
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->currentRow(), kTotal - 1);
    EXPECT_TRUE(view->viewport()->rect().contains(view->rowRect(kTotal - 1)));
    EXPECT_EQ(view->rowText(kTotal - 1), QStringLiteral("TOTALPOINTS: %1").arg(kTotal - 1));
}

} // namespace
} // namespace glint::ui::test
