#pragma once
// The attribute dialogs of the text kinds: strings, outputs and the output-line strings.
#include "olvide/editor/forms/varibler_dialog.h"

#include <string_view>

class QPlainTextEdit;

namespace olvide::controls {
class TCardinalEdit;
class TRealEdit;
} // namespace olvide::controls

namespace olvide::forms {

// The lines of a text file in the code page: a file that is valid UTF-8 is converted, any
// other is taken as it is. Lines end with LF or CR LF.
std::vector<std::string> textFileLines(std::string_view bytes);

// The value between two navy quotes and the clip start and length, as the string and the
// output-line string dialogs show them.
struct StringFields {
    QLineEdit* StringValue = nullptr;
    QLabel* openingQuote = nullptr;
    QLabel* closingQuote = nullptr;
    controls::TRealEdit* ClipLocateposition = nullptr;
    controls::TRealEdit* clipMeasurelength = nullptr;
};

class TStringAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TStringAttributeDialog(QWidget* parent = nullptr);
    StringFields fields;
    QCheckBox* Isfixed = nullptr;
    controls::TCardinalEdit* fixedlength = nullptr;

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
    QString shownValue() const override;
    void showValue(const QString& value) override;

private:
    void updateFixedLength();
};

class TOutputStringAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TOutputStringAttributeDialog(QWidget* parent = nullptr);
    StringFields fields;

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;
    QString shownValue() const override;
    void showValue(const QString& value) override;
};

class TOutputAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TOutputAttributeDialog(QWidget* parent = nullptr);
    QPlainTextEdit* OutputContent = nullptr;
    QPushButton* opentextfile = nullptr;

    // Loads a text file into OutputContent; false (content kept) when it cannot be read.
    bool loadTextFile(const QString& path);

protected:
    void showFields(const AttributeWindow& window) override;
    void takeFields(AttributeWindow& window) const override;

private:
    void openTextFile();
};

} // namespace olvide::forms
