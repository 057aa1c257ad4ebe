#pragma once
// TfunctionAttributeDialog: a function element names another open program. The dialog lists
// the open programs; "选   择" takes the chosen one as the element's name and lists its main
// commanders, whose comment shows when one is chosen; "打开函数" opens a further program.
#include "olvide/editor/forms/varibler_dialog.h"

class QListWidget;

namespace olvide::forms {

class TfunctionAttributeDialog : public TvariblerAttributeDialog {
    Q_OBJECT

public:
    explicit TfunctionAttributeDialog(QWidget* parent = nullptr);

    // What the dialog asks of the open programs (names and texts in the code page), set by
    // whoever opens it.
    std::function<std::vector<std::string>()> openPrograms;
    std::function<std::vector<std::string>(std::string_view program)> commandersOf;
    std::function<std::vector<std::string>(std::string_view program, std::string_view commander)>
        commentOf;
    // "打开函数": opens a program (the main window's open command).
    std::function<void()> openProgram;

    QListWidget* FunctionListBox = nullptr;
    QPushButton* SelectBitBtn = nullptr;
    QPushButton* openfunction = nullptr;
    QListWidget* activecommander = nullptr;
    QPlainTextEdit* commanderComment = nullptr;

    // "选   择" with the chosen program.
    void selectChosen();

protected:
    void showFields(const AttributeWindow& window) override;

private:
    void listPrograms(const std::vector<std::string>& names);
    void listCommanders(const std::vector<std::string>& aliases);
    void updateSelect();
    void openFunction();
    void showComment();
};

} // namespace olvide::forms
