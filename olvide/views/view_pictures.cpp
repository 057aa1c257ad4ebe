#include "olvide/views/view_pictures.h"

#include "olvide/model/codepage.h"
#include "olvide/model/picture_files.h"
#include "olvide/model/text.h"

#include <map>

namespace olvide::views {

namespace {

QImage whiteTransparent(const QImage& loaded) {
    QImage image = loaded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == 0xFFFFFF) line[x] = 0;
    }
    return image;
}

} // namespace

const QImage& viewPicture(std::string_view name) {
    // Names match without regard to case, as the files are found.
    static std::map<std::string, QImage> loaded;
    const std::string key = lowerAscii(name);
    if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
    QImage image;
    if (const auto path = findPictureFile(name)) {
        QImage file;
        if (file.load(QString::fromStdString(path->string()))) image = whiteTransparent(file);
    }
    return loaded.emplace(key, std::move(image)).first->second;
}

QString screenText(std::string_view codepage) {
    return QString::fromStdString(toUtf8(codepage));
}

std::string modelText(const QString& text) {
    return fromUtf8(text.toStdString());
}

} // namespace olvide::views
