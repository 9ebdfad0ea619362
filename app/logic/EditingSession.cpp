// EditingSession: the working copy's start, commit and discard.
#include "app/logic/EditingSession.h"

EditingSession::EditingSession(ProgramData& data, EditingHost& host) : data_(data), host_(host) {
    setAside_ = data_.exchange(data_.store().clone());
    host_.setBusy(true);
}

EditingSession::~EditingSession() {
    discard();
}

CommitResult EditingSession::commit() {
    if (state_ != State::Editing) {
        return CommitResult::Refused;
    }
    state_ = State::Committing;
    if (data_.fileUnread() && !host_.confirmSaveWithoutFile()) {
        state_ = State::Editing;
        return CommitResult::Declined;
    }
    if (!data_.save()) {
        host_.reportSaveFailed();
        state_ = State::Editing;
        return CommitResult::Failed;
    }
    setAside_.reset();
    end();
    return CommitResult::Saved;
}

bool EditingSession::discard() {
    if (state_ != State::Editing) {
        return false;
    }
    data_.exchange(std::move(setAside_));
    end();
    return true;
}

// Busy goes off as soon as the store is settled, not when the window is
// gone: a drag begun on the Vocabularies page may drop, and must read,
// while the window is still being taken down.
void EditingSession::end() {
    state_ = State::Ended;
    host_.setBusy(false);
}
