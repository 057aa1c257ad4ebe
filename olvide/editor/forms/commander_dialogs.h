#pragma once
// The attribute dialogs of the commanders. Each shows the commander's picture running through
// the four frames "olvane1.bmp" ... "olvane4.bmp" (green is transparent) while it is shown.
// The main commander's dialog also orders the parameters and chooses an external call or an
// internal reaction with the commander whose values it shares.
#include "olvide/editor/forms/visualor_dialog.h"

#include <QImage>
#include <QTimer>

class QComboBox;
class QFrame;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace olvide {
class TprogramVaribler;
}

namespace olvide::controls {
class TKelImage;
class TkelLabel;
} // namespace olvide::controls

namespace olvide::forms {

class TCommanderAttributeDialog : public TvisualorAttributeDialog {
    Q_OBJECT

public:
    explicit TCommanderAttributeDialog(QWidget* parent = nullptr, int frameInterval = 1000);

    controls::TKelImage* olvaneImage = nullptr;
    QTimer olvaneTimer;
    // The loaded frames while the dialog is shown; empty otherwise.
    const std::vector<QImage>& olvaneImageList() const { return frames_; }
    int frame() const { return frame_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void drawFrame();

    std::vector<QImage> frames_;
    int frame_ = 0;
};

class TTrueCommanderAttributeDialog : public TCommanderAttributeDialog {
    Q_OBJECT

public:
    explicit TTrueCommanderAttributeDialog(QWidget* parent = nullptr);
};

class TFalseCommanderAttributeDialog : public TCommanderAttributeDialog {
    Q_OBJECT

public:
    explicit TFalseCommanderAttributeDialog(QWidget* parent = nullptr);

protected:
    void showFields(const AttributeWindow& window) override;
};

class TforCommanderAttributeDialog : public TCommanderAttributeDialog {
    Q_OBJECT

public:
    explicit TforCommanderAttributeDialog(QWidget* parent = nullptr);
};

class TMainCommanderAttributeDialog : public TCommanderAttributeDialog {
    Q_OBJECT

public:
    explicit TMainCommanderAttributeDialog(QWidget* parent = nullptr);

    QScrollArea* parameterBox = nullptr;
    QToolButton* leftBitBtn = nullptr;
    QToolButton* RightBitBtn = nullptr;
    QRadioButton* externalcall = nullptr;
    QRadioButton* internalcall = nullptr;
    QComboBox* staticcommander = nullptr;

    // The parameters in the order shown, and the selected one (-1 for none).
    const std::vector<TprogramVaribler*>& parameterOrder() const { return order_; }
    int selectedParameter() const { return selected_; }
    void selectParameter(int position);
    // Swaps the selected parameter with the one before or after it; nothing at the ends.
    void moveSelected(int step);
    // The argument picture of a parameter (for clicking it).
    QWidget* parameterPicture(int position) const;

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParameterPictures();
    void placeParameterPictures();
    void chooseCall();

    std::vector<TprogramVaribler*> order_;
    std::vector<QFrame*> pictures_;
    int selected_ = -1;
};

} // namespace olvide::forms
