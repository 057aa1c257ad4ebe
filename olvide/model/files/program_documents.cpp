#include "program_documents.h"

#include "olvide/model/codepage.h"
#include "olvide/model/files/drawing_file.h"
#include "olvide/model/files/file_store.h"
#include "olvide/model/files/program_file.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>
#include <filesystem>

namespace olvide {

namespace fs = std::filesystem;

namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// Reads the drawing file when it exists; its elements go to the program space in file order,
// before the program itself is read. A damaged file keeps what was read before the damage and
// says where reading stopped.
void readDrawing(Tprogramspace& program, const std::string& path) {
    const std::optional<fs::path> drawing = drawingPathFor(path);
    if (!drawing) return;
    const auto problem = [&](const std::string& what) {
        program.platform().warning(cp("图形文件读入出错: ") + what + " (" + drawing->string() +
                                   ")");
    };
    switch (fileKindOf(*drawing)) {
    case FileKind::Missing:
        return;
    case FileKind::Folder:
        return problem(cp("是文件夹,不是图形文件"));
    case FileKind::Special:
        return problem(cp("不是普通文件"));
    case FileKind::Regular:
        break;
    }
    std::string error;
    const std::optional<std::string> bytes = readWholeFile(*drawing, error);
    if (!bytes) return problem(error);
    DrawingReadResult result = readDrawingFile(*bytes);
    for (DrawingRecord& record : result.records)
        program.objects.paintElements.push_back(
            std::make_unique<StoredPaintElement>(std::move(record)));
    if (!result.error.empty())
        problem(result.error + cp(", 在第") + std::to_string(result.stoppedAt) + cp("字节处"));
}

// A new program space read from an existing file; none when the file cannot be read.
Tprogramspace* loadProgram(Workspace& workspace, const std::string& path, std::string* error) {
    std::string readError;
    const std::optional<std::string> bytes = readWholeFile(path, readError);
    if (!bytes) {
        setError(error, readError);
        return nullptr;
    }
    Tprogramspace& program = workspace.newProgram();
    // Named before reading, so that a function element naming this program (a function
    // calling itself, or a circle of functions) finds it open instead of opening it again.
    program.fileName = path;
    program.caption = programNameOf(path);
    readDrawing(program, path);
    RecordReader reader(*bytes);
    const ProgramReadResult result = readProgramfile(program, reader);
    if (result.headerOk && !result.error.empty()) {
        const std::string where = std::to_string(result.stoppedAt);
        program.platform().warning(cp("程序文件已损坏,在第") + where + cp("字节处停止读入: ") +
                                   result.error + " (" + path + ")");
    }
    if (!result.ok())
        setError(error, result.error + " at byte " + std::to_string(result.stoppedAt));
    if (!result.headerOk) {
        workspace.closeProgram(program);
        return nullptr;
    }
    program.modified = false;
    return &program;
}

} // namespace

Tprogramspace* openProgramFile(Workspace& workspace, const std::string& path, std::string* error) {
    if (Tprogramspace* open = workspace.findProgram(programNameOf(path))) return open;
    const FileKind kind = fileKindOf(path);
    switch (kind) {
    case FileKind::Missing:
        workspace.platform().warning(cp("函数打开错误,没有发现文件") + path + "!");
        break;
    case FileKind::Folder:
    case FileKind::Special:
        workspace.platform().warning(notAProgramFileWarning(path, kind == FileKind::Folder));
        break;
    case FileKind::Regular:
        break;
    }
    if (kind != FileKind::Regular) {
        setError(error, notAProgramFile(kind, path));
        return nullptr;
    }
    return loadProgram(workspace, path, error);
}

void installProgramOpener(Workspace& workspace) {
    workspace.setProgramOpener([](Workspace& ws, const std::string& path) -> Tprogramspace* {
        if (Tprogramspace* open = ws.findProgram(programNameOf(path))) return open;
        if (fileKindOf(path) != FileKind::Regular) return nullptr;
        return loadProgram(ws, path, nullptr);
    });
}

