#pragma once
// GString, the framework's string: bytes and their length.
#include "pendrel/framework/g0.h"

#include <string>
#include <string_view>

class GString : public G0 {
public:
    GString() = default;
    explicit GString(long number) : text_(std::to_string(number)) {}
    explicit GString(std::string_view text) : text_(text) {}
    GString(const char* text, long length)
        : text_(text == nullptr || length <= 0 ? std::string() : std::string(text, length)) {}
    GString(const GString& other) : G0(), text_(other.text_) {}
    GString& operator=(const GString& other) {
        text_ = other.text_;
        return *this;
    }
    GString& operator=(std::string_view text) {
        text_ = text;
        return *this;
    }

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GString>();
    }
    static constexpr GClassID kClassID = gid::kString;
    GClassID GetClassID() const override { return kClassID; }

    void ToLower();
    void ToUpper();
    // The share of digit characters in whole percent; 0 for an empty string.
    int PercentDigits() const;
    // Position of the first such character, or -1.
    long FindChar(int c) const;
    // Replaces every occurrence of `from` by `to`; returns how many were replaced.
    int Convert(std::string_view from, std::string_view to);
    // Overwrites in place from pos, never past the end.
    void ChangeAt(long pos, std::string_view text);
    void Append(std::string_view text) { text_ += text; }
    void Append(const GString& other) { text_ += other.text_; }
    // The last character, or 0 for an empty string.
    char LastChar() const { return text_.empty() ? '\0' : text_.back(); }
    // Drops the last character.
    void Trim() {
        if (!text_.empty()) text_.pop_back();
    }
    long Length() const { return static_cast<long>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }

    bool operator==(std::string_view text) const { return text_ == text; }
    bool operator==(const GString& other) const { return text_ == other.text_; }
    const std::string& Text() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    operator std::string_view() const { return text_; }

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    std::string text_;
};
