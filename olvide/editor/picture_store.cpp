#include "picture_store.h"

#include "olvide/model/picture_files.h"

#include <QPainter>
#include <map>
#include <string>

namespace olvide::editor {

namespace {

QImage missingPicture() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 31, 31);
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

} // namespace

const QImage& picture(std::string_view fileName) {
    static std::map<std::string, QImage, std::less<>> cache;
    if (auto it = cache.find(fileName); it != cache.end()) return it->second;
    QImage image;
    if (const auto path = findPictureFile(fileName))
        image.load(QString::fromStdString(path->string()));
    if (image.isNull()) image = missingPicture();
    return cache.emplace(std::string(fileName), image.convertToFormat(QImage::Format_ARGB32))
        .first->second;
}

} // namespace olvide::editor
