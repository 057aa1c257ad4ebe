#pragma once
// One picture of the step window's row, drawn from the model object that the step keeps for
// it: an operand's icon, the constant's icon, or an operator's sign on a tile. The name or the
// constant's text stands under it in a label of its own. The widget keeps a copy of what it
// draws, never the object, so that it outlives nothing it points to.
#include <QImage>
#include <QString>
#include <QWidget>

namespace olvide {
class TVisualor;
}

namespace olvide::views {

// Which pop-up menu a picture carries.
enum class PictureMenu { None, Add, Compare, Boolean, Exchange };

PictureMenu menuOf(const TVisualor& picture);

// The label with the picture's name under it, at most `width` wide and starting at most
// `reach` left of the picture (the side windows cut long names).
QWidget* labelUnder(QWidget* parent, const TVisualor& picture, int width, int reach);

class StepPictureView : public QWidget {
    Q_OBJECT

public:
    StepPictureView(QWidget* parent, const TVisualor& picture);

    // Selected, or lit in the blink of an operation that waits for a pick.
    void setHighlighted(bool on);
    bool highlighted() const { return highlighted_; }
    const QString& sign() const { return sign_; }

signals:
    void pressed(Qt::MouseButton button);
    void doubleClicked();
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage icon_;  // operands and constants
    QString sign_; // operators
    QColor tile_;  // operators
    bool highlighted_ = false;
};

} // namespace olvide::views
