#include "ui/debug_list_model.h"
#include "ui/trace_view.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace glint::ui::test {
namespace {

std::string line(int row)
{
    return "TOTALPOINTS: " + std::to_string(row);
}

// A trace list of `rows` lines at the size the main window gives it.
struct ShownTrace {
    explicit ShownTrace(int rows)
    {
        for (int row = 0; row < rows; ++row)
            list.addItem(line(row));
        model = std::make_unique<DebugListModel>(list);
        view.resize(177, 199);
        view.setModel(model.get());
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    int pageRows() const { return view.viewport()->height() / view.rowHeight(); }

    ListBox list;
    std::unique_ptr<DebugListModel> model;
    TraceView view;
};

TEST(TraceView, LinesAppendedToALongTraceArriveWithoutScrollingIt)
{
    for (int rows : {1000, 300000}) {
        ShownTrace trace(rows);
        for (int i = 0; i < 200; ++i) {
            trace.list.addItem(line(rows + i));
            trace.model->refresh();
            QCoreApplication::processEvents();
        }
        const int total = rows + 200;
        EXPECT_EQ(trace.view.rowCount(), total);
        EXPECT_EQ(trace.view.topRow(), 0);
        EXPECT_EQ(trace.view.verticalScrollBar()->maximum(), total - trace.pageRows());
        QTest::keyClick(&trace.view, Qt::Key_End);
        EXPECT_EQ(trace.view.currentRow(), total - 1);
        EXPECT_TRUE(trace.view.viewport()->rect().contains(trace.view.rowRect(total - 1)));
        EXPECT_EQ(trace.view.rowText(total - 1), QString::fromStdString(line(total - 1)));
    }
}

TEST(TraceView, KeysAndClicksMoveTheCurrentRowAndKeepItInSight)
{
    ShownTrace trace(50);
    TraceView& view = trace.view;
    const int page = trace.pageRows();
    auto key = [&](Qt::Key k) { return [&view, k] { QTest::keyClick(&view, k); }; };
    const struct {
        const char* what;
        std::function<void()> act;
        int current;
    } steps[] = {
        {"down from no current row", key(Qt::Key_Down), 0},
        {"end", key(Qt::Key_End), 49},
        {"page up", key(Qt::Key_PageUp), 49 - page},
        {"home, then up at the top", [&] { key(Qt::Key_Home)(); key(Qt::Key_Up)(); }, 0},
        {"page down", key(Qt::Key_PageDown), page},
        // Paging down has scrolled the list by one row.
        {"click on the third row in sight",
         [&] { QTest::mousePress(view.viewport(), Qt::LeftButton, {}, view.rowRect(view.topRow() + 2).center()); }, 3},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(view.currentRow(), s.current) << s.what;
        EXPECT_TRUE(view.viewport()->rect().contains(view.rowRect(view.currentRow()))) << s.what;
    }
}

TEST(TraceView, AssistiveTechnologySeesAListWhoseItemsAreTheLines)
{
    ShownTrace trace(50);
    trace.view.setCurrentRow(3);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&trace.view);
    ASSERT_EQ(list->childCount(), 50);
    EXPECT_EQ(list->child(50), nullptr);
    QAccessibleInterface* item = list->child(3);
    EXPECT_EQ(list->child(3), item);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("TOTALPOINTS: 3"));
    EXPECT_EQ(list->indexOfChild(item), 3);
    EXPECT_EQ(item->parent(), list);
    EXPECT_TRUE(item->state().selected);
    EXPECT_FALSE(list->child(4)->state().selected);
    EXPECT_TRUE(list->child(49)->state().offscreen);
}

} // namespace
} // namespace glint::ui::test
