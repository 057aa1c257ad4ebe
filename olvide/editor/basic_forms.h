#pragma once
// A plain control panel and plain entry dialogs: the nine add buttons in a tool window that
// stays on top, constants and indexes asked with input dialogs, and the alias of an object
// as its attribute window. The editor uses them when it is given no other forms.
#include "olvide/editor/forms_port.h"

#include <QWidget>
#include <array>

class QAbstractButton;

namespace olvide::editor {

class BasicControlPanel : public QWidget {
    Q_OBJECT
public:
    explicit BasicControlPanel(QWidget* parent);
    QAbstractButton* button(AddButton which) const;
    AddButton buttonDown() const;
    void release(AddButton which);
    bool addPending = false;

private:
    std::array<QAbstractButton*, 9> buttons_{};
};

class BasicForms final : public FormsPort {
public:
    explicit BasicForms(QWidget* mainWindow);

    std::optional<std::string> askNumber(const ConstantRequest& request) override;
    std::optional<std::string> askString(const ConstantRequest& request) override;
    std::optional<int> askIndex(std::string_view caption, int low, int high) override;
    bool editAttributes(TVisualor& object, Tprogramspace& program) override;
    AddButton buttonDown() const override { return panel_->buttonDown(); }
    void releaseButton(AddButton button) override { panel_->release(button); }
    void clearAddPending() override { panel_->addPending = false; }
    void showControlPanel() override;
    void showAbout() override;

    BasicControlPanel& controlPanel() const { return *panel_; }

private:
    QWidget* mainWindow_;
    BasicControlPanel* panel_; // owned by the main window
};

} // namespace olvide::editor
