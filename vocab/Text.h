// Text: the model's owned byte string (ANSI code page, no embedded NUL), and
// foldText, the one case-folding rule of the whole program.
#pragma once

#include <string>
#include <string_view>

class DataWriter;
class DataReader;

// Lower-cases "A" to "Z" only; every other byte, accented letters included,
// stays as it is, so the result never depends on the user's locale.
std::string foldText(std::string_view text);
void foldTextInPlace(std::string& text);
char foldByte(char c);

class Text {
public:
    Text() = default;
    Text(std::string_view text) : bytes_(text) {}
    Text(const char* text) : bytes_(text ? text : "") {}
    Text(const Text&) = default;
    Text(Text&&) noexcept = default;
    Text& operator=(const Text&) = default;
    Text& operator=(Text&&) noexcept = default;
    Text& operator=(std::string_view text) {
        bytes_.assign(text.data(), text.size());
        return *this;
    }
    // Without it, assigning a literal would be ambiguous between the two above.
    Text& operator=(const char* text) { return *this = std::string_view(text ? text : ""); }
    virtual ~Text() = default;

    const char* c_str() const { return bytes_.c_str(); }
    const std::string& str() const { return bytes_; }
    std::string_view view() const { return bytes_; }
    size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    bool operator==(std::string_view other) const { return bytes_ == other; }
    bool operator!=(std::string_view other) const { return bytes_ != other; }

    // Length-prefixed, no terminator (the data file's text layout).
    virtual void writeTo(DataWriter& file) const;
    virtual bool readFrom(DataReader& file);

private:
    std::string bytes_;
};
