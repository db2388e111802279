#include "test_assets.h"

#include "ui/design_widgets.h"
#include "ui/form1.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace glint::ui::test {
namespace {

// The warnings Qt reported while the last window loaded.
QStringList warnings;

// The whole window, in device pixels, as a screen of this ratio shows it.
QImage rendered(QWidget& window, int ratio)
{
    QImage shot(window.size() * ratio, QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    window.render(&shot);
    shot.setDevicePixelRatio(1);
    return shot;
}

QImage area(const QImage& shot, const QWidget* control, int ratio)
{
    return shot.copy(QRect(control->pos() * ratio, control->size() * ratio));
}

// `size` device pixels of one symbol's colour; with `striped`, every other
// row black: detail no enlarged 100 x 100 picture can have.
QImage symbolPicture(int symbol, int size, bool striped)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(TestAssets::symbolColour(symbol));
    for (int y = 1; striped && y < size; y += 2)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), size, qRgb(0, 0, 0));
    return image;
}

class SharpPictures : public ::testing::Test {
protected:
    QString sharpPath(int symbol) const
    {
        return assets.root() + QStringLiteral("/images/@2x/sym%1.zri").arg(symbol, 2, 10, QLatin1Char('0'));
    }
    void writeSharpSymbols()
    {
        QDir(assets.root()).mkpath(QStringLiteral("images/@2x"));
        for (int symbol = 1; symbol <= 16; ++symbol)
            symbolPicture(symbol, 200, true).save(sharpPath(symbol), "PNG");
    }
    // A loaded window whose middle cell shows `symbol`.
    std::unique_ptr<Form1> started(int symbol)
    {
        auto window = std::make_unique<Form1>(assets.root(), [](const QString&) {});
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtWarningMsg)
                    warnings << text;
            });
        window->load();
        qInstallMessageHandler(previous);
        window->machine().ui.mm.picture = window->machine().symbolPics[size_t(symbol)];
        window->sync();
        return window;
    }
    static const ImageWidget* control(Form1& window, const char* name)
    {
        return window.findChild<ImageWidget*>(QLatin1String(name));
    }

    TestAssets assets;
};

TEST_F(SharpPictures, ADenseScreenShowsTheSharpPicturesInTheSameRoom)
{
    writeSharpSymbols();
    const auto window = started(7);
    EXPECT_TRUE(warnings.isEmpty());
    const std::pair<const char*, QImage> cases[] = {
        {"mm", symbolPicture(7, 200, true)},
        {"titlepic", QImage(QStringLiteral(":/pictures/@2x/title.png")).convertToFormat(QImage::Format_RGB32)},
    };
    const QImage shot = rendered(*window, 2);
    for (const auto& [name, sharp] : cases) {
        EXPECT_EQ(control(*window, name)->size() * 2, sharp.size()) << name;
        EXPECT_TRUE(area(shot, control(*window, name), 2) == sharp) << name;
    }
}

TEST_F(SharpPictures, AtRatioOneTheWindowIsPixelForPixelWhatItWasWithoutThem)
{
    const auto plain = started(4);
    writeSharpSymbols();
    const auto sharp = started(4);
    for (Form1* window : {plain.get(), sharp.get()}) {
        window->machine().reelLeft = window->machine().reelMiddle = window->machine().reelRight = 3;
        window->machine().drawReels();
        window->sync();
    }
    const QImage shot = rendered(*sharp, 1);
    EXPECT_TRUE(shot == rendered(*plain, 1));
    EXPECT_TRUE(area(shot, control(*sharp, "ml"), 1) == symbolPicture(6, 100, false));
}

TEST_F(SharpPictures, ABrokenOrMisfitSharpPictureIsIgnoredWithOneLineNamingIt)
{
    writeSharpSymbols();
    QFile broken(sharpPath(1));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    symbolPicture(2, 100, true).save(sharpPath(2), "PNG"); // the size of the ordinary picture

    for (int symbol : {1, 2}) {
        const auto window = started(symbol);
        ASSERT_EQ(warnings.size(), 2) << warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(warnings.filter(sharpPath(symbol)).size(), 1) << symbol;
        // The ordinary picture fills the cell, enlarged.
        EXPECT_TRUE(area(rendered(*window, 2), control(*window, "mm"), 2) == symbolPicture(symbol, 200, false));
    }
}

} // namespace
} // namespace glint::ui::test
