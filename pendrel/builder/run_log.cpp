#include "pendrel/builder/run_log.h"

#include <cstdio>

namespace vpl {

void RunLog::Open() {
    if (file_ == nullptr) file_ = std::fopen(fileName_.c_str(), "ab");
}

void RunLog::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

void RunLog::CloseAndDelete() {
    Close();
    std::remove(fileName_.c_str());
}

void RunLog::Write(std::string_view text) {
    if (file_ == nullptr) return;
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
}

RunLog& TheRunLog() {
    static RunLog log("VRNOviz.log");
    return log;
}

} // namespace vpl
