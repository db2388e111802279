#pragma once

#include <QLabel>
#include <QLineEdit>

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

// An editable value box that a keyboard player can land in without being
// trapped: reaching it by Tab leaves its text unselected, so a screen reader
// reads the value once, whole, instead of a selection. (The game's keys
// still work there, see KeyboardPlay.)
class ValueBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// Tells assistive technology of each new title of `window` ("[muted]"), as a
// change of its name, which Qt 6.4 leaves unsaid.
void reportTitleChanges(QWidget& window);

// Gives `window` a description that assistive technology reads when the
// window is first activated, and takes it away once the window has lost
// the focus for the first time (say, to a message box): long help is worth
// hearing once a run, not on every return to the window.
void describeOnce(QWidget& window, const QString& description);

// Teaches Qt's accessibility the StatusLabel and the TraceView (as a list
// whose items are its rows), the main window (a frame named by its title)
// and the image controls (pictures named by what they show). Harmless to
// call more than once; the widgets call it themselves.
void installAccessibleInterfaces();

} // namespace glint::ui
