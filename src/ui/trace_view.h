#pragma once

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QPointer>

namespace glint::ui {

// A read-only list of one-line rows that draws only the rows in sight.
// Every row is one line of text high, so nothing is laid out per row and
// appending a row costs the same at the millionth row as at the first
// (QListView lays out every row again on each insertion). One row at a time
// can be made current, with the arrow keys, Page Up and Down, Home and End
// or a click, and is highlighted. New rows do not scroll the list.
class TraceView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TraceView(QWidget* parent = nullptr);

    // Shows the model's rows (column 0, display role) from now on.
    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return model_; }

    int rowCount() const;
    QString rowText(int row) const;
    // -1 while no row is current.
    int currentRow() const { return current_; }
    void setCurrentRow(int row);

    int rowHeight() const;
    // The first row in sight at the top of the viewport.
    int topRow() const;
    // A row's place in viewport coordinates (outside it when scrolled away).
    QRect rowRect(int row) const;
    // The row under a point of the viewport, or -1.
    int rowAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void rowsAppended(int first);
    void updateScrollRange();
    // Rows that fit wholly in the viewport, at least one.
    int pageRows() const;
    void scrollToRow(int row);
    void announceCurrentRow();

    QPointer<QAbstractItemModel> model_;
    int current_ = -1;
};

} // namespace glint::ui
