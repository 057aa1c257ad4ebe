#include "record_io.h"

namespace olvide {

void RecordWriter::putLittleEndian(std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        put(static_cast<std::uint8_t>(value >> (8 * i)));
}

void RecordWriter::writeInteger(std::int32_t value) {
    if (value >= -128 && value <= 127) {
        put(tag::kInt8);
        putLittleEndian(static_cast<std::uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        put(tag::kInt16);
        putLittleEndian(static_cast<std::uint32_t>(value), 2);
    } else {
        put(tag::kInt32);
        putLittleEndian(static_cast<std::uint32_t>(value), 4);
    }
}

void RecordWriter::writeString(std::string_view bytes) {
    if (bytes.size() <= 255) {
        put(tag::kString);
        put(static_cast<std::uint8_t>(bytes.size()));
    } else {
        put(tag::kLongString);
        putLittleEndian(static_cast<std::uint32_t>(bytes.size()), 4);
    }
    bytes_.append(bytes);
}

void RecordWriter::writeBoolean(bool value) {
    put(value ? tag::kTrue : tag::kFalse);
}

void RecordWriter::beginList() {
    put(tag::kList);
}

void RecordWriter::endList() {
    put(tag::kEndOfList);
}

void RecordWriter::writeIdent(std::string_view name) {
    put(tag::kIdent);
    writeName(name);
}

void RecordWriter::writeBinary(std::string_view bytes) {
    put(tag::kBinary);
    putLittleEndian(static_cast<std::uint32_t>(bytes.size()), 4);
    bytes_.append(bytes);
}

void RecordWriter::writeSet(const std::vector<std::string>& members) {
    put(tag::kSet);
    for (const auto& member : members)
        if (!member.empty()) writeName(member);
    // An empty name closes the set.
    put(0);
}

void RecordWriter::writeName(std::string_view name) {
    name = name.substr(0, 255);
    put(static_cast<std::uint8_t>(name.size()));
    bytes_.append(name);
}

void RecordWriter::writeStringList(const std::vector<std::string>& lines) {
    beginList();
    for (const auto& line : lines)
        writeString(line);
    endList();
}

void RecordReader::fail(std::string_view message) {
    if (error_.empty()) error_ = message;
}

bool RecordReader::take(std::size_t count, const char*& where) {
    if (!ok()) return false;
    if (count > data_.size() - pos_) {
        fail(kReadError);
        return false;
    }
    where = data_.data() + pos_;
    pos_ += count;
    return true;
}

bool RecordReader::takeTag(std::uint8_t& tag) {
    const char* where = nullptr;
    if (!take(1, where)) return false;
    tag = static_cast<std::uint8_t>(*where);
    return true;
}

std::uint32_t RecordReader::littleEndian(const char* where, int size) const {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(where[i])) << (8 * i);
    return value;
}

std::int32_t RecordReader::readInteger() {
    std::uint8_t t = 0;
    if (!takeTag(t)) return 0;
    const char* where = nullptr;
    switch (t) {
    case tag::kInt8:
        return take(1, where) ? static_cast<std::int8_t>(littleEndian(where, 1)) : 0;
    case tag::kInt16:
        return take(2, where) ? static_cast<std::int16_t>(littleEndian(where, 2)) : 0;
    case tag::kInt32:
        return take(4, where) ? static_cast<std::int32_t>(littleEndian(where, 4)) : 0;
    default:
        fail(kInvalidValue);
        return 0;
    }
}

std::string RecordReader::readString() {
    std::uint8_t t = 0;
    if (!takeTag(t)) return {};
    const char* where = nullptr;
    std::size_t length = 0;
    if (t == tag::kString) {
        if (!take(1, where)) return {};
        length = static_cast<std::uint8_t>(*where);
    } else if (t == tag::kLongString) {
        if (!take(4, where)) return {};
        length = littleEndian(where, 4);
    } else {
        fail(kInvalidValue);
        return {};
    }
    // A length beyond the data is a damaged file: fail before allocating anything.
    if (!take(length, where)) return {};
    return std::string(where, length);
}

bool RecordReader::readBoolean() {
    std::uint8_t t = 0;
    return takeTag(t) && t == tag::kTrue;
}

void RecordReader::readListBegin() {
    std::uint8_t t = 0;
    if (takeTag(t) && t != tag::kList) fail(kInvalidValue);
}

bool RecordReader::readListEnd() {
    if (!ok()) return true;
    if (atEnd()) {
        fail(kReadError);
        return true;
    }
    if (static_cast<std::uint8_t>(data_[pos_]) != tag::kEndOfList) return false;
    ++pos_;
    return true;
}

std::optional<std::uint8_t> RecordReader::peekTag() const {
    if (!ok() || atEnd()) return std::nullopt;
    return static_cast<std::uint8_t>(data_[pos_]);
}

std::string RecordReader::readName() {
    const char* where = nullptr;
    if (!take(1, where)) return {};
    const std::size_t length = static_cast<std::uint8_t>(*where);
    if (!take(length, where)) return {};
    return std::string(where, length);
}

std::string RecordReader::readIdent() {
    std::uint8_t t = 0;
    if (!takeTag(t)) return {};
    if (t != tag::kIdent) {
        fail(kInvalidValue);
        return {};
    }
    return readName();
}

std::string RecordReader::readBinary() {
    std::uint8_t t = 0;
    if (!takeTag(t)) return {};
    const char* where = nullptr;
    if (t != tag::kBinary) {
        fail(kInvalidValue);
        return {};
    }
    if (!take(4, where)) return {};
    const std::size_t length = littleEndian(where, 4);
    // A length beyond the data is a damaged file: fail before allocating anything.
    if (!take(length, where)) return {};
    return std::string(where, length);
}

std::vector<std::string> RecordReader::readSet() {
    std::vector<std::string> members;
    std::uint8_t t = 0;
    if (!takeTag(t)) return members;
    if (t != tag::kSet) {
        fail(kInvalidValue);
        return members;
    }
    // Every member takes at least one byte, so a damaged set ends with the data.
    for (std::string member = readName(); ok() && !member.empty(); member = readName())
        members.push_back(std::move(member));
    return members;
}

std::vector<std::string> RecordReader::readStringList() {
    std::vector<std::string> lines;
    readListBegin();
    while (!readListEnd())
        lines.push_back(readString());
    return lines;
}

} // namespace olvide
