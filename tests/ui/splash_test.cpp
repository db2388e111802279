#include "ui/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace glint::ui::test {
namespace {

QLabel* label(QWidget* splash, const char* name)
{
    return splash->findChild<QLabel*>(QLatin1String(name));
}

TEST(Splash, ShowsTheTitleAndVersionWithoutATitleBarInTheMiddleOfTheScreen)
{
    frmSplash splash(QPixmap(200, 123));
    splash.setAttribute(Qt::WA_DeleteOnClose, false);
    splash.centreOnScreen();
    splash.show();

    EXPECT_EQ(label(&splash, "lblVersion")->text(), QStringLiteral("Version 1.0.6"));
    EXPECT_EQ(label(&splash, "lblProductName")->text(), QStringLiteral("Glint Galore"));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.findChild<QWidget*>(QStringLiteral("client"))->size(), QSize(492, 283));
    EXPECT_EQ(splash.findChild<QWidget*>(QStringLiteral("Frame1"))->geometry(), QRect(7, 0, 480, 278));
    EXPECT_EQ(label(&splash, "imgLogo")->geometry(), QRect(8, 40, 200, 123));
    EXPECT_EQ(splash.frameGeometry().center(), splash.screen()->availableGeometry().center());

    // Labels sized to their text must still fit inside the frame; the
    // right-aligned ones keep their right edge.
    const QRect frame(0, 0, 480, 278);
    for (QLabel* l : splash.findChildren<QLabel*>())
        EXPECT_TRUE(frame.contains(l->geometry())) << l->objectName().toStdString();
    EXPECT_EQ(label(&splash, "lblVersion")->geometry().right(), 456);
    EXPECT_EQ(label(&splash, "lblPlatform")->geometry().right(), 456);
}

TEST(Splash, AKeyOrAClickOnTheFramesFreeAreaClosesItButAClickOnALabelDoesNot)
{
    const struct {
        const char* what;
        std::function<void(QWidget*)> act;
        bool closes;
    } cases[] = {
        {"character key", [](QWidget* s) { QTest::keyClick(s, Qt::Key_A); }, true},
        {"click on the logo", [](QWidget* s) { QTest::mouseClick(label(s, "imgLogo"), Qt::LeftButton); }, false},
        {"click on the version", [](QWidget* s) { QTest::mouseClick(label(s, "lblVersion"), Qt::LeftButton); },
         false},
        {"click on the free area",
         [](QWidget* s) {
             QTest::mouseClick(s->findChild<QWidget*>(QStringLiteral("Frame1")), Qt::LeftButton, {}, {100, 200});
         },
         true},
    };
    for (const auto& c : cases) {
        QPointer<frmSplash> splash = new frmSplash(QPixmap(200, 123));
        splash->show();
        c.act(splash);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(splash.isNull(), c.closes) << c.what;
        delete splash.data();
    }
}

} // namespace
} // namespace glint::ui::test
