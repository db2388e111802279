#include "symbols.h"

#include "painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

constexpr int kSize = 100;

// Light cell face shared by every symbol: near-white in the middle and a
// touch darker towards the edges, so neighbouring cells read as separate
// tiles on the black reel backdrop.
void drawCell(QPainter &p, bool rich)
{
    QRadialGradient face(QPointF(50, 46), 72);
    if (rich) {
        face.setColorAt(0.0, QColor(255, 252, 226));
        face.setColorAt(0.55, QColor(250, 240, 196));
        face.setColorAt(1.0, QColor(222, 206, 150));
    } else {
        face.setColorAt(0.0, QColor(255, 255, 255));
        face.setColorAt(0.6, QColor(244, 245, 248));
        face.setColorAt(1.0, QColor(212, 216, 224));
    }
    p.fillRect(QRect(0, 0, kSize, kSize), face);
    p.setPen(QPen(rich ? QColor(196, 160, 70) : QColor(180, 186, 198), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kSize - 2, kSize - 2));
}

// Soft shadow under a glyph so it sits on the cell rather than floating.
void drawShadow(QPainter &p, double width)
{
    QRadialGradient shadow(QPointF(50, 84), width / 2);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(50, 84);
    p.scale(1.0, 0.2);
    p.translate(-50, -84);
    p.fillRect(QRectF(50 - width / 2, 84 - width / 2, width, width), shadow);
    p.restore();
}

void drawGlyph(QPainter &p, const QString &glyph, int box)
{
    drawShadow(p, box * 0.95);
    // The emoji is rendered at the canvas's own resolution, so a 2x picture
    // carries the font's full detail instead of enlarged 1x pixels.
    const int scale = int(p.device()->devicePixelRatio());
    QImage art = paint::emoji(glyph, box * scale);
    art.setDevicePixelRatio(scale);
    const QSizeF size = art.deviceIndependentSize();
    p.drawImage(QPointF(50 - size.width() / 2.0, 49 - size.height() / 2.0), art);
}

// Four-pointed sparkles scattered around the valuable symbols.
void sparkle(QPainter &p, QPointF c, double r)
{
    QPainterPath star;
    star.moveTo(c.x(), c.y() - r);
    star.quadTo(c, QPointF(c.x() + r, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() + r));
    star.quadTo(c, QPointF(c.x() - r, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() - r));
    p.fillPath(star, QColor(255, 255, 255, 235));
    p.setPen(QPen(QColor(214, 168, 40, 200), 0.8));
    p.drawPath(star);
}

void drawSparkles(QPainter &p)
{
    sparkle(p, QPointF(13, 19), 6);
    sparkle(p, QPointF(88, 26), 4.5);
    sparkle(p, QPointF(87, 78), 3.5);
}

QLinearGradient goldGradient(double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(255, 244, 170));
    g.setColorAt(0.45, QColor(240, 190, 40));
    g.setColorAt(0.55, QColor(214, 150, 20));
    g.setColorAt(1.0, QColor(255, 220, 90));
    return g;
}

// A big red seven with a gold rim.
void drawSeven(QPainter &p)
{
    drawShadow(p, 60);
    const QPainterPath seven = paint::textPath(QStringLiteral("7"), paint::boldSerif(120), QRectF(27, 15, 47, 68), true);
    p.save();
    p.translate(3, 3);
    p.fillPath(seven, QColor(0, 0, 0, 60));
    p.restore();
    p.setPen(QPen(QBrush(goldGradient(16, 82)), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven);
    p.setPen(QPen(QColor(110, 60, 0), 1.2));
    QLinearGradient red(0, 16, 0, 82);
    red.setColorAt(0.0, QColor(255, 110, 100));
    red.setColorAt(0.5, QColor(225, 20, 30));
    red.setColorAt(1.0, QColor(150, 0, 10));
    p.setBrush(red);
    p.drawPath(seven);
}

// The classic black bar with gold edging and lettering.
void drawBar(QPainter &p)
{
    drawShadow(p, 80);
    const QRectF plate(12, 31, 76, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(plate.translated(2, 3), 7, 7);
    p.setBrush(goldGradient(plate.top(), plate.bottom()));
    p.drawRoundedRect(plate, 7, 7);
    QLinearGradient black(0, plate.top(), 0, plate.bottom());
    black.setColorAt(0.0, QColor(70, 70, 80));
    black.setColorAt(0.5, QColor(15, 15, 20));
    black.setColorAt(1.0, QColor(40, 40, 48));
    p.setBrush(black);
    p.drawRoundedRect(plate.adjusted(4, 4, -4, -4), 4, 4);
    const QPainterPath word = paint::textPath(QStringLiteral("BAR"), paint::boldSans(60), plate.adjusted(12, 9, -12, -9), true);
    p.setBrush(goldGradient(plate.top() + 9, plate.bottom() - 9));
    p.setPen(QPen(QColor(90, 50, 0), 0.8));
    p.drawPath(word);
}

struct Symbol {
    const char *file;
    bool rich; // scores trail points: drawn on a golden cell with sparkles
    std::function<void(QPainter &)> draw;
};

std::function<void(QPainter &)> glyph(const char *utf8, int box = 68)
{
    const QString text = QString::fromUtf8(utf8);
    return [text, box](QPainter &p) { drawGlyph(p, text, box); };
}

} // namespace

int writeSymbols(const QString &dir, int scale)
{
    const Symbol symbols[] = {
        {"01-cherry", false, glyph("\U0001F352")},
        {"02-lemon", false, glyph("\U0001F34B")},
        {"03-orange", false, glyph("\U0001F34A")},
        {"04-melon", false, glyph("\U0001F349")},
        {"05-grapes", false, glyph("\U0001F347")},
        {"06-pear", false, glyph("\U0001F350")},
        {"07-banana", false, glyph("\U0001F34C")},
        {"08-strawberry", false, glyph("\U0001F353")},
        {"09-bell", true, glyph("\U0001F514", 66)},
        {"10-bar", true, drawBar},
        {"11-clover", true, glyph("\U0001F340", 66)},
        {"12-star", true, glyph("\u2B50", 66)},
        {"13-seven", true, drawSeven},
        {"14-diamond", true, glyph("\U0001F48E", 66)},
        {"15-gold", true, glyph("\U0001F4B0", 66)},
        {"16-crown", true, glyph("\U0001F451", 66)},
    };
    int failures = 0;
    for (const Symbol &s : symbols) {
        QImage img = paint::canvas(kSize, kSize, Qt::white, scale);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            drawCell(p, s.rich);
            s.draw(p);
            if (s.rich)
                drawSparkles(p);
        }
        const QImage opaque = img.convertToFormat(QImage::Format_RGB32);
        if (!paint::savePng(opaque, paint::scaledDir(dir, scale) + "/" + s.file + ".zri"))
            ++failures;
    }
    return failures;
}
