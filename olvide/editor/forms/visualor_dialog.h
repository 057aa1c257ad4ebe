#pragma once
// TvisualorAttributeDialog: the base of every attribute dialog. It shows an object's attribute
// window (name, comment and what the kind adds), and on OK has the fields checked before it
// closes: a refusal shows its message, puts the focus on the offending field and keeps the
// dialog open. The fields are laid out in rows; rows whose fields are all hidden take no room.
#include "olvide/model/objects/attribute_window.h"

#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace olvide::forms {

// The field a refusal concerns.
enum class RefusedField { alias, bounds };

struct Refusal {
    std::string message; // code page
    RefusedField field = RefusedField::alias;
};

class TvisualorAttributeDialog : public QDialog {
    Q_OBJECT

public:
    explicit TvisualorAttributeDialog(QWidget* parent = nullptr);

    // Shows the window's fields; the window is kept, and what the dialog does not show goes
    // back unchanged.
    void fill(const AttributeWindow& window);
    // The window as the fields hold it now.
    AttributeWindow edited() const;

    // Checks the fields on OK; none lets the dialog close. Set by whoever opens the dialog.
    std::function<std::optional<Refusal>(const AttributeWindow&)> check;
    // Shows a refusal message (code page).
    std::function<void(std::string_view)> warn;

    QLabel* greetingIcon = nullptr;
    QLabel* greeting = nullptr;
    QLabel* aliasLabel = nullptr;
    QLineEdit* VisualorAlias = nullptr;
    QPlainTextEdit* VisualorComment = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void accept() override;

protected:
    // Row order of the common rows; the kinds put theirs in between.
    enum Row {
        greetingRow = 0,
        aliasRow = 10,
        arrayRow = 20,
        valueRow = 30,
        kindRows = 40,
        parameterRow = 80,
        commentRow = 90,
        buttonRow = 100,
    };
    static constexpr int kWidth = 440;
    static constexpr int kFieldLeft = 112; // fields start right of the labels

    // Puts widgets into a row of the given height (their x and width are their own; the row
    // decides y). A row may be given more widgets later.
    void addToRow(int row, std::vector<QWidget*> widgets, int height);
    // Places the rows top to bottom and fits the dialog's height.
    void relayout();
    // The greeting: the kind's icon and its words (UTF-8).
    void setGreeting(const char* words, const char* icon);
    // Each kind shows and takes its own fields; the base the name and comment.
    virtual void showFields(const AttributeWindow& window);
    virtual void takeFields(AttributeWindow& window) const;
    // The field to focus for a refusal.
    virtual QWidget* refusedField(RefusedField field);
    // Tells the user (through warn) and focuses the field.
    void refuse(const Refusal& refusal);

    void showEvent(QShowEvent* event) override;

private:
    struct RowWidgets {
        std::vector<QWidget*> widgets;
        int height = 0;
    };
    std::map<int, RowWidgets> rows_;
    AttributeWindow window_;
};

} // namespace olvide::forms
