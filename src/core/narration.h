#pragma once

#include "core/texts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// One part of something said: a player text with its "%1" filled by `arg`,
// or, with no text, `arg` alone. `arg` is a number, an amount, or words the
// window shows or names (a message, a rung's caption, a symbol's name), so a
// front end speaking another language says them as it shows them; with
// `unframed` they are said as forTheEar gives them.
struct Phrase {
    const PlayerText* text = nullptr;
    std::string arg;
    bool unframed = false;
};
// Parts said one after the other, between commas.
using Words = std::vector<Phrase>;

inline Phrase said(const PlayerText& text, std::string arg = {})
{
    return {&text, std::move(arg)};
}
// A phrase keeps the address of its text, one of core/texts.h, never a
// temporary.
Phrase said(const PlayerText&& text, std::string arg = {}) = delete;
inline Phrase asShown(std::string words)
{
    return {nullptr, std::move(words)};
}
inline Phrase unframed(std::string caption)
{
    return {nullptr, std::move(caption), true};
}

// The words in English, as the machine says them.
std::string english(const Words& words);

} // namespace glint
