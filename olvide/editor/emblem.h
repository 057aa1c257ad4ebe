#pragma once
// The emblem of the main window: nine pictures, eight set around a 215 x 215 centre picture,
// painted on the client area of the multiple-document frame, centred and 5 pixels above the
// true centre, following every resize.
#include <QImage>
#include <QMdiArea>
#include <QPoint>
#include <QRect>
#include <array>

namespace olvide::editor {

struct EmblemPicture {
    QRect design; // place in the emblem's own design
    QImage image;
};

// Image1 ... Image9, in that order (Image9 is the centre).
const std::array<EmblemPicture, 9>& emblemPictures();
// The shift of the design positions that centres the emblem on a client area of that size:
// by the span from Image7's left to Image4's right and from Image2's top to Image1's bottom,
// 5 pixels above the centre.
QPoint emblemOffset(QSize client);

class EmblemArea : public QMdiArea {
    Q_OBJECT
public:
    explicit EmblemArea(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace olvide::editor
