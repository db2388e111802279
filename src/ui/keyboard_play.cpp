#include "ui/keyboard_play.h"

#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace glint::ui {

KeyboardPlay::KeyboardPlay(Buttons buttons, std::function<void()> toggleMute, QObject* parent)
    : QObject(parent), buttons_(buttons), toggleMute_(std::move(toggleMute))
{
}

void KeyboardPlay::watch(QWidget* control)
{
    control->installEventFilter(this);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Shift stays allowed: some keyboards need it for the digits.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;

    auto* focusedButton = qobject_cast<QPushButton*>(watched);
    QPushButton* press = nullptr;
    switch (key->key()) {
    case Qt::Key_Space:
        // A focused button takes Space itself, pressed on the key's way
        // down and clicked on its way up.
        if (focusedButton)
            return false;
        press = buttons_.start;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press = focusedButton ? focusedButton : buttons_.start;
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        press = buttons_.holds[size_t(key->key() - Qt::Key_1)];
        break;
    case Qt::Key_C:
        press = buttons_.coin;
        break;
    case Qt::Key_M:
        if (!key->isAutoRepeat())
            toggleMute_();
        return true;
    default:
        return false;
    }
    if (!key->isAutoRepeat())
        press->click();
    return true;
}

} // namespace glint::ui
