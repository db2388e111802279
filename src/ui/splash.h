#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QPixmap>

namespace glint::ui {

// The bordered frame that fills the splash window. A click on its own free
// area, not on the logo or a label inside it, reports `clicked`.
class SplashFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SplashFrame(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressedOnFreeArea_ = false;
};

// The splash window shown while the main window starts up: title logo,
// product, maker, platform, version and notices, on a borderless dialog.
// A character key or a click on the frame's free area closes and deletes it.
class frmSplash : public QFrame {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 492;
    static constexpr int kClientHeight = 283;

    explicit frmSplash(const QPixmap& logo);

    // Centres the window on the screen it will appear on.
    void centreOnScreen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void unload();
};

} // namespace glint::ui
