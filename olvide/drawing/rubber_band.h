#pragma once
// Trubberband: the frame shown while a drawing element is drawn, a clear shape with a
// dotted outline. It lets the mouse through to what lies under it.
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace olvide::drawing {

// The band between the anchor and the mouse: left and top the smaller coordinates, width and
// height the distances.
QRect bandBetween(QPoint anchor, QPoint mouse);

class Trubberband : public QWidget {
    Q_OBJECT
public:
    explicit Trubberband(QWidget* canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace olvide::drawing
