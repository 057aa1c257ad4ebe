#pragma once
// TvariblerAttributeDialog: the attribute dialog of the variables. It adds the array fields,
// the temporary, breakpoint and parameter boxes, and checks the name when the name box is
// left. The kinds with a value (number, boolean, string) show one value per array element:
// choosing an index in ArrayIndex shows its value, leaving the value stores it, and Up and
// Down in the value store it and walk to the previous or next index.
#include "olvide/editor/forms/visualor_dialog.h"

#include <QPointer>
#include <vector>

class QCheckBox;
class QComboBox;

namespace olvide::controls {
class TCardinalEdit;
}

namespace olvide::forms {

class TvariblerAttributeDialog : public TvisualorAttributeDialog {
    Q_OBJECT

public:
    explicit TvariblerAttributeDialog(QWidget* parent = nullptr);
    ~TvariblerAttributeDialog() override;

    // The check of a name box that is left: a message (code page) or empty. Set by whoever
    // opens the dialog.
    std::function<std::string(std::string_view alias)> checkAliasOnLeave;

    QCheckBox* IsArray = nullptr;
    controls::TCardinalEdit* ArrayLowdimension = nullptr;
    controls::TCardinalEdit* ArrayHighdimension = nullptr;
    QComboBox* ArrayIndex = nullptr;
    QCheckBox* IsTemp = nullptr;
    QCheckBox* IsBreakpoint = nullptr;
    QCheckBox* IsInputParameter = nullptr;
    QCheckBox* IsOutputParameter = nullptr;
    QLabel* valueLabel = nullptr; // "初始值:" or, while running, "运行值:"

    // The element values as the dialog holds them (one per index, code page).
    const std::vector<std::string>& arrayValues() const { return arrayValues_; }
    // The position of the chosen index in ArrayIndex (0 for the low bound).
    int arrayPosition() const { return arrayPosition_; }

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
    QWidget* refusedField(RefusedField field) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Hides the array row (kinds that cannot be arrays), the temporary box, the parameters.
    void hideArrayFields();
    void hideTemporaryAndParameters();

    // The kinds with a value: its widgets (which report leaving and the arrow keys), what it
    // shows and how it shows a value. The base has no value.
    void watchValue(QWidget* widget);
    virtual QString shownValue() const { return {}; }
    virtual void showValue(const QString&) {}
    // Whether the value shows the element of an array (the dialog's value widgets then show
    // and store per index).
    bool walkingArray() const { return !arrayValues_.empty(); }
    // Keeps the shown value for the chosen index (when walking an array).
    void storeShownValue();

private:
    void updateArrayFields();
    void chooseIndex(int position);
    void aliasLeft();

    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* indexLabel_ = nullptr;
    std::vector<std::string> arrayValues_;
    int arrayPosition_ = 0;
    bool arrayEnabled_ = true;
    bool checkingAlias_ = false;
    // Undone before the widgets go: destroying them moves the focus and sends events, which
    // must not reach a dialog that is half destroyed.
    QMetaObject::Connection aliasWatch_;
    std::vector<QPointer<QWidget>> watched_;
};

} // namespace olvide::forms
