// KeywordImport: entries brought in from outside the program (text from the
// system clipboard, dropped text files), with an account of what could not
// be taken, for the one message the user sees about it.
#pragma once

#include "ui/logic/KeywordLines.h"

#include <string>
#include <vector>

enum class FileRefusal {
    NotText,
    Folder,
    TooLarge,
    Unreadable, // missing, locked, or failing to read
};

// The files a drop names, behind an interface for tests.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // The whole file; false with the reason when it cannot be had, and
    // TooLarge for a file longer than `maxBytes`.
    virtual bool read(const std::string& path, size_t maxBytes, std::string& bytes,
                      FileRefusal& refusal) = 0;
};

class KeywordImport {
public:
    // Larger files are refused: a keyword list is far smaller, and reading a
    // huge file would only exhaust the memory.
    static constexpr size_t kMaxFileBytes = 16u << 20;

    struct Refused {
        std::string path;
        FileRefusal reason;
    };

    std::vector<KeywordLine> lines;
    LineTally tally;
    std::vector<Refused> refused;

    void addText(std::string_view ansiText);
    // Every file in the given order; a file that cannot be read is refused
    // whole, the others are read.
    void addFiles(const std::vector<std::string>& paths, TextFiles& files,
                  const AnsiCodePage& codePage);

    // What was added to the vocabulary and what was left out, when anything
    // was left out or read differently; otherwise empty (no message).
    std::string report(const std::string& vocabularyName) const;
};
