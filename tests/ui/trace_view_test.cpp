#include "form1_fixture.h"

#include "ui/trace_view.h"

#include <QScrollBar>

#include <string>

namespace glint::ui::test {
namespace {

// The trace grows by two lines a play without end; appending to a long one
// must stay cheap and leave the view where the player put it.
TEST_F(Form1Test, LinesAppendedToALongTraceArriveWithoutScrollingIt)
{
    ListBox& trace = window->machine().ui.myDebug;
    auto* view = find<TraceView>("myDebug");
    constexpr int kRows = 300000, kTotal = kRows + 200;
    for (int row = 0; row < kRows; ++row)
        trace.addItem("TOTALPOINTS: " + std::to_string(row));
    for (int row = kRows; row < kTotal; ++row) {
        trace.addItem("TOTALPOINTS: " + std::to_string(row));
        window->sync();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(view->rowCount(), kTotal);
    EXPECT_EQ(view->topRow(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), kTotal - view->viewport()->height() / view->rowHeight());
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->currentRow(), kTotal - 1);
    EXPECT_TRUE(view->viewport()->rect().contains(view->rowRect(kTotal - 1)));
    EXPECT_EQ(view->rowText(kTotal - 1), QStringLiteral("TOTALPOINTS: %1").arg(kTotal - 1));
}

} // namespace
} // namespace glint::ui::test
