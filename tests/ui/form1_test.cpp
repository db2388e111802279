#include "form1_fixture.h"

#include "core/machine.h"
#include "core/strips.h"
#include "ui/design_widgets.h"
#include "ui/trace_view.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <tuple>
#include <utility>

namespace glint::ui::test {
namespace {

TEST_F(Form1Test, EveryVisibleControlSitsAtItsDesignedPixelRectangle)
{
    const struct {
        const char* name;
        int x, y, width, height;
    } places[] = {
        {"Shape1", 8, 8, 313, 33},     {"status", 8, 16, 313, 25},    {"Shape3", 0, 48, 329, 321},
        {"Image4", 8, 48, 100, 15},    {"Image5", 112, 48, 100, 15},  {"Image6", 216, 48, 100, 15},
        {"tl", 8, 56, 100, 100},       {"tm", 112, 56, 100, 100},     {"tr", 216, 56, 100, 100},
        {"ml", 8, 156, 100, 100},      {"mm", 112, 156, 100, 100},    {"mr", 216, 156, 100, 100},
        {"bl", 8, 256, 100, 100},      {"bm", 112, 256, 100, 100},    {"br", 216, 256, 100, 100},
        {"Image1", 8, 352, 100, 15},   {"Image2", 112, 352, 100, 15}, {"Image3", 216, 352, 100, 15},
        {"Label5", 8, 376, 105, 17},   {"Label6", 120, 376, 81, 17},  {"Label7", 216, 376, 105, 17},
        {"Label4", 8, 416, 137, 17},   {"nudgel", 16, 432, 89, 57},   {"nudgem", 120, 432, 89, 57},
        {"nudgeR", 224, 432, 89, 57},  {"Command2", 328, 432, 65, 57}, {"Trail8", 352, 48, 33, 25},
        {"Trail7", 352, 80, 33, 25},   {"Trail6", 352, 112, 33, 25},  {"Trail5", 352, 144, 33, 25},
        {"Trail4", 336, 176, 89, 25},  {"Trail3", 352, 208, 33, 25},  {"Trail2", 352, 240, 33, 25},
        {"Trail1", 352, 272, 33, 25},  {"trailHeldLight", 352, 328, 57, 65}, {"nopoints", 336, 400, 81, 17},
        {"bonus8", 424, 0, 50, 40},    {"bonus7", 424, 40, 50, 40},   {"bonus6", 424, 80, 50, 40},
        {"bonus5", 424, 120, 50, 40},  {"bonus4", 424, 160, 50, 40},  {"bonus3", 424, 200, 50, 40},
        {"bonus2", 424, 240, 50, 40},  {"bonus1", 424, 280, 50, 40},  {"Command4", 512, 8, 49, 49},
        {"Shape2", 600, 8, 73, 57},    {"Command3", 616, 16, 41, 41}, {"Label3", 504, 64, 89, 17},
        {"prizeMoney", 504, 80, 89, 25}, {"Label2", 600, 64, 81, 17}, {"cashpot", 600, 80, 81, 25},
        {"titlepic", 480, 120, 200, 123}, {"Command5", 608, 280, 57, 57}, {"myDebug", 496, 248, 177, 199},
    };
    EXPECT_EQ(window->size(), QSize(688, 497));
    for (const auto& p : places) {
        EXPECT_EQ(find(p.name)->geometry(), QRect(p.x, p.y, p.width, p.height)) << p.name;
        EXPECT_TRUE(find(p.name)->isVisible()) << p.name;
    }
}

TEST_F(Form1Test, SetUpAndDebuggingAidsStayHiddenThroughPlay)
{
    find<QPushButton>("Command3")->click();
    find<QPushButton>("Command2")->click();
    for (const char* name : {"List1", "List2", "List3", "List4", "Label1", "Line1", "Line2", "Line3", "Line4",
                             "Line5", "imageSetup", "Command1"})
        EXPECT_FALSE(find(name)->isVisible()) << name;
}

TEST_F(Form1Test, TimersRunAtTheirIntervalsFromTheirStartStatesFollowTheMachineAndStopWithTheWindow)
{
    const std::tuple<const char*, int, bool> timers[] = {
        {"flashLights", 300, true}, {"bonusTimer", 100, false}, {"Timer1", 500, false},
        {"Timer2", 4000, true},     {"Timer3", 10000, false},
    };
    for (const auto& [name, interval, running] : timers) {
        EXPECT_EQ(find<QTimer>(name)->interval(), interval) << name;
        EXPECT_EQ(find<QTimer>(name)->isActive(), running) << name;
    }
    auto* bonusTimer = find<QTimer>("bonusTimer");
    window->machine().startBonus();
    find<QPushButton>("Command4")->click();
    EXPECT_TRUE(bonusTimer->isActive());
    window->machine().stopBonus();
    find<QPushButton>("Command4")->click();
    EXPECT_FALSE(bonusTimer->isActive());
    window->close();
    for (const char* name : {"flashLights", "Timer2"})
        EXPECT_FALSE(find<QTimer>(name)->isActive()) << name;
}

TEST_F(Form1Test, TabOrderRunsFromStartThroughTheDebugListAndStartHasTheFocus)
{
    EXPECT_EQ(window->focusWidget(), find("Command2"));
    const QStringList expected = {"Command2", "nudgel", "nudgeR", "nudgem", "cashpot",
                                  "Command3", "prizeMoney", "Command4", "Command5", "myDebug"};
    QStringList order;
    QWidget* widget = find("Command2");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->parentWidget() == window.get())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != find("Command2"));
    EXPECT_EQ(order, expected);
}

