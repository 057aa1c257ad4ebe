#include "olvide/editor/forms/index_dialog.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"

#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace olvide::forms {

TIndexADialog::TIndexADialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("IndexADialog"));
    setWindowTitle(QStringLiteral(" 常数索引"));
    setFont(formFont());
    placeLabel(this, QStringLiteral("索引:"), QRect(16, 19, 40, 20));
    IndexValue = new controls::TCardinalEdit(this);
    IndexValue->setObjectName(QStringLiteral("IndexValue"));
    IndexValue->setGeometry(60, 18, 110, 22);

    // The range line, lime on a dark strip so that it stays readable.
    auto* strip = new QFrame(this);
    strip->setGeometry(16, 50, 154, 22);
    strip->setFrameShape(QFrame::Panel);
    strip->setFrameShadow(QFrame::Sunken);
    strip->setAutoFillBackground(true);
    QPalette dark = strip->palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, kLime);
    strip->setPalette(dark);
    placeLabel(strip, QStringLiteral("范围 :"), QRect(6, 2, 40, 18));
    Lowlimit = placeLabel(strip, QString(), QRect(46, 2, 46, 18));
    Lowlimit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeLabel(strip, QStringLiteral("~"), QRect(94, 2, 10, 18));
    Highlimit = placeLabel(strip, QString(), QRect(106, 2, 46, 18));

    OKBtn = new QPushButton(QStringLiteral("确定"), this);
    OKBtn->setGeometry(186, 16, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("取消"), this);
    CancelBtn->setGeometry(186, 48, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TIndexADialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(277, 88);
}

void TIndexADialog::prepare(std::string_view caption, int low, int high) {
    setWindowTitle(screenText(caption));
    Lowlimit->setText(QString::number(low));
    Highlimit->setText(QString::number(high));
    IndexValue->setMinValue(low);
    IndexValue->setMaxValue(high);
    IndexValue->clear();
    IndexValue->setFocus();
}

std::optional<int> TIndexADialog::ask(std::string_view caption, int low, int high) {
    prepare(caption, low, high);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return IndexValue->value();
}

void TIndexADialog::accept() {
    const int value = IndexValue->value();
    if (value < IndexValue->minValue() || value > IndexValue->maxValue()) {
        QMessageBox::warning(this, windowTitle(), kOutOfRange);
        IndexValue->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace olvide::forms
