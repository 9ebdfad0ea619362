// KeywordImport: entries brought in from outside the program (text from the
// system clipboard, dropped text files), with an account of what could not
// be taken, for the one message the user sees about it.
#pragma once

#include "ui/logic/KeywordLines.h"

#include <string>
#include <vector>

enum class ImportRefusal {
    NotText,
    Folder,
    TooLarge,     // more bytes than the import has left
    TooManyLines, // more lines than the import has left
    NoRoom,       // no memory for it now
    Unreadable,   // missing, locked, or failing to read
};

// The files a drop names, behind an interface for tests.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // The whole file; false with the reason when it cannot be had: TooLarge
    // for a file longer than `maxBytes`, NoRoom when its bytes find no memory.
    virtual bool read(const std::string& path, size_t maxBytes, std::string& bytes,
                      ImportRefusal& refusal) = 0;
};

// One text form taken from the clipboard, up to its terminating NUL.
struct ClipboardText {
    bool unicode = false; // CF_UNICODETEXT (UTF-16), else CF_TEXT
    std::string bytes;
    uint32_t locale = 0; // CF_LOCALE beside CF_TEXT; 0 without one
};

// The clipboard's text as a paste takes it, behind an interface for tests:
// CF_UNICODETEXT where the clipboard offers it, else CF_TEXT with CF_LOCALE.
class ClipboardTextSource {
public:
    virtual ~ClipboardTextSource() = default;
    // False with the reason when there is no text or it cannot be had;
    // TooLarge, read not at all, when it is longer than `maxBytes`.
    virtual bool read(size_t maxBytes, ClipboardText& text, ImportRefusal& refusal) = 0;
};

// The report's texts by string-table id (resources/PageIds.h): the program
// loads them from its resources, the tests from the .rc file itself.
class ImportTexts {
public:
    virtual ~ImportTexts() = default;
    virtual std::string text(unsigned id) const = 0;
};

class KeywordImport {
public:
    // One import, the files of a drop together or one paste, takes at most
    // this much text (as it comes: a UTF-16 text holds half as many
    // characters) and this many lines; a source that would pass either is
    // refused whole. 16 MB was the old limit of one file; 100000 lines is
    // twice the largest vocabulary the benchmarks edit. At both limits the
    // lines, the rows, the vocabulary, its copy in a second store and the
    // data file written on OK took 150 MB in a native 64-bit measurement;
    // with the text itself and the list control's items (about 500 bytes a
    // row) some 250 MB: an eighth of a 2 GB address space.
    static constexpr size_t kMaxBytes = 16u << 20;
    static constexpr size_t kMaxLines = 100000;

    struct Refused {
        std::string path; // empty for the clipboard's text
        ImportRefusal reason;
    };

    std::vector<KeywordRow> lines;
    LineTally tally;
    std::vector<Refused> refused;

    // The clipboard's text in its own encoding, converted to the code page.
    void addClipboard(ClipboardTextSource& clipboard, const CodePages& codePages);
    // Every file in the given order; a file that cannot be read is refused
    // whole, the others are read.
    void addFiles(const std::vector<std::string>& paths, TextFiles& files,
                  const CodePages& codePages);

    // Nothing when every line was added as it came. Otherwise what was
    // added and what was left out, or one line when there was nothing to
    // add at all (no text, only blank lines).
    std::string report(const std::string& vocabularyName, const ImportTexts& texts) const;

private:
    // A tally for one source, with the room for lines the import has left.
    LineTally roomLeft() const;
    // Keeps the lines a source gave when they fit in the import; refuses
    // the source whole when they do not.
    bool keep(const std::string& path, std::vector<KeywordRow>& taken, const LineTally& counted);

    size_t bytesTaken_ = 0;
};
