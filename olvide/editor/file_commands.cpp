#include "file_commands.h"

#include "olvide/editor/main_window.h"
#include "olvide/editor/programspace_window.h"
#include "olvide/editor/qt_platform.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/codepage.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <QFileDialog>
#include <filesystem>

namespace olvide::editor {

namespace fs = std::filesystem;

std::string withDefaultExtension(const std::string& path) {
    if (path.empty() || fs::path(path).has_extension()) return path;
    return path + ".olv";
}

FileCommands::FileCommands(Tmainframe& frame) : frame_(frame) {
    chooseOpenPath = [this]() -> std::optional<std::string> {
        const QString path =
            QFileDialog::getOpenFileName(&frame_, ui("打开Olvane文件"), QString(),
                                         QStringLiteral("Olvane program (*.olv *.OLV)"));
        if (path.isEmpty()) return std::nullopt;
        return path.toStdString();
    };
    chooseSavePath = [this]() -> std::optional<std::string> {
        // The dialog asks before overwriting a file.
        const QString path =
            QFileDialog::getSaveFileName(&frame_, ui("当前Olvane程序存为"), QString(),
                                         QStringLiteral("Olvane program (*.OLV *.olv)"));
        if (path.isEmpty()) return std::nullopt;
        return withDefaultExtension(path.toStdString());
    };
}

Tprogramspace* FileCommands::open(const std::string& path, bool show) {
    Workspace& workspace = frame_.workspace();
    if (Tprogramspace* open = workspace.findProgram(programNameOf(path))) {
        if (show) frame_.bringToFront(*open);
        return open;
    }
    frame_.setUpdatesEnabled(false);
    const int messagesBefore = frame_.platform().messagesShown();
    std::string error;
    Tprogramspace* program = openProgramFile(workspace, path, &error);
    frame_.adoptNewPrograms(show);
    frame_.setUpdatesEnabled(true);
    // A file that could not even be read gets the reason; the reader reports everything else.
    if (!program && frame_.platform().messagesShown() == messagesBefore)
        workspace.platform().warning(cp("程序文件无法读入: ") + error + " (" + path + ")");
    if (program) frame_.refreshDocuments();
    return program;
}

bool FileCommands::save(ProgramSpaceWindow& window) {
    Tprogramspace* program = window.program();
    if (!program) return false;
    std::optional<std::string> path;
    if (program->fileName.empty()) {
        path = chooseSavePath();
        if (!path) return false;
    }
    return saveTo(window, path, false);
}

bool FileCommands::saveAs(ProgramSpaceWindow& window) {
    if (!window.program()) return false;
    const std::optional<std::string> path = chooseSavePath();
    if (!path) return false;
    return saveTo(window, path, true);
}

bool FileCommands::saveTo(ProgramSpaceWindow& window, const std::optional<std::string>& path,
                          bool saveAs) {
    Tprogramspace& program = *window.program();
    // Stored positions are absolute: the canvas goes back to its origin first.
    window.scrollToOrigin();
    program.workspace().releasePending();
    std::string error;
    const SaveOutcome outcome = saveProgram(program, path, &error, saveAs);
    if (outcome == SaveOutcome::Failed)
        program.platform().warning(cp("存盘出错,文件没有保存: ") + error);
    if (outcome != SaveOutcome::Saved) return false;
    window.refreshCaption();
    frame_.refreshDocuments();
    return true;
}

} // namespace olvide::editor
