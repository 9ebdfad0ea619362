// The reads on Windows: the capture, the keywords-found window, the sounds.
#include "app/Reads.h"

#include "app/Application.h"
#include "reading/DocumentRead.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/Foreground.h"
#include "reading/win32/KeywordsFoundWindow.h"
#include "reading/win32/PumpingWait.h"
#include "reading/win32/TextCapture.h"
#include "reading/win32/Win32Clipboard.h"

#include <mmsystem.h>

namespace {

const DataStore& CurrentStore() {
    return *app().store();
}

class Win32Read : public ReadPlatform {
public:
    explicit Win32Read(SelectionClearing clearing) : clearing_(clearing) {}
    void setBusy(bool on) override { app().setBusy(on); }
    // The read's own wait before the capture follows: no second settling.
    void setForeground(WindowHandle window) override { BringToFront(static_cast<HWND>(window), 0); }
    void wait(unsigned ms) override { PumpingWait(ms); }
    std::string captureText(WindowHandle document) override;
    void restoreClipboard() override {
        keeper_.restore();
        PumpingClock clock;
        keeper_.watchForLateCopies(clock);
    }
    void openFoundWindow(WindowHandle document) override {
        app().keywordsFoundWindow.reset();
        app().keywordsFoundWindow = std::make_unique<KeywordsFoundWindow>(
            app().mainWindowHandle, static_cast<HWND>(document), &CurrentStore);
    }
    void addFound(const KeywordList& hits) override {
        if (app().keywordsFoundWindow)
            app().keywordsFoundWindow->addFound(hits);
    }
    void showFoundWindow() override {
        if (app().keywordsFoundWindow)
            app().keywordsFoundWindow->show();
    }
    void destroyFoundWindow() override { app().keywordsFoundWindow.reset(); }
    void playSound(const std::string& file) override {
        PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }

private:
    SelectionClearing clearing_;
    Win32Clipboard clipboard_{app().mainWindowHandle};
    ClipboardKeeper keeper_{clipboard_};
};

std::string Win32Read::captureText(WindowHandle document) {
    TextCapture capture(clipboard_);
    capture.setTarget(static_cast<HWND>(document));
    capture.setClearing(clearing_);
    capture.captureDocumentText(*app().store(), keeper_);
    return capture.text();
}

// The tray icon refuses a second read while busy; this also covers the
// "Read All" command and a page that asks while the tabbed window is open.
HWND DocumentToRead() {
    if (app().busy() || !app().store())
        return nullptr;
    HWND document = app().tracker().window();
    return IsWindow(document) ? document : nullptr;
}

} // namespace

void ReadVocabulary(int index, SelectionClearing clearing) {
    if (HWND document = DocumentToRead()) {
        Win32Read read(clearing);
        ReadDocument(read, *app().store(), document, index);
    }
}

void ReadAllVocabularies(SelectionClearing clearing) {
    if (HWND document = DocumentToRead()) {
        Win32Read read(clearing);
        ReadDocumentWithAll(read, *app().store(), document);
    }
}

void ReadDropped(int vocabularyIndex) {
    if (vocabularyIndex < 0)
        ReadAllVocabularies();
    else
        ReadVocabulary(vocabularyIndex);
}
