#pragma once
// GTextBox: a view holding one text, filled word by word and line by line up to a line
// limit; GInputBox: a text box that takes typed characters.
#include "pendrel/framework/gview.h"

class GText;

class GTextBox : public GView {
public:
    static constexpr char kLineFeed = '\n';

    GTextBox() = default;
    GTextBox(long x, long y, long width, long height, double fontSize = 10);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GTextBox>();
    }
    static constexpr GClassID kClassID = gid::kTextBox;
    GClassID GetClassID() const override { return kClassID; }

    // Appends to the current line, or replaces the whole text when the count is 0.
    void AddWord(std::string_view word);
    // Starts a new line (below the limit) or lets the next word replace the text (at the
    // limit), then adds the text when it is not empty.
    void AddLine(std::string_view line);
    void Trim();
    void ClearText();
    std::string GetText() const;
    int LineLimit() const { return lineLimit_; }
    void SetLineLimit(int limit) { lineLimit_ = static_cast<short>(limit); }
    int LineCount() const { return lineCount_; }
    // Where the line that AddLine started last begins in the text (0 for the first line). A
    // line feed added as a word stays inside its line.
    std::size_t LineStart() const { return lineStart_; }
    // The text, as long as the box still holds it.
    GText* TextGraphic() const;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    void SetText(std::string text);

    short lineLimit_ = 1;
    short lineCount_ = 0;
    std::size_t lineStart_ = 0;
    // The reference to the text as read from a stream, checked before use.
    G0* textSlot_ = nullptr;
    GText* text_ = nullptr;

    void FillPlaceholder(G0** slot, G0* object) override;
    void ForgetPlaceholder(G0** slot) override;
};

class GInputBox : public GTextBox {
public:
    using GTextBox::GTextBox;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GInputBox>();
    }
    static constexpr GClassID kClassID = gid::kInputBox;
    GClassID GetClassID() const override { return kClassID; }

    // Backspace trims, Enter or line feed processes the current line and starts a new one,
    // anything else is added as a word.
    void KeyEvent(int key) override;
    // The line being typed: from where the last line started; empty when the next character
    // replaces the text.
    std::string CurrentLine() const;

protected:
    virtual void ProcessLine(std::string_view line) { (void)line; }
};
