#pragma once
// The tagged value encoding of program and drawing files. Every value carries a one-byte tag;
// multi-byte numbers are little-endian; the writer always picks the shortest integer form and
// the reader accepts every form. Object records are written and read through these two.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvide {

namespace tag {
inline constexpr std::uint8_t kEndOfList = 0x00;
inline constexpr std::uint8_t kList = 0x01;
inline constexpr std::uint8_t kInt8 = 0x02;
inline constexpr std::uint8_t kInt16 = 0x03;
inline constexpr std::uint8_t kInt32 = 0x04;
inline constexpr std::uint8_t kString = 0x06;
inline constexpr std::uint8_t kIdent = 0x07;
inline constexpr std::uint8_t kFalse = 0x08;
inline constexpr std::uint8_t kTrue = 0x09;
inline constexpr std::uint8_t kBinary = 0x0A;
inline constexpr std::uint8_t kSet = 0x0B;
inline constexpr std::uint8_t kLongString = 0x0C;
} // namespace tag

class RecordWriter {
public:
    void writeInteger(std::int32_t value);
    void writeString(std::string_view bytes);
    void writeBoolean(bool value);
    // A list of strings: list tag, each line as a string, end mark.
    void writeStringList(const std::vector<std::string>& lines);
    void beginList();
    void endList();
    // The values of component records: an identifier (an enumeration's value), a block of
    // bytes (a picture), a set of identifiers.
    void writeIdent(std::string_view name);
    void writeBinary(std::string_view bytes);
    void writeSet(const std::vector<std::string>& members);
    // An untagged name of at most 255 bytes (a longer one is cut), as component records
    // name their classes and properties.
    void writeName(std::string_view name);
    // The end mark of a component's properties or children.
    void writeEndMark() { put(tag::kEndOfList); }

    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    void put(std::uint8_t byte) { bytes_.push_back(static_cast<char>(byte)); }
    void putLittleEndian(std::uint32_t value, int size);

    std::string bytes_;
};

// Reads values from a byte buffer. The first failure (an unexpected tag, or the data ending
// early) is kept; from then on every read returns an empty value and consumes nothing, so a
// reader of a damaged file always comes to an end.
class RecordReader {
public:
    static constexpr std::string_view kInvalidValue = "Invalid property value";
    static constexpr std::string_view kReadError = "Stream read error";

    // The reader only views the data: it must outlive the reader.
    explicit RecordReader(std::string_view data) : data_(data) {}
    explicit RecordReader(std::string&&) = delete;

    std::int32_t readInteger();
    std::string readString();
    // True only for the true tag; any other tag reads as false.
    bool readBoolean();
    std::vector<std::string> readStringList();
    void readListBegin();
    // At the end mark of a list: consumes it and returns true.
    bool readListEnd();
    // The tag of the next value, not consumed; none at the end of the data or after a failure.
    std::optional<std::uint8_t> peekTag() const;
    std::string readIdent();
    std::string readBinary();
    std::vector<std::string> readSet();
    // An untagged name (one length byte, the bytes).
    std::string readName();

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    std::size_t position() const { return pos_; }
    // Marks the reader failed with a message of the caller's (an unknown record kind, say).
    void fail(std::string_view message);

private:
    bool take(std::size_t count, const char*& where);
    bool takeTag(std::uint8_t& tag);
    std::uint32_t littleEndian(const char* where, int size) const;

    std::string_view data_;
    std::size_t pos_ = 0;
    std::string error_;
};

} // namespace olvide
