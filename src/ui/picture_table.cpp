#include "ui/picture_table.h"

#include <QImage>
#include <QImageReader>

// Resources compiled into a static library are registered explicitly; the
// macro must be used outside any namespace.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace glint::ui {

PictureTable::PictureTable()
{
    registerPictureResources();
    pictures_[kPoundPicture] = QPixmap(QStringLiteral(":/pictures/pound.png"));
    pictures_[kArrowPicture] = QPixmap(QStringLiteral(":/pictures/arrow.png"));
    pictures_[kTitlePicture] = QPixmap(QStringLiteral(":/pictures/title.png"));
    pictures_[kShadeTopPicture] = QPixmap(QStringLiteral(":/pictures/shade_top.png"));
    pictures_[kShadeBottomPicture] = QPixmap(QStringLiteral(":/pictures/shade_bottom.png"));
}

PictureId PictureTable::load(const QString& path, QString& error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        error = QStringLiteral("picture is %1\u00D7%2 pixels, too large").arg(size.width()).arg(size.height());
        return kNoPicture;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString();
        return kNoPicture;
    }
    const PictureId id = next_++;
    pictures_[id] = QPixmap::fromImage(image);
    return id;
}

void PictureTable::release(PictureId id)
{
    if (id >= kFirstLoadedPicture)
        pictures_.erase(id);
}

const QPixmap& PictureTable::pixmap(PictureId id) const
{
    static const QPixmap none;
    auto found = pictures_.find(id);
    return found == pictures_.end() ? none : found->second;
}

QIcon PictureTable::appIcon()
{
    registerPictureResources();
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace glint::ui
