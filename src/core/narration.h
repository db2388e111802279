#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Words for the ear. The game's texts are written for the eye, some framed
// in "$$-", "!!!" or "#" that a screen reader would spell out sign by sign;
// these helpers turn them into short plain words. What is said, and when,
// is decided by the machine's handlers (narration.cpp).
namespace glint {

// A caption as it is best spoken: the signs framing each word dropped
// ("$$-3 IN A ROW-$$" gives "3 in a row", "Plays: £1.00" gives
// "Plays £1.00"), and a caption all in capitals put in lower case.
std::string forTheEar(std::string_view caption);

// The spoken name of symbol `symbol`, from its picture file's name: the
// extension and a leading number dropped, dashes and underscores read as
// spaces ("01-cherry.zri" gives "cherry"); "symbol N" when nothing is left.
std::string symbolNameFromFile(std::string_view fileName, int32_t symbol);

} // namespace glint
