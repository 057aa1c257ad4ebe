#include "olvide/editor/forms/operation_windows.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/form_text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace olvide::forms {
namespace {

constexpr int kBevelLeft = 8;
constexpr int kBevelTop = 8;
constexpr int kRowTop = kBevelTop + 16;
constexpr int kRowHeight = 22;
constexpr int kDeclarationWidth = 121;

} // namespace

TOperationWindow::TOperationWindow(QWidget* parent, int bevelWidth) : QDialog(parent) {
    setWindowTitle(QStringLiteral("对话"));
    setFont(formFont());
    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(kBevelLeft, kBevelTop, bevelWidth, 54);
    Operationdeclaration = new QLabel(this);
    Operationdeclaration->setAlignment(Qt::AlignCenter);
    Operationdeclaration->resize(kDeclarationWidth, kRowHeight);

    const int buttonsTop = kBevelTop + 54 + 12;
    const int right = kBevelLeft + bevelWidth;
    OKBtn = new QPushButton(QStringLiteral("确定"), this);
    OKBtn->setGeometry(right - 2 * 75 - 8, buttonsTop, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("取消"), this);
    CancelBtn->setGeometry(right - 75, buttonsTop, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(right + kBevelLeft, buttonsTop + 25 + 10);
}

void TOperationWindow::prepare(const ConstantRequest& request) {
    move(200, 200);
    setWindowTitle(screenText(request.caption));
    arrange(request.valueFirst);
    Operationdeclaration->setText(screenText(request.declaration));
    valueEdit().setText(screenText(request.initialText));
    valueEdit().selectAll();
    valueEdit().setFocus();
}

std::optional<std::string> TOperationWindow::ask(const ConstantRequest& request) {
    prepare(request);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return valueText();
}

std::string TOperationWindow::valueText() const {
    return modelText(valueEdit().text());
}

TNumberOperationWindow::TNumberOperationWindow(QWidget* parent)
    : TOperationWindow(parent, 2 * kDeclarationWidth + 1 + 2 * 8) {
    setObjectName(QStringLiteral("NumberOperationWindow"));
    NumberValue = new controls::TRealEdit(this);
    NumberValue->setObjectName(QStringLiteral("NumberValue"));
    NumberValue->resize(kDeclarationWidth, kRowHeight);
    arrange(false);
}

QLineEdit& TNumberOperationWindow::valueEdit() const {
    return *NumberValue;
}

void TNumberOperationWindow::arrange(bool valueFirst) {
    QWidget* first = valueFirst ? static_cast<QWidget*>(NumberValue) : Operationdeclaration;
    QWidget* second = valueFirst ? static_cast<QWidget*>(Operationdeclaration) : NumberValue;
    first->move(Bevel1->x() + 8, kRowTop);
    second->move(first->x() + first->width() + 1, kRowTop);
}

TStringOperationWindow::TStringOperationWindow(QWidget* parent)
    : TOperationWindow(parent, kDeclarationWidth + 8 + 177 + 2 * 14) {
    setObjectName(QStringLiteral("StringOperationWindow"));
    StringValue = new QLineEdit(this);
    StringValue->setObjectName(QStringLiteral("StringValue"));
    StringValue->resize(177, kRowHeight);
    for (QLabel** quote : {&Label1, &Label2}) {
        *quote = new QLabel(QStringLiteral("'"), this);
        QPalette palette = (*quote)->palette();
        palette.setColor(QPalette::WindowText, kNavy);
        (*quote)->setPalette(palette);
        QFont bold = formFont();
        bold.setBold(true);
        (*quote)->setFont(bold);
        (*quote)->resize(4, kRowHeight);
    }
    arrange(false);
}

QLineEdit& TStringOperationWindow::valueEdit() const {
    return *StringValue;
}

void TStringOperationWindow::arrange(bool valueFirst) {
    QWidget* first = valueFirst ? static_cast<QWidget*>(StringValue) : Operationdeclaration;
    QWidget* second = valueFirst ? static_cast<QWidget*>(Operationdeclaration) : StringValue;
    first->move(Bevel1->x() + 10, kRowTop);
    second->move(first->x() + first->width() + 8, kRowTop);
    Label1->move(StringValue->x() - 4, kRowTop);
    Label2->move(StringValue->x() + StringValue->width() + 4, kRowTop);
}

} // namespace olvide::forms
