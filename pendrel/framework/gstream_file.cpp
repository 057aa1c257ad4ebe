#include "pendrel/framework/gstream_file.h"

#include <algorithm>

std::string GStreamReadFile::FileNameFor(std::string_view name) {
    std::string fileName(name);
    if (fileName.find('.') == std::string::npos) fileName += ".zez";
    return fileName;
}

GStreamReadFile::GStreamReadFile(std::string_view name) : fileName_(FileNameFor(name)) {
    Open("rb");
}

GStreamReadFile::GStreamReadFile(std::string_view name, ReadWrite) : fileName_(FileNameFor(name)) {
    Open("r+b");
    if (file_ == nullptr) Open("w+b");
}

GStreamWriteFile::GStreamWriteFile(std::string_view name) : GStreamReadFile(name, ReadWrite{}) {}

GStreamReadFile::~GStreamReadFile() {
    Close();
}

void GStreamReadFile::Open(const char* mode) {
    Close();
    if (fileName_.empty() || fileName_.size() > kMaxName) {
        MarkUnusable();
        return;
    }
    file_ = std::fopen(fileName_.c_str(), mode);
    if (file_ == nullptr) {
        MarkUnusable();
        return;
    }
    std::setvbuf(file_, buffer_, _IOFBF, kBlock);
    std::fseek(file_, 0, SEEK_END);
    size_ = std::ftell(file_);
    std::rewind(file_);
    position_ = 0;
    MarkUsable();
}

void GStreamReadFile::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

void GStreamReadFile::SwitchTo(bool writing) {
    if (writing != lastWasWrite_) std::fseek(file_, 0, SEEK_CUR);
    lastWasWrite_ = writing;
}

long GStreamReadFile::Read(void* bytes, long count) {
    if (file_ == nullptr || count <= 0) return 0;
    SwitchTo(false);
    const auto got =
        static_cast<long>(std::fread(bytes, 1, static_cast<std::size_t>(count), file_));
    position_ += got;
    return got;
}

long GStreamReadFile::Write(const void* bytes, long count) {
    if (file_ == nullptr || count <= 0) return 0;
    SwitchTo(true);
    const auto put =
        static_cast<long>(std::fwrite(bytes, 1, static_cast<std::size_t>(count), file_));
    position_ += put;
    size_ = std::max(size_, position_);
    return put;
}

long GStreamReadFile::Length() const {
    return file_ == nullptr ? 0 : size_;
}

long GStreamReadFile::Remaining() const {
    return file_ == nullptr ? 0 : size_ - position_;
}

void GStreamReadFile::Rewind() {
    GStream::Rewind();
    if (file_ == nullptr) return;
    std::fflush(file_);
    std::rewind(file_);
    position_ = 0;
    lastWasWrite_ = false;
}
