// A tour of the desktop program for looking at it: every dialog opened by the action that opens
// it in the editor, and the step, parameter and flow windows next to the program space of the
// while-loop, arrays and factorial examples. Each picture is the screen as a user would see it:
// the windows drawn at their places, each under a caption bar.
//   olvide_editor_tour [--gtest_filter=...]   (pictures in $OLVAN_SCREENSHOTS, default
//                                              build/screenshots/tour)
#include "editor_fixture.h"

#include "olvide/editor/file_commands.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/views/flow_window.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/program_views.h"
#include "olvide/views/step_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <typeinfo>

namespace olvide::editor::testing {
namespace {

QDir pictureFolder() {
    const char* chosen = std::getenv("OLVAN_SCREENSHOTS");
    QDir folder(chosen ? QString::fromLocal8Bit(chosen) : QStringLiteral(OLVAN_TOUR_DIR));
    folder.mkpath(QStringLiteral("."));
    return folder;
}

constexpr int kCaptionBar = 20;

// One window as the desktop shows it: a caption bar with its title over what it shows.
void drawFramed(QPainter& p, QWidget& window, QPoint at) {
    const QPixmap inside = window.grab();
    const QRect outer(at.x() - 1, at.y() - kCaptionBar, inside.width() + 2,
                      inside.height() + kCaptionBar + 1);
    p.fillRect(outer, QColor(70, 95, 135));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(outer.adjusted(6, 0, 0, -inside.height() - 1), Qt::AlignVCenter,
               window.windowTitle());
    p.drawPixmap(at, inside);
}

// The screen: every shown top-level window at its place, the main window first, tool windows
// over it, modal windows on top.
QImage screen(const QWidget* modal = nullptr) {
    QImage image(1280, 800, QImage::Format_RGB32);
    image.fill(QColor(58, 110, 165));
    QPainter p(&image);
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w != modal &&
            !w->windowTitle().isEmpty())
            windows.push_back(w);
    auto rank = [](QWidget* w) {
        return qobject_cast<QMainWindow*>(w) ? 0 : (w->windowFlags() & Qt::Tool) ? 1 : 2;
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&](QWidget* a, QWidget* b) { return rank(a) < rank(b); });
    for (QWidget* w : windows)
        drawFramed(p, *w, w->geometry().topLeft() + QPoint(0, kCaptionBar));
    if (modal) {
        const QPoint centre(640 - modal->width() / 2, 400 - modal->height() / 2);
        drawFramed(p, *const_cast<QWidget*>(modal), centre);
    }
    return image;
}

void save(const QImage& image, const QString& name) {
    const QString path = pictureFolder().filePath(name + QStringLiteral(".png"));
    if (image.save(path))
        std::printf("%s\n", qPrintable(path));
    else
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

class Tour : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Beside the flow window and under the step window, at their own places.
        frame().move(262, 170);
        frame().resize(1010, 600);
    }

    // The next modal window is pictured on the screen, then cancelled.
    void pictureNextModal(const QString& name) {
        whenModal([name](QWidget* modal) {
            // Let it lay out and its animation draw a frame before it is taken.
            QTimer::singleShot(150, modal, [modal, name] {
                save(screen(modal), name);
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            });
        });
    }

    bool shown(const TVisualor& object) {
        ProgramSpaceWindow* window = frame().windowShowing(object);
        return window && window->viewOf(object);
    }

    // The first object of that kind the program's window shows.
    template <class T> T* firstOf(Tprogramspace& program) {
        for (const auto& e : program.objects.elements) {
            TVisualor& object = *e;
            auto* t = typeid(object) == typeid(T) ? static_cast<T*>(e.get()) : nullptr;
            if (t && shown(*t)) return t;
        }
        return nullptr;
    }

    Tprogramspace& open(const char* example) {
        Tprogramspace* program =
            frame().files().open(std::string(OLVIDE_EXAMPLES_DIR) + "/" + example + ".olv", true);
        EXPECT_NE(program, nullptr) << example;
        return *program;
    }

    // The main commander edited, with the step and flow windows on.
    void showViews(Tprogramspace& program) {
        click(*program.objects.mainCommander(0));
        clickTool("StepWindowOnoff");
        clickTool("FlowWindowOnoff");
        QTest::qWait(50);
    }

    void stepTool(const char* name, int times = 1) {
        auto* down =
            frame().views().stepWindow().findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(down, nullptr);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(down, Qt::LeftButton);
    }
};

