#include "core/narration.h"

#include "core/machine.h"
#include "core/version.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace glint {

namespace {

// Signs that frame the game's words for the eye and are never worth saying.
bool isFraming(char c)
{
    return c == '$' || c == '#' || c == '!' || c == '-' || c == ':' || c == '.';
}

bool isLower(char c)
{
    return std::islower(static_cast<unsigned char>(c)) != 0;
}

bool sameWords(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : ", ") + part;
    return out;
}

} // namespace

std::string forTheEar(std::string_view caption)
{
    std::string out;
    size_t at = 0;
    while (at < caption.size()) {
        const size_t end = std::min(caption.find(' ', at), caption.size());
        std::string_view word = caption.substr(at, end - at);
        at = end + 1;
        while (!word.empty() && isFraming(word.front()))
            word.remove_prefix(1);
        while (!word.empty() && isFraming(word.back()))
            word.remove_suffix(1);
        if (!word.empty())
            out += (out.empty() ? "" : " ") + std::string(word);
    }
    if (std::none_of(out.begin(), out.end(), isLower))
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string symbolNameFromFile(std::string_view fileName, int32_t symbol)
{
    std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    const auto numbering = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ' '; };
    while (!stem.empty() && numbering(stem.front()))
        stem.remove_prefix(1);
    std::string name(stem);
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '-' || c == '_'; }, ' ');
    return name.empty() ? "symbol " + std::to_string(symbol) : name;
}

std::string Machine::symbolName(int32_t symbol) const
{
    if (symbol < 1 || symbol > ui.List4.listCount())
        return "symbol " + std::to_string(symbol);
    return symbolNameFromFile(ui.List4.items[static_cast<size_t>(symbol - 1)], symbol);
}

std::string Machine::pictureName(PictureId picture) const
{
    if (picture == kNoPicture)
        return {};
    if (picture == kPoundPicture)
        return "pound sign";
    if (picture == kTitlePicture || picture == ui.titlepic.picture)
        return kAppTitle;
    const auto symbol = std::find(symbolPics.begin() + 1, symbolPics.end(), picture);
    return symbol == symbolPics.end() ? std::string() : symbolName(static_cast<int32_t>(symbol - symbolPics.begin()));
}

void Machine::soundSwitched(bool on)
{
    ui.announcement.say(on ? "sound on" : "sound off");
}

void Machine::sayOutcome(bool nudged)
{
    std::vector<std::string> parts;
    for (int32_t symbol : winLine())
        parts.push_back(symbolName(symbol));
    const size_t lineWords = parts.size();

    // The message line, unless it shows only the credit; the rung is left
    // out where the message names it ("bonus").
    const std::string message = ui.status.caption == playsText() ? std::string() : forTheEar(ui.status.caption);
    if (const int32_t rung = ui.litRung(); rung != 0 && !sameWords(message, ui.trailLabel(rung).caption))
        parts.push_back("trail " + ui.trailLabel(rung).caption);
    if (!message.empty())
        parts.push_back(message);
    else if (nudged)
        parts.push_back("no nudges left");
    if (!nudged && ui.trailHeldLight.foreColor == kRed)
        parts.push_back("trail held");
    if (parts.size() == lineWords)
        parts.push_back("nothing");
    ui.announcement.say(joined(parts));
}

} // namespace glint
