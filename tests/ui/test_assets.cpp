#include "test_assets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

namespace glint::ui::test {

namespace {

void writePicture(const QString& path, QSize size, const QColor& colour, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, format);
}

} // namespace

TestAssets::TestAssets()
{
    QDir root(dir_.path());
    root.mkpath(QStringLiteral("images/bonus"));
    root.mkpath(QStringLiteral("sound"));
    // Listed in reverse, so the symbol order must come from sorting.
    for (int symbol = 16; symbol >= 1; --symbol)
        writePicture(root.filePath(QStringLiteral("images/sym%1.zri").arg(symbol, 2, 10, QLatin1Char('0'))),
                     {100, 100}, symbolColour(symbol), "PNG");
    writePicture(root.filePath(QStringLiteral("images/bonus/bonuson.bmp")), {50, 40}, lampColour(true), "BMP");
    writePicture(root.filePath(QStringLiteral("images/bonus/bonusoff.bmp")), {50, 40}, lampColour(false), "BMP");
}

QColor TestAssets::symbolColour(int symbol)
{
    return QColor(QColor::fromHsv((symbol - 1) * 22, 255, 200).rgb());
}

QColor TestAssets::lampColour(bool lit)
{
    return lit ? QColor(255, 255, 0) : QColor(60, 60, 60);
}

QColor colourAtCentre(QWidget* widget)
{
    const QImage shot = widget->grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

} // namespace glint::ui::test
