// Generates the game's bundled artwork and sounds.
//
//   assetgen [REPO_ROOT]
//
// writes REPO_ROOT/data/images, REPO_ROOT/data/sound and
// REPO_ROOT/src/ui/pictures. Output is deterministic, so re-running it on
// the same fonts gives byte-identical files.
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
    for (const QString &dir : {images + "/bonus", images + "/startup", sound, builtin})
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(dir));
            return 1;
        }
    if (!paint::loadFonts())
        return 1;

    int failures = writeSymbols(images);
    failures += writeDataPictures(images);
    failures += writeBuiltinPictures(builtin);
    failures += writeSounds(sound.toStdString());
    if (failures) {
        std::fprintf(stderr, "assetgen: %d file(s) failed\n", failures);
        return 1;
    }
    std::printf("assetgen: wrote assets under %s\n", qPrintable(root.absolutePath()));
    return 0;
}