TEST_F(Form1Test, OverlappingControlsStackAsDesigned)
{
    const std::pair<QPoint, const char*> overlaps[] = {
        {{636, 308}, "myDebug"},   // over "more money"
        {{58, 60}, "Image4"},      // top shading over the top-left cell
        {{162, 354}, "Image2"},    // bottom shading over the bottom-middle cell
        {{100, 20}, "status"},     // over its black panel
        {{60, 200}, "ml"},         // cell over the reel backdrop
        {{636, 36}, "Command3"},   // coin slot over its red panel
        {{640, 64}, "Label2"},     // label over the panel's bottom edge
    };
    for (const auto& [at, onTop] : overlaps) {
        QWidget* hit = window->childAt(at);
        ASSERT_NE(hit, nullptr) << onTop;
        EXPECT_TRUE(hit == find(onTop) || find(onTop)->isAncestorOf(hit))
            << onTop << " is under " << hit->objectName().toStdString();
    }
}

TEST_F(Form1Test, ModelColoursReachTheScreenWithRedInTheLowByte)
{
    EXPECT_EQ(colourAtCentre(find("Shape2")), QColor(255, 0, 0));
    window->machine().showTrail(4);
    window->sync();
    EXPECT_EQ(find<QLabel>("Trail4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(find<QLabel>("Trail3")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(find<QLabel>("trailHeldLight")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(find<QLabel>("status")->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    EXPECT_EQ(find<QLabel>("status")->palette().color(QPalette::Window), QColor(0, 0, 0));
}

TEST_F(Form1Test, AfterStartUpTheCellsShowTheSymbolsAndTheTextsTheirDesignValues)
{
    const Machine& m = window->machine();
    const struct {
        const char* cell;
        const Strip& strip;
        int position;
    } cells[] = {
        {"tl", kLeftStrip, (m.reelLeft + 15) % 16},   {"ml", kLeftStrip, m.reelLeft},
        {"bl", kLeftStrip, (m.reelLeft + 1) % 16},    {"tm", kMiddleStrip, (m.reelMiddle + 15) % 16},
        {"mm", kMiddleStrip, m.reelMiddle},           {"bm", kMiddleStrip, (m.reelMiddle + 1) % 16},
        {"tr", kRightStrip, (m.reelRight + 15) % 16}, {"mr", kRightStrip, m.reelRight},
        {"br", kRightStrip, (m.reelRight + 1) % 16},
    };
    for (const auto& c : cells)
        EXPECT_EQ(colourAtCentre(find(c.cell)), TestAssets::symbolColour(c.strip[size_t(c.position)])) << c.cell;
    EXPECT_EQ(text("status"), QStringLiteral("###########INITIALISING###########"));
    EXPECT_EQ(find<QLineEdit>("prizeMoney")->text(), QStringLiteral("Text1"));
    EXPECT_EQ(find<QLineEdit>("cashpot")->text(), QStringLiteral("71.00"));
    EXPECT_EQ(text("nopoints"), QStringLiteral("Label2"));
    EXPECT_EQ(text("Label4"), QStringLiteral("Label4"));
    EXPECT_FALSE(find<ImageWidget>("bonus1")->picture().isNull());
    EXPECT_FALSE(find<ImageWidget>("titlepic")->picture().isNull());
}

TEST_F(Form1Test, ASpinThroughTheWindowPaintsEveryStepAndShowsTheResult)
{
    QTest::mouseClick(find("Command3"), Qt::LeftButton);
    ASSERT_EQ(text("status"), QStringLiteral("Plays: 1.00"));

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    find("mr")->installEventFilter(&counter);
    QTest::mouseClick(find("Command2"), Qt::LeftButton);

    const Machine& m = window->machine();
    EXPECT_GE(counter.paints, 48);
    EXPECT_NE(text("status"), QStringLiteral("Plays: 1.00"));
    EXPECT_EQ(text("nopoints"), QString::fromStdString(m.ui.nopoints.caption));
    EXPECT_EQ(colourAtCentre(find("mr")), TestAssets::symbolColour(kRightStrip[size_t(m.reelRight)]));
    EXPECT_EQ(find<TraceView>("myDebug")->rowCount(), 2);
}

TEST_F(Form1Test, MessageBoxesGoToTheInjectedFunctionAndTypingReachesTheMachineAtOnce)
{
    find<QPushButton>("Command5")->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Give me more Money")});
    QTest::keyClicks(find("prizeMoney"), QStringLiteral("9"));
    EXPECT_EQ(window->machine().ui.prizeMoney.text, "Text19");
}

TEST(Form1StartUp, MissingPicturesRaiseAnAssetErrorAndTakeTheSplashAway)
{
    QTemporaryDir empty;
    Form1 window(empty.path(), [](const QString&) {});
    EXPECT_THROW(window.load(), AssetError);
    EXPECT_EQ(window.platform().splash(), nullptr);
}

TEST(Form1StartUp, TheBundledAssetTreeLoads)
{
    Form1 window(QStringLiteral(GLINT_BUNDLED_DATA_DIR), [](const QString&) {});
    ASSERT_NO_THROW(window.load());
    for (int symbol = 1; symbol <= 16; ++symbol) {
        const QPixmap& picture = window.platform().pictures().pixmap(window.machine().symbolPics[size_t(symbol)]);
        EXPECT_EQ(picture.size(), QSize(100, 100)) << symbol;
    }
    EXPECT_EQ(window.platform().pictures().pixmap(window.machine().bonusOnPic).size(), QSize(50, 40));
}

} // namespace
} // namespace glint::ui::test
