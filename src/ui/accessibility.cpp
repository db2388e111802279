#include "ui/accessibility.h"

#include "ui/trace_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace glint::ui {

namespace {

class StatusLabelAccessible : public QAccessibleWidget {
public:
    explicit StatusLabelAccessible(StatusLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        // The name follows what the line shows, unless one is set on purpose.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

// One row of a TraceView. Rows are not objects, so their interfaces are
// made when assistive technology first asks for them and kept by the list.
class TraceRowAccessible : public QAccessibleInterface {
public:
    TraceRowAccessible(TraceView* view, int row) : view_(view), row_(row) {}

    int row() const { return row_; }
    const TraceView* view() const { return view_.data(); }

    bool isValid() const override { return view_ && row_ < view_->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && view_ ? view_->rowText(row_) : QString();
    }

    QRect rect() const override
    {
        if (!view_)
            return {};
        const QRect local = view_->rowRect(row_);
        return {view_->viewport()->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!view_)
            return state;
        state.selectable = true;
        state.focusable = true;
        state.readOnly = true;
        const bool current = view_->currentRow() == row_;
        state.selected = current;
        state.focused = current && view_->hasFocus();
        const QRect local = view_->rowRect(row_);
        state.offscreen = !view_->viewport()->rect().intersects(local);
        state.invisible = state.offscreen;
        return state;
    }

private:
    QPointer<TraceView> view_;
    int row_;
};

class TraceViewAccessible : public QAccessibleWidget {
public:
    explicit TraceViewAccessible(TraceView* view) : QAccessibleWidget(view, QAccessible::List) {}

    ~TraceViewAccessible() override
    {
        for (QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The rows are the children; the scroll bars are left out, as in
    // Qt's own lists.
    int childCount() const override { return view()->rowCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = rows_.constFind(index); known != rows_.cend())
            return QAccessible::accessibleInterface(*known);
        auto* row = new TraceRowAccessible(view(), index);
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* row = dynamic_cast<const TraceRowAccessible*>(child);
        return row && row->view() == view() ? row->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(view()->rowAt(view()->viewport()->mapFromGlobal(QPoint(x, y))));
    }

    QAccessibleInterface* focusChild() const override
    {
        return view()->hasFocus() ? child(view()->currentRow()) : nullptr;
    }

private:
    TraceView* view() const { return static_cast<TraceView*>(widget()); }

    mutable QHash<int, QAccessible::Id> rows_;
};

QAccessibleInterface* glintInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(StatusLabel::staticMetaObject.className()))
        return new StatusLabelAccessible(static_cast<StatusLabel*>(object));
    if (className == QLatin1String(TraceView::staticMetaObject.className()))
        return new TraceViewAccessible(static_cast<TraceView*>(object));
    return nullptr;
}

} // namespace

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibleInterfaces();
}

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&glintInterface);
}

} // namespace glint::ui
