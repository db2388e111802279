#include "ui/picture_table.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtDebug>

#include <iterator>

// Resources compiled into a static library are registered explicitly; the
// macro must be used outside any namespace.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace glint::ui {

namespace {

QString pixels(QSize size)
{
    return QStringLiteral("%1\u00D7%2").arg(size.width()).arg(size.height());
}

// Decodes `path` by its content. With a valid `wanted` size, a picture of
// any other size is refused, before decoding when the header tells.
QImage decode(const QString& path, QSize wanted, QString& error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PictureTable::kMaxPixels) {
        error = QStringLiteral("picture is %1 pixels, too large").arg(pixels(size));
        return {};
    }
    QImage image;
    if (!wanted.isValid() || !size.isValid() || size == wanted) {
        image = reader.read();
        if (image.isNull()) {
            error = reader.errorString();
            return {};
        }
        size = image.size();
    }
    if (wanted.isValid() && size != wanted) {
        error = QStringLiteral("picture is %1 pixels, not %2").arg(pixels(size), pixels(wanted));
        return {};
    }
    return image;
}

// The companion of a picture of `size` at `path`: twice as wide and as high,
// shown at ratio 2. A null pixmap when there is none or it is unusable; the
// picture itself is then shown, as on any ordinary screen.
QPixmap sharpCompanion(const QString& path, QSize size)
{
    const QFileInfo plain(path);
    const QString companion = plain.dir().filePath(QLatin1String(PictureTable::kSharpFolder) + QLatin1Char('/') +
                                                   plain.fileName());
    if (!QFileInfo::exists(companion))
        return {};
    QString error;
    const QImage image = decode(companion, size * 2, error);
    if (image.isNull()) {
        qWarning().noquote() << QStringLiteral("glint-galore: ignoring %1: %2").arg(companion, error);
        return {};
    }
    QPixmap sharp = QPixmap::fromImage(image);
    sharp.setDevicePixelRatio(2);
    return sharp;
}

// The resource file of a built-in picture; empty for any other handle.
QString builtinPath(PictureId id)
{
    static const char* const names[] = {nullptr, "pound.png", "arrow.png", "title.png", "shade_top.png",
                                        "shade_bottom.png"};
    if (id <= kNoPicture || id >= PictureId(std::size(names)))
        return {};
    return QStringLiteral(":/pictures/") + QLatin1String(names[id]);
}

} // namespace

PictureTable::PictureTable()
{
    registerPictureResources();
}

PictureId PictureTable::load(const QString& path, QString& error)
{
    const QImage image = decode(path, QSize(), error);
    if (image.isNull())
        return kNoPicture;
    const PictureId id = next_++;
    pictures_[id] = QPixmap::fromImage(image);
    sharp_[id] = sharpCompanion(path, image.size());
    return id;
}

void PictureTable::release(PictureId id)
{
    if (id < kFirstLoadedPicture)
        return;
    pictures_.erase(id);
    sharp_.erase(id);
}

// Built-in pictures, and their companions, are decoded when first asked
// for: before the splash is up only the title is.
template <class Decode>
const QPixmap& PictureTable::lookUp(std::unordered_map<PictureId, QPixmap>& table, PictureId id, Decode decode)
{
    static const QPixmap none;
    auto found = table.find(id);
    if (found == table.end()) {
        const QString path = builtinPath(id);
        if (path.isEmpty())
            return none;
        found = table.emplace(id, decode(path)).first;
    }
    return found->second;
}

const QPixmap& PictureTable::pixmap(PictureId id) const
{
    return lookUp(pictures_, id, [](const QString& path) { return QPixmap(path); });
}

const QPixmap& PictureTable::sharp(PictureId id) const
{
    return lookUp(sharp_, id, [this, id](const QString& path) { return sharpCompanion(path, pixmap(id).size()); });
}

const QPixmap& PictureTable::forRatio(PictureId id, qreal ratio) const
{
    return ratio > 1 && !sharp(id).isNull() ? sharp(id) : pixmap(id);
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
