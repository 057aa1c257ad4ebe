#include "olvide/editor/forms/varibler_dialog.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"
#include "olvide/model/text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace olvide::forms {

TvariblerAttributeDialog::TvariblerAttributeDialog(QWidget* parent)
    : TvisualorAttributeDialog(parent) {
    setObjectName(QStringLiteral("variblerAttributeDialog"));
    setWindowTitle(QStringLiteral("变量性质定义窗口"));

    IsTemp = new QCheckBox(QStringLiteral("临时"), this);
    IsTemp->setGeometry(296, 0, 60, 22);
    IsBreakpoint = new QCheckBox(QStringLiteral("中断"), this);
    IsBreakpoint->setGeometry(360, 0, 60, 22);
    addToRow(aliasRow, {IsTemp, IsBreakpoint}, 30);

    IsArray = new QCheckBox(QStringLiteral("数组   : "), this);
    IsArray->setGeometry(12, 0, kFieldLeft - 14, 22);
    fromLabel_ = placeLabel(this, QStringLiteral("从 :"), QRect(kFieldLeft, 0, 26, 22));
    ArrayLowdimension = new controls::TCardinalEdit(this);
    ArrayLowdimension->setGeometry(kFieldLeft + 26, 0, 50, 22);
    toLabel_ = placeLabel(this, QStringLiteral("到 :"), QRect(kFieldLeft + 84, 0, 26, 22));
    ArrayHighdimension = new controls::TCardinalEdit(this);
    ArrayHighdimension->setGeometry(kFieldLeft + 110, 0, 50, 22);
    indexLabel_ = placeLabel(this, QStringLiteral("索引:"), QRect(kFieldLeft + 172, 0, 36, 22));
    ArrayIndex = new QComboBox(this);
    ArrayIndex->setObjectName(QStringLiteral("ArrayIndex"));
    ArrayIndex->setEditable(true);
    ArrayIndex->setGeometry(kFieldLeft + 208, 0, 100, 22);
    addToRow(arrayRow,
             {IsArray, fromLabel_, ArrayLowdimension, toLabel_, ArrayHighdimension, indexLabel_,
              ArrayIndex},
             30);

    valueLabel = placeLabel(this, QStringLiteral("初始值:"), QRect(12, 0, kFieldLeft - 14, 22));
    valueLabel->hide(); // shown by the kinds that have a value

    IsInputParameter = new QCheckBox(QStringLiteral("输入参数"), this);
    IsInputParameter->setGeometry(kFieldLeft, 0, 100, 22);
    IsOutputParameter = new QCheckBox(QStringLiteral("输出参数"), this);
    IsOutputParameter->setGeometry(kFieldLeft + 110, 0, 100, 22);
    addToRow(parameterRow, {IsInputParameter, IsOutputParameter}, 30);

    connect(IsArray, &QCheckBox::toggled, this, [this] { updateArrayFields(); });
    connect(ArrayIndex, &QComboBox::activated, this,
            [this](int position) { chooseIndex(position); });
    connect(ArrayIndex, &QComboBox::editTextChanged, this, [this](const QString& text) {
        // Typing an index that exists shows its value.
        const int position = ArrayIndex->findText(text.trimmed());
        if (position >= 0 && position != arrayPosition_) chooseIndex(position);
    });
    // Leaving the name box checks the name, except on the way to Cancel.
    aliasWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old == VisualorAlias && now != CancelButton && now && now->window() == this)
                aliasLeft();
        });
    relayout();
}

void TvariblerAttributeDialog::hideArrayFields() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{IsArray, fromLabel_, ArrayLowdimension, toLabel_,
                                         ArrayHighdimension, indexLabel_, ArrayIndex})
        w->hide();
}

void TvariblerAttributeDialog::hideTemporaryAndParameters() {
    IsTemp->hide();
    IsInputParameter->hide();
    IsOutputParameter->hide();
}

TvariblerAttributeDialog::~TvariblerAttributeDialog() {
    disconnect(aliasWatch_);
    for (const QPointer<QWidget>& widget : watched_)
        if (widget) widget->removeEventFilter(this);
}

void TvariblerAttributeDialog::watchValue(QWidget* widget) {
    widget->installEventFilter(this);
    watched_.push_back(widget);
}

