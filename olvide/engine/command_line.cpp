#include "command_line.h"

#include "olvide/engine/console_platform.h"
#include "olvide/engine/interpreter.h"
#include "olvide/engine/program_dump.h"
#include "olvide/model/codepage.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace olvide {

namespace {

constexpr const char* kUsage =
    "usage: olvide [--no-splash] [FILE.olv...]\n"
    "       olvide --run FILE.olv [--main NAME] [--set NAME=VALUE]... [--max-steps N] [--values]\n"
    "       olvide --dump FILE.olv\n"
    "       olvide --help\n";

constexpr const char* kHelp =
    "olvide: the Olvane flowchart environment. Without a mode below it is the desktop\n"
    "program: it shows its splash (not with --no-splash) and opens every FILE.olv named.\n"
    "\n"
    "  --run FILE.olv       load the program (and the functions it calls) and run its first\n"
    "                       main commander until the program ends\n"
    "    --main NAME        run the main commander NAME instead\n"
    "    --set NAME=VALUE   start value of the element NAME for that commander (repeatable)\n"
    "    --max-steps N      stop after N executed steps\n"
    "    --values           after the outputs, print every number, boolean and string\n"
    "  --dump FILE.olv      print the program: elements, constants, commanders and steps\n"
    "  --help               print this text\n"
    "\n"
    "--run prints every output of the program as a line [ALIAS] followed by its lines; messages\n"
    "go to the error stream.\n"
    "\n"
    "Exit status:\n"
    "  0  the program ended (--dump: the program was printed)\n"
    "  1  a bad option, or a program file that cannot be read: missing, a folder or a device,\n"
    "     or damaged\n"
    "  2  a step stopped the run with an error, calls or flows nested too deep among them\n"
    "  3  --max-steps stopped the run\n";

struct RunOptions {
    std::string file;
    std::string main;
    std::vector<std::pair<std::string, std::string>> sets;
    std::int64_t maxSteps = 0;
    bool values = false;
};

int badInput(std::ostream& err, const std::string& reason) {
    err << "olvide: " << reason << '\n';
    return kExitBadInput;
}

std::optional<RunOptions> parseRun(const std::vector<std::string>& args, std::string& reason) {
    RunOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* option) -> const std::string* {
            if (i + 1 >= args.size()) {
                reason = std::string(option) + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--run") {
            const std::string* v = value("--run");
            if (!v) return std::nullopt;
            o.file = *v;
        } else if (a == "--main") {
            const std::string* v = value("--main");
            if (!v) return std::nullopt;
            o.main = *v;
        } else if (a == "--set") {
            const std::string* v = value("--set");
            if (!v) return std::nullopt;
            const std::size_t eq = v->find('=');
            if (eq == std::string::npos || eq == 0) {
                reason = "--set needs NAME=VALUE, not \"" + *v + "\"";
                return std::nullopt;
            }
            o.sets.emplace_back(v->substr(0, eq), v->substr(eq + 1));
        } else if (a == "--max-steps") {
            const std::string* v = value("--max-steps");
            if (!v) return std::nullopt;
            auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), o.maxSteps);
            if (ec != std::errc() || end != v->data() + v->size() || o.maxSteps <= 0) {
                reason = "--max-steps needs a positive whole number, not \"" + *v + "\"";
                return std::nullopt;
            }
        } else if (a == "--values") {
            o.values = true;
        } else {
            reason = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (o.file.empty()) {
        reason = "--run needs a program file";
        return std::nullopt;
    }
    return o;
}

// Opens the program; none (with the reason) when it cannot be read completely.
Tprogramspace* open(Workspace& workspace, const std::string& file, std::string& reason) {
    std::string error;
    Tprogramspace* program = openProgramFile(workspace, file, &error);
    if (!program) {
        reason = "cannot read " + file + (error.empty() ? "" : ": " + error);
        return nullptr;
    }
    if (!error.empty()) {
        reason = file + " is damaged: " + error;
        return nullptr;
    }
    return program;
}

