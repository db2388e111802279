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
//
// A picture may come with a sharp companion for dense screens: the file of
// the same name in the "@2x" folder beside it, at exactly twice the size.
// It is shown with device-pixel ratio 2, so it takes the same room.
class PictureTable {
public:
    // Pictures larger than this many pixels are refused before decoding, so a
    // damaged or hostile file cannot make the game allocate gigabytes.
    static constexpr qint64 kMaxPixels = 4096LL * 4096LL;

    // The folder beside a picture that holds its companion.
    static constexpr const char* kSharpFolder = "@2x";

    PictureTable();

    // Decodes the file by its content, whatever its name says, and its sharp
    // companion when there is one. Returns kNoPicture and the reason in
    // `error` when the file itself cannot be decoded. A companion that
    // cannot be decoded or has the wrong size is left out, with one warning
    // that names it.
    PictureId load(const QString& path, QString& error);
    void release(PictureId id);

    // The picture for a handle; a null pixmap for kNoPicture or a handle
    // that names nothing.
    const QPixmap& pixmap(PictureId id) const;
    // Its sharp companion (device-pixel ratio 2), or a null pixmap.
    const QPixmap& sharp(PictureId id) const;
    // The one to show on a screen of this device-pixel ratio.
    const QPixmap& forRatio(PictureId id, qreal ratio) const;

    // The window icon in all its bundled sizes.
    static QIcon appIcon();

private:
    // The picture of `id` in `table`, a built-in one decoded on first use.
    template <class Decode>
    static const QPixmap& lookUp(std::unordered_map<PictureId, QPixmap>& table, PictureId id, Decode decode);

    // Filled as pictures are loaded, and built-in ones as they are asked for.
    mutable std::unordered_map<PictureId, QPixmap> pictures_;
    mutable std::unordered_map<PictureId, QPixmap> sharp_;
    PictureId next_ = kFirstLoadedPicture;
};

} // namespace glint::ui
