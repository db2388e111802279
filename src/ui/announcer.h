#pragma once

#include <QString>

class QTimer;
class QWidget;

namespace glint::ui {

// Says a short sentence to a player who listens through a screen reader,
// at once: a new sentence replaces one not yet taken up, never queues
// behind it.
//
// Qt 6.4 has no announcement event of its own. What screen readers do
// speak from it (Orca 43 within 60 to 80 ms) is an object with the
// Notification role that is shown: so each sentence becomes the name of a
// hidden notification inside the message line, shown anew. Being part of
// the message line, it is read without a role name. A Qt with
// QAccessibleAnnouncementEvent (6.8 on) can replace this class's inside
// alone.
//
// A second later the notification is hidden again, so that reading the
// message line on demand reads the message, not the last announcement.
class Announcer {
public:
    // `messageLine` is the window's status line; the notification lives in
    // it, taking no room and no clicks.
    explicit Announcer(QWidget* messageLine);

    void announce(const QString& sentence);

private:
    QWidget* notice_;
    QTimer* hide_;
};

} // namespace glint::ui
