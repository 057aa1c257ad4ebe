#include "editor_fixture.h"

#include "olvide/editor/file_commands.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/index_dialog.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/editor/forms/visualor_dialog.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QToolButton>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

namespace olvide::editor::testing {

void EditorTest::SetUp() {
    // The pictures are found in the working folder first: the one they were drawn into.
    if (const char* bin = std::getenv("OLVAN_BIN")) std::filesystem::current_path(bin);
    watchdog_ = std::make_unique<QTimer>();
    QObject::connect(watchdog_.get(), &QTimer::timeout, [this] { answerModal(); });
    watchdog_->start(5);
    frame_ = std::make_unique<Tmainframe>();
    // No file dialog may block a test: one that was not given a path cancels.
    frame_->files().chooseOpenPath = [] { return std::nullopt; };
    frame_->files().chooseSavePath = [] { return std::nullopt; };
    frame_->show();
    frame_->resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
}

void EditorTest::TearDown() {
    // Whatever is still open closes without questions.
    for (const auto& program : workspace().programs())
        program->modified = false;
    frame_.reset();
    watchdog_.reset();
    EXPECT_TRUE(answers_.empty()) << "a modal window that was expected never came";
}

void EditorTest::clickTool(const char* name) {
    QAbstractButton* button = frame_->toolButton(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

Tprogramspace& EditorTest::newProgram() {
    const std::size_t before = workspace().programs().size();
    clickTool("FileNew");
    EXPECT_EQ(workspace().programs().size(), before + 1);
    return *workspace().programs().back();
}

ProgramSpaceWindow& EditorTest::windowOf(const Tprogramspace& program) {
    ProgramSpaceWindow* window = frame_->windowOf(program);
    EXPECT_NE(window, nullptr);
    return *window;
}

void EditorTest::place(Tprogramspace& program, AddButton button, QPoint at) {
    QTest::mouseClick(controlPanel().button(button), Qt::LeftButton);
    QTest::mouseClick(&windowOf(program).canvas(), Qt::LeftButton, {}, at);
}

TVisualor* EditorTest::lastElement(Tprogramspace& program) {
    return program.objects.elements.empty() ? nullptr : program.objects.elements.back().get();
}

TMaincommander* EditorTest::lastMain(Tprogramspace& program) {
    const int n = program.objects.mainCommanderTotal();
    return n == 0 ? nullptr : program.objects.mainCommander(n - 1);
}

namespace {

ProgramSpaceWindow* windowShowing(Tmainframe& frame, const TVisualor& object) {
    ProgramSpaceWindow* window = frame.windowShowing(object);
    EXPECT_NE(window, nullptr);
    EXPECT_NE(window->viewOf(object), nullptr);
    return window;
}

} // namespace

void EditorTest::click(const TVisualor& object, Qt::MouseButton button) {
    ProgramSpaceWindow* window = windowShowing(*frame_, object);
    if (!window || !window->viewOf(object)) return;
    QWidget* picture = &window->viewOf(object)->picture();
    QTest::mouseClick(picture, button, {}, picture->rect().center());
}

void EditorTest::doubleClick(const TVisualor& object) {
    ProgramSpaceWindow* window = windowShowing(*frame_, object);
    if (!window || !window->viewOf(object)) return;
    QWidget* picture = &window->viewOf(object)->picture();
    const QPoint at = picture->rect().center();
    QTest::mousePress(picture, Qt::LeftButton, {}, at);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, at);
    QTest::mouseDClick(picture, Qt::LeftButton, {}, at);
}

QMenu* EditorTest::openMenu(const TVisualor& object) {
    click(object, Qt::RightButton);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

bool EditorTest::chooseFromMenu(const TVisualor& object, const std::vector<std::string>& path) {
    QMenu* menu = openMenu(object);
    if (!menu) return false;
    QAction* chosen = nullptr;
    QMenu* current = menu;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const QString name = QString::fromStdString(path[i]);
        if (i + 1 < path.size()) {
            QMenu* sub = current->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly);
            if (!sub || !sub->isEnabled()) break;
            current = sub;
            continue;
        }
        for (QAction* action : current->actions())
            if (action->objectName() == name && action->isEnabled()) chosen = action;
    }
    menu->close();
    if (!chosen) return false;
    chosen->trigger();
    return true;
}

void EditorTest::whenModal(std::function<void(QWidget*)> answer) {
    answers_.push_back(std::move(answer));
}

void EditorTest::answerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window already answered may take a moment to go.
    if (!modal || (modal == answered_ && modal->isVisible())) return;
    if (answers_.empty()) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected.push_back(box ? box->text() : modal->windowTitle());
        ADD_FAILURE() << "unexpected modal window: " << unexpected.back().toStdString();
        modal->close();
        return;
    }
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    answered_ = modal;
    // Forms are kept and shown again: once this showing ends, the next may be answered.
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(dialog, &QDialog::finished, [this, once] {
            answered_ = nullptr;
            QObject::disconnect(*once);
        });
    }
    // Answered from a call of its own: a box that the answer brings up (a refusal) is
    // answered while this one waits, and the watch timer cannot fire inside its own call.
    QTimer::singleShot(0, modal, [answer = std::move(answer), modal] { answer(modal); });
}

void EditorTest::answerBox(const char* button) {
    whenModal([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << "expected a message box, not " << modal->metaObject()->className();
            modal->close();
            return;
        }
        boxTexts.push_back(box->text());
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QString::fromUtf8(button)) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no button " << button << " in: " << box->text().toStdString();
        box->reject();
    });
}

void EditorTest::typeIntoDialog(const QString& text) {
    whenModal([text](QWidget* modal) {
        QLineEdit* edit = nullptr;
        QAbstractButton* ok = nullptr;
        if (auto* window = qobject_cast<forms::TOperationWindow*>(modal)) {
            edit = qobject_cast<QLineEdit*>(window->focusWidget());
            ok = window->OKBtn;
        } else if (auto* index = qobject_cast<forms::TIndexADialog*>(modal)) {
            edit = index->IndexValue;
            ok = index->OKBtn;
        } else if (auto* attributes = qobject_cast<forms::TvisualorAttributeDialog*>(modal)) {
            edit = attributes->VisualorAlias;
            ok = attributes->OkButton;
        }
        if (!edit || !ok) {
            ADD_FAILURE() << "expected an entry window, not " << modal->metaObject()->className();
            modal->close();
            return;
        }
        edit->selectAll();
        // Chinese text has no keys of its own: it comes as an input method would send it.
        edit->insert(text);
        ok->click();
    });
}

std::string temporaryPath(const std::string& name) {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() /
                     ("olvide-editor-test-" + std::to_string(QCoreApplication::applicationPid()));
        fs::create_directories(f);
        return f;
    }();
    return (folder / name).string();
}

} // namespace olvide::editor::testing
