#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <vector>

namespace glint {
class Machine;
}

namespace glint::ui {

class PictureTable;

// The "How to play" window: what the machine is, its controls and keys, the
// scoring symbols with their pictures and points, the trail and the bonus,
// holds and nudges, and an About part with the version, the licence and
// where the pictures and sounds come from. One text in a read-only browser,
// so a screen reader reads it as it reads any document. Esc, F1 or its
// Close button closes it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    struct Symbol {
        QString name;
        QPixmap picture;
        int points;
    };

    // The symbols that score, in symbol order, as the machine loaded them.
    static std::vector<Symbol> scoringSymbols(const Machine& machine, const PictureTable& pictures);

    HelpWindow(const std::vector<Symbol>& symbols, QWidget* parent);

    // The whole text, as HTML; the pictures are the document's resources
    // "symbol:N", N counting the symbols from 0.
    static QString page(const std::vector<Symbol>& symbols);
};

// Gives the main window its two keys beyond play: F1 opens the help (made
// on first use from the machine's loaded symbols, then brought forward) and
// Ctrl+Q, there or in the help, closes the main window as its close button
// does. `machine` and `pictures` must outlive `window`.
void addHelpAndQuitKeys(QWidget& window, const Machine& machine, const PictureTable& pictures);

} // namespace glint::ui
