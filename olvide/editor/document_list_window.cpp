#include "document_list_window.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/space/programspace.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace olvide::editor {

DocumentListWindow::DocumentListWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), list_(new QListWidget(this)) {
    setWindowTitle(ui("函数列表"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setFont(controls::olvanFont(ui("宋体"), 10));
    resize(160, 220);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (row >= 0 && row < static_cast<int>(order_.size()) && onChosen) onChosen(*order_[row]);
    });
}

void DocumentListWindow::setDocuments(const std::vector<Tprogramspace*>& order,
                                      const Tprogramspace* active) {
    order_ = order;
    list_->clear();
    for (const Tprogramspace* program : order)
        list_->addItem(fromCodePage(program->programName()));
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == active) list_->setCurrentRow(static_cast<int>(i));
}

} // namespace olvide::editor
