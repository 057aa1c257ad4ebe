#pragma once
// The run log "VRNOviz.log": when open, every path the program views register and every net
// text they send is appended to it. Off until opened; a log that cannot be opened stays off.
#include <cstdio>
#include <string>
#include <string_view>

namespace vpl {

class RunLog {
public:
    explicit RunLog(std::string fileName) : fileName_(std::move(fileName)) {}
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;
    ~RunLog() { Close(); }

    // Opens the file for appending unless it is open already.
    void Open();
    void Close();
    // Closes the file and deletes it.
    void CloseAndDelete();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& FileName() const { return fileName_; }

    // Appends the text as it is; nothing while closed.
    void Write(std::string_view text);
    void PathRegistered(std::string_view name) { Write("\nPathReg>" + std::string(name)); }
    void CommandSent(std::string_view text) { Write("\nCommand>" + std::string(text)); }
    void RunStarted() { Write("\n---------------STARTING RUN----------------"); }

private:
    std::string fileName_;
    std::FILE* file_ = nullptr;
};

// The log of the program, in the working folder.
RunLog& TheRunLog();

} // namespace vpl
