#pragma once
// The attribute dialogs of the value kinds: numbers and iterations, booleans and conditions.
#include "olvide/editor/forms/varibler_dialog.h"

class QGroupBox;
class QRadioButton;

namespace olvide::controls {
class TRealEdit;
}

namespace olvide::forms {

class TnumberAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TnumberAttributeDialog(QWidget* parent = nullptr);
    controls::TRealEdit* numberValue = nullptr;

protected:
    void showFields(const AttributeWindow& window) override;
    QString shownValue() const override;
    void showValue(const QString& value) override;
};

class TIterationAttributeDialog : public TnumberAttributeDialog {
    Q_OBJECT

public:
    explicit TIterationAttributeDialog(QWidget* parent = nullptr);
    controls::TRealEdit* IterationFromValue = nullptr;
    controls::TRealEdit* IterationToValue = nullptr;
    controls::TRealEdit* IterationStepValue = nullptr;

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
};

class TBooleanAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TBooleanAttributeDialog(QWidget* parent = nullptr);
    QGroupBox* BooleanValueBox = nullptr;
    QRadioButton* trueChoice = nullptr;  // "真"
    QRadioButton* falseChoice = nullptr; // "假", chosen by default

protected:
    void showFields(const AttributeWindow& window) override;
    QString shownValue() const override;
    void showValue(const QString& value) override;
};

class TconditionAttributeDialog : public TBooleanAttributeDialog {
    Q_OBJECT

public:
    explicit TconditionAttributeDialog(QWidget* parent = nullptr);
    QCheckBox* IsIterator = nullptr;

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
};

} // namespace olvide::forms
