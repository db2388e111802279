#include "pictures.h"

#include "painting.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

// ---- bonus lamps ---------------------------------------------------------

QImage lamp(bool lit, int scale)
{
    QImage img = paint::canvas(50, 40, QColor(18, 18, 20), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath head = paint::arrowhead(QRectF(7, 4, 36, 32));
    if (lit) {
        // A halo spilling round the lamp makes it read as switched on even
        // when the picture is only glanced at.
        QRadialGradient halo(QPointF(25, 24), 26);
        halo.setColorAt(0.0, QColor(255, 230, 120, 220));
        halo.setColorAt(0.5, QColor(255, 140, 20, 110));
        halo.setColorAt(1.0, QColor(255, 80, 0, 0));
        p.fillRect(img.rect(), halo);
        p.setPen(QPen(QColor(255, 240, 90), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QRadialGradient glow(QPointF(25, 24), 15);
        glow.setColorAt(0.0, QColor(255, 255, 200));
        glow.setColorAt(0.25, QColor(255, 200, 60));
        glow.setColorAt(0.6, QColor(255, 60, 20));
        glow.setColorAt(1.0, QColor(225, 0, 0));
        p.setBrush(glow);
    } else {
        p.setPen(QPen(QColor(92, 78, 40), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QLinearGradient dull(0, 5, 0, 35);
        dull.setColorAt(0.0, QColor(96, 34, 30));
        dull.setColorAt(1.0, QColor(52, 16, 16));
        p.setBrush(dull);
    }
    p.drawPath(head);
    return img;
}

// ---- title logo -----------------------------------------------------------

// One line of chunky letters pushed out towards the lower right. Every edge
// of the letter outline that faces the push direction becomes a side panel,
// shaded by which way it faces: undersides bright gold, right-hand sides
// deeper gold, as if lit from above.
void blockLine(QPainter &p, const QString &text, const QRectF &box, double depth)
{
    const QRectF faceBox = box.adjusted(1, 1, -depth - 1, -depth - 1);
    QPainterPath face = paint::textPath(text, paint::heavySans(100), faceBox, true);
    // Fatten the strokes a little: block letters, not a book face.
    QPainterPathStroker fatten;
    fatten.setWidth(1.6);
    fatten.setJoinStyle(Qt::RoundJoin);
    face = face.united(fatten.createStroke(face)).simplified();

    const QPointF push(depth, depth);
    QPainterPath solid = face;
    for (double i = 1; i <= depth; i += 1)
        solid = solid.united(face.translated(i, i));
    p.setPen(QPen(QColor(96, 60, 0), 1.4));
    p.setBrush(QColor(150, 100, 10));
    p.drawPath(solid);

    for (const QPolygonF &poly : face.toSubpathPolygons()) {
        for (int i = 0; i + 1 < poly.size(); ++i) {
            const QPointF a = poly[i], b = poly[i + 1];
            const QPointF edge = b - a;
            const double len = std::hypot(edge.x(), edge.y());
            if (len < 1e-6)
                continue;
            QPointF n(edge.y() / len, -edge.x() / len);
            if (face.contains((a + b) / 2 + n * 0.4))
                n = -n; // make the normal point out of the letter
            if (n.x() + n.y() <= 0)
                continue; // faces away from the viewer, hidden behind the letter
            const double under = std::clamp(n.y(), 0.0, 1.0);
            const QColor side = QColor::fromRgbF(0.70 + 0.30 * under, 0.48 + 0.36 * under, 0.06 + 0.26 * under);
            QPolygonF quad;
            quad << a << b << b + push << a + push;
            // A hairline in the same colour hides seams between neighbours.
            p.setPen(QPen(side, 0.6));
            p.setBrush(side);
            p.drawPolygon(quad);
        }
    }

    QLinearGradient orange(0, faceBox.top(), 0, faceBox.bottom());
    orange.setColorAt(0.0, QColor(255, 190, 80));
    orange.setColorAt(0.5, QColor(255, 128, 8));
    orange.setColorAt(1.0, QColor(232, 88, 0));
    p.setBrush(orange);
    p.setPen(QPen(QColor(120, 44, 0), 1.0));
    p.drawPath(face);
}

QImage title(int scale)
{
    QImage img = paint::canvas(200, 123, QColor(208, 208, 210), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    blockLine(p, QStringLiteral("Glint"), QRectF(34, 4, 132, 56), 5);
    blockLine(p, QStringLiteral("Galore"), QRectF(4, 63, 192, 56), 5);
    return img;
}

// ---- built-in pictures ------------------------------------------------------

QImage pound(int scale)
{
    QImage img = paint::canvas(100, 100, Qt::white, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath sign = paint::textPath(QString(QChar(0x00A3)), paint::boldSerif(120), QRectF(16, 10, 68, 80));
    QLinearGradient gold(0, 10, 0, 90);
    gold.setColorAt(0.0, QColor(255, 240, 150));
    gold.setColorAt(0.45, QColor(246, 196, 40));
    gold.setColorAt(1.0, QColor(200, 140, 10));
    p.setPen(QPen(QColor(128, 82, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(sign);
    return img;
}

QImage arrow(int scale)
{
    QImage img = paint::canvas(50, 40, Qt::white, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 214, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(220, 16, 16));
    p.drawPath(paint::arrowhead(QRectF(7, 4, 36, 32)));
    return img;
}

QImage shade(bool darkAtTop, int scale)
{
    QImage img = paint::canvas(100, 15, Qt::white, scale);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 15);
    const QColor dark(64, 64, 66), light(214, 214, 216);
    g.setColorAt(0.0, darkAtTop ? dark : light);
    g.setColorAt(1.0, darkAtTop ? light : dark);
    p.fillRect(img.rect(), g);
    return img;
}

// ---- window icon ------------------------------------------------------------
// Drawn on a 32-unit grid in a handful of flat EGA-style colours; the PNG and
// SVG versions share these numbers so they stay identical.

struct Circle { double x, y, r; };
struct Leaf { double x, y, rx, ry, angle; };

constexpr Circle kRedFruit{8.5, 20.5, 7.3};
constexpr Circle kYellowFruit{23.5, 20.5, 7.3};
constexpr Leaf kLeaves[] = {{12.0, 10.5, 3.6, 1.6, -35.0}, {27.0, 10.5, 3.6, 1.6, -35.0}};
const char *const kRed = "#e00000", *const kRedDark = "#800000";
const char *const kYellow = "#ffff00", *const kYellowDark = "#a0a000";
const char *const kGreen = "#00c000", *const kGreenDark = "#006000";
const char *const kStem = "#806000";

QImage icon(int size)
{
    QImage img = paint::canvas(size, size, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const auto fruit = [&](const Circle &c, const char *fill, const char *rim) {
        p.setPen(QPen(QColor(rim), 1.2));
        p.setBrush(QColor(fill));
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x - 3.2, c.y - 3.2), 1.7, 1.7);
        p.setPen(QPen(QColor(kStem), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x, c.y - c.r + 0.5), QPointF(c.x + 1.0, c.y - c.r - 4.0));
    };
    fruit(kRedFruit, kRed, kRedDark);
    fruit(kYellowFruit, kYellow, kYellowDark);
    for (const Leaf &l : kLeaves) {
        p.save();
        p.translate(l.x, l.y);
        p.rotate(l.angle);
        p.setPen(QPen(QColor(kGreenDark), 0.8));
        p.setBrush(QColor(kGreen));
        p.drawEllipse(QPointF(0, 0), l.rx, l.ry);
        p.restore();
    }
    return img;
}

bool writeIconSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream s(&file);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 32 32\">\n"
      << "  <rect width=\"32\" height=\"32\" fill=\"#000000\"/>\n";
    const auto fruit = [&](const Circle &c, const char *fill, const char *rim) {
        s << "  <circle cx=\"" << c.x << "\" cy=\"" << c.y << "\" r=\"" << c.r << "\" fill=\"" << fill
          << "\" stroke=\"" << rim << "\" stroke-width=\"1.2\"/>\n"
          << "  <circle cx=\"" << c.x - 3.2 << "\" cy=\"" << c.y - 3.2 << "\" r=\"1.7\" fill=\"#ffffff\"/>\n"
          << "  <line x1=\"" << c.x << "\" y1=\"" << c.y - c.r + 0.5 << "\" x2=\"" << c.x + 1.0 << "\" y2=\""
          << c.y - c.r - 4.0 << "\" stroke=\"" << kStem << "\" stroke-width=\"1.4\" stroke-linecap=\"round\"/>\n";
    };
    fruit(kRedFruit, kRed, kRedDark);
    fruit(kYellowFruit, kYellow, kYellowDark);
    for (const Leaf &l : kLeaves)
        s << "  <ellipse cx=\"0\" cy=\"0\" rx=\"" << l.rx << "\" ry=\"" << l.ry << "\" transform=\"translate("
          << l.x << ' ' << l.y << ") rotate(" << l.angle << ")\" fill=\"" << kGreen << "\" stroke=\""
          << kGreenDark << "\" stroke-width=\"0.8\"/>\n";
    s << "</svg>\n";
    return s.status() == QTextStream::Ok;
}

} // namespace

int writeDataPictures(const QString &dataImages, int scale)
{
    const QString bonus = paint::scaledDir(dataImages + "/bonus", scale);
    int failures = 0;
    failures += !paint::saveBmp24(lamp(true, scale), bonus + "/bonuson.bmp");
    failures += !paint::saveBmp24(lamp(false, scale), bonus + "/bonusoff.bmp");
    failures += !paint::saveBmp24(title(scale), paint::scaledDir(dataImages + "/startup", scale) + "/title.bmp");
    return failures;
}

int writeBuiltinPictures(const QString &dir, int scale)
{
    const auto rgb = [](const QImage &img) { return img.convertToFormat(QImage::Format_RGB32); };
    const QString to = paint::scaledDir(dir, scale);
    int failures = 0;
    failures += !paint::savePng(rgb(pound(scale)), to + "/pound.png");
    failures += !paint::savePng(rgb(arrow(scale)), to + "/arrow.png");
    failures += !paint::savePng(rgb(title(scale)), to + "/title.png");
    failures += !paint::savePng(rgb(shade(true, scale)), to + "/shade_top.png");
    failures += !paint::savePng(rgb(shade(false, scale)), to + "/shade_bottom.png");
    // The icon already comes in every size a desktop asks for, 2x included.
    if (scale != 1)
        return failures;
    for (int size : {32, 48, 64, 128, 256})
        failures += !paint::savePng(rgb(icon(size)), dir + QStringLiteral("/icon%1.png").arg(size));
    failures += !writeIconSvg(dir + "/icon.svg");
    return failures;
}
