#pragma once
// TAboutAuthor: the introduction box, one full-size picture and a round button that closes it.
#include <QDialog>

namespace olvide::controls {
class THemisphereButton;
class TKelImage;
} // namespace olvide::controls

namespace olvide::forms {

class TAboutAuthor : public QDialog {
    Q_OBJECT

public:
    // The picture file it shows.
    static constexpr const char* kPicture = "olvabout.bmp";

    explicit TAboutAuthor(QWidget* parent = nullptr);

    controls::TKelImage* Image1 = nullptr;
    controls::THemisphereButton* CloseButton = nullptr;
};

} // namespace olvide::forms
