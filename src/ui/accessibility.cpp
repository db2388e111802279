#include "ui/accessibility.h"

#include "ui/design_widgets.h"
#include "ui/form1.h"
#include "ui/trace_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
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

// A value box as an editable text. Qt's own line edit reports an empty run
// of text attributes at each character, from which Orca 43 builds the value
// one character short ("£5" for "£51"); here the whole value is one run.
class ValueBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueBoxAccessible(ValueBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + box()->selectionLength();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    int offsetAtPoint(const QPoint& point) const override { return box()->cursorPositionAt(box()->mapFromGlobal(point)); }
    void scrollToSubstring(int, int) override {}

    QRect characterRect(int offset) const override
    {
        // Where the box draws the character: its text starts after the frame
        // and Qt's own two-pixel margin, and stands centred in the height.
        const QString value = box()->text();
        if (offset < 0 || offset >= value.size())
            return {};
        const QFontMetrics metrics = box()->fontMetrics();
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const int x = inside.left() + 2 + metrics.horizontalAdvance(value.left(offset));
        const QRect local(x, inside.center().y() - metrics.height() / 2, metrics.horizontalAdvance(value.at(offset)),
                          metrics.height());
        return {box()->mapToGlobal(local.topLeft()), local.size()};
    }

    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    ValueBox* box() const { return static_cast<ValueBox*>(widget()); }
};

// Reports a window's new title as a change of its accessible name.
class TitleChanges : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange) {
            QAccessibleEvent changed(watched, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }
};

// Takes a window's description away when the window first loses the focus.
class DescriptionOnce : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowDeactivate) {
            static_cast<QWidget*>(watched)->setAccessibleDescription({});
            deleteLater();
        }
        return false;
    }
};

QAccessibleInterface* glintInterface(const QString& className, QObject* object)
{
    // Qt takes a plain top-level widget for a client area ("filler"); the
    // game's window is a frame, named by its title, as a screen reader's
    // title and status-bar commands need.
    if (className == QLatin1String(Form1::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(ValueBox::staticMetaObject.className()))
        return new ValueBoxAccessible(static_cast<ValueBox*>(object));
    if (className == QLatin1String(ImageWidget::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
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

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent)
{
    installAccessibleInterfaces();
}

void ValueBox::focusInEvent(QFocusEvent* event)
{
    // QLineEdit selects all of its text when Tab brings the focus; without
    // that reason it keeps the text as it is.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

void reportTitleChanges(QWidget& window)
{
    window.installEventFilter(new TitleChanges(&window));
}

void describeOnce(QWidget& window, const QString& description)
{
    window.setAccessibleDescription(description);
    window.installEventFilter(new DescriptionOnce(&window));
}

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&glintInterface);
}

} // namespace glint::ui
