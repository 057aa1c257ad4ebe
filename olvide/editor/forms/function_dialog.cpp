#include "olvide/editor/forms/function_dialog.h"

#include "olvide/editor/forms/form_text.h"
#include "olvide/model/objects/visualor.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace olvide::forms {

TfunctionAttributeDialog::TfunctionAttributeDialog(QWidget* parent)
    : TvariblerAttributeDialog(parent) {
    setObjectName(QStringLiteral("functionAttributeDialog"));
    setWindowTitle(QStringLiteral("函数变量性质定义窗口"));
    setGreeting("嗨!我是函数变量...", "funico.bmp");
    hideArrayFields();
    hideTemporaryAndParameters();

    FunctionListBox = new QListWidget(this);
    FunctionListBox->setObjectName(QStringLiteral("FunctionListBox"));
    FunctionListBox->setGeometry(kFieldLeft, 0, 190, 90);
    auto* programs =
        placeLabel(this, QStringLiteral("函数列表:"), QRect(12, 0, kFieldLeft - 14, 22));
    SelectBitBtn = new QPushButton(QStringLiteral("选   择"), this);
    SelectBitBtn->setObjectName(QStringLiteral("SelectBitBtn"));
    SelectBitBtn->setGeometry(kFieldLeft + 200, 0, 90, 25);
    openfunction = new QPushButton(QStringLiteral("打开函数"), this);
    openfunction->setObjectName(QStringLiteral("openfunction"));
    openfunction->setGeometry(kFieldLeft + 200, 0, 90, 25);
    addToRow(kindRows, {programs, FunctionListBox}, 98);

    auto* commanders =
        placeLabel(this, QStringLiteral("主流程Olvan:"), QRect(12, 0, kFieldLeft - 14, 22));
    activecommander = new QListWidget(this);
    activecommander->setObjectName(QStringLiteral("activecommander"));
    activecommander->setGeometry(kFieldLeft, 0, 140, 70);
    commanderComment = new QPlainTextEdit(this);
    commanderComment->setReadOnly(true);
    commanderComment->setGeometry(kFieldLeft + 148, 0, kWidth - kFieldLeft - 160, 70);
    addToRow(kindRows + 1, {commanders, activecommander, commanderComment}, 78);

    connect(FunctionListBox, &QListWidget::currentRowChanged, this, [this] { updateSelect(); });
    connect(SelectBitBtn, &QPushButton::clicked, this, [this] { selectChosen(); });
    connect(openfunction, &QPushButton::clicked, this, [this] { openFunction(); });
    connect(activecommander, &QListWidget::currentRowChanged, this, [this] { showComment(); });
    relayout();
}

void TfunctionAttributeDialog::showFields(const AttributeWindow& window) {
    TvariblerAttributeDialog::showFields(window);
    listPrograms(window.FunctionListBox);
    listCommanders(window.activecommander);
    // The buttons stand beside the program list.
    relayout();
    SelectBitBtn->move(SelectBitBtn->x(), FunctionListBox->y());
    openfunction->move(openfunction->x(), FunctionListBox->y() + 32);
}

void TfunctionAttributeDialog::listPrograms(const std::vector<std::string>& names) {
    FunctionListBox->clear();
    const QString alias = VisualorAlias->text();
    for (const std::string& name : names) {
        FunctionListBox->addItem(screenText(name));
        if (screenText(name).compare(alias, Qt::CaseInsensitive) == 0)
            FunctionListBox->setCurrentRow(FunctionListBox->count() - 1);
    }
    updateSelect();
}

void TfunctionAttributeDialog::listCommanders(const std::vector<std::string>& aliases) {
    activecommander->clear();
    commanderComment->clear();
    for (const std::string& alias : aliases)
        activecommander->addItem(screenText(oneLine(alias)));
}

void TfunctionAttributeDialog::updateSelect() {
    // A chosen program can always be taken; the element's own program is chosen from the start.
    SelectBitBtn->setEnabled(FunctionListBox->currentRow() >= 0 && VisualorAlias->isEnabled());
}

void TfunctionAttributeDialog::selectChosen() {
    const QListWidgetItem* chosen = FunctionListBox->currentItem();
    if (!chosen) return;
    VisualorAlias->setText(chosen->text());
    listCommanders(commandersOf ? commandersOf(modelText(chosen->text()))
                                : std::vector<std::string>{});
}

void TfunctionAttributeDialog::openFunction() {
    if (openProgram) openProgram();
    if (openPrograms) listPrograms(openPrograms());
}

void TfunctionAttributeDialog::showComment() {
    commanderComment->clear();
    const QListWidgetItem* program = FunctionListBox->currentItem();
    const QListWidgetItem* commander = activecommander->currentItem();
    if (!program || !commander || !commentOf) return;
    QStringList lines;
    for (const std::string& line :
         commentOf(modelText(program->text()), modelText(commander->text())))
        lines.push_back(screenText(line));
    commanderComment->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace olvide::forms
