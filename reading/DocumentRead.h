// The two reads of a document window, with one vocabulary or with all of
// them: capture, search, then the keywords-found window and a sound. The
// steps run over ReadPlatform so that they are tested without windows.
#pragma once

#include "reading/WindowHandle.h"

#include <string>

class DataStore;
class KeywordList;

class ReadPlatform {
public:
    virtual ~ReadPlatform() = default;
    virtual void setBusy(bool on) = 0;
    virtual void setForeground(WindowHandle window) = 0;
    virtual void wait(unsigned ms) = 0;
    // Captures the document's text; the user's clipboard may be put back as
    // soon as the text is taken, and is at the latest by restoreClipboard().
    virtual std::string captureText(WindowHandle document) = 0;
    // Puts the user's clipboard back, once, unless another program has changed
    // it since the capture, and keeps it from a late copy of the document's
    // program for a moment (ClipboardKeeper).
    virtual void restoreClipboard() = 0;
    // Empties the keywords-found window for `document`, hidden, placed where
    // the pointer is.
    virtual void openFoundWindow(WindowHandle document) = 0;
    virtual void addFound(const KeywordList& hits) = 0;
    // Shows the keywords-found window, topmost, and brings it to the front.
    virtual void showFoundWindow() = 0;
    // Takes the keywords-found window away (hidden and emptied).
    virtual void destroyFoundWindow() = 0;
    virtual void playSound(const std::string& file) = 0;
};

// How a read ended, for the word the program gives after it: a capture that
// brought no text is told apart from a text without any keyword.
enum class ReadOutcome { Found, NothingFound, NoText };

constexpr unsigned kBeforeCaptureMs = 50;
constexpr unsigned kBeforeResultsMs = 500;

// Reads `document` with the vocabulary in slot `index`.
ReadOutcome ReadDocument(ReadPlatform& platform, const DataStore& store, WindowHandle document,
                         int index);
// Reads `document` with every vocabulary; the hits of all are listed.
ReadOutcome ReadDocumentWithAll(ReadPlatform& platform, const DataStore& store,
                                WindowHandle document);
