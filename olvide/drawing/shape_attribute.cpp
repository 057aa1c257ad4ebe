#include "olvide/drawing/shape_attribute.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace olvide::drawing {
namespace {

constexpr int kWidth = 300;
constexpr int kGroupLeft = 8;
constexpr int kGroupWidth = kWidth - 2 * kGroupLeft;
constexpr int kRow = 26;
constexpr int kEditWidth = 56;

template <class Edit> Edit* edit(QWidget* parent, const char* name, QRect place, int minimum) {
    auto* e = new Edit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(place);
    e->setMinValue(minimum);
    e->setMaxValue(9999);
    return e;
}

} // namespace

TmultiShapeAttribute::TmultiShapeAttribute(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("multiShapeAttribute"));
    setWindowTitle(QStringLiteral("图形性质定义窗口"));
    setFont(forms::formFont());
    nextGroupTop_ = 6;

    QGroupBox* shape = addGroup(QStringLiteral("形状性质"));
    forms::placeLabel(shape, QStringLiteral("形状:"), QRect(10, 20, 40, 20));
    forms::placeLabel(shape, QStringLiteral("宽"), QRect(56, 20, 16, 20));
    MsShapeW = edit<controls::TCardinalEdit>(shape, "MsShapeW", QRect(74, 20, kEditWidth, 20), 1);
    forms::placeLabel(shape, QStringLiteral("高"), QRect(150, 20, 16, 20));
    MsShapeH = edit<controls::TCardinalEdit>(shape, "MsShapeH", QRect(168, 20, kEditWidth, 20), 1);

    QGroupBox* repeat = addGroup(QStringLiteral("重复性质"));
    repeat->setFixedHeight(24 + 2 * kRow + 4);
    forms::placeLabel(repeat, QStringLiteral("空白"), QRect(74, 16, kEditWidth, 18));
    forms::placeLabel(repeat, QStringLiteral("距离"), QRect(168, 16, kEditWidth, 18));
    forms::placeLabel(repeat, QStringLiteral("X:"), QRect(40, 36, 24, 20));
    forms::placeLabel(repeat, QStringLiteral("Y:"), QRect(40, 36 + kRow, 24, 20));
    msXmargin =
        edit<controls::TCardinalEdit>(repeat, "msXmargin", QRect(74, 36, kEditWidth, 20), 0);
    msYmargin =
        edit<controls::TCardinalEdit>(repeat, "msYmargin", QRect(74, 36 + kRow, kEditWidth, 20), 0);
    msXSpacing =
        edit<controls::TCardinalEdit>(repeat, "msXSpacing", QRect(168, 36, kEditWidth, 20), 0);
    msYSpacing = edit<controls::TCardinalEdit>(repeat, "msYSpacing",
                                               QRect(168, 36 + kRow, kEditWidth, 20), 0);
    nextGroupTop_ += repeat->height() - 50;

    QGroupBox* shadow = addGroup(QStringLiteral("阴影性质"));
    forms::placeLabel(shadow, QStringLiteral("阴影:"), QRect(10, 20, 40, 20));
    msShadowX =
        edit<controls::TIntegerEdit>(shadow, "msShadowX", QRect(74, 20, kEditWidth, 20), -9999);
    msShadowY =
        edit<controls::TIntegerEdit>(shadow, "msShadowY", QRect(168, 20, kEditWidth, 20), -9999);

    OKBtn = new QPushButton(QStringLiteral("确定"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("取消"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    placeButtons();
}

QGroupBox* TmultiShapeAttribute::addGroup(const QString& title) {
    auto* group = new QGroupBox(title, this);
    group->setGeometry(kGroupLeft, nextGroupTop_, kGroupWidth, 50);
    nextGroupTop_ += 50 + 6;
    if (OKBtn) placeButtons();
    return group;
}

void TmultiShapeAttribute::addBorderGroup(const QString& label, int minimum) {
    borderMinimum_ = minimum;
    QGroupBox* border = addGroup(QStringLiteral("边界性质"));
    forms::placeLabel(border, label, QRect(10, 20, 50, 20));
    MsBorderwidth = edit<controls::TCardinalEdit>(border, "MsBorderwidth",
                                                  QRect(74, 20, kEditWidth, 20), minimum);
}

void TmultiShapeAttribute::placeButtons() {
    OKBtn->setGeometry(kWidth / 2 - 90, nextGroupTop_ + 4, 75, 25);
    CancelBtn->setGeometry(kWidth / 2 + 15, nextGroupTop_ + 4, 75, 25);
    setFixedSize(kWidth, nextGroupTop_ + 40);
}

TlineAttribute::TlineAttribute(QWidget* parent) : TmultiShapeAttribute(parent) {
    setObjectName(QStringLiteral("lineAttribute"));
    setWindowTitle(QStringLiteral("线性质定义窗口"));
    addBorderGroup(QStringLiteral("边宽:"), 1);
}

TRectangleAttribute::TRectangleAttribute(QWidget* parent) : TmultiShapeAttribute(parent) {
    setObjectName(QStringLiteral("RectangleAttribute"));
    setWindowTitle(QStringLiteral("正方形性质定义窗口"));
    addBorderGroup(QStringLiteral("边宽 :"), 0);
}

TTriangleAttribute::TTriangleAttribute(QWidget* parent) : TmultiShapeAttribute(parent) {
    setObjectName(QStringLiteral("TriangleAttribute"));
    setWindowTitle(QStringLiteral("三角性质定义窗口"));
    addBorderGroup(QStringLiteral("边宽:"), 1);
}

TTextAttribute::TTextAttribute(QWidget* parent) : TmultiShapeAttribute(parent) {
    setObjectName(QStringLiteral("TextAttribute"));
    setWindowTitle(QStringLiteral("文本性质定义窗口"));
    QGroupBox* text = addGroup(QStringLiteral("文本性质"));
    forms::placeLabel(text, QStringLiteral("文本:"), QRect(10, 20, 40, 20));
    MsText = new QLineEdit(QStringLiteral("Mennel"), text);
    MsText->setObjectName(QStringLiteral("MsText"));
    MsText->setGeometry(74, 20, 180, 20);
}

} // namespace olvide::drawing
