#pragma once

#include "core/controls.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

// Small pieces shared by the two windows for drawing controls the way the
// game's design describes them.
namespace glint::ui {

// A model colour (0x00BBGGRR, red in the low byte) as Qt's colour.
inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// A font as the design names it (family and point size at 96 dots per
// inch). The layout is fixed in pixels, so the size is fixed in pixels too;
// metric-compatible free families stand in for the ones the design names.
QFont designFont(const QString& family, double points, bool bold = false);

// The default font of every control that names none: 8.25 point sans-serif.
QFont defaultDesignFont();

// A filled rectangle with a thin border.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, const QColor& fill, const QColor& border);
    const QColor& fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};

// An image control: shows its picture unscaled at its top-left corner and
// takes the picture's size. Without a picture it keeps its size and shows
// nothing, letting what lies beneath show through. On a dense screen it
// shows the picture's sharp companion, when it has one, in the same room.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent);
    // `sharp` is null or twice the size of `picture` at device-pixel ratio 2.
    void setPicture(const QPixmap& picture, const QPixmap& sharp = {});
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPixmap sharp_;
};

} // namespace glint::ui
