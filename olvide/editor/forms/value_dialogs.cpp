#include "olvide/editor/forms/value_dialogs.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace olvide::forms {

namespace {

// An index that designates no element shows this instead of a value, which cannot be edited.
bool outOfRange(const AttributeWindow& window) {
    return window.outOfArrayRange;
}

} // namespace

TnumberAttributeDialog::TnumberAttributeDialog(QWidget* parent) : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("numberAttributeDialog"));
    setWindowTitle(QStringLiteral("数变量性质定义窗口"));
    setGreeting("嗨!我是数变量...", "numico.bmp");
    aliasLabel->setText(QStringLiteral("变量名称:"));
    numberValue = new controls::TRealEdit(this);
    numberValue->setObjectName(QStringLiteral("numberValue"));
    numberValue->setGeometry(kFieldLeft, 0, 170, 22);
    valueLabel->show();
    addToRow(valueRow, {valueLabel, numberValue}, 30);
    watchValue(numberValue);
    relayout();
}

void TnumberAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    numberValue->setEnabled(!outOfRange(window));
}

QString TnumberAttributeDialog::shownValue() const {
    return numberValue->text();
}

void TnumberAttributeDialog::showValue(const QString& value) {
    numberValue->setText(value);
}

TIterationAttributeDialog::TIterationAttributeDialog(QWidget* parent)
    : TnumberAttributeDialog(parent) {
    setObjectName(QStringLiteral("IterationAttributeDialog"));
    setWindowTitle(QStringLiteral("循环变量性质定义窗口"));
    setGreeting("我是循环变量,\"下一个...\"", "iteico.bmp");
    hideArrayFields();
    const char* captions[] = {"从:", "到:", "步长:"};
    controls::TRealEdit** edits[] = {&IterationFromValue, &IterationToValue, &IterationStepValue};
    const char* names[] = {"IterationFromValue", "IterationToValue", "IterationStepValue"};
    std::vector<QWidget*> row;
    for (int i = 0; i < 3; ++i) {
        const int left = 12 + i * 140;
        auto* label = placeLabel(this, QString::fromUtf8(captions[i]), QRect(left, 0, 36, 22));
        auto* edit = new controls::TRealEdit(this);
        edit->setObjectName(QString::fromLatin1(names[i]));
        edit->setGeometry(left + 38, 0, 90, 22);
        *edits[i] = edit;
        row.push_back(label);
        row.push_back(edit);
    }
    addToRow(kindRows, row, 30);
    relayout();
}

void TIterationAttributeDialog::showFields(const AttributeWindow& window) {
    TnumberAttributeDialog::showFields(window);
    IterationFromValue->setText(screenText(window.IterationFromValue));
    IterationToValue->setText(screenText(window.IterationToValue));
    IterationStepValue->setText(screenText(window.IterationStepValue));
}

void TIterationAttributeDialog::takeFields(AttributeWindow& window) const {
    TnumberAttributeDialog::takeFields(window);
    window.IterationFromValue = modelText(IterationFromValue->text());
    window.IterationToValue = modelText(IterationToValue->text());
    window.IterationStepValue = modelText(IterationStepValue->text());
}

TBooleanAttributeDialog::TBooleanAttributeDialog(QWidget* parent)
    : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("BooleanAttributeDialog"));
    setWindowTitle(QStringLiteral("真假变量性质定义窗口"));
    setGreeting("嗨!我是真假变量...", "Boolico.bmp");
    BooleanValueBox = new QGroupBox(QStringLiteral("初始值"), this);
    BooleanValueBox->setObjectName(QStringLiteral("BooleanValueBox"));
    BooleanValueBox->setGeometry(kFieldLeft, 0, 200, 44);
    trueChoice = new QRadioButton(QStringLiteral("真"), BooleanValueBox);
    trueChoice->setGeometry(16, 18, 80, 20);
    falseChoice = new QRadioButton(QStringLiteral("假"), BooleanValueBox);
    falseChoice->setGeometry(108, 18, 80, 20);
    falseChoice->setChecked(true);
    // The caption sits on the box; the label of the value row stays empty.
    valueLabel->hide();
    addToRow(valueRow, {valueLabel, BooleanValueBox}, 50);
    watchValue(trueChoice);
    watchValue(falseChoice);
    // A choice is stored for the chosen index at once.
    connect(trueChoice, &QRadioButton::toggled, this, [this] { storeShownValue(); });
    relayout();
}

void TBooleanAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    QString caption = screenText(window.valueCaption);
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    if (!caption.isEmpty()) BooleanValueBox->setTitle(caption);
    BooleanValueBox->setEnabled(!outOfRange(window));
}

QString TBooleanAttributeDialog::shownValue() const {
    return trueChoice->isChecked() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

void TBooleanAttributeDialog::showValue(const QString& value) {
    const QSignalBlocker blocker(trueChoice);
    if (value == QStringLiteral("TRUE"))
        trueChoice->setChecked(true);
    else
        falseChoice->setChecked(true);
}

TconditionAttributeDialog::TconditionAttributeDialog(QWidget* parent)
    : TBooleanAttributeDialog(parent) {
    setObjectName(QStringLiteral("conditionAttributeDialog"));
    setWindowTitle(QStringLiteral("条件变量性质定义窗口"));
    setGreeting("我是条件变量,敢问路在何方...", "Condico.bmp");
    hideArrayFields();
    IsTemp->hide();
    IsIterator = new QCheckBox(QStringLiteral("循环"), this);
    IsIterator->setObjectName(QStringLiteral("IsIterator"));
    IsIterator->setGeometry(kFieldLeft, 0, 100, 22);
    addToRow(kindRows, {IsIterator}, 30);
    relayout();
}

void TconditionAttributeDialog::showFields(const AttributeWindow& window) {
    TBooleanAttributeDialog::showFields(window);
    IsIterator->setChecked(window.IsIterator);
}

void TconditionAttributeDialog::takeFields(AttributeWindow& window) const {
    TBooleanAttributeDialog::takeFields(window);
    window.IsIterator = IsIterator->isChecked();
}

} // namespace olvide::forms
