// Glint Galore: a three-reel fruit machine for the desktop.

#include "core/machine.h"
#include "core/version.h"
#include "ui/data_dir.h"
#include "ui/font_warm_up.h"
#include "ui/form1.h"
#include "ui/picture_table.h"
#include "ui/translation.h"
#include "ui/window_system.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string versionNumber()
{
    return std::to_string(glint::kVersionMajor) + "." + std::to_string(glint::kVersionMinor) + "." +
           std::to_string(glint::kVersionRevision);
}

} // namespace

int main(int argc, char* argv[])
{
    // Arguments are read before any window system is opened, so --version
    // and --help work without a display.
    const char* usage = "Usage: glint-galore [--help | --version]\n";
    if (argc > 2 || (argc == 2 && std::strcmp(argv[1], "--help") != 0 && std::strcmp(argv[1], "--version") != 0)) {
        std::fputs(usage, stderr);
        return 2;
    }
    if (argc == 2) {
        if (std::strcmp(argv[1], "--version") == 0)
            std::printf("glint-galore %s\n", versionNumber().c_str());
        else
            std::fputs(usage, stdout);
        return 0;
    }

    // Wayland in a Wayland session, X11 otherwise; without a display the
    // program stops here with one line and status 1.
    glint::ui::FontWarmUp fonts;
    const auto app = glint::ui::openApplication(argc, argv);
    fonts.applicationReady();
    const glint::ui::Translations translations(
        glint::ui::preferredLanguages([](const char* name) { return qgetenv(name); }), glint::ui::translationsDir());
    QApplication::setApplicationName(QString::fromLatin1(glint::kAppTitle));
    QApplication::setApplicationVersion(QString::fromStdString(versionNumber()));
#ifdef GLINT_APP_ID
    // Lets desktops match the window to its launcher and installed icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GLINT_APP_ID));
#endif

    // Every window takes the application's icon, in all its sizes, when it
    // is first shown. The splash goes without: decoding and sending them
    // would delay it, and a splash shows no icon anyway.
    const auto setAppIcon = [] { QApplication::setWindowIcon(glint::ui::PictureTable::appIcon()); };
    glint::ui::Form1 window(glint::ui::findDataDir());
    try {
        window.load();
    } catch (const glint::AssetError& error) {
        setAppIcon();
        std::fprintf(stderr, "glint-galore: %s\n", error.what());
        QMessageBox::critical(nullptr, QString::fromLatin1(glint::kAppTitle), QString::fromStdString(error.what()));
        return 1;
    }
    setAppIcon();
    window.show();
    return QApplication::exec();
}
