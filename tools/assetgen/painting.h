// Drawing helpers shared by the symbol and picture generators.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace paint {

// Loads the fonts the artwork relies on. Returns false (after printing
// what is missing) if a font that cannot be substituted is absent.
bool loadFonts();

QFont emojiFont(int pixelSize);
QFont boldSans(int pixelSize);
QFont boldSerif(int pixelSize);
// Widest, heaviest face available, for block lettering.
QFont heavySans(int pixelSize);

// A blank image of the given size filled with `fill`. With `scale` 2 it has
// twice the pixels each way and device-pixel ratio 2, so the same drawing
// code, in the same coordinates, paints a sharper copy for dense screens.
QImage canvas(int w, int h, QColor fill = Qt::transparent, int scale = 1);

// Where the pictures of `scale` go: `dir` itself, or its "@2x" subfolder,
// which the game looks into for its sharper companions.
QString scaledDir(const QString &dir, int scale);

// Renders one emoji large, trims it to its visible pixels and scales it
// smoothly so it fits inside `box` x `box`.
QImage emoji(const QString &glyph, int box);

// Outline of `text` scaled uniformly (keeping the aspect ratio unless
// `stretch` is set) so it fills `target`, centred.
QPainterPath textPath(const QString &text, const QFont &font, const QRectF &target, bool stretch = false);

// Arrowhead pointing up with a notched base, fitted into `r`.
QPainterPath arrowhead(const QRectF &r);

// Writes PNG data, whatever the file's extension is.
bool savePng(const QImage &image, const QString &path);
// Writes an uncompressed 24-bit BMP.
bool saveBmp24(const QImage &image, const QString &path);

} // namespace paint
