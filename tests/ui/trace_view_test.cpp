#include "ui/debug_list_model.h"
#include "ui/trace_view.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace glint::ui::test {
namespace {

std::string line(int row)
{
    return "TOTALPOINTS: " + std::to_string(row);
}

// The trace grows by two lines a play without end; appending to a long one
// must stay cheap and leave the view where the player put it.
TEST(TraceView, LinesAppendedToALongTraceArriveWithoutScrollingIt)
{
    constexpr int kRows = 300000;
    ListBox list;
    for (int row = 0; row < kRows; ++row)
        list.addItem(line(row));
    DebugListModel model(list);
    TraceView view;
    view.resize(177, 199);
    view.setModel(&model);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (int i = 0; i < 200; ++i) {
        list.addItem(line(kRows + i));
        model.refresh();
        QCoreApplication::processEvents();
    }
    const int total = kRows + 200;
    EXPECT_EQ(view.rowCount(), total);
    EXPECT_EQ(view.topRow(), 0);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), total - view.viewport()->height() / view.rowHeight());
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentRow(), total - 1);
    EXPECT_TRUE(view.viewport()->rect().contains(view.rowRect(total - 1)));
    EXPECT_EQ(view.rowText(total - 1), QString::fromStdString(line(total - 1)));
}

} // namespace
} // namespace glint::ui::test
