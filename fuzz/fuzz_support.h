#pragma once
// What every fuzz target shares: a scratch folder of its own for the files that the readers
// open by name, and an output stream that discards everything.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace fuzz {

// A fresh folder under the temporary folder, removed again when the process ends normally.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view targetName);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the bytes to the named file of the folder (replacing it) and returns its path.
    std::string write(std::string_view fileName, std::string_view bytes) const;
    // Copies the files of `from` whose extension is one of `extensions` into the folder.
    void copyFiles(const std::filesystem::path& from,
                   std::initializer_list<std::string_view> extensions) const;

private:
    std::filesystem::path path_;
};

// The fuzz input as the bytes of a file.
inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Output that goes nowhere, as a program's messages and results do while it is fuzzed.
class NullStream : public std::ostream {
public:
    NullStream() : std::ostream(&buffer_) {}

private:
    NullBuffer buffer_;
};

} // namespace fuzz
