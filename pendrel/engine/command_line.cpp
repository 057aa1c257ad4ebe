// pendrel's command line: runs a net description headless and prints what reaches the
// result paths.
#include "pendrel/engine/net_runner.h"

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
    "  --max-calls N     stop after N queued calls with status 3 (default 10000000),\n"
    "                    or when more than 1000000 calls wait at once\n"
    "Results print as 'NAME: TEXT', messages as 'Message: TEXT'.\n";

namespace {

struct Options {
    bool help = false;
    bool net = false;
    std::string file;
    std::vector<std::string> outs;
    std::vector<std::pair<std::string, std::string>> sends;
    long ticks = 0;
    long maxCalls = 10'000'000;
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

bool ReadAll(const std::string& file, std::istream& in, std::string& text) {
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    }
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return false;
    std::ifstream f(file, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) return false;
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
        return 1;
    }
    if (o.help) {
        out << kUsage;
        return 0;
    }
    if (!o.net) {
        err << kUsage;
        return 1;
    }
    std::string text;
    if (!ReadAll(o.file, in, text)) {
        err << "pendrel: cannot read '" << o.file << "'\n";
        return 1;
    }
    NetRunner runner([&out](std::string_view name, vOBJECT* obj) {
        out << name << ": " << ResultText(obj) << "\n";
    });
    if (!runner.IsOK()) {
        err << "pendrel: the engine could not be started\n";
        return 1;
    }
    for (const std::string& name : o.outs)
        runner.RegisterPath(name);
    runner.SendCommands(text);
    runner.Run();

    long budget = o.maxCalls;
    // Runs the queue empty within the budget; false when the budget ran out first.
    auto drain = [&]() {
        budget -= runner.RunQueue(budget);
        return runner.QueueEmpty() && !runner.IsFlooded();
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
    if (runner.IsFlooded()) {
        err << "pendrel: stopped: more than " << NetRunner::kMaxWaitingCalls
            << " calls waiting at once" << std::endl;
        return 3;
    }
    if (!finished) {
        err << "pendrel: stopped after " << o.maxCalls << " calls\n";
        return 3;
    }
    return 0;
}

} // namespace pendrel
