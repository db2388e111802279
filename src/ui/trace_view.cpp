#include "ui/trace_view.h"

#include "ui/accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace glint::ui {

namespace {

// Space around a row's text: a pixel above and below, a few to the left.
constexpr int kRowMargin = 1;
constexpr int kTextMargin = 3;

} // namespace

TraceView::TraceView(QWidget* parent) : QAbstractScrollArea(parent)
{
    installAccessibleInterfaces();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
}

void TraceView::setModel(QAbstractItemModel* model)
{
    if (model_)
        model_->disconnect(this);
    model_ = model;
    current_ = -1;
    if (model_) {
        connect(model_, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex& parent, int first, int) {
                    if (!parent.isValid())
                        rowsAppended(first);
                });
        // Rows that go away or a model that starts over: rare, so simply
        // everything is shown anew.
        auto rowsChanged = [this] {
            current_ = std::min(current_, rowCount() - 1);
            updateScrollRange();
            viewport()->update();
        };
        connect(model_, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
        connect(model_, &QAbstractItemModel::modelReset, this, rowsChanged);
    }
    updateScrollRange();
    viewport()->update();
}

int TraceView::rowCount() const
{
    return model_ ? model_->rowCount() : 0;
}

QString TraceView::rowText(int row) const
{
    if (!model_ || row < 0 || row >= rowCount())
        return {};
    return model_->data(model_->index(row, 0), Qt::DisplayRole).toString();
}

void TraceView::setCurrentRow(int row)
{
    row = std::clamp(row, -1, rowCount() - 1);
    if (row == current_)
        return;
    current_ = row;
    if (current_ >= 0)
        scrollToRow(current_);
    viewport()->update();
    announceCurrentRow();
}

int TraceView::rowHeight() const
{
    return fontMetrics().height() + 2 * kRowMargin;
}

int TraceView::topRow() const
{
    return verticalScrollBar()->value();
}

QRect TraceView::rowRect(int row) const
{
    return {0, (row - topRow()) * rowHeight(), viewport()->width(), rowHeight()};
}

int TraceView::rowAt(const QPoint& point) const
{
    if (point.y() < 0 || !viewport()->rect().contains(point))
        return -1;
    const int row = topRow() + point.y() / rowHeight();
    return row < rowCount() ? row : -1;
}

void TraceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const int first = topRow() + event->rect().top() / rowHeight();
    const int last = std::min(rowCount() - 1, topRow() + event->rect().bottom() / rowHeight());
    for (int row = first; row <= last; ++row) {
        const QRect rect = rowRect(row);
        const bool current = row == current_;
        if (current)
            painter.fillRect(rect, palette().brush(group, QPalette::Highlight));
        painter.setPen(palette().color(group, current ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect.adjusted(kTextMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         rowText(row));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(viewport());
        option.rect = current_ >= 0 ? rowRect(current_) : viewport()->rect();
        option.backgroundColor = palette().color(group, current_ >= 0 ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TraceView::keyPressEvent(QKeyEvent* event)
{
    const int from = current_ >= 0 ? current_ : topRow();
    int to = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        to = current_ >= 0 ? from - 1 : from;
        break;
    case Qt::Key_Down:
        to = current_ >= 0 ? from + 1 : from;
        break;
    case Qt::Key_PageUp:
        to = from - pageRows();
        break;
    case Qt::Key_PageDown:
        to = from + pageRows();
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = rowCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (rowCount() > 0)
        setCurrentRow(std::clamp(to, 0, rowCount() - 1));
    event->accept();
}

void TraceView::mousePressEvent(QMouseEvent* event)
{
    // Forwarded from the viewport, so the position is the viewport's.
    const int row = rowAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || row < 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setCurrentRow(row);
    event->accept();
}

void TraceView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TraceView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateScrollRange();
        viewport()->update();
    }
}

void TraceView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TraceView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TraceView::rowsAppended(int first)
{
    // Only the scroll range and, if the new rows are in sight, the viewport
    // change: the cost does not grow with the rows already there.
    updateScrollRange();
    if (first <= topRow() + pageRows())
        viewport()->update();
}

void TraceView::updateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(pageRows());
    bar->setRange(0, std::max(0, rowCount() - pageRows()));
}

int TraceView::pageRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

void TraceView::scrollToRow(int row)
{
    if (row < topRow())
        verticalScrollBar()->setValue(row);
    else if (row >= topRow() + pageRows())
        verticalScrollBar()->setValue(row - pageRows() + 1);
}

void TraceView::announceCurrentRow()
{
    // Screen readers read the row the player moves to, as in any list.
    if (current_ < 0 || !hasFocus())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current_);
    QAccessible::updateAccessibility(&event);
}

} // namespace glint::ui
