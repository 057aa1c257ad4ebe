#pragma once
// TIndexADialog: asks for an index within the limits it shows ("范围 :" low "~" high). A value
// outside the limits is refused with "This Value is out of range!" and the box keeps the focus.
// Enter anywhere in it is OK (the default button).
#include <QDialog>
#include <optional>
#include <string_view>

class QLabel;
class QPushButton;

namespace olvide::controls {
class TCardinalEdit;
}

namespace olvide::forms {

class TIndexADialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString kOutOfRange = QStringLiteral("This Value is out of range!");

    explicit TIndexADialog(QWidget* parent = nullptr);

    // Shows the dialog modally; the accepted index, none when cancelled.
    std::optional<int> ask(std::string_view caption, int low, int high);
    // The same set-up without showing (caption in the code page).
    void prepare(std::string_view caption, int low, int high);

    controls::TCardinalEdit* IndexValue = nullptr;
    QLabel* Lowlimit = nullptr;
    QLabel* Highlimit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

public slots:
    // OK and Enter: closes only with a value within the limits.
    void accept() override;
};

} // namespace olvide::forms
