#pragma once
// The open programs of one session (the main window's document list), the platform they all
// use, the running flag and the shared list of objects pending release.
#include "olvide/model/platform.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace olvide {

class Tprogramspace;
class TVisualor;
class TprogramVaribler;

class Workspace {
public:
    explicit Workspace(Platform& platform);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Platform& platform() const { return platform_; }

    // A program is running (set by run control).
    bool Running = false;

    // Opens a new, empty program space (appended to the document list).
    Tprogramspace& newProgram();
    // Frees a program space (it must be one of this workspace's).
    void closeProgram(Tprogramspace& program);
    const std::vector<std::unique_ptr<Tprogramspace>>& programs() const { return programs_; }
    // The open program of that name (file name without folder and extension, or caption),
    // compared without regard to letter case.
    Tprogramspace* findProgram(std::string_view name) const;
    // The open program that holds the object; none for an object of no open program.
    Tprogramspace* programOf(const TVisualor& object) const;
    Tprogramspace* activeProgram = nullptr;

    // Objects taken out of a program while something may still refer to them; freed by
    // releasePending (before a save, when a commander is activated, after a deletion, when a
    // program closes).
    std::vector<std::unique_ptr<TVisualor>> pendingRelease;
    void releasePending();

    // Opening a function's program file while a program is read. The program-file reader
    // installs the opener; openFunction returns the open program of the path's name, or
    // opens it, or shows "函数打开错误,文件没发现!" and clears the caller's callLinksIntact
    // when the file does not exist.
    using ProgramOpener = std::function<Tprogramspace*(Workspace&, const std::string& path)>;
    void setProgramOpener(ProgramOpener opener) { opener_ = std::move(opener); }
    Tprogramspace* openFunction(const std::string& path, Tprogramspace& caller);

    // An element is going away: every call binding of every program that refers to it is
    // dropped.
    void forgetElement(const TprogramVaribler* element);
    // The same for every element the test picks, in one pass over the call steps.
    void forgetElementsWhere(const std::function<bool(const TprogramVaribler*)>& going);

private:
    Platform& platform_;
    std::vector<std::unique_ptr<Tprogramspace>> programs_;
    ProgramOpener opener_;
};

// The warning for a program path that names a folder ("是文件夹") or something else that is no
// regular file ("不是普通文件"), in the code page.
std::string notAProgramFileWarning(const std::string& path, bool folder);

// The program name of a path: the file name without folder and extension.
std::string programNameOf(std::string_view path);

} // namespace olvide
