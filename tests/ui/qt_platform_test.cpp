#include "ui/qt_platform.h"
#include "ui/splash.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace glint::ui::test {
namespace {

TEST(QtPlatform, PicturesDecodeByContentOrSayWhyNotMoneyShowsTwoDecimalsAndPausesLastTheirTime)
{
    QTemporaryDir dir;
    const QDir at(dir.path());
    QImage(30, 20, QImage::Format_RGB32).save(at.filePath(QStringLiteral("good.zri")), "BMP");
    std::ofstream(QFile::encodeName(at.filePath(QStringLiteral("notes.zri"))).toStdString()) << "not a picture";
    // Tiny on disk, huge once decoded.
    QImage huge(4097, 4097, QImage::Format_Mono);
    huge.fill(0);
    huge.save(at.filePath(QStringLiteral("huge.png")), "PNG");

    QtPlatform platform(dir.path() + QLatin1Char('/'), [](const QString&) {});
    const std::pair<const char*, const char*> cases[] = { // file, error or "" when the picture loads
        {"good.zri", ""},
        {"missing.zri", "File not found"},
        {"notes.zri", "Unsupported image format"},
        {"huge.png", "picture is 4097\u00D74097 pixels, too large"},
    };
    for (const auto& [file, wanted] : cases) {
        std::string error;
        const PictureId id = platform.loadPicture(QFile::encodeName(at.filePath(QLatin1String(file))).toStdString(), error);
        EXPECT_EQ(error, wanted) << file;
        EXPECT_EQ(id == kNoPicture, *wanted != '\0') << file;
        if (id != kNoPicture) {
            EXPECT_EQ(platform.pictures().pixmap(id).size(), QSize(30, 20));
            platform.releasePicture(id);
            EXPECT_TRUE(platform.pictures().pixmap(id).isNull());
        }
    }
    EXPECT_EQ(platform.formatCurrency(Money::fromTenThousandths(12345)), "1.23");
    EXPECT_EQ(platform.formatCurrency(Money::fromWhole(71)), "71.00");
    for (int i = 0; i < 5; ++i) { // a step's pause never ends early
        const double deadline = platform.monotonicSeconds() + 0.010;
        platform.sleepUntil(deadline);
        EXPECT_GE(platform.monotonicSeconds(), deadline);
    }
}

// The splash names the game, its version and the platform it runs on. A
// typed key closes it whichever of its controls takes it, and so does a click
// on the frame's free area, but not one on the logo or a caption.
TEST(QtPlatform, TheSplashNamesGameVersionAndPlatformAndClosesOnATypedKeyOrAFrameClick)
{
    QtPlatform platform(QString(), [](const QString&) {});
    const struct {
        const char* target;
        Qt::Key key; // 0: a click at `at`, or at the target's centre when `at` is null
        QPoint at;
        bool closes;
    } presses[] = {
        {"lblVersion", Qt::Key_A, {}, true},         {"Frame1", Qt::Key_Shift, {}, false},
        {"Frame1", Qt::Key(0), {100, 200}, true},    {"imgLogo", Qt::Key(0), {}, false},
        {"lblProductName", Qt::Key(0), {}, false},
    };
    for (const auto& p : presses) {
        platform.showSplash();
        for (const auto& [label, text] : {std::pair{"lblProductName", "Glint Galore"},
                                          {"lblVersion", "Version " GLINT_VERSION}, {"lblPlatform", "Linux"}})
            EXPECT_EQ(platform.splash()->findChild<QLabel*>(QLatin1String(label))->text().toStdString(), text);
        auto* target = platform.splash()->findChild<QWidget*>(QLatin1String(p.target));
        p.key ? QTest::keyClick(target, p.key) : QTest::mouseClick(target, Qt::LeftButton, {}, p.at);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(platform.splash() == nullptr, p.closes) << p.target << " " << p.key;
        platform.unloadSplash();
    }
}

} // namespace
} // namespace glint::ui::test
