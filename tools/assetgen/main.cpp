// Generates the game's bundled artwork and sounds.
//
//   assetgen [REPO_ROOT]
//
// writes REPO_ROOT/data/images, REPO_ROOT/data/sound and
// REPO_ROOT/src/ui/pictures, every picture also at twice the size in an @2x
// subfolder beside it. Output is deterministic, so re-running it on the same
// fonts gives byte-identical files.
#include "pictures.h"
#include "painting.h"
#include "sounds.h"
#include "symbols.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QDir root(args.size() > 1 ? args.at(1) : QStringLiteral("."));
    const QString images = root.filePath("data/images");
    const QString sound = root.filePath("data/sound");
    const QString builtin = root.filePath("src/ui/pictures");
    constexpr int kScales[] = {1, 2};
    for (int scale : kScales)
        for (const QString &dir : {images, images + "/bonus", images + "/startup", builtin})
            if (!QDir().mkpath(paint::scaledDir(dir, scale))) {
                std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(paint::scaledDir(dir, scale)));
                return 1;
            }
    if (!QDir().mkpath(sound)) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(sound));
        return 1;
    }
    if (!paint::loadFonts())
        return 1;

    int failures = 0;
    for (int scale : kScales) {
        failures += writeSymbols(images, scale);
        failures += writeDataPictures(images, scale);
        failures += writeBuiltinPictures(builtin, scale);
    }
    failures += writeSounds(sound.toStdString());
    if (failures) {
        std::fprintf(stderr, "assetgen: %d file(s) failed\n", failures);
        return 1;
    }
    std::printf("assetgen: wrote assets under %s\n", qPrintable(root.absolutePath()));
    return 0;
}
