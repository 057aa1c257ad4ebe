#include "olvide/editor/forms/text_dialogs.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>

namespace olvide::forms {
namespace {

bool validUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder.decode(QByteArrayView(bytes));
    return !decoder.hasError();
}

// The value row (caption, quotes, value) and the clip row.
StringFields makeStringFields(QWidget* dialog, const char* locateCaption,
                              const char* measureCaption, int left, QLabel*& locateLabel,
                              QLabel*& measureLabel) {
    StringFields f;
    f.StringValue = new QLineEdit(dialog);
    f.StringValue->setObjectName(QStringLiteral("StringValue"));
    f.StringValue->setGeometry(left + 8, 0, 220, 22);
    for (QLabel** quote : {&f.openingQuote, &f.closingQuote}) {
        *quote = new QLabel(QStringLiteral("'"), dialog);
        QPalette navy = (*quote)->palette();
        navy.setColor(QPalette::WindowText, kNavy);
        (*quote)->setPalette(navy);
        QFont bold = formFont();
        bold.setBold(true);
        (*quote)->setFont(bold);
    }
    f.openingQuote->setGeometry(left, 0, 6, 22);
    f.closingQuote->setGeometry(left + 8 + 220 + 3, 0, 6, 22);
    locateLabel = placeLabel(dialog, QString::fromUtf8(locateCaption), QRect(12, 0, 110, 22));
    f.ClipLocateposition = new controls::TRealEdit(dialog);
    f.ClipLocateposition->setObjectName(QStringLiteral("ClipLocateposition"));
    f.ClipLocateposition->setGeometry(124, 0, 60, 22);
    measureLabel = placeLabel(dialog, QString::fromUtf8(measureCaption), QRect(196, 0, 110, 22));
    f.clipMeasurelength = new controls::TRealEdit(dialog);
    f.clipMeasurelength->setObjectName(QStringLiteral("clipMeasurelength"));
    f.clipMeasurelength->setGeometry(308, 0, 60, 22);
    return f;
}

void showClip(const StringFields& f, const AttributeWindow& window) {
    f.ClipLocateposition->setText(screenText(window.ClipLocateposition));
    f.clipMeasurelength->setText(screenText(window.clipMeasurelength));
}

void takeClip(const StringFields& f, AttributeWindow& window) {
    window.ClipLocateposition = modelText(f.ClipLocateposition->text());
    window.clipMeasurelength = modelText(f.clipMeasurelength->text());
}

} // namespace

std::vector<std::string> textFileLines(std::string_view bytes) {
    const std::string text =
        validUtf8(bytes) ? modelText(QString::fromUtf8(QByteArrayView(bytes))) : std::string(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t cut = end;
        if (cut > start && text[cut - 1] == '\r') --cut;
        lines.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return lines;
}

TStringAttributeDialog::TStringAttributeDialog(QWidget* parent) : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("StringAttributeDialog"));
    setWindowTitle(QStringLiteral("字符串变量性质定义窗口"));
    setGreeting("嗨 , 我是字符串变量.", "strico.bmp");
    valueLabel->setText(QStringLiteral("初始值 :"));
    valueLabel->show();
    QLabel* locate = nullptr;
    QLabel* measure = nullptr;
    fields =
        makeStringFields(this, " 子串开始位置 : ", "     子串长度 :", kFieldLeft, locate, measure);
    addToRow(valueRow, {valueLabel, fields.openingQuote, fields.StringValue, fields.closingQuote},
             30);
    addToRow(kindRows, {locate, fields.ClipLocateposition, measure, fields.clipMeasurelength}, 30);
    Isfixed = new QCheckBox(QStringLiteral("  固定长度 :"), this);
    Isfixed->setObjectName(QStringLiteral("Isfixed"));
    Isfixed->setGeometry(12, 0, 110, 22);
    fixedlength = new controls::TCardinalEdit(this);
    fixedlength->setObjectName(QStringLiteral("fixedlength"));
    fixedlength->setGeometry(124, 0, 60, 22);
    addToRow(kindRows + 1, {Isfixed, fixedlength}, 30);
    watchValue(fields.StringValue);
    connect(Isfixed, &QCheckBox::toggled, this, [this] { updateFixedLength(); });
    // The fixed length follows the value, counted in code-page bytes.
    connect(fields.StringValue, &QLineEdit::textChanged, this, [this](const QString& text) {
        fixedlength->setText(QString::number(modelText(text).size()));
    });
    updateFixedLength();
    relayout();
}

