#pragma once

#include "core/picture.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <unordered_map>

namespace glint::ui {

// Every picture the windows can show, by handle: the built-in ones from the
// program's resources and the ones decoded from the asset tree. Controls
// share a picture by holding its handle.
class PictureTable {
public:
    // Pictures larger than this many pixels are refused before decoding, so a
    // damaged or hostile file cannot make the game allocate gigabytes.
    static constexpr qint64 kMaxPixels = 4096LL * 4096LL;

    PictureTable();

    // Decodes the file by its content, whatever its name says. Returns
    // kNoPicture and the reason in `error` when it cannot.
    PictureId load(const QString& path, QString& error);
    void release(PictureId id);

    // The picture for a handle; a null pixmap for kNoPicture or a handle
    // that names nothing.
    const QPixmap& pixmap(PictureId id) const;

    // The window icon in all its bundled sizes.
    static QIcon appIcon();

private:
    std::unordered_map<PictureId, QPixmap> pictures_;
    PictureId next_ = kFirstLoadedPicture;
};

} // namespace glint::ui
