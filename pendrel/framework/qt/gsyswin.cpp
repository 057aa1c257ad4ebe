#include "pendrel/framework/qt/gsyswin.h"

#include "pendrel/framework/qt/gdevwin.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <iostream>

class GSysWin::Dialogs : public GFileDialogs {
public:
    std::optional<std::string> Ask(const GFileRequest& request) override {
        QStringList filters;
        for (const auto& [name, pattern] : request.filters)
            filters << QString::fromStdString(name);
        QFileDialog dialog(nullptr, QString::fromStdString(request.title));
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(0));
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (request.mustExist) {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
        } else {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
            dialog.selectFile(QString::fromStdString(request.initialName));
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        std::string name = dialog.selectedFiles().first().toStdString();
        if (name.size() >= request.nameLimit) return std::nullopt;
        return name;
    }
};

class GSysWin::Clipboard : public GClipboard {
public:
    std::optional<std::string> Text() const override {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard == nullptr) return std::nullopt;
        const QString text = clipboard->text();
        if (text.isEmpty()) return std::nullopt;
        return text.toStdString();
    }
};

GSysWin::GSysWin()
    : dialogs_(std::make_unique<Dialogs>()), clipboard_(std::make_unique<Clipboard>()) {
    SetFileDialogs(dialogs_.get());
    SetClipboard(clipboard_.get());
}

GSysWin::~GSysWin() {
    SetClipboard(nullptr);
}

void GSysWin::ShowMessage(std::string_view message) {
    GSys::ShowMessage(message);
    std::cerr << "pendrel: " << message << "\n";
    if (!modalMessages_ || QApplication::instance() == nullptr) return;
    QWidget* parent = MainWindow() != nullptr ? MainWindow()->Frame() : nullptr;
    QMessageBox::warning(parent, QStringLiteral("pendrel"),
                         QString::fromUtf8(message.data(), static_cast<int>(message.size())));
}

void GSysWin::DisplayMenuState(int command, bool on) {
    if (GDevWin* main = MainWindow()) main->DisplayMenuState(command, on);
}

std::unique_ptr<GWindow> GSysWin::GetNewWindow(GGraphic* owner, long kind, long x, long y,
                                               long width, long height) {
    (void)owner;
    auto window = std::make_unique<GDevWin>(kind, x, y, width, height, MainWindow());
    if (kind == GWindow::kMainWindow && MainWindow() == nullptr) {
        main_ = window.get();
        mainAlive_ = window->Client();
    }
    return window;
}

void GSysWin::MainEventLoop() {
    QApplication::exec();
}

void GSysWin::ExitSystem() {
    GSys::ExitSystem();
    QApplication::quit();
}
