#include "core/controls.h"
#include "core/texts.h"

#include <algorithm>
#include <cctype>

namespace glint {

namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](unsigned char x, unsigned char y) {
                                            return std::tolower(x) < std::tolower(y);
                                        });
}

// A whole number as the game writes it: digits, perhaps after a minus sign.
bool isCount(const std::string& text)
{
    const size_t digits = text.starts_with('-') ? 1 : 0;
    return text.size() > digits &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

void ListBox::addItem(std::string item)
{
    if (!sorted) {
        items.push_back(std::move(item));
        return;
    }
    // After equal names, so names differing only in case keep their order.
    auto at = std::upper_bound(items.begin(), items.end(), item, lessIgnoringCase);
    items.insert(at, std::move(item));
}

void Timer::setEnabled(bool on)
{
    if (on && !enabled)
        ++starts;
    enabled = on;
}

void Announcement::say(Words sentence)
{
    words = std::move(sentence);
    text = english(words);
    ++serial;
}

Form1Controls::Form1Controls()
{
    status = {text::kInitialising.english, kStatusGreen};
    for (Image* cell : {&tl, &tm, &tr, &ml, &mm, &mr, &bl, &bm, &br})
        cell->picture = kPoundPicture;
    Label4.caption = "Label4";
    Label5.caption = "Label5";
    Label6.caption = "Label6";
    Label7.caption = "Label7";
    static const char* const kRungCaptions[8] = {"1", "2", "3", text::kBonusRung.english, "5", "6", "7", "8"};
    for (size_t i = 0; i < Trail.size(); ++i)
        Trail[i].caption = kRungCaptions[i];
    for (Image& l : bonus)
        l.picture = kArrowPicture;
    trailHeldLight = {text::kTrailHeld.english, kGrey};
    nopoints.caption = "Label2";
    prizeMoney.text = "Text1";
    cashpot.text = "Text1";
}

int32_t Form1Controls::litRung() const
{
    for (size_t i = 0; i < Trail.size(); ++i) {
        if (Trail[i].foreColor == kRed)
            return static_cast<int32_t>(i + 1);
    }
    return 0;
}

Words Form1Controls::spokenName(const Label& label) const
{
    const int32_t rung = litRung();
    if (&label == &nopoints) {
        // Until the first play it shows its design text, which counts nothing.
        if (!isCount(label.caption))
            return {asShown(label.caption)};
        if (rung == 0)
            return {said(text::kPoints, label.caption), said(text::kNoRung)};
        const std::string& step = trailLabel(rung).caption;
        return {said(text::kPoints, label.caption), said(isCount(step) ? text::kRungNumbered : text::kRungNamed, step)};
    }
    if (rung != 0 && &label == &trailLabel(rung))
        return {asShown(label.caption), said(text::kCurrentRung)};
    return {asShown(label.caption)};
}

} // namespace glint
