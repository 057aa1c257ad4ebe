#pragma once
// The file commands of the main window and the program spaces around the model's own opening
// and saving: the file dialogs (titled and filtered as the program's), bringing an open
// program to the front instead of opening it twice, the message of a damaged or unwritable
// file, and the captions and document list after a save under a new name.
#include <functional>
#include <optional>
#include <string>

namespace olvide {
class Tprogramspace;
}

namespace olvide::editor {

class ProgramSpaceWindow;
class Tmainframe;

class FileCommands {
public:
    explicit FileCommands(Tmainframe& frame);

    // The open and save dialogs; tests put their own choices here. None cancels.
    std::function<std::optional<std::string>()> chooseOpenPath;
    std::function<std::optional<std::string>()> chooseSavePath;

    // Opens a program file as "打开" does after its dialog. An open program of the same name
    // (in any case) is only brought to the front. None when nothing could be opened (its
    // message was shown).
    Tprogramspace* open(const std::string& path, bool show = true);
    // "存盘": to the program's file, or, for a program without one, to the file chosen.
    bool save(ProgramSpaceWindow& window);
    // "另存为": always to a file chosen.
    bool saveAs(ProgramSpaceWindow& window);

private:
    bool saveTo(ProgramSpaceWindow& window, const std::optional<std::string>& path, bool saveAs);

    Tmainframe& frame_;
};

// The path with the extension ".olv" added when it has none (the dialogs' default extension).
std::string withDefaultExtension(const std::string& path);

} // namespace olvide::editor
