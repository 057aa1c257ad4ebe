#include "olvide/editor/forms/about_author.h"

#include "olvide/controls/hemisphere_button.h"
#include "olvide/controls/kel_image.h"
#include "olvide/editor/forms/form_text.h"

namespace olvide::forms {

TAboutAuthor::TAboutAuthor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutAuthor"));
    setWindowTitle(QStringLiteral("简介"));
    setFont(formFont());
    setFixedSize(540, 397);
    Image1 = new controls::TKelImage(this);
    Image1->setGeometry(rect());
    Image1->setPicture(loadPicture(kPicture));
    CloseButton = new controls::THemisphereButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(540 - 16 - 44, 397 - 16 - 44, 44, 44);
    CloseButton->setColorBright(QColor(255, 250, 220));
    CloseButton->setColorDark(QColor(170, 110, 20));
    CloseButton->setCaption(QStringLiteral("确定"));
    connect(CloseButton, &controls::THemisphereButton::clicked, this, &QDialog::accept);
}

} // namespace olvide::forms
