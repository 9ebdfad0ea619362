// The reads on Windows: the capture, the keywords-found window and its "Go to", the sounds.
#include "app/Reads.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/logic/ReadNotice.h"
#include "clipboard/win32/Win32Clipboard.h"
#include "reading/DocumentRead.h"
#include "reading/GoToKeyword.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/Foreground.h"
#include "reading/win32/KeywordsFoundWindow.h"
#include "reading/win32/PumpingClock.h"
#include "reading/win32/TextCapture.h"
#include "reading/win32/Win32Input.h"
#include "resources/AppIds.h"
#include "toolkit/LoadText.h"
#include "toolkit/PumpingWait.h"
#include "toolkit/SoundFile.h"
#include "toolkit/WindowText.h"
#include "vocab/DataStore.h"

#include <malloc.h>

namespace {

// "Go to" from the keywords-found window, which handed over copies of all it
// needs: a read may destroy that window during the waits. Busy meanwhile, so
// that no read starts (and plays its keys into the same document) before the
// last key; the Find sequence is the one current when the user chose.
void GoToFoundKeyword(HWND document, const std::string& keyword) {
    const std::string findSequence =
        app().store()->sequenceForTitle(SequenceKind::GoTo, WindowText(document));
    app().setGoingTo(true);
    BringToFront(document);
    Win32Input input(document);
    PlayGoToKeyword(input, findSequence, keyword);
    app().setGoingTo(false);
}

// The keywords-found window made ahead of need; made now if that failed.
KeywordsFoundWindow& FoundWindow() {
    if (!app().keywordsFoundWindow())
        PrepareReads();
    return *app().keywordsFoundWindow();
}

class Win32Read : public ReadPlatform {
public:
    Win32Read(SelectionClearing clearing, const SentClick& dropClick)
        : clearing_(clearing), dropClick_(dropClick) {}
    void setBusy(bool on) override { app().setBusy(on); }
    // The read's own wait before the capture follows: no second settling.
    void setForeground(WindowHandle window) override { BringToFront(static_cast<HWND>(window), 0); }
    void wait(unsigned ms) override { PumpingWait(ms); }
    std::string captureText(WindowHandle document) override;
    // The capture has put the clipboard back already (the keeper restores once,
    // so this covers a capture that ended early); then a moment's watch for a
    // late copy of the document's program.
    void restoreClipboard() override {
        keeper_.restore();
        PumpingClock clock;
        keeper_.watchForLateCopies(clock);
    }
    void openFoundWindow(WindowHandle document) override {
        FoundWindow().open(static_cast<HWND>(document));
    }
    void addFound(const KeywordList& hits) override { FoundWindow().addFound(hits); }
    void showFoundWindow() override { FoundWindow().show(); }
    void destroyFoundWindow() override { FoundWindow().discard(); }
    void playSound(const std::string& file) override { PlaySoundFile(file); }

private:
    SelectionClearing clearing_;
    SentClick dropClick_;
    Win32Clipboard clipboard_{app().mainWindowHandle()};
    ClipboardKeeper keeper_{clipboard_};
};

// The user's clipboard goes back as soon as the text is taken, before the
// search and the results.
std::string Win32Read::captureText(WindowHandle document) {
    CaptureResult capture = CaptureWindowText(static_cast<HWND>(document), *app().store(),
                                              clipboard_, keeper_, clearing_, dropClick_);
    keeper_.restore();
    return std::move(capture.text);
}

// The tray icon refuses a second read while busy; this also covers the
// "Read All" command and a page that asks while the tabbed window is open.
HWND DocumentToRead() {
    if (app().busy() || !app().store())
        return nullptr;
    LoadDataAgain();
    HWND document = app().tracker().window();
    return IsWindow(document) ? document : nullptr;
}

// A read that lists nothing says so at the tray icon, so that the first
// read of a new user is never taken for a broken program; a capture that
// brought no text is told apart from a text without keywords.
class ReadReport {
public:
    explicit ReadReport(HWND document) : title_(WindowText(document)) {
        if (TrayIcon* tray = Tray())
            tray->clearNotice();
    }
    void operator()(ReadOutcome outcome) const {
        TrayIcon* tray = Tray();
        if (!tray || outcome == ReadOutcome::Found)
            return;
        const bool noText = outcome == ReadOutcome::NoText;
        const std::size_t limit = tray->shape().balloons ? 256 : tray->shape().tipBytes;
        tray->tell(readNotice(loadText(noText ? IDS_READ_NO_TEXT : IDS_READ_NO_KEYWORDS), title_,
                              loadText(IDS_READ_UNTITLED), limit),
                   noText);
    }

private:
    static TrayIcon* Tray() { return app().mainWindow().trayIcon(); }
    std::string title_;
};

} // namespace

// A read's text and search tables are gone when it ends; the heap gives
// the pages they freed back to the system, so that an idle program holds
// no more than it did before the read.
void ReadVocabulary(int index, SelectionClearing clearing, const SentClick& dropClick) {
    if (HWND document = DocumentToRead()) {
        {
            ReadReport report(document);
            Win32Read read(clearing, dropClick);
            report(ReadDocument(read, *app().store(), document, index));
        }
        _heapmin();
    }
}

void ReadAllVocabularies(SelectionClearing clearing, const SentClick& dropClick) {
    if (HWND document = DocumentToRead()) {
        {
            ReadReport report(document);
            Win32Read read(clearing, dropClick);
            report(ReadDocumentWithAll(read, *app().store(), document));
        }
        _heapmin();
    }
}

void PrepareReads() {
    if (!app().keywordsFoundWindow())
        app().setKeywordsFoundWindow(
            std::make_unique<KeywordsFoundWindow>(app().mainWindowHandle(), &GoToFoundKeyword));
}

void ReadDropped(int vocabularyIndex, const SentClick& dropClick) {
    if (vocabularyIndex < 0)
        ReadAllVocabularies(SelectionClearing::ClickAtStartPoint, dropClick);
    else
        ReadVocabulary(vocabularyIndex, SelectionClearing::ClickAtStartPoint, dropClick);
}
