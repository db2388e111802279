#include "form1_fixture.h"

#include "core/machine.h"

#include <QAccessible>
#include <QPushButton>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
    // Labels are read as they are shown, also after the game changed them.
    window->machine().ui.status.caption = "Hold Any?";
    window->machine().ui.nopoints.caption = "7";
    window->sync();
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 18);
    for (QLabel* label : labels)
        EXPECT_EQ(accessible(label)->text(QAccessible::Name), label->text()) << label->objectName().toStdString();
    EXPECT_EQ(text("status"), QStringLiteral("Hold Any?"));
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
