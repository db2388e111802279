#include "test_assets.h"

#include "ui/design_widgets.h"
#include "ui/form1.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>

namespace glint::ui::test {
namespace {

// The warnings Qt reports while a window loads.
QStringList warnings;

void collectWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings << message;
}

// The whole window as a screen of this device-pixel ratio shows it, in
// device pixels.
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

// A symbol's sharp picture: its colour, with every other device-pixel row
// black, detail no enlarged 100 x 100 picture can have.
QImage sharpSymbol(int symbol)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(TestAssets::symbolColour(symbol));
    for (int y = 1; y < image.height(); y += 2)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), qRgb(0, 0, 0));
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
            sharpSymbol(symbol).save(sharpPath(symbol), "PNG");
    }
    std::unique_ptr<Form1> started()
    {
        auto window = std::make_unique<Form1>(assets.root(), [](const QString&) {});
        const QtMessageHandler previous = qInstallMessageHandler(&collectWarning);
        warnings.clear();
        window->load();
        qInstallMessageHandler(previous);
        return window;
    }
    // Puts symbol `symbol` on the middle cell.
    static ImageWidget* showOnMiddleCell(Form1& window, int symbol)
    {
        window.machine().ui.mm.picture = window.machine().symbolPics[size_t(symbol)];
        window.sync();
        return window.findChild<ImageWidget*>(QStringLiteral("mm"));
    }

    TestAssets assets;
};

TEST_F(SharpPictures, ADenseScreenShowsTheSharpPicturesInTheSameRoom)
{
    writeSharpSymbols();
    const auto window = started();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
    const struct {
        const char* control;
        QImage sharp;
    } cases[] = {
        {"mm", sharpSymbol(7)},
        {"titlepic", QImage(QStringLiteral(":/pictures/@2x/title.png"))},
        {"Image4", QImage(QStringLiteral(":/pictures/@2x/shade_top.png"))},
    };
    showOnMiddleCell(*window, 7);
    const QImage shot = rendered(*window, 2);
    for (const auto& c : cases) {
        const auto* control = window->findChild<ImageWidget*>(QLatin1String(c.control));
        EXPECT_EQ(control->size() * 2, c.sharp.size()) << c.control;
        EXPECT_EQ(area(shot, control, 2), c.sharp.convertToFormat(QImage::Format_RGB32)) << c.control;
    }
}

TEST_F(SharpPictures, AtRatioOneTheWindowIsPixelForPixelWhatItWasWithoutThem)
{
    const auto plain = started();
    writeSharpSymbols();
    const auto sharp = started();
    for (Form1* window : {plain.get(), sharp.get()}) {
        Form1Controls& ui = window->machine().ui;
        Image* cells[] = {&ui.tl, &ui.tm, &ui.tr, &ui.ml, &ui.mm, &ui.mr, &ui.bl, &ui.bm, &ui.br};
        for (size_t i = 0; i < std::size(cells); ++i)
            cells[i]->picture = window->machine().symbolPics[i + 1];
        window->sync();
    }
    const QImage shot = rendered(*sharp, 1);
    EXPECT_EQ(shot, rendered(*plain, 1));
    QImage symbol(100, 100, QImage::Format_RGB32);
    symbol.fill(TestAssets::symbolColour(4));
    EXPECT_EQ(area(shot, sharp->findChild<ImageWidget*>(QStringLiteral("ml")), 1), symbol);
}

TEST_F(SharpPictures, ABrokenOrMisfitSharpPictureIsIgnoredWithOneLineNamingIt)
{
    writeSharpSymbols();
    QFile broken(sharpPath(1));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    QImage sameSize(100, 100, QImage::Format_RGB32);
    sameSize.fill(Qt::black);
    sameSize.save(sharpPath(2), "PNG");

    const auto window = started();
    ASSERT_EQ(warnings.size(), 2) << warnings.join(QLatin1Char('\n')).toStdString();
    for (int symbol : {1, 2}) {
        EXPECT_TRUE(warnings.filter(sharpPath(symbol)).size() == 1) << symbol;
        // The ordinary picture fills the cell, enlarged.
        const ImageWidget* cell = showOnMiddleCell(*window, symbol);
        QImage enlarged(200, 200, QImage::Format_RGB32);
        enlarged.fill(TestAssets::symbolColour(symbol));
        EXPECT_EQ(area(rendered(*window, 2), cell, 2), enlarged) << symbol;
    }
}

} // namespace
} // namespace glint::ui::test
