#include "painting.h"

#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cstdio>

namespace paint {

namespace {

QString gEmojiFamily;
QString gSansFamily = QStringLiteral("DejaVu Sans");
QString gSerifFamily = QStringLiteral("DejaVu Serif");
QString gHeavyFamily = QStringLiteral("DejaVu Sans");

// Registers the first existing file from `paths` and returns its family.
QString addFirst(const QStringList &paths)
{
    for (const QString &p : paths) {
        if (!QFile::exists(p))
            continue;
        const int id = QFontDatabase::addApplicationFont(p);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.first();
    }
    return {};
}

} // namespace

bool loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/");
    gEmojiFamily = addFirst({dir + "noto/NotoColorEmoji.ttf"});
    const QString sans = addFirst({dir + "liberation/LiberationSans-Bold.ttf",
                                   dir + "dejavu/DejaVuSans-Bold.ttf"});
    const QString serif = addFirst({dir + "liberation/LiberationSerif-Bold.ttf",
                                    dir + "dejavu/DejaVuSerif-Bold.ttf"});
    const QString heavy = addFirst({dir + "dejavu/DejaVuSans-Bold.ttf",
                                    dir + "liberation/LiberationSans-Bold.ttf"});
    if (!heavy.isEmpty())
        gHeavyFamily = heavy;
    if (!sans.isEmpty())
        gSansFamily = sans;
    if (!serif.isEmpty())
        gSerifFamily = serif;
    if (gEmojiFamily.isEmpty()) {
        std::fprintf(stderr, "assetgen: Noto Color Emoji not found (apt-get install fonts-noto-color-emoji)\n");
        return false;
    }
    return true;
}

QFont emojiFont(int pixelSize)
{
    QFont f(gEmojiFamily);
    f.setPixelSize(pixelSize);
    return f;
}

QFont boldSans(int pixelSize)
{
    QFont f(gSansFamily);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QFont heavySans(int pixelSize)
{
    QFont f(gHeavyFamily);
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Black);
    return f;
}

QFont boldSerif(int pixelSize)
{
    QFont f(gSerifFamily);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QImage canvas(int w, int h, QColor fill, int scale)
{
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(fill);
    return img;
}

QString scaledDir(const QString &dir, int scale)
{
    return scale == 1 ? dir : dir + QStringLiteral("/@%1x").arg(scale);
}

QImage emoji(const QString &glyph, int box)
{
    // The colour emoji font holds bitmaps of about 136 px; drawing at that
    // size and scaling down ourselves keeps the edges clean.
    const int big = 136;
    QImage raw = canvas(big * 2, big * 2);
    {
        QPainter p(&raw);
        p.setFont(emojiFont(big));
        p.drawText(QRect(0, 0, big * 2, big * 2), Qt::AlignCenter, glyph);
    }
    int left = raw.width(), top = raw.height(), right = -1, bottom = -1;
    for (int y = 0; y < raw.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(raw.constScanLine(y));
        for (int x = 0; x < raw.width(); ++x)
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return canvas(box, box);
    const QImage trimmed = raw.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
    return trimmed.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPainterPath textPath(const QString &text, const QFont &font, const QRectF &target, bool stretch)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    double sx = target.width() / b.width();
    double sy = target.height() / b.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QPainterPath arrowhead(const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.center().x(), r.bottom() - r.height() * 0.28);
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    return path;
}

bool savePng(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "png");
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

bool saveBmp24(const QImage &image, const QString &path)
{
    // Qt writes RGB32 images as 24 bits per pixel BMP with no alpha.
    QImageWriter writer(path, "bmp");
    if (writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return true;
    std::fprintf(stderr, "assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace paint
