#pragma once
// Streams over files, and the socket streams that move nothing.
#include "pendrel/framework/gstream.h"

#include <cstdio>
#include <string>

class GStreamReadFile : public GStream {
public:
    static constexpr std::size_t kMaxName = 119;
    static constexpr std::size_t kBlock = 512;

    // Opens the file for binary reading. A name without "." gets ".zez"; a name longer than
    // 119 characters opens nothing. Check IsOK.
    explicit GStreamReadFile(std::string_view name);
    ~GStreamReadFile() override;

    static constexpr GClassID kClassID = gid::kStreamReadFile;

    GClassID GetClassID() const override { return kClassID; }
    long Read(void* bytes, long count) override;
    long Write(const void* bytes, long count) override;
    long Length() const override;
    long Remaining() const override;
    void Rewind() override;

    const std::string& FileName() const { return fileName_; }
    // The name the stream opens for a given name.
    static std::string FileNameFor(std::string_view name);

protected:
    struct ReadWrite {};
    GStreamReadFile(std::string_view name, ReadWrite);

private:
    void Open(const char* mode);
    void Close();
    // A C stream must be repositioned between reading and writing.
    void SwitchTo(bool writing);

    std::string fileName_;
    std::FILE* file_ = nullptr;
    char buffer_[kBlock];
    bool lastWasWrite_ = false;
    long size_ = 0;
    long position_ = 0;
};

// Opens the file for binary reading and writing: an existing file in place, else a new one.
class GStreamWriteFile : public GStreamReadFile {
public:
    explicit GStreamWriteFile(std::string_view name);
    static constexpr GClassID kClassID = gid::kStreamWriteFile;
    GClassID GetClassID() const override { return kClassID; }
};

class GSocket : public GStream {
public:
    static constexpr GClassID kClassID = gid::kSocket;
    GClassID GetClassID() const override { return kClassID; }
    long Read(void*, long) override { return 0; }
    long Write(const void*, long) override { return 0; }
    long Length() const override { return 0; }
    long Remaining() const override { return 0; }
};

class GSocketUDP : public GSocket {
public:
    static constexpr GClassID kClassID = gid::kSocketUDP;
    GClassID GetClassID() const override { return kClassID; }
};

class GSocketTCP : public GSocket {
public:
    static constexpr GClassID kClassID = gid::kSocketTCP;
    GClassID GetClassID() const override { return kClassID; }
};
