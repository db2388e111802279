// What the main window tells assistive technology after each handler: the
// spoken names of its labels and pictures, and the machine's latest
// announcement.

#include "ui/form1.h"

#include "ui/announcer.h"
#include "ui/design_widgets.h"

#include <QLabel>

namespace glint::ui {

void Form1::syncSpeech()
{
    for (LabelView& view : labels_) {
        const std::string spoken = machine_.ui.spokenName(*view.model);
        std::string own = spoken == view.caption ? std::string() : spoken;
        if (own != view.ownName) {
            view.ownName = std::move(own);
            view.widget->setAccessibleName(QString::fromStdString(view.ownName));
        }
    }
    // Names follow the pictures after a handler, not during a spin's steps.
    for (ImageView& view : images_) {
        std::string name = machine_.pictureName(view.shown);
        if (name != view.name) {
            view.name = std::move(name);
            view.widget->setAccessibleName(QString::fromStdString(view.name));
        }
    }
    const Announcement& latest = machine_.ui.announcement;
    if (latest.serial != announced_) {
        announced_ = latest.serial;
        announcer_->announce(QString::fromStdString(latest.text));
    }
}

} // namespace glint::ui