void printRun(const Tprogramspace& program, bool values, std::ostream& out) {
    for (const auto& element : program.objects.elements) {
        const auto* output = dynamic_cast<const TprogramOutput*>(element.get());
        if (!output) continue;
        out << '[' << toUtf8(oneLine(output->VisualorAlias)) << "]\n";
        for (const std::string& line : output->lines())
            out << toUtf8(line) << '\n';
    }
    if (!values) return;
    for (const auto& element : program.objects.elements) {
        const std::uint8_t k = element->VisualorStyle;
        if (k != kind::Number && k != kind::Boolean && k != kind::String) continue;
        if (element->IsTemp || element->IsDerived) continue;
        out << toUtf8(oneLine(element->VisualorAlias)) << " = " << toUtf8(element->GetValue())
            << '\n';
    }
}

int run(const RunOptions& o, std::ostream& out, std::ostream& err) {
    ConsolePlatform platform(err);
    Workspace workspace(platform);
    installProgramOpener(workspace);
    std::string reason;
    Tprogramspace* program = open(workspace, o.file, reason);
    if (!program) return badInput(err, reason);

    TMaincommander* main = nullptr;
    if (o.main.empty()) {
        main = program->objects.mainCommander(0);
        if (!main) return badInput(err, o.file + " has no main commander");
    } else {
        main = dynamic_cast<TMaincommander*>(program->objects.findCommander(fromUtf8(o.main)));
        if (!main) return badInput(err, "no main commander named \"" + o.main + "\"");
    }
    const int store = program->objects.storeIndexOf(&main->storeCommander());
    for (const auto& [name, value] : o.sets) {
        auto* element = dynamic_cast<TValueVaribler*>(program->objects.findElement(fromUtf8(name)));
        if (!element || store < 0 || store >= kStoreCount)
            return badInput(err, "no number, boolean or string named \"" + name + "\"");
        element->Stores[static_cast<std::size_t>(store)].StoreValue = fromUtf8(value);
    }

    RunButtons buttons;
    buttons.commanderActivated();
    Interpreter interpreter(workspace, buttons);
    interpreter.setStepLimit(o.maxSteps);
    runUnattended(interpreter, buttons, *main);

    printRun(*program, o.values, out);
    const int status = interpreter.stepLimitReached() ? kExitStepLimit
                       : interpreter.halted()         ? kExitHalted
                                                      : kExitEnded;
    if (status == kExitStepLimit) err << "olvide: stopped after " << o.maxSteps << " steps\n";
    interpreter.ProgramStop();
    return status;
}

int dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return badInput(err, "--dump needs exactly one program file");
    ConsolePlatform platform(err);
    Workspace workspace(platform);
    installProgramOpener(workspace);
    std::string reason;
    Tprogramspace* program = open(workspace, args[1], reason);
    if (!program) return badInput(err, reason);
    out << toUtf8(dumpProgram(*program));
    return kExitEnded;
}

} // namespace

void runUnattended(Interpreter& interpreter, RunButtons& buttons, TMaincommander& main) {
    interpreter.ProgramRun(&main);
    // A breakpoint pauses the run with Run enabled again: it is simply pressed once more.
    while (interpreter.Running() && buttons.enabled(RunButton::ProgramRun) &&
           !interpreter.stepLimitReached())
        interpreter.ProgramRun(nullptr);
}

bool isCommandLineMode(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--run" || a == "--dump" || a == "--help" || a == "-h") return true;
    return false;
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kExitBadInput;
    }
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return kExitEnded;
        }
    }
    if (args[0] == "--dump") return dump(args, out, err);
    if (std::find(args.begin(), args.end(), "--run") != args.end()) {
        std::string reason;
        const std::optional<RunOptions> options = parseRun(args, reason);
        if (!options) return badInput(err, reason);
        return run(*options, out, err);
    }
    err << kUsage;
    return kExitBadInput;
}

} // namespace olvide
