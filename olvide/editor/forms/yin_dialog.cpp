#include "olvide/editor/forms/yin_dialog.h"

#include "olvide/controls/kel_image.h"
#include "olvide/editor/forms/form_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace olvide::forms {

TYinAttributeDialog::TYinAttributeDialog(QWidget* parent) : TvisualorAttributeDialog(parent) {
    setObjectName(QStringLiteral("YinAttributeDialog"));
    setWindowTitle(QStringLiteral("印的修改"));
    // The name has its own box here; a visual object keeps its comment as it is.
    aliasLabel->hide();
    VisualorAlias->hide();
    VisualorComment->hide();

    YinBevel = new QFrame(this);
    YinBevel->setFrameShape(QFrame::Box);
    YinBevel->setFrameShadow(QFrame::Sunken);
    YinBevel->setGeometry(12, 0, 100, 100);
    YinImage = new controls::TKelImage(YinBevel);
    YinImage->setObjectName(QStringLiteral("YinImage"));
    YinImage->setGeometry(4, 4, 92, 92);
    YinImage->setCenter(true);
    YinImage->setColor(Qt::white);
    loadButton = new QPushButton(QStringLiteral("装入"), this);
    defaultButton = new QPushButton(QStringLiteral("默认值"), this);
    // The picture's row comes first; the buttons stand beside it.
    addToRow(greetingRow, {YinBevel}, 108);
    loadButton->setGeometry(130, 34, 75, 25);
    defaultButton->setGeometry(130, 70, 75, 25);
    connect(loadButton, &QPushButton::clicked, this, [this] { openPicture(); });
    connect(defaultButton, &QPushButton::clicked, this, [this] { restoreDefault(); });

    auto* name = placeLabel(this, QStringLiteral("名称 :"), QRect(12, 0, 60, 22));
    Yinalias = new QLineEdit(this);
    Yinalias->setObjectName(QStringLiteral("Yinalias"));
    Yinalias->setGeometry(74, 0, 200, 22);
    addToRow(aliasRow + 1, {name, Yinalias}, 30);
    relayout();
}

void TYinAttributeDialog::showFields(const AttributeWindow& window) {
    TvisualorAttributeDialog::showFields(window);
    Yinalias->setText(screenText(window.VisualorAlias));
    Yinalias->setEnabled(window.aliasEnabled);
}

void TYinAttributeDialog::takeFields(AttributeWindow& window) const {
    TvisualorAttributeDialog::takeFields(window);
    window.VisualorAlias = modelText(Yinalias->text());
}

QWidget* TYinAttributeDialog::refusedField(RefusedField) {
    return Yinalias;
}

void TYinAttributeDialog::showPicture(const QString& fileName) {
    if (fileName.isEmpty() || !loadPicture(fileName)) {
        fileName_.clear();
        YinImage->setPicture(forms::loadPicture(kDefaultPicture));
    }
}

bool TYinAttributeDialog::loadPicture(const QString& fileName) {
    const QImage picture(fileName);
    if (picture.isNull()) return false;
    YinImage->setPicture(picture);
    fileName_ = fileName;
    return true;
}

void TYinAttributeDialog::restoreDefault() {
    Yinalias->setText(QStringLiteral("Inventor"));
    showPicture(QString());
}

void TYinAttributeDialog::openPicture() {
    QFileDialog dialog(this);
    dialog.setNameFilter(QStringLiteral("*.bmp (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    if (!loadPicture(path))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("无法读入图片 %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace olvide::forms
