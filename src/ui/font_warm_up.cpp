#include "ui/font_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace glint::ui {

// Qt reads the same default configuration when it first needs it.
FontWarmUp::FontWarmUp() : configuration_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    // The font list's thread joins the first one itself.
    std::thread& last = fontList_.joinable() ? fontList_ : configuration_;
    if (last.joinable())
        last.join();
}

void FontWarmUp::applicationReady()
{
    // Qt's font list may be built on any thread; it is shared by all.
    fontList_ = std::thread([this] {
        configuration_.join();
        QFontDatabase::families();
    });
}

} // namespace glint::ui
