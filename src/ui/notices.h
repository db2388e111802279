#pragma once

// The copyright and licence notices, shown by the splash and by the help
// window's About part, in the splash's translation context. They agree with
// packaging/copyright.
#include <QtGlobal>

namespace glint::ui {

inline constexpr const char* kCopyrightNotice = QT_TRANSLATE_NOOP("frmSplash", "Copyright \u00A9 2026 KQProductions");
inline constexpr const char* kLicenceNotice = QT_TRANSLATE_NOOP(
    "frmSplash", "Free software under the GNU General Public License, version 3 or later: you may share and "
                 "change it under its terms. It comes with no warranty.");

} // namespace glint::ui
