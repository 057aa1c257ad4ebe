#pragma once
// TmultiShapeAttribute "图形性质定义窗口": the shape, repetition and shadow of a multi-shape,
// and its four descendants: TlineAttribute, TRectangleAttribute and TTriangleAttribute add
// the border width, TTextAttribute the text. The fields hold decimal texts; the drawing
// element fills them and takes them back on OK.
#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace olvide::controls {
class TCardinalEdit;
class TIntegerEdit;
} // namespace olvide::controls

namespace olvide::drawing {

class TmultiShapeAttribute : public QDialog {
    Q_OBJECT
public:
    explicit TmultiShapeAttribute(QWidget* parent = nullptr);

    controls::TCardinalEdit* MsShapeW = nullptr;
    controls::TCardinalEdit* MsShapeH = nullptr;
    controls::TCardinalEdit* msXmargin = nullptr;
    controls::TCardinalEdit* msYmargin = nullptr;
    controls::TCardinalEdit* msXSpacing = nullptr;
    controls::TCardinalEdit* msYSpacing = nullptr;
    controls::TIntegerEdit* msShadowX = nullptr;
    controls::TIntegerEdit* msShadowY = nullptr;
    // The border width of the dialogs that have one; none otherwise.
    controls::TCardinalEdit* MsBorderwidth = nullptr;
    // The text of the text dialog; none otherwise.
    QLineEdit* MsText = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // The smallest border width the dialog takes back.
    int borderMinimum() const { return borderMinimum_; }

protected:
    // A further group under the three of every dialog; the buttons move below it.
    QGroupBox* addGroup(const QString& title);
    void addBorderGroup(const QString& label, int minimum);

private:
    void placeButtons();

    int nextGroupTop_ = 0;
    int borderMinimum_ = 1;
};

class TlineAttribute : public TmultiShapeAttribute {
    Q_OBJECT
public:
    explicit TlineAttribute(QWidget* parent = nullptr);
};

class TRectangleAttribute : public TmultiShapeAttribute {
    Q_OBJECT
public:
    explicit TRectangleAttribute(QWidget* parent = nullptr);
};

class TTriangleAttribute : public TmultiShapeAttribute {
    Q_OBJECT
public:
    explicit TTriangleAttribute(QWidget* parent = nullptr);
};

class TTextAttribute : public TmultiShapeAttribute {
    Q_OBJECT
public:
    explicit TTextAttribute(QWidget* parent = nullptr);
};

} // namespace olvide::drawing
