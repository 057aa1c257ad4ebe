#pragma once
// The function list "函数列表": the names of the open programs in the order of the main
// window's document list (sorted by their lower-case names), the active one selected. A
// click on a name brings that program to the front.
#include <QWidget>
#include <functional>
#include <vector>

class QListWidget;

namespace olvide {
class Tprogramspace;
}

namespace olvide::editor {

class DocumentListWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentListWindow(QWidget* parent);

    // Shows the programs in this order and selects `active` (none: no selection).
    void setDocuments(const std::vector<Tprogramspace*>& order, const Tprogramspace* active);
    QListWidget& list() const { return *list_; }
    std::function<void(Tprogramspace&)> onChosen;

private:
    QListWidget* list_;
    std::vector<Tprogramspace*> order_;
};

} // namespace olvide::editor
