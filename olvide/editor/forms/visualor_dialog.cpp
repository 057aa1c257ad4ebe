#include "olvide/editor/forms/visualor_dialog.h"

#include "olvide/editor/forms/form_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace olvide::forms {

TvisualorAttributeDialog::TvisualorAttributeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("visualorAttributeDialog"));
    setWindowTitle(QStringLiteral("Visualor Attribute Dialog"));
    setFont(formFont());

    greetingIcon = new QLabel(this);
    greetingIcon->setGeometry(12, 0, 32, 32);
    greeting = new QLabel(this);
    greeting->setGeometry(52, 0, kWidth - 64, 32);
    QFont words = formFont();
    words.setPointSize(11);
    words.setBold(true);
    greeting->setFont(words);
    QPalette navy = greeting->palette();
    navy.setColor(QPalette::WindowText, kNavy);
    greeting->setPalette(navy);
    addToRow(greetingRow, {greetingIcon, greeting}, 40);
    greetingIcon->hide();
    greeting->hide();

    aliasLabel = placeLabel(this, QStringLiteral("名称 :"), QRect(12, 0, kFieldLeft - 14, 22));
    VisualorAlias = new QLineEdit(this);
    VisualorAlias->setObjectName(QStringLiteral("VisualorAlias"));
    VisualorAlias->setGeometry(kFieldLeft, 0, 170, 22);
    addToRow(aliasRow, {aliasLabel, VisualorAlias}, 30);

    VisualorComment = new QPlainTextEdit(this);
    VisualorComment->setObjectName(QStringLiteral("VisualorComment"));
    VisualorComment->setGeometry(12, 0, kWidth - 24, 56);
    VisualorComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    VisualorComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette tip = VisualorComment->palette();
    tip.setColor(QPalette::Base, kInfoTip);
    VisualorComment->setPalette(tip);
    addToRow(commentRow, {VisualorComment}, 64);

    OkButton = new QPushButton(QStringLiteral("确定"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(kWidth - 12 - 2 * 75 - 10, 0, 75, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("取消"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(kWidth - 12 - 75, 0, 75, 25);
    addToRow(buttonRow, {OkButton, CancelButton}, 33);
    connect(OkButton, &QPushButton::clicked, this, &TvisualorAttributeDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    relayout();
}

void TvisualorAttributeDialog::addToRow(int row, std::vector<QWidget*> widgets, int height) {
    RowWidgets& r = rows_[row];
    r.widgets.insert(r.widgets.end(), widgets.begin(), widgets.end());
    r.height = std::max(r.height, height);
}

void TvisualorAttributeDialog::relayout() {
    int y = 10;
    for (auto& [order, row] : rows_) {
        bool shown = false;
        for (QWidget* w : row.widgets)
            shown = shown || w->isVisibleTo(this);
        if (!shown) continue;
        for (QWidget* w : row.widgets)
            w->move(w->x(), y + (row.height - w->height()) / 2);
        y += row.height;
    }
    setFixedSize(kWidth, y + 6);
}

void TvisualorAttributeDialog::setGreeting(const char* words, const char* icon) {
    greeting->setText(QString::fromUtf8(words));
    greeting->show();
    const QImage picture = loadPicture(icon);
    greetingIcon->setPixmap(QPixmap::fromImage(picture));
    greetingIcon->setVisible(!picture.isNull());
}

void TvisualorAttributeDialog::fill(const AttributeWindow& window) {
    window_ = window;
    showFields(window);
    relayout();
}

AttributeWindow TvisualorAttributeDialog::edited() const {
    AttributeWindow window = window_;
    takeFields(window);
    return window;
}

void TvisualorAttributeDialog::showFields(const AttributeWindow& window) {
    VisualorAlias->setText(screenText(window.VisualorAlias));
    VisualorAlias->setEnabled(window.aliasEnabled);
    QStringList lines;
    for (const std::string& line : window.VisualorComment)
        lines.push_back(screenText(line));
    VisualorComment->setPlainText(lines.join(QLatin1Char('\n')));
    VisualorComment->setEnabled(window.commentEnabled);
}

void TvisualorAttributeDialog::takeFields(AttributeWindow& window) const {
    window.VisualorAlias = modelText(VisualorAlias->text());
    window.VisualorComment.clear();
    const QString comment = VisualorComment->toPlainText();
    if (!comment.isEmpty())
        for (const QString& line : comment.split(QLatin1Char('\n')))
            window.VisualorComment.push_back(modelText(line));
}

QWidget* TvisualorAttributeDialog::refusedField(RefusedField) {
    return VisualorAlias;
}

void TvisualorAttributeDialog::refuse(const Refusal& refusal) {
    if (warn) warn(refusal.message);
    if (QWidget* field = refusedField(refusal.field)) field->setFocus();
}

void TvisualorAttributeDialog::accept() {
    const AttributeWindow window = edited();
    if (check) {
        if (const std::optional<Refusal> refusal = check(window)) {
            refuse(*refusal);
            return;
        }
    }
    window_ = window;
    QDialog::accept();
}

void TvisualorAttributeDialog::showEvent(QShowEvent* event) {
    relayout();
    QDialog::showEvent(event);
}

} // namespace olvide::forms
