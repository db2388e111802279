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

} // namespace

std::string english(const Words& words)
{
    std::string out;
    for (const Phrase& phrase : words) {
        const std::string arg = phrase.unframed ? forTheEar(phrase.arg) : phrase.arg;
        out += (out.empty() ? "" : ", ") + (phrase.text ? fill(*phrase.text, arg) : arg);
    }
    return out;
}

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
    return name.empty() ? fill(text::kUnnamedSymbol, std::to_string(symbol)) : name;
}

std::string Machine::symbolName(int32_t symbol) const
{
    if (symbol < 1 || symbol > ui.List4.listCount())
        return fill(text::kUnnamedSymbol, std::to_string(symbol));
    return symbolNameFromFile(ui.List4.items[static_cast<size_t>(symbol - 1)], symbol);
}

std::string Machine::pictureName(PictureId picture) const
{
    if (picture == kNoPicture)
        return {};
    if (picture == kPoundPicture)
        return text::kPoundSign.english;
    if (picture == kTitlePicture || picture == ui.titlepic.picture)
        return kAppTitle;
    const auto symbol = std::find(symbolPics.begin() + 1, symbolPics.end(), picture);
    return symbol == symbolPics.end() ? std::string() : symbolName(static_cast<int32_t>(symbol - symbolPics.begin()));
}

void Machine::soundSwitched(bool on)
{
    ui.announcement.say({said(on ? text::kSoundOn : text::kSoundOff)});
}

void Machine::sayOutcome(bool nudged)
{
    Words parts;
    for (int32_t symbol : winLine())
        parts.push_back(asShown(symbolName(symbol)));
    const size_t lineWords = parts.size();

    // The message line, unless it shows only the credit; the rung is left
    // out where the message names it ("bonus").
    const std::string message = ui.status.caption == playsText() ? std::string() : forTheEar(ui.status.caption);
    if (const int32_t rung = ui.litRung(); rung != 0 && !sameWords(message, ui.trailLabel(rung).caption))
        parts.push_back(said(text::kTrailAt, ui.trailLabel(rung).caption));
    if (!message.empty())
        parts.push_back(unframed(ui.status.caption));
    else if (nudged)
        parts.push_back(said(text::kNoNudgesLeft));
    if (!nudged && ui.trailHeldLight.foreColor == kRed)
        parts.push_back(said(text::kTrailHeldSaid));
    if (parts.size() == lineWords)
        parts.push_back(said(text::kNothing));
    ui.announcement.say(std::move(parts));
}

} // namespace glint
