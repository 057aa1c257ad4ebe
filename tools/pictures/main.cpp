// Draws every picture file olvide loads into the given folder, as Windows bitmaps.
// With --sheet FILE.png it draws them all, enlarged and named, onto one page to look at;
// with --icons FOLDER it draws the programs' desktop icons as a hicolor icon theme.
#include "app_icons.h"
#include "picture_catalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstring>

namespace {

int writeSheet(const char* path) {
    using namespace olvan::pictures;
    const auto& catalog = pictureCatalog();
    constexpr int kCell = 110, kColumns = 10, kScale = 3;
    const int rows = (static_cast<int>(catalog.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCell, rows * kCell, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    for (int i = 0; i < static_cast<int>(catalog.size()); ++i) {
        const auto& entry = catalog[i];
        const int x = (i % kColumns) * kCell, y = (i / kColumns) * kCell;
        const int scale = entry.width > 40 ? 1 : kScale;
        p.drawImage(QRect(x + 5, y + 5, entry.width * scale, entry.height * scale),
                    renderPicture(entry));
        p.drawText(QRect(x, y + kCell - 14, kCell, 14), Qt::AlignCenter,
                   QString::fromStdString(entry.name));
    }
    return sheet.save(QString::fromLocal8Bit(path)) ? 0 : 1;
}

// FOLDER/hicolor/NxN/apps/olvide.png, ... and the file-type icons under mimetypes/.
int writeIcons(const char* path) {
    using namespace olvan::pictures;
    const QDir root(QString::fromLocal8Bit(path));
    for (const AppIcon& icon : appIcons()) {
        const QString context = icon.name.startsWith(QStringLiteral("application-"))
                                    ? QStringLiteral("mimetypes")
                                    : QStringLiteral("apps");
        for (int size : appIconSizes()) {
            const QString folder =
                root.filePath(QStringLiteral("hicolor/%1x%1/%2").arg(size).arg(context));
            const QString file = folder + QLatin1Char('/') + icon.name + QStringLiteral(".png");
            if (!QDir().mkpath(folder) || !icon.draw(size).save(file, "PNG")) {
                std::fprintf(stderr, "olvan-pictures: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--sheet") == 0) return writeSheet(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return writeIcons(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: olvan-pictures FOLDER | --sheet FILE.png | --icons FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "olvan-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto& entry : olvan::pictures::pictureCatalog()) {
        const QString path = folder.filePath(QString::fromStdString(entry.name));
        if (!olvan::pictures::renderPicture(entry).save(path, "BMP")) {
            std::fprintf(stderr, "olvan-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
