#include "test_support.h"

namespace glint::test {
namespace {

using Strips = MachineTest;

// Typed out independently of the code's own constants, so that a slip in
// either shows up.
TEST_F(Strips, StartUpFillsTheStripListsInPositionOrderAndThePointsTable)
{
    const std::vector<std::vector<int32_t>> strips = {
        {8, 3, 9, 6, 2, 10, 3, 7, 4, 10, 6, 2, 5, 7, 15, 1},
        {8, 13, 5, 6, 11, 1, 3, 7, 4, 10, 6, 2, 9, 7, 4, 1},
        {8, 12, 5, 7, 14, 1, 3, 7, 15, 1, 6, 2, 5, 6, 16, 1}};
    const ListBox* lists[] = {&m.ui.List1, &m.ui.List2, &m.ui.List3};
    for (size_t r = 0; r < 3; ++r) {
        std::vector<std::string> text;
        std::vector<int32_t> read;
        for (int32_t i = 0; i < 16; ++i) {
            text.push_back(std::to_string(strips[r][static_cast<size_t>(i)]));
            read.push_back(Machine::stripEntry(*lists[r], i));
        }
        EXPECT_EQ(lists[r]->items, text) << "reel " << r;
        EXPECT_EQ(read, strips[r]) << "reel " << r;
    }
    EXPECT_EQ(m.symbolPoints, (std::array<int16_t, 17>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 1, 2, 3, 4, 1, 2}));
    EXPECT_EQ(m.symbolPics[0], kNoPicture);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_GE(m.symbolPics[k], kFirstLoadedPicture) << "symbol " << k;
}

} // namespace
} // namespace glint::test
