#pragma once

#include <QLabel>

// How the front end's own kinds of widget present themselves to assistive
// technology such as screen readers.
namespace glint::ui {

// The machine's message line. Assistive technology sees it as a status bar
// named by the text it shows, and hears of each new message: QLabel reports
// every change of its text as a change of the accessible name.
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget* parent = nullptr);
};

// Teaches Qt's accessibility the StatusLabel and the TraceView (as a list
// whose items are its rows). Harmless to call more than once; the widgets
// call it themselves.
void installAccessibleInterfaces();

} // namespace glint::ui
