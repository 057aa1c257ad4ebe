#pragma once
// Edit boxes that hold only valid numbers: TRealEdit, TIntegerEdit and TCardinalEdit. Every
// change of the text, typed, deleted, pasted, cut, dropped or composed by an input method, is
// tried on the text it would give and refused unless that text is acceptable (see
// acceptsNumberText). Value writes the number formatted with FormatString, first clamped to
// MinValue ... MaxValue when Validate is on; an empty text reads as 0.
#include "olvide/controls/numeric_text.h"

#include <QLineEdit>
#include <QString>
#include <cstdint>

namespace olvide::controls {

class TNumericEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString FormatString READ formatString WRITE setFormatString)
    Q_PROPERTY(bool Validate READ validate WRITE setValidate)

public:
    static inline const QString kNoClipboardText = QStringLiteral("No text on the Clipboard");

    NumberKind kind() const { return kind_; }
    // Whether the edit may show this text.
    bool acceptsText(const QString& text) const;

    QString formatString() const { return formatString_; }
    // Rewrites the text from the current value.
    void setFormatString(const QString& format);
    bool validate() const { return validate_; }
    // Rewrites the text from the current value (clamped when turned on).
    void setValidate(bool on);

    // The clipboard commands, refused when they would leave a text that is not acceptable.
    // Pasting with no text on the clipboard says so in an information box.
    void pasteChecked();
    void cutChecked();

protected:
    TNumericEdit(NumberKind kind, QWidget* parent);
    // Writes the text again from the value the text holds now.
    virtual void rewriteText() = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString textWithSelectionReplacedBy(const QString& insertion) const;

    NumberKind kind_;
    QString formatString_;
    bool validate_ = false;
};

class TRealEdit : public TNumericEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)

public:
    explicit TRealEdit(QWidget* parent = nullptr);

    double value() const;
    // A value that is not finite leaves the edit unchanged.
    void setValue(double value);
    double minValue() const { return minValue_; }
    void setMinValue(double value) { minValue_ = value; }
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value) { maxValue_ = value; }

protected:
    void rewriteText() override { setValue(value()); }

private:
    double minValue_ = 0;
    double maxValue_ = 0;
};

class TIntegerEdit : public TNumericEdit {
    Q_OBJECT
    Q_PROPERTY(qint32 Value READ value WRITE setValue)
    Q_PROPERTY(qint32 MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(qint32 MaxValue READ maxValue WRITE setMaxValue)

public:
    explicit TIntegerEdit(QWidget* parent = nullptr);

    std::int32_t value() const;
    void setValue(std::int32_t value);
    std::int32_t minValue() const { return minValue_; }
    void setMinValue(std::int32_t value) { minValue_ = value; }
    std::int32_t maxValue() const { return maxValue_; }
    void setMaxValue(std::int32_t value) { maxValue_ = value; }

protected:
    TIntegerEdit(NumberKind kind, QWidget* parent);
    void rewriteText() override { setValue(value()); }

private:
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
};

// Digits only: a cardinal has no sign, and a negative value is written as 0.
class TCardinalEdit : public TIntegerEdit {
    Q_OBJECT

public:
    explicit TCardinalEdit(QWidget* parent = nullptr);
};

} // namespace olvide::controls
