// What the Vocabularies page asks of the tabbed window that needs the edits
// committed first, so that the read that follows sees every edit: the drag
// of a vocabulary's icon, and the read by key (Ctrl+R, Ctrl+Shift+R).
#pragma once

class PageCommitHost {
public:
    virtual ~PageCommitHost() = default;
    // The tabbed window's OK: true when the edits were saved and it closes.
    virtual bool commitEdits() = 0;
    virtual bool primaryButtonDown() = 0;
    virtual void startDrag(int vocabularyIndex) = 0;
    virtual bool documentRemembered() = 0;
    virtual void tellNoDocument() = 0;
    // Has the read started once the tabbed window has closed (all
    // vocabularies when the index is -1).
    virtual void startRead(int vocabularyIndex) = 0;
};

// The drag starts only when the commit saved and the primary button is
// still down. After a failed save (its message box took the release) a drag
// would drop at once, clicking into whatever window lies under the pointer.
void startPageDrag(PageCommitHost& host, int vocabularyIndex);

// With no document window remembered there is nothing to read: the user is
// told and stays in the tabbed window with every edit, nothing committed.
// Otherwise the read starts only when the commit saved (after a failed save
// the window stays open).
void readFromPage(PageCommitHost& host, int vocabularyIndex);
