#include "ui/debug_list_model.h"

#include "ui/translation.h"

namespace glint::ui {

DebugListModel::DebugListModel(const ListBox& list, QObject* parent) : QAbstractListModel(parent), list_(list)
{
    refresh();
}

int DebugListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

QVariant DebugListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_)
        return {};
    return shownText(list_.items[size_t(index.row())]);
}

void DebugListModel::refresh()
{
    const int count = list_.listCount();
    if (count <= shown_)
        return;
    beginInsertRows(QModelIndex(), shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

} // namespace glint::ui
