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

} // namespace glint
