#pragma once
// TMultiShape: draws one shape, or a grid of repeated shapes, of seven types with fill,
// border, shadow and rotation. The drawing elements of a program space are multi-shapes.
#include "olvide/controls/control.h"
#include "olvide/controls/multi_shape_geometry.h"

namespace olvide::controls {

class TMultiShape : public TControl {
    Q_OBJECT
    Q_PROPERTY(olvide::controls::TMultiShapeType ShapeType READ shapeType WRITE setShapeType)
    Q_PROPERTY(int Angle READ angle WRITE setAngle)
    Q_PROPERTY(bool Filled READ filled WRITE setFilled)
    Q_PROPERTY(bool Border READ border WRITE setBorder)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool Shadow READ shadow WRITE setShadow)
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowX READ shadowX WRITE setShadowX)
    Q_PROPERTY(int ShadowY READ shadowY WRITE setShadowY)
    Q_PROPERTY(olvide::controls::TRepeatMode RepeatMode READ repeatMode WRITE setRepeatMode)
    Q_PROPERTY(int ShapeW READ shapeW WRITE setShapeW)
    Q_PROPERTY(int ShapeH READ shapeH WRITE setShapeH)
    Q_PROPERTY(int XSpacing READ xSpacing WRITE setXSpacing)
    Q_PROPERTY(int YSpacing READ ySpacing WRITE setYSpacing)
    Q_PROPERTY(int XMargin READ xMargin WRITE setXMargin)
    Q_PROPERTY(int YMargin READ yMargin WRITE setYMargin)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    explicit TMultiShape(QWidget* parent = nullptr);

    TMultiShapeType shapeType() const { return shapeType_; }
    void setShapeType(TMultiShapeType type);
    int angle() const { return angle_; }
    // Kept normalised for the current type (see normalizedAngle).
    void setAngle(int angle);
    bool filled() const { return filled_; }
    void setFilled(bool on);
    bool border() const { return border_; }
    void setBorder(bool on);
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    bool shadow() const { return shadow_; }
    void setShadow(bool on);
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    int shadowX() const { return shadowX_; }
    void setShadowX(int x);
    int shadowY() const { return shadowY_; }
    void setShadowY(int y);
    TRepeatMode repeatMode() const { return layout_.repeatMode; }
    // rpNone fits the one shape to the control from then on.
    void setRepeatMode(TRepeatMode mode);
    int shapeW() const { return shapeSize().width(); }
    void setShapeW(int width);
    int shapeH() const { return shapeSize().height(); }
    void setShapeH(int height);
    int xSpacing() const { return layout_.spacing.x(); }
    void setXSpacing(int spacing);
    int ySpacing() const { return layout_.spacing.y(); }
    void setYSpacing(int spacing);
    int xMargin() const { return layout_.margin.x(); }
    void setXMargin(int margin);
    int yMargin() const { return layout_.margin.y(); }
    void setYMargin(int margin);
    QString text() const { return text_; }
    void setText(const QString& text);

    // True exactly while RepeatMode is rpNone: the shape then fills the control inside its
    // margins and shadow, whatever changes the control's size, and setting the shape size
    // sizes the control.
    bool fitToControl() const { return fitToControl_; }
    QSize shapeSize() const;
    // The cells the shapes are drawn in, for the current size.
    std::vector<QRect> cells() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint shadowOffset() const { return shadow_ ? QPoint(shadowX_, shadowY_) : QPoint(); }
    void setShapeSize(QSize size);
    void drawShape(QPainter& painter, const QRect& cell, bool asShadow) const;

    TMultiShapeType shapeType_ = TMultiShapeType::msRectangle;
    int angle_ = 0;
    bool filled_ = true;
    bool border_ = false;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    bool shadow_ = false;
    QColor shadowColor_ = QColor(0x80, 0x80, 0x80);
    int shadowX_ = 2;
    int shadowY_ = 2;
    ShapeLayout layout_; // its shape size counts only while not fitToControl
    QString text_;
    bool fitToControl_ = false;
};

} // namespace olvide::controls
