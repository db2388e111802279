// What the main window tells assistive technology after each handler: the
// spoken names of its labels and pictures, and the machine's latest
// announcement.

#include "ui/form1.h"

#include "ui/announcer.h"
#include "ui/design_widgets.h"
#include "ui/translation.h"

#include <QLabel>

namespace glint::ui {

void Form1::syncSpeech()
{
    for (LabelView& view : labels_) {
        const Words spoken = machine_.ui.spokenName(*view.model);
        std::string own = english(spoken);
        if (own == view.caption)
            own.clear();
        if (own != view.ownName) {
            view.ownName = std::move(own);
            view.widget->setAccessibleName(view.ownName.empty() ? QString() : spokenText(spoken));
        }
    }
    // Names follow the pictures after a handler, not during a spin's steps.
    for (ImageView& view : images_) {
        std::string name = machine_.pictureName(view.shown);
        if (name != view.name) {
            view.name = std::move(name);
            view.widget->setAccessibleName(shownText(view.name));
        }
    }
    const Announcement& latest = machine_.ui.announcement;
    if (latest.serial != announced_) {
        announced_ = latest.serial;
        announcer_->announce(spokenText(latest.words));
    }
}

} // namespace glint::ui
