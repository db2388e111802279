#include "ui/design_widgets.h"

#include <QPainter>

#include <cmath>

namespace glint::ui {

namespace {

QStringList withStandIns(const QString& family)
{
    if (family == QLatin1String("Arial"))
        return {family, QStringLiteral("Liberation Sans")};
    if (family == QLatin1String("Times New Roman"))
        return {family, QStringLiteral("Liberation Serif")};
    if (family == QLatin1String("Verdana"))
        return {family, QStringLiteral("DejaVu Sans")};
    return {family};
}

} // namespace

QFont designFont(const QString& family, double points, bool bold)
{
    QFont font;
    font.setFamilies(withStandIns(family));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont defaultDesignFont()
{
    return designFont(QStringLiteral("Liberation Sans"), 8.25);
}

ShapeWidget::ShapeWidget(QWidget* parent, const QColor& fill, const QColor& border)
    : QWidget(parent), fill_(fill), border_(border)
{
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {}

void ImageWidget::setPicture(const QPixmap& picture, const QPixmap& sharp)
{
    picture_ = picture;
    sharp_ = sharp;
    if (!picture_.isNull())
        resize(picture_.size());
    update();
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // The painter's scale is the screen's device-pixel ratio, also when the
    // window is rendered into an image of its own ratio. At 1 the picture is
    // copied pixel for pixel; above it the sharp companion fills the same
    // room, smoothed when the ratio is not a whole 2 (at 150 %).
    if (painter.deviceTransform().m11() > 1 && !sharp_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(0, 0, sharp_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}

} // namespace glint::ui
