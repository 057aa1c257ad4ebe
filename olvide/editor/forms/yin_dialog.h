#pragma once
// TYinAttributeDialog "印的修改": the name and picture of a visual object. "装入" loads a bitmap,
// "默认值" goes back to the shared default picture and the name "Inventor".
#include "olvide/editor/forms/visualor_dialog.h"

class QFrame;

namespace olvide::controls {
class TKelImage;
}

namespace olvide::forms {

class TYinAttributeDialog : public TvisualorAttributeDialog {
    Q_OBJECT

public:
    static constexpr const char* kDefaultPicture = "Yinico.bmp";

    explicit TYinAttributeDialog(QWidget* parent = nullptr);

    // The picture file shown; empty for the default picture.
    const QString& fileName() const { return fileName_; }
    // Shows the picture of the file, or the default picture for an empty name or a file
    // that cannot be read (the name is then forgotten).
    void showPicture(const QString& fileName);
    // What "装入" does after its open dialog; false (nothing changed) when the file cannot be read.
    bool loadPicture(const QString& fileName);
    // What "默认值" does.
    void restoreDefault();

    QFrame* YinBevel = nullptr;
    controls::TKelImage* YinImage = nullptr;
    QLineEdit* Yinalias = nullptr;
    QPushButton* loadButton = nullptr;    // "装入"
    QPushButton* defaultButton = nullptr; // "默认值"

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
    QWidget* refusedField(RefusedField field) override;

private:
    void openPicture();

    QString fileName_;
};

} // namespace olvide::forms
