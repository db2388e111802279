#pragma once

#include <QColor>
#include <QString>
#include <QTemporaryDir>

namespace glint::ui::test {

// A throwaway asset tree: sixteen symbol pictures of one plain colour each,
// the lit and unlit lamp pictures, and an empty sound directory.
class TestAssets {
public:
    TestAssets();
    QString root() const { return dir_.path(); }

    static QColor symbolColour(int symbol);
    static QColor lampColour(bool lit);

private:
    QTemporaryDir dir_;
};

// The colour at the centre of a widget as drawn on screen.
QColor colourAtCentre(class QWidget* widget);

} // namespace glint::ui::test
