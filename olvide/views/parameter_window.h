#pragma once
// The parameter window "参数窗口": for the call step the step window shows, one picture per
// argument of the called commander; an argument is bound to an object of the calling program
// by choosing "输入" or "输出" on its picture and then picking the object in the program space.
#include "olvide/views/picture_row.h"
#include "olvide/views/view_hooks.h"

#include <QWidget>

#include <cstddef>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace olvide {
class TArgumentVaribler;
class TprogramVaribler;
class Tstep;
} // namespace olvide

namespace olvide::views {

class StepPictureView;
class StepWindow;

class ParameterWindow : public QWidget {
    Q_OBJECT

public:
    ParameterWindow(QWidget* mainWindow, ViewHooks hooks);
    ~ParameterWindow() override;

    void setStepWindow(StepWindow* window) { stepWindow_ = window; }

    // Brings the call step's parameters into line with the called commander's arguments,
    // shows their pictures and the window.
    void showCall(Tstep& callStep);
    // Frees the pictures and hides the window.
    void closePictures();

    const std::vector<std::unique_ptr<TArgumentVaribler>>& ArgumentPictures() const {
        return pictures_;
    }
    const std::vector<StepPictureView*>& pictureViews() const { return row_.views(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pressPicture(std::size_t index);
    void openMenu(std::size_t index, QPoint where);
    void startBinding(bool input);
    void bind(std::size_t index, bool input, TprogramVaribler& picked);
    bool callStepShown() const;

    ViewHooks hooks_;
    StepWindow* stepWindow_ = nullptr;
    Tstep* callStep_ = nullptr;
    std::vector<std::unique_ptr<TArgumentVaribler>> pictures_;
    PictureRow row_;
    std::size_t menuPicture_ = 0;
    QMenu* ArgumentPopupMenu = nullptr;
    QAction* ArgumentInput = nullptr;
    QAction* ArgumentOutput = nullptr;
};

} // namespace olvide::views