void TStringAttributeDialog::updateFixedLength() {
    const bool on = Isfixed->isChecked();
    fixedlength->setEnabled(on);
    QPalette palette = fixedlength->palette();
    palette.setColor(QPalette::Base, on ? QColor(Qt::white) : kSilver);
    palette.setColor(QPalette::Text, on ? QColor(Qt::black) : kGrayText);
    palette.setColor(QPalette::Disabled, QPalette::Base, kSilver);
    palette.setColor(QPalette::Disabled, QPalette::Text, kGrayText);
    fixedlength->setPalette(palette);
}

void TStringAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    showClip(fields, window);
    Isfixed->setChecked(window.Isfixed);
    // Showing the value set the length from it; the stored length wins.
    fixedlength->setText(screenText(window.fixedlength));
    fields.StringValue->setEnabled(!window.outOfArrayRange);
}

void TStringAttributeDialog::takeFields(AttributeWindow& window) const {
    TvariblerAttributeDialog::takeFields(window);
    takeClip(fields, window);
    window.Isfixed = Isfixed->isChecked();
    window.fixedlength = modelText(fixedlength->text());
}

QString TStringAttributeDialog::shownValue() const {
    return fields.StringValue->text();
}

void TStringAttributeDialog::showValue(const QString& value) {
    fields.StringValue->setText(value);
}

TOutputStringAttributeDialog::TOutputStringAttributeDialog(QWidget* parent)
    : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("OutputStringAttributeDialog"));
    setWindowTitle(QStringLiteral("输出索引变量性质定义窗口"));
    setGreeting("嗨!我是输出索引变量...", "Ostrico.bmp");
    valueLabel->setText(QStringLiteral("初始值 :"));
    valueLabel->show();
    hideArrayFields();
    hideTemporaryAndParameters();
    QLabel* locate = nullptr;
    QLabel* measure = nullptr;
    fields = makeStringFields(this, "子串起始位置 : ", "子 串 长 度:", kFieldLeft, locate, measure);
    addToRow(valueRow, {valueLabel, fields.openingQuote, fields.StringValue, fields.closingQuote},
             30);
    addToRow(kindRows, {locate, fields.ClipLocateposition, measure, fields.clipMeasurelength}, 30);
    watchValue(fields.StringValue);
    relayout();
}

void TOutputStringAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    showClip(fields, window);
}

void TOutputStringAttributeDialog::takeFields(AttributeWindow& window) const {
    TvariblerAttributeDialog::takeFields(window);
    takeClip(fields, window);
}

QString TOutputStringAttributeDialog::shownValue() const {
    return fields.StringValue->text();
}

void TOutputStringAttributeDialog::showValue(const QString& value) {
    fields.StringValue->setText(value);
}

TOutputAttributeDialog::TOutputAttributeDialog(QWidget* parent) : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("OutputAttributeDialog"));
    setWindowTitle(QStringLiteral("输出变量性质定义窗口"));
    setGreeting("嗨 , 我是输出变量...", "outico.bmp");
    hideArrayFields();
    hideTemporaryAndParameters();
    OutputContent = new QPlainTextEdit(this);
    OutputContent->setObjectName(QStringLiteral("OutputContent"));
    OutputContent->setGeometry(12, 0, kWidth - 24, 140);
    OutputContent->setLineWrapMode(QPlainTextEdit::NoWrap);
    OutputContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OutputContent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addToRow(valueRow, {OutputContent}, 148);
    opentextfile = new QPushButton(QStringLiteral("打开文本文件"), this);
    opentextfile->setObjectName(QStringLiteral("opentextfile"));
    opentextfile->setGeometry(12, 0, 110, 25);
    addToRow(kindRows, {opentextfile}, 32);
    connect(opentextfile, &QPushButton::clicked, this, [this] { openTextFile(); });
    relayout();
}

void TOutputAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    QStringList lines;
    for (const std::string& line : window.OutputContent)
        lines.push_back(screenText(line));
    OutputContent->setPlainText(lines.join(QLatin1Char('\n')));
}

void TOutputAttributeDialog::takeFields(AttributeWindow& window) const {
    TvariblerAttributeDialog::takeFields(window);
    window.OutputContent.clear();
    const QString text = OutputContent->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n')))
            window.OutputContent.push_back(modelText(line));
}

bool TOutputAttributeDialog::loadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (const std::string& line : textFileLines(std::string_view(bytes.constData(), bytes.size())))
        lines.push_back(screenText(line));
    OutputContent->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

void TOutputAttributeDialog::openTextFile() {
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      QStringLiteral("*.txt (*.txt);;*.* (*)"));
    if (path.isEmpty()) return;
    if (!loadTextFile(path))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("无法打开文件 %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace olvide::forms
