#pragma once
// The constant-entry windows "对话" that ask for the operand "A" of an operation: a number
// (TNumberOperationWindow) or a string framed by two navy quotes (TStringOperationWindow). The
// value box stands before or after the operation text as the operation reads; Enter is OK.
#include "olvide/model/platform.h"

#include <QDialog>
#include <optional>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace olvide::controls {
class TRealEdit;
}

namespace olvide::forms {

class TOperationWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the window modally for the request; the typed text (code page) on OK.
    std::optional<std::string> ask(const ConstantRequest& request);
    // The same without showing: the window is set up for the request and the value box
    // focused, ready for open() or exec().
    void prepare(const ConstantRequest& request);
    // The value box's text in the code page.
    std::string valueText() const;

    QFrame* Bevel1 = nullptr;
    QLabel* Operationdeclaration = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    TOperationWindow(QWidget* parent, int bevelWidth);
    // The edit that holds the value.
    virtual QLineEdit& valueEdit() const = 0;
    // Places the declaration and the value box (and its quotes) in the bevel.
    virtual void arrange(bool valueFirst) = 0;
};

class TNumberOperationWindow : public TOperationWindow {
    Q_OBJECT

public:
    explicit TNumberOperationWindow(QWidget* parent = nullptr);
    controls::TRealEdit* NumberValue = nullptr;

protected:
    QLineEdit& valueEdit() const override;
    void arrange(bool valueFirst) override;
};

class TStringOperationWindow : public TOperationWindow {
    Q_OBJECT

public:
    explicit TStringOperationWindow(QWidget* parent = nullptr);
    QLineEdit* StringValue = nullptr;
    QLabel* Label1 = nullptr; // opening quote
    QLabel* Label2 = nullptr; // closing quote

protected:
    QLineEdit& valueEdit() const override;
    void arrange(bool valueFirst) override;
};

} // namespace olvide::forms