void TvariblerAttributeDialog::showFields(const AttributeWindow& window) {
    TvisualorAttributeDialog::showFields(window);
    IsTemp->setChecked(window.IsTemp);
    IsTemp->setEnabled(window.isTempEnabled);
    IsBreakpoint->setChecked(window.IsBreakpoint);
    IsInputParameter->setChecked(window.IsInputParameter);
    IsOutputParameter->setChecked(window.IsOutputParameter);
    IsInputParameter->setEnabled(window.parametersEnabled);
    IsOutputParameter->setEnabled(window.parametersEnabled);
    if (!window.valueCaption.empty()) valueLabel->setText(screenText(window.valueCaption));

    arrayEnabled_ = window.arrayEnabled;
    {
        const QSignalBlocker blocker(IsArray);
        IsArray->setChecked(window.IsArray);
    }
    ArrayLowdimension->setValue(window.ArrayLowdimension);
    ArrayHighdimension->setValue(window.ArrayHighdimension);
    arrayValues_ = window.arrayValues;
    arrayPosition_ = 0;
    {
        const QSignalBlocker blocker(ArrayIndex);
        ArrayIndex->clear();
        for (std::size_t i = 0; i < arrayValues_.size(); ++i)
            ArrayIndex->addItem(QString::number(window.ArrayLowdimension + static_cast<int>(i)));
        ArrayIndex->setCurrentIndex(arrayValues_.empty() ? -1 : 0);
    }
    showValue(screenText(walkingArray() ? arrayValues_.front() : window.value));
    updateArrayFields();
}

void TvariblerAttributeDialog::takeFields(AttributeWindow& window) const {
    TvisualorAttributeDialog::takeFields(window);
    window.IsTemp = IsTemp->isChecked();
    window.IsBreakpoint = IsBreakpoint->isChecked();
    window.IsInputParameter = IsInputParameter->isChecked();
    window.IsOutputParameter = IsOutputParameter->isChecked();
    window.IsArray = IsArray->isChecked();
    window.ArrayLowdimension = ArrayLowdimension->value();
    window.ArrayHighdimension = ArrayHighdimension->value();
    if (walkingArray()) {
        window.arrayValues = arrayValues_;
        window.arrayValues[static_cast<std::size_t>(arrayPosition_)] =
            trimmed(modelText(shownValue()));
    } else {
        window.value = modelText(shownValue());
    }
}

QWidget* TvariblerAttributeDialog::refusedField(RefusedField field) {
    return field == RefusedField::bounds ? static_cast<QWidget*>(ArrayHighdimension)
                                         : VisualorAlias;
}

void TvariblerAttributeDialog::updateArrayFields() {
    IsArray->setEnabled(arrayEnabled_);
    const bool bounds = arrayEnabled_ && IsArray->isChecked();
    ArrayLowdimension->setEnabled(bounds);
    ArrayHighdimension->setEnabled(bounds);
    // The index list works once the object is an array.
    const bool indexes = walkingArray() && IsArray->isChecked();
    ArrayIndex->setEnabled(indexes);
    QPalette palette = ArrayIndex->palette();
    palette.setColor(QPalette::Base, indexes ? QColor(Qt::white) : kSilver);
    palette.setColor(QPalette::Button, indexes ? QColor(Qt::white) : kSilver);
    ArrayIndex->setPalette(palette);
}

void TvariblerAttributeDialog::storeShownValue() {
    if (!walkingArray()) return;
    arrayValues_[static_cast<std::size_t>(arrayPosition_)] = trimmed(modelText(shownValue()));
}

void TvariblerAttributeDialog::chooseIndex(int position) {
    if (!walkingArray() || position < 0 || position >= static_cast<int>(arrayValues_.size()))
        return;
    arrayPosition_ = position;
    {
        const QSignalBlocker blocker(ArrayIndex);
        ArrayIndex->setCurrentIndex(position);
    }
    showValue(screenText(arrayValues_[static_cast<std::size_t>(position)]));
}

bool TvariblerAttributeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        storeShownValue();
    } else if (event->type() == QEvent::KeyPress && walkingArray()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int next = arrayPosition_ + (key == Qt::Key_Up ? -1 : 1);
            if (next >= 0 && next < static_cast<int>(arrayValues_.size())) {
                storeShownValue();
                chooseIndex(next);
            }
            return true;
        }
    }
    return TvisualorAttributeDialog::eventFilter(watched, event);
}

void TvariblerAttributeDialog::aliasLeft() {
    if (checkingAlias_ || !checkAliasOnLeave || !VisualorAlias->isEnabled()) return;
    const std::string refusal = checkAliasOnLeave(modelText(VisualorAlias->text()));
    if (refusal.empty()) return;
    // The message box takes the focus; coming back from it is no second leaving.
    checkingAlias_ = true;
    refuse({refusal, RefusedField::alias});
    checkingAlias_ = false;
}

} // namespace olvide::forms
