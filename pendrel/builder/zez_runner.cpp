#include "pendrel/builder/zez_runner.h"

#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/zez_file.h"

#include "common/file_kind.h"

#include <charconv>
#include <ostream>

namespace vpl {

namespace {

bool ParseCount(std::string_view text, long* value) {
    long parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || parsed < 0)
        return false;
    *value = parsed;
    return true;
}

} // namespace

bool ParseRunOptions(std::span<const std::string_view> words, RunOptions* options,
                     std::string* error) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "--ticks" || word == "--max-calls") {
            if (i + 1 >= words.size()) {
                *error = std::string(word) + " needs a number";
                return false;
            }
            long* target = word == "--ticks" ? &options->ticks : &options->maxCalls;
            if (!ParseCount(words[++i], target)) {
                *error = std::string(word) + " needs a whole number of 0 or more, not \"" +
                         std::string(words[i]) + "\"";
                return false;
            }
        } else if (word.starts_with("--")) {
            *error = "unknown option " + std::string(word);
            return false;
        } else if (options->file.empty()) {
            options->file = word;
        } else {
            *error = "only one program file can be run";
            return false;
        }
    }
    if (options->file.empty()) {
        *error = "--run needs a program file";
        return false;
    }
    return true;
}

std::string ResultLine(const GVPLOutput& output) {
    return std::string(BuilderClassName(output.GetClassID())) + " " + output.Key() + ": " +
           output.ResultText();
}

RunEnd RunTicks(GVPLProgramView& view, SimulatedTickSource& clock, long ticks, long maxCalls) {
    long calls = 0;
    for (long t = 0; t < ticks; ++t) {
        clock.Advance(1);
        while (view.Binding().zez_checkque(view.Now())) {
            if (maxCalls > 0 && calls >= maxCalls) return RunEnd::CallLimit;
            if (!view.Binding().zez_nextcall()) break;
            ++calls;
        }
        if (view.HaltIfStopped()) return RunEnd::Stopped;
        // A program halted from inside (nothing calls now) has nothing more to do.
        if (!view.IsRunning()) break;
    }
    return RunEnd::Finished;
}

int RunZezCommand(std::span<const std::string_view> words, std::ostream& out, std::ostream& err) {
    RunOptions options;
    std::string error;
    if (!ParseRunOptions(words, &options, &error)) {
        err << "pendrel: " << error << "\n";
        return pendrel::kExitBadInput;
    }
    if (const std::string problem = olvan::notAProgramFile(options.file); !problem.empty()) {
        err << "pendrel: " << problem << "\n";
        return pendrel::kExitBadInput;
    }
    SimulatedTickSource clock;
    std::string problem;
    std::unique_ptr<GVPLProgramView> view = ReadProgramFile(options.file, false, &clock, &problem);
    if (view == nullptr) {
        err << "pendrel: " << options.file << ": "
            << (problem.empty() ? "not a readable program file" : problem)
            << "; it reads as an empty program\n";
        return pendrel::kExitBadInput;
    }
    bool problems = false;
    view->SetResultObserver([&out](GVPLOutput& output) { out << ResultLine(output) << "\n"; });
    view->SetMessageObserver([&err, &problems](std::string_view message) {
        err << "pendrel: " << message << "\n";
        problems = true;
    });
    view->Run();
    const RunEnd end = RunTicks(*view, clock, options.ticks, options.maxCalls);
    const pendrel::NetRunner::Stop stop = view->Binding().Stopped();
    if (view->IsRunning()) view->Halt();
    out.flush();
    switch (end) {
    case RunEnd::CallLimit:
        err << "pendrel: stopped after " << options.maxCalls << " calls\n";
        return pendrel::kExitCallLimit;
    case RunEnd::Stopped:
        return pendrel::ExitStatusOf(stop);
    case RunEnd::Finished:
        break;
    }
    // A held value too large to keep at the halt was dropped: the run did not end whole.
    return problems ? pendrel::kExitValueTooLarge : pendrel::kExitDone;
}

} // namespace vpl
