#include "form1_fixture.h"

#include "core/machine.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <array>
#include <map>

namespace glint::ui::test {
namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(iface, nullptr) << widget->objectName().toStdString();
    return iface;
}

// The names the status line is announced by, while a screen reader listens.
QStringList heard;

void hear(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged && event->object() &&
        event->object()->objectName() == QLatin1String("status"))
        heard << event->accessibleInterface()->text(QAccessible::Name);
}

TEST_F(Form1Test, ControlsTellAssistiveTechnologyWhatTheyAreAndDoAndLabelsWhatTheyShow)
{
    const struct {
        const char* control;
        const char* name;
        QAccessible::Role role;
        const char* description; // the tooltip
    } controls[] = {
        {"Command2", "Start", QAccessible::Button, "Start (Space or Enter)"},
        {"nudgel", "Hold/Nudge left reel", QAccessible::Button, "Hold or nudge the left reel (1)"},
        {"nudgem", "Hold/Nudge middle reel", QAccessible::Button, "Hold or nudge the middle reel (2)"},
        {"nudgeR", "Hold/Nudge right reel", QAccessible::Button, "Hold or nudge the right reel (3)"},
        {"Command3", "cash, insert a coin", QAccessible::Button, "Insert a coin (C)"},
        {"Command4", "cheat", QAccessible::Button, "Cheat: win nudges on every play"},
        {"Command5", "more money", QAccessible::Button, "Put five more coins in the purse"},
        {"prizeMoney", "Prize money", QAccessible::EditableText, ""},
        {"cashpot", "Total cash", QAccessible::EditableText, ""},
        {"myDebug", "Scoring trace", QAccessible::List, ""},
        {"status", "###########INITIALISING###########", QAccessible::StatusBar, ""},
    };
    for (const auto& c : controls) {
        QAccessibleInterface* iface = accessible(find(c.control));
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.control;
        EXPECT_EQ(iface->role(), c.role) << c.control;
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(c.description)) << c.control;
    }
    // A speech-control user reaches a button by saying what it shows.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            EXPECT_TRUE(accessible(button)->text(QAccessible::Name).startsWith(button->text()))
                << button->objectName().toStdString();
        }
    }
    // Labels are read as they are shown, also after the game changed them;
    // the points box and the ladder also say the current rung.
    Machine& m = window->machine();
    m.ui.status.caption = "Hold Any?";
    m.ui.nopoints.caption = "7";
    m.showTrail(4);
    window->sync();
    const std::map<QString, QString> withRung = {{"nopoints", "7 points, Bonus rung"}, {"Trail4", "Bonus, current rung"}};
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 18);
    for (QLabel* label : labels) {
        const auto own = withRung.find(label->objectName());
        EXPECT_EQ(accessible(label)->text(QAccessible::Name), own == withRung.end() ? label->text() : own->second)
            << label->objectName().toStdString();
    }
    EXPECT_EQ(text("status"), QStringLiteral("Hold Any?"));

    // The window is a frame named by its title; the win line's pictures
    // are named by their files.
    EXPECT_EQ(accessible(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(accessible(window.get())->text(QAccessible::Name), window->windowTitle());
    const std::array<int32_t, 3> line = m.winLine();
    for (size_t i = 0; i < line.size(); ++i) {
        QAccessibleInterface* cell = accessible(find(std::array{"ml", "mm", "mr"}[i]));
        EXPECT_EQ(cell->role(), QAccessible::Graphic);
        EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("sym%1").arg(line[i], 2, 10, QLatin1Char('0')));
    }
}

// Each announcement shows a notification inside the message line anew,
// also when it repeats the last one, and hides it again soon after. A new
// title is told as the window's new name.
TEST_F(Form1Test, EachAnnouncementIsANotificationShownAnewInTheMessageLine)
{
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    static QStringList shown;
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
            shown << iface->text(QAccessible::Name);
        if (event->type() == QAccessible::NameChanged && iface->role() == QAccessible::Window)
            shown << "title: " + iface->text(QAccessible::Name).section(' ', -1);
    });
    Machine& m = window->machine();
    m.nudges = 2;
    for (const char* button : {"Command3", "Command2", "Command2"})
        QTest::mouseClick(find(button), Qt::LeftButton);
    QTest::keyClick(find("Command2"), Qt::Key_M);
    QAccessible::installUpdateHandler(previous);
    platform->setActive(false);
    EXPECT_EQ(shown, (QStringList{"Plays 1.00", "2 nudges left", "2 nudges left", "title: [muted]", "sound off"}));

    auto* notice = find("status")->findChild<QWidget*>(QStringLiteral("announcement"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([notice] { return notice->isHidden(); }, 3000));
}

// The window's long description is there for its first activation only; a
// value box reached by Tab selects nothing and reads its value whole.
TEST_F(Form1Test, TheDescriptionIsReadOnceAndAValueBoxItsWholeValue)
{
    EXPECT_FALSE(window->accessibleDescription().isEmpty());
    for (QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
        QEvent event(type);
        QApplication::sendEvent(window.get(), &event);
        EXPECT_TRUE(window->accessibleDescription().isEmpty());
    }

    QApplication::setActiveWindow(window.get());
    find("nudgem")->setFocus();
    QTest::keyClick(find("nudgem"), Qt::Key_Tab);
    auto* box = find<QLineEdit>("cashpot");
    ASSERT_TRUE(box->hasFocus());
    EXPECT_FALSE(box->hasSelectedText());
    QAccessibleTextInterface* value = accessible(box)->textInterface();
    ASSERT_NE(value, nullptr);
    const int length = value->characterCount();
    int start = -1, end = -1;
    value->attributes(length - 1, &start, &end);
    EXPECT_EQ(value->text(start, end), box->text());
}

// Qt passes changes on to assistive technology only while one listens; the
// platform is told one does, as Qt's own tests do.
TEST_F(Form1Test, EachNewMessageOnTheStatusLineIsAnnouncedOnce)
{
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&hear);
    Machine& m = window->machine();
    m.holdAllowed = true;
    find<QPushButton>("nudgel")->click();
    for (const char* message : {"3 nudges", "3 nudges", "!!!BONUS!!!"}) {
        m.ui.status.caption = message;
        window->sync();
    }
    QAccessible::installUpdateHandler(previous);
    platform->setActive(false);
    EXPECT_EQ(heard, (QStringList{"Holding Left", "3 nudges", "!!!BONUS!!!"}));
}

} // namespace
} // namespace glint::ui::test
