// EditingSession: one opening of the tabbed window. It sets the current
// store aside and makes a deep copy current for the pages to edit; commit
// saves the copy and keeps it, discard puts the set-aside store back. The
// program holds exactly one current store at every moment, and the session
// ends once: a commit or discard asked for while a commit is telling the
// user of a failed save (its message box pumps messages) is refused.
#pragma once

#include "app/logic/ProgramData.h"

#include <memory>

// What a session needs of the window that runs it.
class EditingHost {
public:
    virtual ~EditingHost() = default;
    // The program's busy state, on from the session's start to its end.
    virtual void setBusy(bool on) = 0;
    // Tells the user the data file could not be written; the session is
    // locked while this runs.
    virtual void reportSaveFailed() = 0;
    // Asks whether to save although the data file could not be read, which
    // sets that file aside; the session is locked while this runs.
    virtual bool confirmSaveWithoutFile() = 0;
};

enum class CommitResult {
    Saved,    // the session has ended; the copy is the program's store
    Failed,   // reported; the session goes on with every edit in the copy
    Declined, // the user chose not to save without the unread data file; the session goes on
    Refused,  // the session has already ended, or a commit is running
};

class EditingSession {
public:
    EditingSession(ProgramData& data, EditingHost& host);
    // A session nobody ended (the system closed its window) is discarded.
    ~EditingSession();
    EditingSession(const EditingSession&) = delete;
    EditingSession& operator=(const EditingSession&) = delete;

    CommitResult commit();
    // False when the session has already ended or a commit is running.
    bool discard();
    bool ended() const { return state_ == State::Ended; }

private:
    enum class State { Editing, Committing, Ended };
    void end();

    ProgramData& data_;
    EditingHost& host_;
    std::unique_ptr<DataStore> setAside_;
    State state_ = State::Editing;
};
