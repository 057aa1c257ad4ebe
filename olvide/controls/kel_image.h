#pragma once
// TKelImage: the picture control that shows a program object's icon. It shows its canvas, an
// image of the control's size: normally the picture drawn on the control's colour (at the
// top-left, centred or stretched); the transparent drawing operations paint icons onto the
// canvas, or onto the picture itself, leaving out every pixel of one colour.
#include "olvide/controls/control.h"

#include <QImage>
#include <QString>

namespace olvide::controls {

// Copies every pixel of source that is not of the transparent colour (and not fully
// transparent itself) onto target at the same place, over the area both share.
void copyNonTransparent(QImage& target, const QImage& source, const QColor& transparent);

class TKelImage : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)

public:
    // Where a transparent drawing goes: the control's canvas (until the picture changes) or
    // the picture, which keeps it.
    enum class Target { canvas, picture };

    explicit TKelImage(QWidget* parent = nullptr);

    bool autoSize() const { return autoSize_; }
    // On: the control takes the picture's size.
    void setAutoSize(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // Loads the picture from a file (BMP, ICO, PNG, ...); false, with the picture kept, when
    // the file cannot be read.
    bool loadPicture(const QString& path);

    // Fills the target with the control's colour, then copies every pixel of bitmap that is
    // not of the transparent colour (over the control's size).
    void drawTransparent(const QImage& bitmap, const QColor& transparent,
                         Target target = Target::canvas);
    // The same with white as the transparent colour.
    void drawWhiteTransparent(const QImage& bitmap, Target target = Target::canvas) {
        drawTransparent(bitmap, Qt::white, target);
    }
    // Copies the non-transparent pixels of a shared icon over what the target shows now
    // (for example the selection mark over an object's icon).
    void overlayTransparent(const QImage& icon, const QColor& transparent,
                            Target target = Target::canvas);

    // What the control shows.
    const QImage& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void appearanceChanged() override;

private:
    void renderPicture();
    QImage filledImage(QSize size) const;
    void adjustToPicture();

    QImage picture_;
    QImage canvas_;
    bool canvasFromPicture_ = true; // false after drawing straight onto the canvas
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
};

} // namespace olvide::controls
