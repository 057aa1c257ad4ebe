#include "olvide/drawing/picture_loading.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace olvide::drawing {

PictureFileKind pictureFileKindOf(const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.contains(QLatin1String(".bmp"))) return PictureFileKind::bitmap;
    if (lower.contains(QLatin1String(".wmf"))) return PictureFileKind::metafile;
    if (lower.contains(QLatin1String(".ico"))) return PictureFileKind::icon;
    return PictureFileKind::none;
}

LoadedPicture loadPictureFile(const QString& path) {
    LoadedPicture loaded;
    const QString name = QFileInfo(path).fileName();
    QImageReader reader(path);
    // The content decides, not the name: a bitmap called ".ico" is still read.
    reader.setDecideFormatFromContent(true);
    if (pictureFileKindOf(path) == PictureFileKind::metafile && !reader.canRead()) {
        loaded.error = QStringLiteral("图元文件(WMF)在这里画不出来: ") + name;
        return loaded;
    }
    loaded.image = reader.read();
    if (loaded.image.isNull()) {
        loaded.error = QStringLiteral("图片文件读不出: ") + name + QStringLiteral(" (") +
                       reader.errorString() + QStringLiteral(")");
        return loaded;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    loaded.image.save(&buffer, "PNG");
    loaded.bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
    return loaded;
}

QImage decodePicture(std::string_view bytes) {
    if (bytes.empty()) return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(std::min<std::size_t>(bytes.size(), INT32_MAX)));
}

} // namespace olvide::drawing
