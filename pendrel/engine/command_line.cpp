// pendrel's command line: runs a net description headless and prints what reaches the
// result paths.
#include "pendrel/engine/net_runner.h"

#include "common/file_kind.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <utility>
#include <vector>

namespace pendrel {

const char* const kUsage =
    "usage: pendrel [FILE.zez...]        (the desktop program, opening the files)\n"
    "       pendrel --run FILE.zez [--ticks N] [--max-calls N]\n"
    "       pendrel --net FILE [--out NAME]... [--send NAME=TEXT]... [--ticks N] [--max-calls N]\n"
    "       pendrel --help\n"
    "  --run FILE.zez    run a saved program as Run does, then N ticks (default 10); results\n"
    "                    print as 'KIND PATH: TEXT'\n"
    "  --net FILE        run the net description in FILE ('-' reads standard input)\n"
    "  --out NAME        print every object that reaches the result path NAME\n"
    "  --send NAME=TEXT  send the data items of TEXT to the path NAME, in order\n"
    "  --ticks N         then send N timer ticks of 1 (default 0)\n"
    "  --max-calls N     stop after N queued calls (default 10000000); a run also stops\n"
    "                    when more than 1000000 calls wait at once\n"
    "Results print as 'NAME: TEXT', messages as 'Message: TEXT'.\n"
    "Exit status:\n"
    "  0 done\n"
    "  1 bad option, or a program file that cannot be read\n"
    "  3 stopped after --max-calls calls, or with more than 1000000 calls waiting\n"
    "  4 stopped: a value would grow beyond the array limit, or memory ran out\n";

namespace {

struct Options {
    bool help = false;
    bool net = false;
    std::string file;
    std::vector<std::string> outs;
    std::vector<std::pair<std::string, std::string>> sends;
    long ticks = 0;
    long maxCalls = kDefaultMaxCalls;
};

bool ParseCount(std::string_view text, long& value) {
    long v = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < 0) return false;
    value = v;
    return true;
}

// Fills the options; on a bad option returns false with the reason.
bool Parse(int argc, const char* const* argv, Options& o, std::string& reason) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        auto value = [&](std::string_view& v) {
            if (i + 1 >= argc) {
                reason = "option " + std::string(arg) + " needs a value";
                return false;
            }
            v = argv[++i];
            return true;
        };
        std::string_view v;
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--net") {
            if (!value(v)) return false;
            o.net = true;
            o.file = v;
        } else if (arg == "--out") {
            if (!value(v)) return false;
            if (v.empty()) {
                reason = "--out needs a path name";
                return false;
            }
            o.outs.emplace_back(v);
        } else if (arg == "--send") {
            if (!value(v)) return false;
            auto eq = v.find('=');
            if (eq == std::string_view::npos || eq == 0) {
                reason = "--send needs NAME=TEXT, got '" + std::string(v) + "'";
                return false;
            }
            o.sends.emplace_back(std::string(v.substr(0, eq)), std::string(v.substr(eq + 1)));
        } else if (arg == "--ticks" || arg == "--max-calls") {
            if (!value(v)) return false;
            if (!ParseCount(v, arg == "--ticks" ? o.ticks : o.maxCalls)) {
                reason = std::string(arg) + " needs a whole number of 0 or more, got '" +
                         std::string(v) + "'";
                return false;
            }
        } else {
            reason = "unknown option '" + std::string(arg) + "'";
            return false;
        }
    }
    return true;
}

// The whole net text; false with the reason when it cannot be read.
bool ReadAll(const std::string& file, std::istream& in, std::string& text, std::string& reason) {
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) reason = "cannot read standard input";
        return !in.bad();
    }
    reason = olvan::notAProgramFile(file);
    if (!reason.empty()) return false;
    std::ifstream f(file, std::ios::binary);
    std::ostringstream s;
    if (f) s << f.rdbuf();
    if (!f || f.bad()) {
        reason = "cannot read '" + file + "'";
        return false;
    }
    text = s.str();
    return true;
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    Options o;
    std::string reason;
    if (!Parse(argc, argv, o, reason)) {
        err << "pendrel: " << reason << "\n";
        return kExitBadInput;
    }
    if (o.help) {
        out << kUsage;
        return kExitDone;
    }
    if (!o.net) {
        err << kUsage;
        return kExitBadInput;
    }
    std::string text;
    if (!ReadAll(o.file, in, text, reason)) {
        err << "pendrel: " << reason << "\n";
        return kExitBadInput;
    }
    NetRunner runner([&out](std::string_view name, vOBJECT* obj) {
        out << name << ": " << ResultText(obj) << "\n";
    });
    if (!runner.IsOK()) {
        err << "pendrel: the engine could not be started\n";
        return kExitBadInput;
    }
    for (const std::string& name : o.outs)
        runner.RegisterPath(name);
    runner.SendCommands(text);
    runner.Run();

    long budget = o.maxCalls;
    // Runs the queue empty within the budget; false when the budget ran out first.
    auto drain = [&]() {
        budget -= runner.RunQueue(budget);
        return runner.QueueEmpty() && runner.Stopped() == NetRunner::Stop::None;
    };
    bool finished = drain();
    for (size_t i = 0; finished && i < o.sends.size(); ++i) {
        const auto& [name, data] = o.sends[i];
        if (!runner.Send(name, data)) err << "pendrel: no path '" << name << "' to send to\n";
        finished = drain();
    }
    for (long t = 0; finished && t < o.ticks; ++t) {
        runner.Tick(1);
        finished = drain();
    }
    out.flush();
    if (runner.Stopped() != NetRunner::Stop::None) {
        err << "pendrel: " << runner.StopMessage() << std::endl;
        return ExitStatusOf(runner.Stopped());
    }
    if (!finished) {
        err << "pendrel: stopped after " << o.maxCalls << " calls\n";
        return kExitCallLimit;
    }
    return kExitDone;
}

} // namespace pendrel
