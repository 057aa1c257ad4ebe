#pragma once
// Runs the pendrel program itself, the way a user would from a shell, in a folder of the
// test's own, and collects its status and what it printed.
#include "common/sanitizer.h"
#include "tests/support/memory_bound.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

struct Outcome {
    // The exit status; a signal shows as 128 + its number, a timeout as 124.
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// AddressSanitizer cannot start with bounded virtual memory (its shadow alone is larger).
inline constexpr bool kSanitized = olvan::kAddressSanitizer;

class PendrelProgram : public ::testing::Test {
protected:
    olvan_test::TempFolder folder;
    fs::path dir;
    fs::path program;

    void SetUp() override {
        const char* bin = std::getenv("OLVAN_BIN");
        ASSERT_NE(bin, nullptr) << "OLVAN_BIN is not set";
        program = fs::path(bin) / "pendrel";
        ASSERT_TRUE(fs::exists(program)) << program;
        ASSERT_TRUE(folder.IsOK());
        dir = folder.Path();
    }

    Outcome RunNet(const std::string& net, const std::vector<std::string>& args) {
        fs::path file = dir / "net.txt";
        std::ofstream(file, std::ios::binary) << net;
        std::vector<std::string> all{"--net", file.string()};
        all.insert(all.end(), args.begin(), args.end());
        return RunPendrel(all);
    }

    // `seconds` bounds the run (a hang would stop the suite); `memoryKB`, when not 0, bounds
    // its memory.
    Outcome RunPendrel(const std::vector<std::string>& args, const std::string& stdinFile = "",
                       int seconds = 10, long memoryKB = 0) {
        std::string command;
        if (memoryKB > 0) command = olvan_test::MemoryBoundWords(memoryKB);
        command += "exec " + Quote(program.string());
        for (const std::string& a : args)
            command += " " + Quote(a);
        if (!stdinFile.empty()) command += " < " + Quote(stdinFile);
        command += " > " + Quote((dir / "out").string()) + " 2> " + Quote((dir / "err").string());
        command = "timeout " + std::to_string(seconds) + " sh -c " + Quote(command);
        int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = ReadFile(dir / "out");
        o.err = ReadFile(dir / "err");
        return o;
    }
};
