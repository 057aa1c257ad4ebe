#include "picture_store.h"

#include "olvide/model/picture_files.h"

#include <QFile>
#include <QPainter>
#include <filesystem>
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

// A picture of the user's own (a visual object's file) is named by its path; it is read again
// when the file has changed since.
std::string cacheKey(std::string_view fileName) {
    std::string key(fileName);
    if (fileName.find('/') == std::string_view::npos) return key;
    std::error_code ec;
    const auto when = std::filesystem::last_write_time(std::filesystem::path(key), ec);
    if (!ec) key += '|' + std::to_string(when.time_since_epoch().count());
    return key;
}

} // namespace

const QImage& picture(std::string_view fileName) {
    static std::map<std::string, QImage, std::less<>> cache;
    const std::string key = cacheKey(fileName);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    QImage image;
    if (fileName.find('/') != std::string_view::npos)
        image.load(QFile::decodeName(std::string(fileName).c_str()));
    else if (const auto path = findPictureFile(fileName))
        image.load(QString::fromStdString(path->string()));
    if (image.isNull()) image = missingPicture();
    return cache.emplace(key, image.convertToFormat(QImage::Format_ARGB32)).first->second;
}

} // namespace olvide::editor
