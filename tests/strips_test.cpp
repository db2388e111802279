#include "test_support.h"

#include <string>
#include <vector>

namespace glint::test {
namespace {

// The machine's strips and points table, typed out independently of the
// code's own constants so that a slip in either shows up.
const std::vector<int32_t> kLeft = {8, 3, 9, 6, 2, 10, 3, 7, 4, 10, 6, 2, 5, 7, 15, 1};
const std::vector<int32_t> kMiddle = {8, 13, 5, 6, 11, 1, 3, 7, 4, 10, 6, 2, 9, 7, 4, 1};
const std::vector<int32_t> kRight = {8, 12, 5, 7, 14, 1, 3, 7, 15, 1, 6, 2, 5, 6, 16, 1};
const std::array<int16_t, 17> kPoints = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 1, 2, 3, 4, 1, 2};

std::vector<std::string> asText(const std::vector<int32_t>& strip)
{
    std::vector<std::string> out;
    for (int32_t s : strip)
        out.push_back(std::to_string(s));
    return out;
}

using Strips = MachineTest;

TEST_F(Strips, StartUpFillsTheThreeListsWithTheirStripsInPositionOrder)
{
    EXPECT_EQ(m.ui.List1.items, asText(kLeft));
    EXPECT_EQ(m.ui.List2.items, asText(kMiddle));
    EXPECT_EQ(m.ui.List3.items, asText(kRight));
}

TEST_F(Strips, SymbolPointsMatchTheTableIncludingEmptySymbolZero)
{
    EXPECT_EQ(m.symbolPoints, kPoints);
    EXPECT_EQ(m.symbolPics[0], kNoPicture);
    for (size_t k = 1; k <= 16; ++k)
        EXPECT_GE(m.symbolPics[k], kFirstLoadedPicture) << "symbol " << k;
}

TEST(StripEntry, TwoDigitItemsReadBackAsNumbers)
{
    ListBox strip;
    for (int32_t s = 10; s <= 16; ++s)
        strip.addItem(std::to_string(s));
    for (int32_t i = 0; i < strip.listCount(); ++i)
        EXPECT_EQ(Machine::stripEntry(strip, i), 10 + i);
}

} // namespace
} // namespace glint::test