TEST_F(Tour, AttributeDialogsOpenedByDoubleClick) {
    Tprogramspace& program = newProgram();
    const struct {
        AddButton button;
        const char* name;
    } kinds[] = {
        {AddButton::addMaincommander, "dialog-main-commander"},
        {AddButton::addNumber, "dialog-number"},
        {AddButton::addBoolean, "dialog-boolean"},
        {AddButton::addCondition, "dialog-condition"},
        {AddButton::addIteration, "dialog-iteration"},
        {AddButton::addString, "dialog-string"},
        {AddButton::addoutput, "dialog-output"},
        {AddButton::addFunction, "dialog-function"},
        {AddButton::addYin, "dialog-yin"},
    };
    int i = 0;
    for (const auto& kind : kinds) {
        place(program, kind.button, QPoint(100 + 150 * (i % 4), 60 + 140 * (i / 4)));
        ++i;
        TVisualor* placed = kind.button == AddButton::addMaincommander
                                ? static_cast<TVisualor*>(lastMain(program))
                                : lastElement(program);
        ASSERT_NE(placed, nullptr) << kind.name;
        pictureNextModal(QString::fromLatin1(kind.name));
        doubleClick(*placed);
        QTest::qWait(300);
    }
    save(screen(), QStringLiteral("objects-placed"));
}

TEST_F(Tour, EntryWindowsAndIndexDialogFromMenus) {
    Tprogramspace& program = open("arrays");
    click(*program.objects.mainCommander(0));
    auto* number = firstOf<TprogramNumber>(program);
    ASSERT_NE(number, nullptr);
    pictureNextModal(QStringLiteral("entry-number-constant"));
    ASSERT_TRUE(chooseFromMenu(*number, {"numberSetA"}));
    QTest::qWait(300);

    auto* array = firstOf<TprogramArray>(program);
    ASSERT_NE(array, nullptr);
    pictureNextModal(QStringLiteral("entry-index"));
    ASSERT_TRUE(chooseFromMenu(*array, {"IndexArray", "ConstantIndex"}));
    QTest::qWait(300);

    Tprogramspace& strings = open("strings");
    click(*strings.objects.mainCommander(0));
    auto* text = firstOf<TprogramString>(strings);
    ASSERT_NE(text, nullptr);
    pictureNextModal(QStringLiteral("entry-string-constant"));
    ASSERT_TRUE(chooseFromMenu(*text, {"StringSetA"}));
    QTest::qWait(300);
}

TEST_F(Tour, AboutBoxes) {
    pictureNextModal(QStringLiteral("about-olvane"));
    frame().AboutOlvane1Click();
    QTest::qWait(300);
    frame().AboutAuthor1Click(); // a window of its own, not a modal one
    QTest::qWait(300);
    save(screen(), QStringLiteral("about-author"));
}

TEST_F(Tour, ViewsBesideTheProgramSpace) {
    for (const char* example : {"while_loop", "arrays"}) {
        Tprogramspace& program = open(example);
        showViews(program);
        stepTool("StepHeadSpeedButton");
        stepTool("stepDownSpeedButton", 2);
        save(screen(), QStringLiteral("views-") + QString::fromLatin1(example));
        clickTool("StepWindowOnoff");
        clickTool("FlowWindowOnoff");
    }
    // The factorial's call of itself in its loop's body, with its parameters.
    Tprogramspace& program = open("factorial");
    showViews(program);
    auto* loop = firstOf<TprogramIteration>(program);
    ASSERT_NE(loop, nullptr);
    if (!shown(*loop->ForCommander)) {
        ASSERT_TRUE(chooseFromMenu(*loop, {"IterationParameter", "IterationShowForman"}));
    }
    click(*loop->ForCommander);
    views::StepWindow& steps = frame().views().stepWindow();
    stepTool("StepHeadSpeedButton");
    for (int i = 0; i < 40 && steps.ShownStep() && steps.ShownStep()->StepKind != stepkind::Call;
         ++i)
        stepTool("stepDownSpeedButton");
    ASSERT_TRUE(steps.ShownStep() && steps.ShownStep()->StepKind == stepkind::Call)
        << (steps.commander() ? steps.commander()->stepCount() : -1) << " "
        << (program.edit.activeCommander == loop->ForCommander);
    QTest::qWait(50);
    EXPECT_TRUE(frame().views().parameterWindow().isVisible());
    save(screen(), QStringLiteral("views-factorial"));
}

} // namespace
} // namespace olvide::editor::testing
