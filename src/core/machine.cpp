#include "core/machine.h"
#include "core/texts.h"

#include <charconv>

namespace glint {

namespace {

std::string withSeparator(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace

AssetPaths::AssetPaths(std::string rootDir)
    : images(withSeparator(rootDir) + "images/"), sound(withSeparator(rootDir) + "sound/")
{
}

Machine::Machine(Platform& platform, AssetPaths paths)
    : platform_(platform), paths_(std::move(paths))
{
}

int32_t Machine::stripEntry(const ListBox& strip, int32_t position)
{
    const std::string& text = strip.items.at(static_cast<size_t>(position));
    int32_t symbol = 0;
    std::from_chars(text.data(), text.data() + text.size(), symbol);
    return symbol;
}

std::string Machine::playsText()
{
    return fill(text::kPlays, platform_.formatCurrency(credit));
}

std::array<int32_t, 3> Machine::winLine() const
{
    return {stripEntry(ui.List1, reelLeft), stripEntry(ui.List2, reelMiddle),
            stripEntry(ui.List3, reelRight)};
}

} // namespace glint
