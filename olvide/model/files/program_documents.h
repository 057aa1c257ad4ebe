#pragma once
// The file commands of the main window and the program space, without their dialogs: opening
// a program (its drawing file first, then the program file, and the functions it calls),
// saving with the ".BAK" copy, saving under a new name with the function references renamed,
// and closing with the questions about unsaved programs and the programs that call it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace olvide {

class Tprogramspace;
class Workspace;

// Opens the program of `path`: the open program of the same name (compared without regard to
// case) when there is one; otherwise a new program space read from the file. A missing file
// shows "函数打开错误,没有发现文件" + path + "!" and opens nothing. A damaged file shows where
// reading stopped; what was read before stays open. `error` (when given) receives the reason
// of a failure or of a damaged file.
Tprogramspace* openProgramFile(Workspace& workspace, const std::string& path,
                               std::string* error = nullptr);

// Installs the opener through which function elements read while loading open the program
// files they refer to.
void installProgramOpener(Workspace& workspace);

enum class SaveOutcome { Saved, Cancelled, Failed };

// Saves the program to its file, or, with `newPath`, under that name ("存盘" of a program
// without a file, or "另存为"): a name that another open program has gives "文件已经存在!",
// and the function elements of every open program that refer to the old name take the new
// one. When calls to this program were lost (callLinksIntact cleared) the user is asked first.
// The previous file is kept as ".BAK" and never lost if writing fails.
SaveOutcome saveProgram(Tprogramspace& program, const std::optional<std::string>& newPath = {},
                        std::string* error = nullptr, bool saveAs = false);

// The open programs as the document list shows them: sorted by their lower-case names (a
// program opened later under a name that sorts first comes first).
std::vector<Tprogramspace*> documentOrder(const Workspace& workspace);

// Asks for the path of a program that has no file yet; none cancels.
using PathChooser = std::function<std::optional<std::string>(Tprogramspace&)>;

// Closes a program: every program that calls it is told (and, when it has unsaved changes,
// offered a save first), an unsaved program asks Yes/No/Cancel. False when it stays open.
bool closeProgramFile(Tprogramspace& program, const PathChooser& choosePath);

} // namespace olvide
