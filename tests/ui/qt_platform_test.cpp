#include "test_assets.h"

#include "ui/qt_platform.h"
#include "ui/splash.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace glint::ui::test {
namespace {

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

TEST(QtPlatform, PicturesDecodeByContentOrSayWhyNot)
{
    QTemporaryDir dir;
    const QDir at(dir.path());
    QImage(30, 20, QImage::Format_RGB32).save(at.filePath(QStringLiteral("good.zri")), "BMP");
    QFile text(at.filePath(QStringLiteral("notes.zri")));
    text.open(QIODevice::WriteOnly);
    text.write("not a picture at all");
    text.close();
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
        const PictureId id = platform.loadPicture(local(at.filePath(QLatin1String(file))), error);
        EXPECT_EQ(error, wanted) << file;
        EXPECT_EQ(id == kNoPicture, *wanted != '\0') << file;
        if (id != kNoPicture) {
            EXPECT_GE(id, kFirstLoadedPicture);
            EXPECT_EQ(platform.pictures().pixmap(id).size(), QSize(30, 20));
            platform.releasePicture(id);
            EXPECT_TRUE(platform.pictures().pixmap(id).isNull());
        }
    }
}

TEST(QtPlatform, BuiltInPicturesHaveTheirDesignedSizesAndMoneyShowsWithTwoDecimals)
{
    QtPlatform platform(QStringLiteral("/nonexistent/"), [](const QString&) {});
    const std::pair<PictureId, QSize> builtIns[] = {
        {kPoundPicture, {100, 100}}, {kArrowPicture, {50, 40}},       {kTitlePicture, {200, 123}},
        {kShadeTopPicture, {100, 15}}, {kShadeBottomPicture, {100, 15}},
    };
    for (const auto& [id, size] : builtIns)
        EXPECT_EQ(platform.pictures().pixmap(id).size(), size) << id;
    EXPECT_TRUE(platform.pictures().pixmap(kNoPicture).isNull());
    EXPECT_EQ(platform.formatCurrency(Money::fromWhole(71)), "71.00");
    EXPECT_EQ(platform.formatCurrency(Money::fromCents(25)), "0.25");
    EXPECT_EQ(platform.formatCurrency(Money::fromTenThousandths(12345)), "1.23");
}

TEST(QtPlatform, APauseEndsAtItsDeadlineAndNotBefore)
{
    QtPlatform platform(QStringLiteral("/nonexistent/"), [](const QString&) {});
    for (int i = 0; i < 5; ++i) {
        const double deadline = platform.monotonicSeconds() + 0.010;
        platform.sleepUntil(deadline);
        const double woke = platform.monotonicSeconds();
        EXPECT_GE(woke, deadline);
        EXPECT_LT(woke, deadline + 0.5); // generous: a loaded machine wakes sleepers late
    }
    platform.sleepUntil(platform.monotonicSeconds() - 1.0); // a past deadline returns at once
}

TEST(QtPlatform, TheSplashIsShownUntilUnloadedOrClosedByThePlayerAndUnloadingTwiceIsHarmless)
{
    QtPlatform platform(QStringLiteral("/nonexistent/"), [](const QString&) {});
    platform.showSplash();
    ASSERT_NE(platform.splash(), nullptr);
    EXPECT_TRUE(platform.splash()->isVisible());
    platform.unloadSplash();
    EXPECT_EQ(platform.splash(), nullptr);
    platform.unloadSplash();

    platform.showSplash();
    QTest::keyClick(platform.splash(), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(platform.splash(), nullptr);
    platform.unloadSplash();
}

} // namespace
} // namespace glint::ui::test
