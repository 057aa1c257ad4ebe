#include "olvide/controls/numeric_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QValidator>
#include <algorithm>
#include <cmath>

namespace olvide::controls {
namespace {

// The one gate every change of the text passes: the line edit undoes a change that leaves a
// text this refuses, whichever way the change came.
class NumberTextValidator final : public QValidator {
public:
    NumberTextValidator(NumberKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}

    State validate(QString& input, int&) const override {
        return acceptsNumberText(kind_, input.toStdString()) ? Acceptable : Invalid;
    }

private:
    NumberKind kind_;
};

template <class T> T clampedToLimits(T value, T low, T high) {
    // Limits given the wrong way round still give one of them, never undefined behaviour.
    return std::min(std::max(value, low), high);
}

} // namespace

TNumericEdit::TNumericEdit(NumberKind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setValidator(new NumberTextValidator(kind, this));
}

bool TNumericEdit::acceptsText(const QString& text) const {
    return acceptsNumberText(kind_, text.toStdString());
}

void TNumericEdit::setFormatString(const QString& format) {
    formatString_ = format;
    rewriteText();
}

void TNumericEdit::setValidate(bool on) {
    validate_ = on;
    rewriteText();
}

QString TNumericEdit::textWithSelectionReplacedBy(const QString& insertion) const {
    QString result = text();
    if (hasSelectedText())
        result.replace(selectionStart(), selectionLength(), insertion);
    else
        result.insert(cursorPosition(), insertion);
    return result;
}

void TNumericEdit::pasteChecked() {
    if (isReadOnly()) return;
    const QString clipboardText = QGuiApplication::clipboard()->text();
    if (clipboardText.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"), kNoClipboardText);
        return;
    }
    if (acceptsText(textWithSelectionReplacedBy(clipboardText))) insert(clipboardText);
}

void TNumericEdit::cutChecked() {
    if (isReadOnly() || !hasSelectedText()) return;
    if (acceptsText(textWithSelectionReplacedBy(QString()))) cut();
}

void TNumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cutChecked();
        return;
    }
    // Typed characters, Backspace and Delete go through the validator.
    QLineEdit::keyPressEvent(event);
}

void TNumericEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The menu's cut and paste take the same checked way as the keys.
    QMenu menu(this);
    const bool editable = !isReadOnly();
    menu.addAction(QStringLiteral("撤消(&U)"), this, &QLineEdit::undo)
        ->setEnabled(editable && isUndoAvailable());
    menu.addSeparator();
    menu.addAction(QStringLiteral("剪切(&T)"), this, &TNumericEdit::cutChecked)
        ->setEnabled(editable && hasSelectedText());
    menu.addAction(QStringLiteral("复制(&C)"), this, &QLineEdit::copy)
        ->setEnabled(hasSelectedText());
    menu.addAction(QStringLiteral("粘贴(&P)"), this, &TNumericEdit::pasteChecked)
        ->setEnabled(editable);
    menu.addAction(QStringLiteral("删除(&D)"), this, &QLineEdit::del)
        ->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    menu.addAction(QStringLiteral("全选(&A)"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

TRealEdit::TRealEdit(QWidget* parent) : TNumericEdit(NumberKind::real, parent) {}

double TRealEdit::value() const {
    return readReal(text().toStdString()).value_or(0.0);
}

void TRealEdit::setValue(double value) {
    if (!std::isfinite(value)) return;
    if (validate()) value = clampedToLimits(value, minValue_, maxValue_);
    setText(QString::fromStdString(formatReal(value, formatString().toStdString())));
}

TIntegerEdit::TIntegerEdit(QWidget* parent) : TIntegerEdit(NumberKind::integer, parent) {}

TIntegerEdit::TIntegerEdit(NumberKind kind, QWidget* parent) : TNumericEdit(kind, parent) {}

std::int32_t TIntegerEdit::value() const {
    return readInteger(text().toStdString()).value_or(0);
}

void TIntegerEdit::setValue(std::int32_t value) {
    if (validate()) value = clampedToLimits(value, minValue_, maxValue_);
    if (kind() == NumberKind::cardinal) value = std::max(value, 0);
    setText(QString::fromStdString(formatInteger(value, formatString().toStdString())));
}

TCardinalEdit::TCardinalEdit(QWidget* parent) : TIntegerEdit(NumberKind::cardinal, parent) {}

} // namespace olvide::controls