namespace {

void renameReferences(Workspace& workspace, Tprogramspace& renamed, const std::string& oldName,
                      const std::string& newName) {
    for (const auto& program : workspace.programs()) {
        for (const auto& element : program->objects.elements) {
            if (element->VisualorStyle != kind::Function) continue;
            if (!sameName(element->VisualorAlias, oldName)) continue;
            element->SetAlias(newName);
            program->modified = true;
        }
    }
    renamed.modified = true;
}

bool writeFiles(Tprogramspace& program, const std::string& path, std::string* error) {
    std::vector<DrawingRecord> records;
    records.reserve(program.objects.paintElements.size());
    for (const auto& element : program.objects.paintElements)
        records.push_back(element->record());
    const std::string drawing = drawingFileBytes(records);
    RecordWriter writer;
    writeProgramfile(program, writer);
    std::string why;
    const std::optional<fs::path> pegPath = drawingPathFor(path);
    const bool written = (!pegPath || replaceFile(*pegPath, drawing, why)) &&
                         keepBackup(path, why) && replaceFile(path, writer.bytes(), why);
    if (!written) {
        // Nothing was saved: the program still has unsaved changes.
        setError(error, why);
        program.modified = true;
    }
    return written;
}

} // namespace

SaveOutcome saveProgram(Tprogramspace& program, const std::optional<std::string>& newPath,
                        std::string* error, bool saveAs) {
    Workspace& workspace = program.workspace();
    std::string path = program.fileName;
    if (newPath) {
        const std::string newName = programNameOf(*newPath);
        Tprogramspace* open = workspace.findProgram(newName);
        if (open && open != &program) {
            program.platform().warning(cp("文件已经存在!"));
            return SaveOutcome::Cancelled;
        }
        path = *newPath;
    }
    if (path.empty()) return SaveOutcome::Cancelled;
    const std::string name = programNameOf(path);
    if (!program.callLinksIntact) {
        const std::string question = cp("保存Olvane函数[") + name +
                                     cp(saveAs ? "]将丢失一些函数调用信息!\r\n你确实要保存它吗?"
                                               : "]将会丢掉一些函数调用信息!\r\n你确实要保存它吗?");
        if (!program.platform().confirm(question)) return SaveOutcome::Cancelled;
    }
    if (newPath) {
        const std::string oldName = program.programName();
        if (!sameName(oldName, name)) renameReferences(workspace, program, oldName, name);
    }
    if (!writeFiles(program, path, error)) return SaveOutcome::Failed;
    program.fileName = path;
    program.caption = name;
    program.modified = false;
    return SaveOutcome::Saved;
}

std::vector<Tprogramspace*> documentOrder(const Workspace& workspace) {
    auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    std::vector<std::pair<std::string, Tprogramspace*>> named;
    for (const auto& program : workspace.programs())
        named.emplace_back(lower(program->programName()), program.get());
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Tprogramspace*> order;
    for (const auto& [name, program] : named)
        order.push_back(program);
    return order;
}

namespace {

bool callsProgram(const Tprogramspace& program, std::string_view name) {
    for (const auto& element : program.objects.elements)
        if (element->VisualorStyle == kind::Function && sameName(element->VisualorAlias, name))
            return true;
    return false;
}

SaveOutcome saveWithChooser(Tprogramspace& program, const PathChooser& choosePath) {
    if (!program.fileName.empty()) return saveProgram(program);
    std::optional<std::string> path = choosePath ? choosePath(program) : std::nullopt;
    if (!path) return SaveOutcome::Cancelled;
    return saveProgram(program, path);
}

} // namespace

bool closeProgramFile(Tprogramspace& program, const PathChooser& choosePath) {
    Workspace& workspace = program.workspace();
    const std::string name = program.programName();
    for (const auto& other : workspace.programs()) {
        if (other.get() == &program || !callsProgram(*other, name)) continue;
        if (other->modified) {
            const std::string otherName = other->programName();
            const std::string question =
                cp("Olvane函数[") + otherName +
                cp("]正在调用这个函数!\r\n你想在关闭这个函数之前保存函数[") + otherName + "]?";
            if (other->platform().askYesNo(question)) saveWithChooser(*other, choosePath);
        }
        other->callsClosing(name);
    }
    if (program.modified) {
        const std::string question = cp("文件[") + name + cp("]还没有存盘!\r\n你想保存它吗?");
        switch (program.platform().askYesNoCancel(question)) {
        case YesNoCancel::Cancel:
            return false;
        case YesNoCancel::Yes:
            if (saveWithChooser(program, choosePath) != SaveOutcome::Saved) return false;
            break;
        case YesNoCancel::No:
            break;
        }
    }
    workspace.closeProgram(program);
    return true;
}

} // namespace olvide
