#include "ui/debug_list_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace glint::ui::test {
namespace {

TEST(DebugListModel, AnnouncesOnlyTheRowsAppendedSinceTheLastRefresh)
{
    ListBox list;
    list.addItem("TOTALPOINTS: 3");
    DebugListModel model(list);
    ASSERT_EQ(model.rowCount(), 1);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    list.addItem("THVale: 0");
    list.addItem("TOTALPOINTS: 5");
    EXPECT_EQ(model.rowCount(), 1); // nothing shows before it is announced
    model.refresh();
    model.refresh();

    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 2);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2), Qt::DisplayRole).toString(), QStringLiteral("TOTALPOINTS: 5"));
    EXPECT_FALSE(model.data(model.index(2), Qt::DecorationRole).isValid());
}

} // namespace
} // namespace glint::ui::test
