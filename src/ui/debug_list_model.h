#pragma once

#include "core/controls.h"

#include <QAbstractListModel>

namespace glint::ui {

// Shows a list box of the machine without copying it: rows are read from the
// machine's own items on demand. The list only ever grows at its end, so
// refresh() announces just the rows appended since the last call; a list of
// hundreds of thousands of lines costs nothing per play.
class DebugListModel : public QAbstractListModel {
public:
    explicit DebugListModel(const ListBox& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Announces the items appended to the list since the last refresh.
    void refresh();

private:
    const ListBox& list_;
    int shown_ = 0;
};

} // namespace glint::ui
