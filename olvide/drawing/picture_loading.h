#pragma once
// Pictures of drawing elements: which files the drawing panel takes (by the lower-case name:
// ".bmp" a bitmap, else ".wmf" a metafile, else ".ico" an icon), loading one into the bytes
// a picture element keeps (PNG), and decoding kept bytes for the screen.
#include <QImage>
#include <QString>
#include <string>
#include <string_view>

namespace olvide::drawing {

enum class PictureFileKind { none, bitmap, metafile, icon };
PictureFileKind pictureFileKindOf(const QString& fileName);

struct LoadedPicture {
    QImage image;
    std::string bytes; // what the element keeps and the drawing file stores
    QString error;     // empty when the picture was loaded
};

// Loads a picture file of one of the three kinds; a file that cannot be read (or a metafile,
// which cannot be drawn here) gives an error message and no picture.
LoadedPicture loadPictureFile(const QString& path);

// The picture of kept bytes; a null image when they are no picture.
QImage decodePicture(std::string_view bytes);

} // namespace olvide::drawing
